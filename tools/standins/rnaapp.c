/* Stand-in for the dial-up application of Windows 95/98/ME (RNAAPP.EXE).

   A hidden window of class "RNAAPP" whose extra window memory holds, at
   offset 8, the address of the application's 36-byte status record:
   bytes 4-6 the connect speed (24 bits, little-endian), bit 0x20 of byte 12
   set while connected, the received bytes at offset 28 and the sent bytes
   at offset 32. The record follows the [RNAAPP] section of standin.ini next
   to the exe, read again whenever the file changes:

       [RNAAPP]
       Connected=1           ; the connected bit
       Received=1000         ; byte counts at the start of the connection
       Sent=200
       ReceivedPerSecond=3000 ; added while connected, at each 100 ms
       SentPerSecond=600
       Speed=57600

   Like the dial-up adapter of Windows 95/98/ME it also publishes its
   counts under HKEY_DYN_DATA "PerfStats\StatData" as 4-byte binary values
   "Dial-Up Adapter\BytesRecvd", "\BytesXmit", "\ConnectSpeed" (and the
   "TotalBytes..." names), and writes the values of a [StatData] section
   there as they stand: "name=1234" a 4-byte binary value, "name=sz:text"
   a string value, "name=bin:0102030405" binary bytes.

   The program ends on WM_CLOSE or with Quit=1 in [RNAAPP].

   "RNAAPP.EXE /memcheck" only checks that ReadProcessMemory reads this
   process's memory as it is (exit code 0) or not (1): Wine under qemu-user
   reads the host's address instead of the emulated one, so another process
   cannot read the status record there. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define TIMER_MS 100
#define DYN_DATA ((HKEY)(ULONG_PTR)0x80000006)

static BYTE record[36];
static char controlPath[MAX_PATH + 16];
static FILETIME lastWrite;
static DWORD lastSize = (DWORD)-1;

static int connected;
static DWORD baseReceived, baseSent, perSecondReceived, perSecondSent, speed;
static DWORD connectedSince;

static void Put32(BYTE* p, DWORD v)
{
    p[0] = (BYTE)v;
    p[1] = (BYTE)(v >> 8);
    p[2] = (BYTE)(v >> 16);
    p[3] = (BYTE)(v >> 24);
}

static DWORD Number(const char* key, DWORD fallback)
{
    char text[64];
    GetPrivateProfileStringA("RNAAPP", key, "", text, sizeof text, controlPath);
    return text[0] ? (DWORD)strtoul(text, NULL, 0) : fallback;
}

static void SetStat(HKEY key, const char* name, DWORD value)
{
    BYTE bytes[4];
    Put32(bytes, value);
    RegSetValueExA(key, name, 0, REG_BINARY, bytes, 4);
}

/* A value of its own, unless [StatData] sets that name (so that it never
   changes its type between two writes). */
static void PublishStat(HKEY key, const char* name, DWORD value)
{
    char text[8];
    if (GetPrivateProfileStringA("StatData", name, "", text, sizeof text, controlPath) == 0)
        SetStat(key, name, value);
}

static void WriteStatSection(HKEY key)
{
    static char entries[32768];
    DWORD n = GetPrivateProfileSectionA("StatData", entries, sizeof entries, controlPath);
    for (char* s = entries; n && *s; s += strlen(s) + 1) {
        char* eq = strchr(s, '=');
        if (!eq)
            continue;
        *eq = '\0';
        const char* value = eq + 1;
        if (strncmp(value, "sz:", 3) == 0) {
            RegSetValueExA(key, s, 0, REG_SZ, (const BYTE*)value + 3, (DWORD)strlen(value + 3) + 1);
        } else if (strncmp(value, "bin:", 4) == 0) {
            BYTE bytes[64];
            DWORD count = 0;
            for (const char* h = value + 4; h[0] && h[1] && count < sizeof bytes; h += 2) {
                char pair[3] = {h[0], h[1], 0};
                bytes[count++] = (BYTE)strtoul(pair, NULL, 16);
            }
            RegSetValueExA(key, s, 0, REG_BINARY, bytes, count);
        } else {
            SetStat(key, s, (DWORD)strtoul(value, NULL, 0));
        }
        *eq = '=';
    }
}

static void Publish(void)
{
    DWORD received = baseReceived, sent = baseSent;
    if (connected) {
        const ULONGLONG ms = GetTickCount() - connectedSince;
        received += (DWORD)(ms * perSecondReceived / 1000);
        sent += (DWORD)(ms * perSecondSent / 1000);
    }
    memset(record, 0, sizeof record);
    record[4] = (BYTE)speed;
    record[5] = (BYTE)(speed >> 8);
    record[6] = (BYTE)(speed >> 16);
    record[12] = connected ? 0x21 : 0x01;
    Put32(record + 28, received);
    Put32(record + 32, sent);

    HKEY key;
    if (RegCreateKeyExA(DYN_DATA, "PerfStats\\StatData", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) ==
        ERROR_SUCCESS) {
        PublishStat(key, "Dial-Up Adapter\\BytesRecvd", received);
        PublishStat(key, "Dial-Up Adapter\\BytesXmit", sent);
        PublishStat(key, "Dial-Up Adapter\\ConnectSpeed", connected ? speed : 0);
        PublishStat(key, "Dial-Up Adapter\\TotalBytesRecvd", received);
        PublishStat(key, "Dial-Up Adapter\\TotalBytesXmit", sent);
        WriteStatSection(key);
        RegCloseKey(key);
    }
}

/* Reads the control file again when it changed; false when asked to quit. */
static BOOL Reload(void)
{
    WIN32_FILE_ATTRIBUTE_DATA info;
    if (GetFileAttributesExA(controlPath, GetFileExInfoStandard, &info)) {
        if (CompareFileTime(&info.ftLastWriteTime, &lastWrite) != 0 || info.nFileSizeLow != lastSize) {
            lastWrite = info.ftLastWriteTime;
            lastSize = info.nFileSizeLow;
            int now = Number("Connected", 0) == 1;
            if (now && !connected)
                connectedSince = GetTickCount();
            connected = now;
            baseReceived = Number("Received", 0);
            baseSent = Number("Sent", 0);
            perSecondReceived = Number("ReceivedPerSecond", 0);
            perSecondSent = Number("SentPerSecond", 0);
            speed = Number("Speed", 0) & 0xFFFFFF;
            if (Number("Quit", 0) == 1)
                return FALSE;
        }
    }
    Publish();
    return TRUE;
}

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        if (!Reload())
            DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

static int MemoryCheck(void)
{
    static volatile DWORD marker = 0x5EC0DE42;
    DWORD copy = 0;
    SIZE_T read = 0;
    HANDLE self = OpenProcess(PROCESS_VM_READ, FALSE, GetCurrentProcessId());
    BOOL ok = self && ReadProcessMemory(self, (LPCVOID)&marker, &copy, sizeof copy, &read);
    if (self)
        CloseHandle(self);
    return ok && read == sizeof copy && copy == marker ? 0 : 1;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)show;
    if (commandLine && strstr(commandLine, "/memcheck"))
        return MemoryCheck();
    DWORD n = GetModuleFileNameA(NULL, controlPath, MAX_PATH);
    char* slash = NULL;
    for (DWORD i = 0; i < n; ++i)
        if (controlPath[i] == '\\' || controlPath[i] == '/')
            slash = controlPath + i;
    if (slash)
        slash[1] = '\0';
    strcat(controlPath, "standin.ini");

    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.cbWndExtra = 12;
    wc.lpszClassName = "RNAAPP";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "RNAAPP", "Dial-Up Networking", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL,
                                instance, NULL);
    if (!hwnd)
        return 1;
    SetWindowLongA(hwnd, 8, (LONG)(LONG_PTR)record);
    Reload();
    SetTimer(hwnd, 1, TIMER_MS, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
