/* GDI object count of another process, for the Wine scenarios.

     gdicount <pid>      prints the number of GDI objects the process holds

   On Windows GetGuiResources answers. Wine's GetGuiResources is a stub that
   answers 0, so there the count is taken from the process's GDI handle
   table, which Wine keeps in the process's memory like Windows NT does (the
   PEB's GdiSharedHandleTable). An entry whose third type byte is non-zero
   holds a live object. Exit code 0 with the count, 2 when it cannot be
   read. */
#include <windows.h>
#include <winternl.h>

#include <stdio.h>
#include <stdlib.h>

#define HANDLE_COUNT 0x10000
#define ENTRY_SIZE 24
#define PEB32_TABLE 0x94
#define PEB64_TABLE 0xf8

/* Added to every address read. Under qemu's user emulation Wine has been
   seen to read another process's memory a page away from the address asked
   for; table_count finds the shift that gives a consistent table. */
static long shift;

static int read_at(HANDLE process, ULONG_PTR address, void *into, SIZE_T size)
{
    SIZE_T got = 0;
    return ReadProcessMemory(process, (LPCVOID)(address + shift), into, size, &got) && got == size;
}

/* Only the part of the table in use is committed memory, so it is read a
   block at a time; unreadable blocks hold no objects. */
static long count_entries(HANDLE process, ULONG_PTR table)
{
    enum { BLOCK = 4096 * ENTRY_SIZE / 8 }; /* whole entries, whole pages */
    static unsigned char block[BLOCK];
    const SIZE_T total = (SIZE_T)HANDLE_COUNT * ENTRY_SIZE;
    SIZE_T at, i;
    long count = 0;

    for (at = 0; at < total; at += BLOCK) {
        if (!read_at(process, table + at, block, BLOCK))
            continue;
        for (i = 0; i < BLOCK; i += ENTRY_SIZE)
            count += block[i + 14] != 0;
    }
    return count;
}

/* A handle's low word indexes the table; its entry repeats the high word.
   The stock objects are made at the same places in every process, so the
   table that holds this process's stock objects where they belong is the
   process's GDI handle table. */
static int holds_stock_objects(HANDLE process, ULONG_PTR table)
{
    const int stock[] = {WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT, DEFAULT_PALETTE};
    size_t i;

    for (i = 0; i < sizeof stock / sizeof stock[0]; ++i) {
        const ULONG_PTR handle = (ULONG_PTR)GetStockObject(stock[i]);
        unsigned char entry[ENTRY_SIZE];
        if (!read_at(process, table + (handle & 0xFFFF) * ENTRY_SIZE, entry, sizeof entry) || entry[14] == 0 ||
            (ULONG_PTR)(entry[12] | entry[13] << 8) != (handle >> 16 & 0xFFFF))
            return 0;
    }
    return 1;
}

/* The table pointer sits in the 32-bit PEB, or in the 64-bit PEB that Wine's
   WoW64 keeps for a 32-bit process a page below the 32-bit one; the address
   the system reports may be either of them. */
static long table_count(HANDLE process)
{
    PROCESS_BASIC_INFORMATION info;
    ULONG length = 0;
    ULONG_PTR peb;
    const long shifts[] = {0, 0x1000, -0x1000};
    const struct {
        long offset;
        int wide;
    } places[] = {{PEB32_TABLE, 0}, {PEB64_TABLE, 1}, {PEB64_TABLE - 0x1000, 1}, {PEB64_TABLE + 0x1000, 1}};
    size_t i, j;

    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &length) != 0)
        return -1;
    peb = (ULONG_PTR)info.PebBaseAddress;
    for (j = 0; j < sizeof shifts / sizeof shifts[0]; ++j) {
        shift = shifts[j];
        for (i = 0; i < sizeof places / sizeof places[0]; ++i) {
            unsigned long long table = 0;
            if (read_at(process, peb + places[i].offset, &table, places[i].wide ? 8 : 4) && table != 0 &&
                table <= 0xFFFFFFFFull && holds_stock_objects(process, (ULONG_PTR)table))
                return count_entries(process, (ULONG_PTR)table);
        }
    }
    return -1;
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
