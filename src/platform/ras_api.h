// The Remote Access Service: RASAPI32.DLL (and RNAPH.DLL) loaded at run
// time, each function called through an entry point fetched by name, the
// hidden window that receives dial progress, and the system's dial-up
// statistics in the registry.
//
// Records travel as raw bytes in the layouts of devices/ras_records.h;
// every size or count argument is in and out, as RAS has it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using RasLibrary = uintptr_t;  // a loaded library; 0 = none
using RasEntry = uintptr_t;    // one of its exports; 0 = none
using WindowHandle = uintptr_t; // 0 = none

class RasApi {
public:
    virtual ~RasApi() = default;

    virtual RasLibrary Load(const std::string& name) = 0;
    virtual RasEntry Find(RasLibrary library, const std::string& name) = 0;
    virtual void Free(RasLibrary library) = 0;

    // phoneBook: nullptr for the system's default phone book.
    virtual uint32_t Dial(RasEntry entry, const char* phoneBook, const void* dialParams, uint32_t notifierType,
                          WindowHandle notifier, uint32_t& connection) = 0;
    virtual uint32_t EnumConnections(RasEntry entry, void* records, uint32_t& size, uint32_t& count) = 0;
    virtual uint32_t EnumEntries(RasEntry entry, const char* phoneBook, void* records, uint32_t& size,
                                 uint32_t& count) = 0;
    virtual uint32_t GetConnectStatus(RasEntry entry, uint32_t connection, void* status) = 0;
    virtual uint32_t GetErrorString(RasEntry entry, uint32_t code, char* text, uint32_t size) = 0;
    virtual uint32_t HangUp(RasEntry entry, uint32_t connection) = 0;
    virtual uint32_t GetEntryDialParams(RasEntry entry, const char* phoneBook, void* dialParams,
                                        int32_t& passwordStored) = 0;
    virtual uint32_t EditPhonebookEntry(RasEntry entry, WindowHandle owner, const char* phoneBook,
                                        const char* entryName) = 0;
    virtual uint32_t CreatePhonebookEntry(RasEntry entry, WindowHandle owner, const char* phoneBook) = 0;
    virtual uint32_t GetProjectionInfo(RasEntry entry, uint32_t connection, uint32_t projection, void* info,
                                       uint32_t& size) = 0;
    virtual uint32_t GetEntryProperties(RasEntry entry, const char* phoneBook, const char* entryName, void* record,
                                        uint32_t& size, uint32_t& deviceInfoSize) = 0;
    virtual uint32_t RenameEntry(RasEntry entry, const char* phoneBook, const char* oldName,
                                 const char* newName) = 0;
    virtual uint32_t DeleteEntry(RasEntry entry, const char* phoneBook, const char* entryName) = 0;
    virtual uint32_t ValidateEntryName(RasEntry entry, const char* phoneBook, const char* entryName) = 0;
    virtual uint32_t EnumDevices(RasEntry entry, void* records, uint32_t& size, uint32_t& count) = 0;
    virtual uint32_t GetConnectionStatistics(RasEntry entry, uint32_t connection, void* statistics) = 0;

    // The system's own text for an error code; empty when it has none.
    virtual std::string SystemMessage(uint32_t code) = 0;
};

// Receives the messages of a notification window.
class RasWindowClient {
public:
    virtual ~RasWindowClient() = default;
    virtual intptr_t NotifyWndProc(WindowHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
};

class RasWindows {
public:
    virtual ~RasWindows() = default;
    // The identifier of a registered window message; 0 when registration fails.
    virtual uint32_t RegisterMessage(const std::string& name) = 0;
    // A hidden window whose messages go to the client; 0 when it cannot be made.
    virtual WindowHandle Create(RasWindowClient& client) = 0;
    virtual void Release(WindowHandle window) = 0;
    virtual intptr_t DefaultProc(WindowHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) = 0;
    // The application's window, owner of the system's phone-book dialogs.
    virtual WindowHandle ApplicationWindow() = 0;
};

// The dial-up statistics of Windows NT: its performance data. (Windows
// 95/98/ME publishes them in the registry: platform/stat_data.h.)
class DialUpStatistics {
public:
    virtual ~DialUpStatistics() = default;
    // Queries a value of HKEY_PERFORMANCE_DATA. size: the buffer's size in,
    // the bytes returned out. Gives the registry's result code.
    virtual uint32_t QueryPerformanceData(const std::string& name, uint8_t* buffer, uint32_t& size) = 0;
    virtual void ClosePerformanceData() = 0;
};

} // namespace platform
