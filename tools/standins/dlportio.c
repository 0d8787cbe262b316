/* Stand-in for the DriverLINX port I/O library (DLPortIO.dll).

   Serves the UART registers of COM1 to COM8 from the control file
   standin.ini next to the exe, read again whenever its contents change:

       [COM2]
       MSR=0xB0   ; base + 6: CTS 0x10, DSR 0x20, RI 0x40, DCD 0x80
       MCR=0x03   ; base + 4: DTR 0x01, RTS 0x02
       Absent=1   ; every read at this port answers 0xFFFF
       Fault=1    ; every read at this port raises an access violation

   A port without a section reads 0xFFFF, as does any address outside the
   eight UARTs; the other registers of a configured UART read 0. A write to
   base + 4 changes the MCR served until the control file changes. Every
   write is appended to standin.log next to the exe as
   "write <port hex> <value hex> <tick ms>". */
#include <windows.h>

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "access_violation.h"
#include "beside_exe.h"

#define PORT_COUNT 8
#define CONTROL_MAX 65536

typedef struct {
    int present, absent, fault;
    USHORT msr, mcr;
} Uart;

static const USHORT kBases[PORT_COUNT] = {0x3F8, 0x2F8, 0x3E8, 0x2E8, 0x3E0, 0x2E0, 0x338, 0x238};
static Uart uarts[PORT_COUNT];
static char lastControl[CONTROL_MAX + 1];
static DWORD lastControlSize = (DWORD)-1;

static DWORD ReadControlFile(char* data)
{
    char path[MAX_PATH + 16];
    BesideExe("standin.ini", path);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    DWORD size = 0;
    if (file != INVALID_HANDLE_VALUE) {
        if (!ReadFile(file, data, CONTROL_MAX, &size, NULL))
            size = 0;
        CloseHandle(file);
    }
    data[size] = '\0';
    return size;
}

static char* Trim(char* s)
{
    while (isspace((unsigned char)*s))
        ++s;
    char* end = s + strlen(s);
    while (end > s && isspace((unsigned char)end[-1]))
        *--end = '\0';
    return s;
}

static void Parse(char* data)
{
    memset(uarts, 0, sizeof uarts);
    Uart* current = NULL;
    for (char* line = strtok(data, "\r\n"); line; line = strtok(NULL, "\r\n")) {
        char* comment = strpbrk(line, ";#");
        if (comment)
            *comment = '\0';
        line = Trim(line);
        if (*line == '[') {
            int n = 0;
            current = NULL;
            if (_strnicmp(line, "[COM", 4) == 0 && sscanf(line + 4, "%d]", &n) == 1 && n >= 1 && n <= PORT_COUNT) {
                current = &uarts[n - 1];
                current->present = 1;
            }
            continue;
        }
        char* eq = strchr(line, '=');
        if (!current || !eq)
            continue;
        *eq = '\0';
        char* key = Trim(line);
        unsigned long value = strtoul(Trim(eq + 1), NULL, 0);
        if (_stricmp(key, "MSR") == 0)
            current->msr = (USHORT)value;
        else if (_stricmp(key, "MCR") == 0)
            current->mcr = (USHORT)value;
        else if (_stricmp(key, "Absent") == 0)
            current->absent = value == 1;
        else if (_stricmp(key, "Fault") == 0)
            current->fault = value == 1;
    }
}

static void Refresh(void)
{
    static char data[CONTROL_MAX + 1];
    DWORD size = ReadControlFile(data);
    if (size == lastControlSize && memcmp(data, lastControl, size) == 0)
        return;
    memcpy(lastControl, data, size + 1);
    lastControlSize = size;
    Parse(data);
}

/* The UART that owns the address, or NULL; *offset gets the register. */
static Uart* Find(ULONG port, ULONG* offset)
{
    for (int i = 0; i < PORT_COUNT; ++i)
        if (port >= kBases[i] && port < kBases[i] + 8u) {
            *offset = port - kBases[i];
            return &uarts[i];
        }
    return NULL;
}

static USHORT ReadRegister(ULONG port)
{
    Refresh();
    ULONG offset = 0;
    Uart* uart = Find(port, &offset);
    if (!uart || !uart->present)
        return 0xFFFF;
    if (uart->fault)
        return (USHORT)RaiseAccessViolation(); /* as a broken driver would give */
    if (uart->absent)
        return 0xFFFF;
    return offset == 6 ? uart->msr : offset == 4 ? uart->mcr : 0;
}

static void WriteRegister(ULONG port, ULONG value)
{
    Refresh();
    ULONG offset = 0;
    Uart* uart = Find(port, &offset);
    if (uart && uart->present && offset == 4)
        uart->mcr = (USHORT)value;

    char line[64];
    int n = snprintf(line, sizeof line, "write %lX %lX %lu\r\n", port, value, GetTickCount());
    AppendBesideExe("standin.log", line, n);
}

#define EXPORT __declspec(dllexport)

EXPORT UCHAR WINAPI DlPortReadPortUchar(ULONG port) { return (UCHAR)ReadRegister(port); }
EXPORT USHORT WINAPI DlPortReadPortUshort(ULONG port) { return ReadRegister(port); }
EXPORT ULONG WINAPI DlPortReadPortUlong(ULONG port) { return ReadRegister(port); }
EXPORT VOID WINAPI DlPortWritePortUchar(ULONG port, UCHAR value) { WriteRegister(port, value); }
EXPORT VOID WINAPI DlPortWritePortUshort(ULONG port, USHORT value) { WriteRegister(port, value); }
EXPORT VOID WINAPI DlPortWritePortUlong(ULONG port, ULONG value) { WriteRegister(port, value); }

EXPORT VOID WINAPI DlPortReadPortBufferUchar(ULONG port, PUCHAR buffer, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        buffer[i] = (UCHAR)ReadRegister(port);
}
EXPORT VOID WINAPI DlPortReadPortBufferUshort(ULONG port, PUSHORT buffer, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        buffer[i] = ReadRegister(port);
}
EXPORT VOID WINAPI DlPortReadPortBufferUlong(ULONG port, PULONG buffer, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        buffer[i] = ReadRegister(port);
}
EXPORT VOID WINAPI DlPortWritePortBufferUchar(ULONG port, PUCHAR buffer, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        WriteRegister(port, buffer[i]);
}
EXPORT VOID WINAPI DlPortWritePortBufferUshort(ULONG port, PUSHORT buffer, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        WriteRegister(port, buffer[i]);
}
EXPORT VOID WINAPI DlPortWritePortBufferUlong(ULONG port, PULONG buffer, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        WriteRegister(port, buffer[i]);
}
