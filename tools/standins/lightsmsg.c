/* Stand-in for the companion 'lights' program's message, with hostile
   variants: sends Blinkery's main window (class TMainWindow) WM_COPYDATA
   messages and prints each result as "<variant>\t<result>".

       lightsmsg.exe <variant>...

   Variants:
       normal        "<process> <device> Office dial-up" with its NUL, identifier 1
       nonul         the same text without a NUL
       huge          numbers far beyond 32 bits and a minus sign
       overcount     a byte count larger than the text (the rest not NUL-terminated)
       megabytes     1 MB of text without a NUL (text:<bytes> for another size;
                     Wine fails to hand over 2 MB or more: the receiver's
                     GetMessage returns -1 and the sender is told it failed)
       empty         a byte count of 0 and no data
       otherid       identifier 7 with binary junk
       digits        1 MB of digits
   The "normal" variant names a process handle of this program duplicated
   into Blinkery (so that the handle is valid there) and device 0. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND target;

static void Send(const char* name, DWORD id, const void* data, DWORD size)
{
    COPYDATASTRUCT cds;
    cds.dwData = id;
    cds.cbData = size;
    cds.lpData = (void*)data;
    DWORD_PTR result = 0;
    LRESULT ok = SendMessageTimeoutA(target, WM_COPYDATA, 0, (LPARAM)&cds, SMTO_NORMAL, 60000, &result);
    printf("%s\t%s\n", name, ok ? "sent" : "failed");
    fflush(stdout);
}

int main(int argc, char** argv)
{
    target = FindWindowA("TMainWindow", NULL);
    if (!target) {
        fprintf(stderr, "no Blinkery window\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const char* v = argv[i];
        if (strcmp(v, "normal") == 0 || strcmp(v, "nonul") == 0) {
            DWORD pid = 0;
            GetWindowThreadProcessId(target, &pid);
            HANDLE blinkery = OpenProcess(PROCESS_DUP_HANDLE, FALSE, pid);
            HANDLE there = NULL;
            if (blinkery)
                DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), blinkery, &there, SYNCHRONIZE, FALSE, 0);
            char text[128];
            int n = sprintf(text, "%lu 0 Office dial-up", (unsigned long)(ULONG_PTR)there);
            Send(v, 1, text, strcmp(v, "normal") == 0 ? (DWORD)n + 1 : (DWORD)n);
        } else if (strcmp(v, "huge") == 0) {
            const char text[] = "99999999999999999999999999 -4294967297 x";
            Send(v, 1, text, sizeof text - 1);
        } else if (strcmp(v, "overcount") == 0) {
            char* buffer = (char*)malloc(65536);
            memset(buffer, 'X', 65536);
            memcpy(buffer, "1 2 abc", 7);
            Send(v, 1, buffer, 65536);
            free(buffer);
        } else if (strcmp(v, "megabytes") == 0 || strncmp(v, "text:", 5) == 0) {
            const DWORD size = v[0] == 't' ? (DWORD)strtoul(v + 5, NULL, 0) : 1u << 20;
            char* buffer = (char*)malloc(size);
            memset(buffer, 'm', size);
            if (size >= 4)
                memcpy(buffer, "3 4 ", 4);
            Send(v, 1, buffer, size);
            free(buffer);
        } else if (strcmp(v, "empty") == 0) {
            Send(v, 1, NULL, 0);
        } else if (strcmp(v, "otherid") == 0) {
            BYTE junk[256];
            for (int b = 0; b < 256; ++b)
                junk[b] = (BYTE)(b * 37);
            Send(v, 7, junk, sizeof junk);
        } else if (strcmp(v, "digits") == 0) {
            const DWORD size = 1u << 20;
            char* buffer = (char*)malloc(size);
            memset(buffer, '9', size);
            Send(v, 1, buffer, size);
            free(buffer);
        } else {
            fprintf(stderr, "unknown variant %s\n", v);
            return 2;
        }
    }
    return 0;
}
