/* Stand-in for the Remote Access Service library (RASAPI32.DLL).

   Serves a phone book, the RAS devices and one connection from the control
   file standin.ini next to the exe, read on every call:

       [RAS]
       Device1=modem,Standard Modem,COM2  ; type, name[, port]; Device2=... and so on
       Connection=Work      ; entry of the active connection; empty or absent: none
       State=8192           ; its RASCONNSTATE (8192 connected)
       Error=0              ; its error code
       DialedNumber=        ; its number (default: the entry's)
       ClientIP=10.0.0.2    ; its PPP addresses
       ServerIP=10.0.0.1
       BytesXmited=0        ; its statistics, named after the RAS_STATS fields:
       ...                  ; BytesRcved FramesXmited FramesRcved CrcErr TimeoutErr
                            ; AlignmentErr HardwareOverrunErr FramingErr BufferOverrunErr
                            ; CompressionRatioIn CompressionRatioOut Bps ConnectDuration
       DialDelay=30         ; ms between two dial-progress messages
       HangUpPolls=2        ; status queries after a hang-up that still find the
                            ; connection (state 8193, disconnected)
       EditResult=0         ; what RasEditPhonebookEntryA answers
       CreateEntry=         ; the entry RasCreatePhonebookEntryA adds (none: adds nothing)
       CreateResult=0       ; and what it answers

       [RAS Entry Work]     ; one section per phone-book entry, in file order
       Number=123456        ; local number
       AreaCode=089
       CountryCode=49
       UseCountryAndAreaCodes=1
       DeviceType=modem
       DeviceName=Standard Modem
       DevicePort=COM2      ; stored after a NUL in the device-name field, as Windows 95 does
       UserName=jo
       Password=secret
       PasswordStored=1     ; default: 1 when Password is set
       Domain=
       CallbackNumber=
       DialResult=0         ; what RasDialA answers at once (e.g. 623)
       DialStates=0,1,2,3,4,5,10,14,8192  ; the progress posted to the notifier window
       DialError=0          ; non-zero: the last state comes with this error, the dial fails

       [RAS Errors]
       678=There is no answer.   ; texts for RasGetErrorStringA beyond the built-in ones

   A dial that reaches 8192 writes Connection= with its entry; a hang-up
   clears it. Renames and deletions rewrite the entry sections. Calls that
   change something are appended to standin.log as "ras <call> <args> <tick>". */
#include <windows.h>

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "beside_exe.h"

#define CONNECTION_HANDLE 0x5A5A0001u
#define ENTRY_PREFIX "RAS Entry "
#define MAX_DIAL_STATES 32

#define ERROR_BUFFER_TOO_SMALL_RAS 603
#define ERROR_PORT_ALREADY_OPEN_RAS 602
#define ERROR_CANNOT_FIND_ENTRY 623
#define ERROR_INVALID_SIZE_RAS 632
#define ERROR_PROTOCOL_NOT_CONFIGURED_RAS 731

/* The records, in the layouts RASAPI32 takes from 32-bit callers. */
typedef struct {
    DWORD dwSize;
    DWORD hrasconn;
    CHAR szEntryName[257];
    CHAR szDeviceType[17];
    CHAR szDeviceName[129];
    CHAR szPhonebook[260]; /* not in the 412-byte Windows 95 record */
    DWORD dwSubEntry;
} RasConn;

typedef struct {
    DWORD dwSize;
    CHAR szEntryName[257];
} RasEntryName;

typedef struct {
    DWORD dwSize;
    CHAR szDeviceType[17];
    CHAR szDeviceName[129];
} RasDevInfo;

typedef struct {
    DWORD dwSize;
    CHAR szEntryName[257];
    CHAR szPhoneNumber[129];
    CHAR szCallbackNumber[129];
    CHAR szUserName[257];
    CHAR szPassword[257];
    CHAR szDomain[16];
    DWORD dwSubEntry;
    DWORD dwCallbackId;
} RasDialParams;

typedef struct {
    DWORD dwSize;
    DWORD rasconnstate;
    DWORD dwError;
    CHAR szDeviceType[17];
    CHAR szDeviceName[129];
    CHAR szPhoneNumber[129];
} RasConnStatus;

typedef struct {
    DWORD dwSize;
    DWORD dwfOptions;
    DWORD dwCountryID;
    DWORD dwCountryCode;
    CHAR szAreaCode[11];
    CHAR szLocalPhoneNumber[129];
    DWORD dwAlternateOffset;
    DWORD ipaddr[5];
    DWORD dwFrameSize;
    DWORD dwfNetProtocols;
    DWORD dwFramingProtocol;
    CHAR szScript[260];
    CHAR szAutodialDll[260];
    CHAR szAutodialFunc[260];
    CHAR szDeviceType[17];
    CHAR szDeviceName[129];
    CHAR szX25[33 + 201 * 3];
    DWORD dwChannels;
    DWORD dwReserved[2];
    DWORD dwNT401[7];
} RasEntry;

typedef struct {
    DWORD dwSize;
    DWORD dwError;
    CHAR szIpAddress[16];
    CHAR szServerIpAddress[16];
} RasPppIp;

typedef struct {
    DWORD field[15];
} RasStats;

_Static_assert(sizeof(RasConn) == 676, "RASCONN");
_Static_assert(sizeof(RasEntryName) == 264, "RASENTRYNAME");
_Static_assert(sizeof(RasDevInfo) == 152, "RASDEVINFO");
_Static_assert(sizeof(RasDialParams) == 1060, "RASDIALPARAMS");
_Static_assert(sizeof(RasConnStatus) == 288, "RASCONNSTATUS");
_Static_assert(sizeof(RasEntry) == 1796, "RASENTRY");
_Static_assert(sizeof(RasPppIp) == 40, "RASPPPIP");
_Static_assert(sizeof(RasStats) == 60, "RAS_STATS");

static const char* const kStatNames[15] = {
    NULL, "BytesXmited", "BytesRcved", "FramesXmited", "FramesRcved", "CrcErr", "TimeoutErr", "AlignmentErr",
    "HardwareOverrunErr", "FramingErr", "BufferOverrunErr", "CompressionRatioIn", "CompressionRatioOut", "Bps",
    "ConnectDuration"};

static const struct {
    DWORD code;
    const char* text;
} kErrorTexts[] = {
    {600, "An operation is pending."},
    {602, "The port is already open."},
    {603, "Caller's buffer is too small."},
    {623, "Cannot find the phone book entry."},
    {632, "The structure size is incorrect."},
    {676, "The line is busy."},
    {678, "There is no answer."},
    {680, "There is no dial tone."},
    {691, "Access denied because username and/or password is invalid on the domain."},
    {718, "PPP timeout."},
    {731, "The protocol is not configured."},
};

/* The dial in progress (or failed and not yet hung up). */
static CRITICAL_SECTION lock;
static struct {
    int active;      /* a handle from RasDialA that was not hung up */
    LONG generation; /* bumped by every dial and hang-up: a stale progress thread stops */
    DWORD state;
    DWORD error;
    char entry[257];
} dial;
static LONG lingerPolls;

static void ControlPath(char* path) { BesideExe("standin.ini", path); }

static void GetText(const char* section, const char* key, const char* fallback, char* out, DWORD size)
{
    char path[MAX_PATH + 16];
    ControlPath(path);
    GetPrivateProfileStringA(section, key, fallback, out, size, path);
}

static DWORD GetNumber(const char* section, const char* key, DWORD fallback)
{
    char text[64];
    GetText(section, key, "", text, sizeof text);
    return text[0] ? strtoul(text, NULL, 0) : fallback;
}

static void SetText(const char* section, const char* key, const char* value)
{
    char path[MAX_PATH + 16];
    ControlPath(path);
    WritePrivateProfileStringA(section, key, value, path);
}

static void Log(const char* format, ...)
{
    char line[700];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(line, sizeof line - 32, format, args);
    va_end(args);
    if (n < 0)
        return;
    if (n > (int)sizeof line - 32)
        n = (int)sizeof line - 32;
    n += snprintf(line + n, 32, " %lu\r\n", GetTickCount());
    AppendBesideExe("standin.log", line, n);
}

static void Copy(char* field, size_t size, const char* text)
{
    size_t n = strlen(text);
    if (n > size - 1)
        n = size - 1;
    memcpy(field, text, n);
    field[n] = '\0';
}

static void EntrySection(const char* name, char* section)
{
    snprintf(section, 300, ENTRY_PREFIX "%s", name);
}

/* The entry names in file order, as a double-NUL list. */
static DWORD EntryNames(char* names, DWORD size)
{
    char path[MAX_PATH + 16];
    static char all[32768];
    DWORD used = 0;
    ControlPath(path);
    DWORD n = GetPrivateProfileSectionNamesA(all, sizeof all, path);
    for (char* s = all; s < all + n && *s; s += strlen(s) + 1) {
        size_t len = strlen(s);
        if (len <= strlen(ENTRY_PREFIX) || _strnicmp(s, ENTRY_PREFIX, strlen(ENTRY_PREFIX)) != 0)
            continue;
        const char* name = s + strlen(ENTRY_PREFIX);
        if (used + strlen(name) + 2 > size)
            break;
        strcpy(names + used, name);
        used += (DWORD)strlen(name) + 1;
    }
    names[used] = '\0';
    return used;
}

static int EntryExists(const char* name)
{
    static char names[32768];
    EntryNames(names, sizeof names);
    for (char* s = names; *s; s += strlen(s) + 1)
        if (_stricmp(s, name) == 0)
            return 1;
    return 0;
}

static int ValidName(const char* name)
{
    return name && name[0] && name[0] != '.' && strlen(name) <= 256 && !strpbrk(name, "\\/:*?\"<>|[]=");
}

static int ConnectionOf(char* entry, DWORD size)
{
    GetText("RAS", "Connection", "", entry, size);
    return entry[0] != '\0';
}

/* --- Dialling */

typedef struct {
    HWND window;
    UINT message;
    LONG generation;
    DWORD delay;
    DWORD states[MAX_DIAL_STATES];
    int count;
    DWORD error;
    char entry[257];
} DialScript;

static DWORD WINAPI DialProgress(LPVOID parameter)
{
    DialScript* script = (DialScript*)parameter;
    for (int i = 0; i < script->count; ++i) {
        Sleep(script->delay);
        const int last = i == script->count - 1;
        const DWORD state = script->states[i];
        const DWORD error = last ? script->error : 0;
        EnterCriticalSection(&lock);
        int current = dial.generation == script->generation;
        if (current) {
            dial.state = state;
            dial.error = error;
            if (state == 0x2000 && error == 0) {
                SetText("RAS", "Connection", script->entry);
                SetText("RAS", "State", "8192");
                SetText("RAS", "Error", "0");
                dial.active = 0; /* the control file holds the connection now */
            }
        }
        LeaveCriticalSection(&lock);
        if (!current)
            break;
        PostMessageA(script->window, script->message, state, error);
    }
    free(script);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasDialA(LPVOID extensions, LPCSTR phoneBook, RasDialParams* params,
                                            DWORD notifierType, LPVOID notifier, DWORD* connection)
{
    (void)extensions;
    (void)phoneBook;
    if (!params || !connection)
        return ERROR_INVALID_PARAMETER;
    if (params->dwSize != sizeof(RasDialParams))
        return ERROR_INVALID_SIZE_RAS;
    char section[300], existing[257];
    EntrySection(params->szEntryName, section);
    Log("ras dial %s number=%s user=%s", params->szEntryName, params->szPhoneNumber, params->szUserName);
    if (!EntryExists(params->szEntryName))
        return ERROR_CANNOT_FIND_ENTRY;
    DWORD result = GetNumber(section, "DialResult", 0);
    if (result != 0)
        return result;
    EnterCriticalSection(&lock);
    const int dialling = dial.active;
    LeaveCriticalSection(&lock);
    if (ConnectionOf(existing, sizeof existing) || dialling)
        return ERROR_PORT_ALREADY_OPEN_RAS;
    if (notifierType != 0xFFFFFFFFu || !notifier)
        return ERROR_INVALID_PARAMETER;

    DialScript* script = (DialScript*)calloc(1, sizeof *script);
    if (!script)
        return ERROR_NOT_ENOUGH_MEMORY;
    char states[400];
    GetText(section, "DialStates", "0,1,2,3,4,5,10,14,8192", states, sizeof states);
    for (char* s = strtok(states, ", "); s && script->count < MAX_DIAL_STATES; s = strtok(NULL, ", "))
        script->states[script->count++] = strtoul(s, NULL, 0);
    script->window = (HWND)notifier;
    script->message = RegisterWindowMessageA("RasDialEvent");
    script->delay = GetNumber("RAS", "DialDelay", 30);
    script->error = GetNumber(section, "DialError", 0);
    Copy(script->entry, sizeof script->entry, params->szEntryName);

    EnterCriticalSection(&lock);
    dial.active = 1;
    dial.state = 0;
    dial.error = 0;
    Copy(dial.entry, sizeof dial.entry, params->szEntryName);
    script->generation = ++dial.generation;
    LeaveCriticalSection(&lock);
    lingerPolls = 0;

    *connection = CONNECTION_HANDLE;
    DWORD id = 0;
    HANDLE thread = CreateThread(NULL, 0, DialProgress, script, 0, &id);
    if (thread)
        CloseHandle(thread);
    else
        free(script);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasHangUpA(DWORD connection)
{
    char entry[257];
    Log("ras hangup %lX", connection);
    if (connection != CONNECTION_HANDLE)
        return ERROR_INVALID_HANDLE;
    EnterCriticalSection(&lock);
    int dialling = dial.active;
    dial.active = 0;
    ++dial.generation;
    LeaveCriticalSection(&lock);
    int connected = ConnectionOf(entry, sizeof entry);
    if (!dialling && !connected)
        return ERROR_INVALID_HANDLE;
    if (connected)
        SetText("RAS", "Connection", "");
    lingerPolls = (LONG)GetNumber("RAS", "HangUpPolls", 2);
    return 0;
}

/* --- Connections */

static int LiveConnection(char* entry, DWORD* state, DWORD* error)
{
    EnterCriticalSection(&lock);
    int dialling = dial.active;
    if (dialling) {
        Copy(entry, 257, dial.entry);
        *state = dial.state;
        *error = dial.error;
    }
    LeaveCriticalSection(&lock);
    if (dialling)
        return 1;
    if (!ConnectionOf(entry, 257))
        return 0;
    *state = GetNumber("RAS", "State", 0x2000);
    *error = GetNumber("RAS", "Error", 0);
    return 1;
}

__declspec(dllexport) DWORD WINAPI RasEnumConnectionsA(RasConn* records, DWORD* size, DWORD* count)
{
    char entry[257], section[300];
    DWORD state = 0, error = 0;
    if (!records || !size || !count)
        return ERROR_INVALID_PARAMETER;
    const DWORD stride = records->dwSize;
    if (stride != 676 && stride != 412)
        return ERROR_INVALID_SIZE_RAS;
    const int live = LiveConnection(entry, &state, &error);
    *count = live ? 1 : 0;
    if (*size < *count * stride) {
        *size = *count * stride;
        return ERROR_BUFFER_TOO_SMALL_RAS;
    }
    *size = *count * stride;
    if (live) {
        RasConn r;
        memset(&r, 0, sizeof r);
        r.dwSize = stride;
        r.hrasconn = CONNECTION_HANDLE;
        EntrySection(entry, section);
        Copy(r.szEntryName, sizeof r.szEntryName, entry);
        GetText(section, "DeviceType", "modem", r.szDeviceType, sizeof r.szDeviceType);
        GetText(section, "DeviceName", "Standard Modem", r.szDeviceName, sizeof r.szDeviceName);
        memcpy(records, &r, stride);
    }
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasGetConnectStatusA(DWORD connection, RasConnStatus* status)
{
    char entry[257], section[300], number[129];
    DWORD state = 0, error = 0;
    if (!status)
        return ERROR_INVALID_PARAMETER;
    if (status->dwSize != sizeof(RasConnStatus))
        return ERROR_INVALID_SIZE_RAS;
    if (connection != CONNECTION_HANDLE)
        return ERROR_INVALID_HANDLE;
    if (!LiveConnection(entry, &state, &error)) {
        if (InterlockedDecrement(&lingerPolls) < 0) {
            lingerPolls = 0;
            return ERROR_INVALID_HANDLE;
        }
        status->rasconnstate = 0x2001;
        status->dwError = 0;
        return 0;
    }
    EntrySection(entry, section);
    status->rasconnstate = state;
    status->dwError = error;
    GetText(section, "DeviceType", "modem", status->szDeviceType, sizeof status->szDeviceType);
    GetText(section, "DeviceName", "Standard Modem", status->szDeviceName, sizeof status->szDeviceName);
    GetText(section, "Number", "", number, sizeof number);
    GetText("RAS", "DialedNumber", number, status->szPhoneNumber, sizeof status->szPhoneNumber);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasGetProjectionInfoA(DWORD connection, DWORD projection, RasPppIp* info,
                                                         DWORD* size)
{
    char entry[257];
    DWORD state = 0, error = 0;
    if (!info || !size)
        return ERROR_INVALID_PARAMETER;
    if (connection != CONNECTION_HANDLE || !LiveConnection(entry, &state, &error))
        return ERROR_INVALID_HANDLE;
    if (projection != 0x8021)
        return ERROR_PROTOCOL_NOT_CONFIGURED_RAS;
    if (*size < sizeof(RasPppIp)) {
        *size = sizeof(RasPppIp);
        return ERROR_BUFFER_TOO_SMALL_RAS;
    }
    if (info->dwSize != sizeof(RasPppIp))
        return ERROR_INVALID_SIZE_RAS;
    info->dwError = 0;
    GetText("RAS", "ClientIP", "10.0.0.2", info->szIpAddress, sizeof info->szIpAddress);
    GetText("RAS", "ServerIP", "10.0.0.1", info->szServerIpAddress, sizeof info->szServerIpAddress);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasGetConnectionStatistics(DWORD connection, RasStats* stats)
{
    char entry[257];
    DWORD state = 0, error = 0;
    if (!stats)
        return ERROR_INVALID_PARAMETER;
    if (stats->field[0] != sizeof(RasStats))
        return ERROR_INVALID_SIZE_RAS;
    if (connection != CONNECTION_HANDLE || !LiveConnection(entry, &state, &error))
        return ERROR_INVALID_HANDLE;
    for (int i = 1; i < 15; ++i)
        stats->field[i] = GetNumber("RAS", kStatNames[i], 0);
    return 0;
}

/* --- Phone book */

__declspec(dllexport) DWORD WINAPI RasEnumEntriesA(LPCSTR reserved, LPCSTR phoneBook, RasEntryName* records,
                                                   DWORD* size, DWORD* count)
{
    static char names[32768];
    (void)reserved;
    (void)phoneBook;
    if (!records || !size || !count)
        return ERROR_INVALID_PARAMETER;
    if (records->dwSize != sizeof(RasEntryName))
        return ERROR_INVALID_SIZE_RAS;
    EntryNames(names, sizeof names);
    DWORD n = 0;
    for (char* s = names; *s; s += strlen(s) + 1)
        ++n;
    *count = n;
    if (*size < n * sizeof(RasEntryName)) {
        *size = n * sizeof(RasEntryName);
        return ERROR_BUFFER_TOO_SMALL_RAS;
    }
    *size = n * sizeof(RasEntryName);
    DWORD i = 0;
    for (char* s = names; *s; s += strlen(s) + 1, ++i) {
        memset(&records[i], 0, sizeof records[i]);
        records[i].dwSize = sizeof(RasEntryName);
        Copy(records[i].szEntryName, sizeof records[i].szEntryName, s);
    }
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasGetEntryDialParamsA(LPCSTR phoneBook, RasDialParams* params, BOOL* password)
{
    char section[300], stored[16];
    (void)phoneBook;
    if (!params || !password)
        return ERROR_INVALID_PARAMETER;
    if (params->dwSize != sizeof(RasDialParams))
        return ERROR_INVALID_SIZE_RAS;
    if (!EntryExists(params->szEntryName))
        return ERROR_CANNOT_FIND_ENTRY;
    EntrySection(params->szEntryName, section);
    GetText(section, "UserName", "", params->szUserName, sizeof params->szUserName);
    GetText(section, "Password", "", params->szPassword, sizeof params->szPassword);
    GetText(section, "Domain", "", params->szDomain, sizeof params->szDomain);
    GetText(section, "CallbackNumber", "", params->szCallbackNumber, sizeof params->szCallbackNumber);
    GetText(section, "PasswordStored", params->szPassword[0] ? "1" : "0", stored, sizeof stored);
    *password = strtoul(stored, NULL, 0) == 1;
    if (!*password)
        memset(params->szPassword, 0, sizeof params->szPassword);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasGetEntryPropertiesA(LPCSTR phoneBook, LPCSTR name, RasEntry* entry,
                                                          DWORD* size, LPBYTE deviceInfo, DWORD* deviceInfoSize)
{
    char section[300], port[100];
    (void)phoneBook;
    (void)deviceInfo;
    if (!size)
        return ERROR_INVALID_PARAMETER;
    if (!entry || *size < sizeof(RasEntry)) {
        *size = sizeof(RasEntry);
        return ERROR_BUFFER_TOO_SMALL_RAS;
    }
    if (entry->dwSize != sizeof(RasEntry))
        return ERROR_INVALID_SIZE_RAS;
    if (!name || !EntryExists(name))
        return ERROR_CANNOT_FIND_ENTRY;
    EntrySection(name, section);
    memset((char*)entry + 4, 0, sizeof *entry - 4);
    entry->dwfOptions = GetNumber(section, "UseCountryAndAreaCodes", 0) == 1 ? 1u : 0u;
    entry->dwCountryCode = GetNumber(section, "CountryCode", 0);
    entry->dwCountryID = entry->dwCountryCode;
    GetText(section, "AreaCode", "", entry->szAreaCode, sizeof entry->szAreaCode);
    GetText(section, "Number", "", entry->szLocalPhoneNumber, sizeof entry->szLocalPhoneNumber);
    GetText(section, "DeviceType", "modem", entry->szDeviceType, sizeof entry->szDeviceType);
    GetText(section, "DeviceName", "Standard Modem", entry->szDeviceName, sizeof entry->szDeviceName);
    GetText(section, "DevicePort", "", port, sizeof port);
    size_t used = strlen(entry->szDeviceName);
    if (port[0] && used + 1 + strlen(port) < sizeof entry->szDeviceName)
        strcpy(entry->szDeviceName + used + 1, port);
    entry->dwFramingProtocol = 1; /* PPP */
    *size = sizeof(RasEntry);
    if (deviceInfoSize)
        *deviceInfoSize = 0;
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasValidateEntryNameA(LPCSTR phoneBook, LPCSTR name)
{
    (void)phoneBook;
    if (!ValidName(name))
        return ERROR_INVALID_NAME;
    return EntryExists(name) ? ERROR_ALREADY_EXISTS : 0;
}

__declspec(dllexport) DWORD WINAPI RasRenameEntryA(LPCSTR phoneBook, LPCSTR oldName, LPCSTR newName)
{
    char path[MAX_PATH + 16], oldSection[300], newSection[300];
    static char keys[32768];
    (void)phoneBook;
    Log("ras rename %s>%s", oldName ? oldName : "", newName ? newName : "");
    if (!oldName || !EntryExists(oldName))
        return ERROR_CANNOT_FIND_ENTRY;
    if (!ValidName(newName))
        return ERROR_INVALID_NAME;
    if (_stricmp(oldName, newName) != 0 && EntryExists(newName))
        return ERROR_ALREADY_EXISTS;
    ControlPath(path);
    EntrySection(oldName, oldSection);
    EntrySection(newName, newSection);
    DWORD n = GetPrivateProfileSectionA(oldSection, keys, sizeof keys, path);
    keys[n] = keys[n + 1] = '\0';
    WritePrivateProfileStringA(oldSection, NULL, NULL, path);
    WritePrivateProfileSectionA(newSection, keys, path);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasDeleteEntryA(LPCSTR phoneBook, LPCSTR name)
{
    char path[MAX_PATH + 16], section[300];
    (void)phoneBook;
    Log("ras delete %s", name ? name : "");
    if (!name || !EntryExists(name))
        return ERROR_CANNOT_FIND_ENTRY;
    ControlPath(path);
    EntrySection(name, section);
    WritePrivateProfileStringA(section, NULL, NULL, path);
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasEditPhonebookEntryA(HWND owner, LPCSTR phoneBook, LPCSTR name)
{
    (void)owner;
    (void)phoneBook;
    Log("ras edit %s", name ? name : "");
    if (!name || !EntryExists(name))
        return ERROR_CANNOT_FIND_ENTRY;
    return GetNumber("RAS", "EditResult", 0);
}

__declspec(dllexport) DWORD WINAPI RasCreatePhonebookEntryA(HWND owner, LPCSTR phoneBook)
{
    char name[257], section[300];
    (void)owner;
    (void)phoneBook;
    GetText("RAS", "CreateEntry", "", name, sizeof name);
    Log("ras create %s", name);
    if (ValidName(name) && !EntryExists(name)) {
        EntrySection(name, section);
        SetText(section, "Number", "");
    }
    return GetNumber("RAS", "CreateResult", 0);
}

__declspec(dllexport) DWORD WINAPI RasEnumDevicesA(RasDevInfo* records, DWORD* size, DWORD* count)
{
    char key[32], line[300];
    if (!size || !count)
        return ERROR_INVALID_PARAMETER;
    if (records && records->dwSize != sizeof(RasDevInfo))
        return ERROR_INVALID_SIZE_RAS;
    DWORD n = 0;
    for (;;) {
        snprintf(key, sizeof key, "Device%lu", n + 1);
        GetText("RAS", key, "", line, sizeof line);
        if (!line[0])
            break;
        ++n;
    }
    *count = n;
    if (!records || *size < n * sizeof(RasDevInfo)) {
        *size = n * sizeof(RasDevInfo);
        return ERROR_BUFFER_TOO_SMALL_RAS;
    }
    *size = n * sizeof(RasDevInfo);
    for (DWORD i = 0; i < n; ++i) {
        RasDevInfo* d = &records[i];
        memset(d, 0, sizeof *d);
        d->dwSize = sizeof *d;
        snprintf(key, sizeof key, "Device%lu", i + 1);
        GetText("RAS", key, "", line, sizeof line);
        char* type = strtok(line, ",");
        char* name = strtok(NULL, ",");
        char* port = strtok(NULL, ",");
        Copy(d->szDeviceType, sizeof d->szDeviceType, type ? type : "");
        Copy(d->szDeviceName, sizeof d->szDeviceName, name ? name : "");
        size_t used = strlen(d->szDeviceName);
        if (port && used + 1 + strlen(port) < sizeof d->szDeviceName)
            strcpy(d->szDeviceName + used + 1, port);
    }
    return 0;
}

/* --- Texts */

__declspec(dllexport) DWORD WINAPI RasGetErrorStringA(UINT code, LPSTR text, DWORD size)
{
    char key[16], custom[257];
    if (!text || size == 0)
        return ERROR_INVALID_PARAMETER;
    snprintf(key, sizeof key, "%u", code);
    GetText("RAS Errors", key, "", custom, sizeof custom);
    if (custom[0]) {
        Copy(text, size, custom);
        return 0;
    }
    for (size_t i = 0; i < sizeof kErrorTexts / sizeof kErrorTexts[0]; ++i) {
        if (kErrorTexts[i].code == code) {
            Copy(text, size, kErrorTexts[i].text);
            return 0;
        }
    }
    return ERROR_INVALID_PARAMETER; /* not a RAS code */
}

/* --- Present for the loader, not used by Blinkery */

__declspec(dllexport) DWORD WINAPI RasSetEntryDialParamsA(LPCSTR phoneBook, RasDialParams* params, BOOL remove)
{
    (void)phoneBook;
    (void)params;
    (void)remove;
    return ERROR_CALL_NOT_IMPLEMENTED;
}

__declspec(dllexport) BOOL WINAPI RasMonitorDlgA(LPSTR device, LPVOID info)
{
    (void)device;
    (void)info;
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

__declspec(dllexport) DWORD WINAPI RasGetCountryInfoA(LPVOID info, DWORD* size)
{
    (void)info;
    (void)size;
    return ERROR_CALL_NOT_IMPLEMENTED;
}

__declspec(dllexport) DWORD WINAPI RasSetEntryPropertiesA(LPCSTR phoneBook, LPCSTR name, RasEntry* entry, DWORD size,
                                                          LPBYTE deviceInfo, DWORD deviceInfoSize)
{
    (void)phoneBook;
    (void)name;
    (void)entry;
    (void)size;
    (void)deviceInfo;
    (void)deviceInfoSize;
    return ERROR_CALL_NOT_IMPLEMENTED;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        InitializeCriticalSection(&lock);
    return TRUE;
}
