/* GDI object count of another process, for the Wine scenarios.

     gdicount <pid>      prints the number of GDI objects the process holds

   On Windows GetGuiResources answers. Wine's GetGuiResources is a stub that
   answers 0, so there the count is taken from the process's GDI handle
   table, which Wine keeps in the process's memory like Windows NT does: the
   PEB's GdiSharedHandleTable, or for a 32-bit process under Wine's WoW64 the
   one of its 64-bit PEB, a page below the 32-bit one. An entry whose third
   type byte is non-zero holds a live object. Exit code 0 with the count,
   2 when it cannot be read. */
#include <windows.h>
#include <winternl.h>

#include <stdio.h>
#include <stdlib.h>

#define HANDLE_COUNT 0x10000
#define ENTRY_SIZE 24
#define PEB32_TABLE 0x94
#define PEB64_TABLE 0xf8

static int read_at(HANDLE process, ULONG_PTR address, void *into, SIZE_T size)
{
    SIZE_T got = 0;
    return ReadProcessMemory(process, (LPCVOID)address, into, size, &got) && got == size;
}

static long table_count(HANDLE process)
{
    PROCESS_BASIC_INFORMATION info;
    ULONG length = 0;
    ULONG_PTR table = 0;
    unsigned long long table64 = 0;
    unsigned char *entries;
    long count = 0;
    int i;

    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &length) != 0)
        return -1;
    if (!read_at(process, (ULONG_PTR)info.PebBaseAddress + PEB32_TABLE, &table, sizeof table))
        return -1;
    if (!table) {
        if (!read_at(process, (ULONG_PTR)info.PebBaseAddress - 0x1000 + PEB64_TABLE, &table64, sizeof table64) ||
            table64 == 0 || table64 > 0xFFFFFFFFull)
            return -1;
        table = (ULONG_PTR)table64;
    }
    entries = malloc((size_t)HANDLE_COUNT * ENTRY_SIZE);
    if (!entries)
        return -1;
    if (read_at(process, table, entries, (SIZE_T)HANDLE_COUNT * ENTRY_SIZE))
        for (i = 0; i < HANDLE_COUNT; ++i)
            count += entries[i * ENTRY_SIZE + 14] != 0;
    else
        count = -1;
    free(entries);
    return count;
}

int main(int argc, char **argv)
{
    HANDLE process;
    long count;

    if (argc != 2) {
        fputs("usage: gdicount <pid>\n", stderr);
        return 2;
    }
    process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, strtoul(argv[1], NULL, 0));
    if (!process) {
        fprintf(stderr, "gdicount: cannot open process %s (error %lu)\n", argv[1], GetLastError());
        return 2;
    }
    count = (long)GetGuiResources(process, GR_GDIOBJECTS);
    if (count == 0)
        count = table_count(process);
    CloseHandle(process);
    if (count <= 0) {
        fputs("gdicount: the process's GDI handle table cannot be read\n", stderr);
        return 2;
    }
    printf("%ld\n", count);
    return 0;
}
