// The Remote Access Service on Win32: RASAPI32.DLL loaded at run time and
// called through its entry points, the hidden window that receives dial
// progress, the performance data of Windows NT, and the RAS component
// assembled on them with the statistics key of Windows 95/98/ME.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include "devices/rascomp32.h"
#include "platform/ras_api.h"
#include "win32/win32_message_pump.h"
#include "win32/win32_stat_data.h"
#include "win32/window_base.h"

namespace win32 {

class Win32RasApi final : public platform::RasApi {
public:
    platform::RasLibrary Load(const std::string& name) override;
    platform::RasEntry Find(platform::RasLibrary library, const std::string& name) override;
    void Free(platform::RasLibrary library) override;

    uint32_t Dial(platform::RasEntry entry, const char* phoneBook, const void* dialParams, uint32_t notifierType,
                  platform::WindowHandle notifier, uint32_t& connection) override;
    uint32_t EnumConnections(platform::RasEntry entry, void* records, uint32_t& size, uint32_t& count) override;
    uint32_t EnumEntries(platform::RasEntry entry, const char* phoneBook, void* records, uint32_t& size,
                         uint32_t& count) override;
    uint32_t GetConnectStatus(platform::RasEntry entry, uint32_t connection, void* status) override;
    uint32_t GetErrorString(platform::RasEntry entry, uint32_t code, char* text, uint32_t size) override;
    uint32_t HangUp(platform::RasEntry entry, uint32_t connection) override;
    uint32_t GetEntryDialParams(platform::RasEntry entry, const char* phoneBook, void* dialParams,
                                int32_t& passwordStored) override;
    uint32_t EditPhonebookEntry(platform::RasEntry entry, platform::WindowHandle owner, const char* phoneBook,
                                const char* entryName) override;
    uint32_t CreatePhonebookEntry(platform::RasEntry entry, platform::WindowHandle owner,
                                  const char* phoneBook) override;
    uint32_t GetProjectionInfo(platform::RasEntry entry, uint32_t connection, uint32_t projection, void* info,
                               uint32_t& size) override;
    uint32_t GetEntryProperties(platform::RasEntry entry, const char* phoneBook, const char* entryName, void* record,
                                uint32_t& size, uint32_t& deviceInfoSize) override;
    uint32_t RenameEntry(platform::RasEntry entry, const char* phoneBook, const char* oldName,
                         const char* newName) override;
    uint32_t DeleteEntry(platform::RasEntry entry, const char* phoneBook, const char* entryName) override;
    uint32_t ValidateEntryName(platform::RasEntry entry, const char* phoneBook, const char* entryName) override;
    uint32_t EnumDevices(platform::RasEntry entry, void* records, uint32_t& size, uint32_t& count) override;
    uint32_t GetConnectionStatistics(platform::RasEntry entry, uint32_t connection, void* statistics) override;
    std::string SystemMessage(uint32_t code) override;
};

// The hidden window RAS posts the dial progress to; its messages go to the
// client.
class RasNotifyWindow final : public HiddenWindow {
public:
    explicit RasNotifyWindow(platform::RasWindowClient& client) : client_(client) {}

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    platform::RasWindowClient& client_;
};

class Win32RasWindows final : public platform::RasWindows {
public:
    void SetApplicationWindow(HWND window) { application_ = window; }
    uint32_t RegisterMessage(const std::string& name) override;
    platform::WindowHandle Create(platform::RasWindowClient& client) override;
    void Release(platform::WindowHandle window) override;
    intptr_t DefaultProc(platform::WindowHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    platform::WindowHandle ApplicationWindow() override;

private:
    HWND application_ = nullptr;
    std::vector<std::unique_ptr<RasNotifyWindow>> notifiers_;
};

class Win32DialUpStatistics final : public platform::DialUpStatistics {
public:
    uint32_t QueryPerformanceData(const std::string& name, uint8_t* buffer, uint32_t& size) override;
    void ClosePerformanceData() override;
};

// The RAS component with the Win32 services it runs on.
class Win32Ras {
public:
    Win32Ras();
    Win32Ras(const Win32Ras&) = delete;
    Win32Ras& operator=(const Win32Ras&) = delete;

    devices::TRAS& Component() { return ras_; }
    Win32RasApi& Api() { return api_; }
    // The owner of the system's phone-book dialogs.
    void SetApplicationWindow(HWND window) { windows_.SetApplicationWindow(window); }

private:
    Win32RasApi api_;
    Win32RasWindows windows_;
    Win32DialUpStatistics statistics_;
    Win32StatDataKey statData_;
    Win32MessagePump pump_;
    devices::TRAS ras_;
};

} // namespace win32
