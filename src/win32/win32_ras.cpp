#include "win32/win32_ras.h"

namespace win32 {

namespace {

static_assert(sizeof(void*) == 4, "RAS connection handles are passed as 32-bit values");

// The RASAPI32 functions as called; records are the byte layouts of
// devices/ras_records.h and a connection handle is a 32-bit value.
using RasDialFn = DWORD(WINAPI*)(LPVOID, LPCSTR, LPCVOID, DWORD, LPVOID, DWORD*);
using RasEnumFn = DWORD(WINAPI*)(LPVOID, DWORD*, DWORD*);
using RasEnumEntriesFn = DWORD(WINAPI*)(LPCSTR, LPCSTR, LPVOID, DWORD*, DWORD*);
using RasConnFn = DWORD(WINAPI*)(DWORD, LPVOID);
using RasErrorFn = DWORD(WINAPI*)(UINT, LPSTR, DWORD);
using RasHangUpFn = DWORD(WINAPI*)(DWORD);
using RasDialParamsFn = DWORD(WINAPI*)(LPCSTR, LPVOID, BOOL*);
using RasEditFn = DWORD(WINAPI*)(HWND, LPCSTR, LPCSTR);
using RasCreateFn = DWORD(WINAPI*)(HWND, LPCSTR);
using RasProjectionFn = DWORD(WINAPI*)(DWORD, DWORD, LPVOID, DWORD*);
using RasEntryPropertiesFn = DWORD(WINAPI*)(LPCSTR, LPCSTR, LPVOID, DWORD*, LPBYTE, DWORD*);
using RasRenameFn = DWORD(WINAPI*)(LPCSTR, LPCSTR, LPCSTR);
using RasEntryFn = DWORD(WINAPI*)(LPCSTR, LPCSTR);

template <typename Fn>
Fn As(platform::RasEntry entry)
{
    return reinterpret_cast<Fn>(entry);
}

const char NotifyWindowClass[] = "TRASNotifyWindow";

uint32_t PlatformId()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwPlatformId;
}

} // namespace

platform::RasLibrary Win32RasApi::Load(const std::string& name)
{
    return reinterpret_cast<platform::RasLibrary>(LoadLibraryA(name.c_str()));
}

platform::RasEntry Win32RasApi::Find(platform::RasLibrary library, const std::string& name)
{
    return reinterpret_cast<platform::RasEntry>(GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str()));
}

void Win32RasApi::Free(platform::RasLibrary library)
{
    FreeLibrary(reinterpret_cast<HMODULE>(library));
}

uint32_t Win32RasApi::Dial(platform::RasEntry entry, const char* phoneBook, const void* dialParams,
                           uint32_t notifierType, platform::WindowHandle notifier, uint32_t& connection)
{
    DWORD handle = 0;
    const DWORD result = As<RasDialFn>(entry)(nullptr, phoneBook, dialParams, notifierType,
                                              reinterpret_cast<LPVOID>(notifier), &handle);
    connection = handle;
    return result;
}

uint32_t Win32RasApi::EnumConnections(platform::RasEntry entry, void* records, uint32_t& size, uint32_t& count)
{
    DWORD cb = size, n = 0;
    const DWORD result = As<RasEnumFn>(entry)(records, &cb, &n);
    size = cb;
    count = n;
    return result;
}

uint32_t Win32RasApi::EnumEntries(platform::RasEntry entry, const char* phoneBook, void* records, uint32_t& size,
                                  uint32_t& count)
{
    DWORD cb = size, n = 0;
    const DWORD result = As<RasEnumEntriesFn>(entry)(nullptr, phoneBook, records, &cb, &n);
    size = cb;
    count = n;
    return result;
}

uint32_t Win32RasApi::GetConnectStatus(platform::RasEntry entry, uint32_t connection, void* status)
{
    return As<RasConnFn>(entry)(connection, status);
}

uint32_t Win32RasApi::GetErrorString(platform::RasEntry entry, uint32_t code, char* text, uint32_t size)
{
    return As<RasErrorFn>(entry)(code, text, size);
}

uint32_t Win32RasApi::HangUp(platform::RasEntry entry, uint32_t connection)
{
    return As<RasHangUpFn>(entry)(connection);
}

uint32_t Win32RasApi::GetEntryDialParams(platform::RasEntry entry, const char* phoneBook, void* dialParams,
                                         int32_t& passwordStored)
{
    BOOL stored = FALSE;
    const DWORD result = As<RasDialParamsFn>(entry)(phoneBook, dialParams, &stored);
    passwordStored = stored ? 1 : 0;
    return result;
}

uint32_t Win32RasApi::EditPhonebookEntry(platform::RasEntry entry, platform::WindowHandle owner,
                                         const char* phoneBook, const char* entryName)
{
    return As<RasEditFn>(entry)(reinterpret_cast<HWND>(owner), phoneBook, entryName);
}

uint32_t Win32RasApi::CreatePhonebookEntry(platform::RasEntry entry, platform::WindowHandle owner,
                                           const char* phoneBook)
{
    return As<RasCreateFn>(entry)(reinterpret_cast<HWND>(owner), phoneBook);
}

uint32_t Win32RasApi::GetProjectionInfo(platform::RasEntry entry, uint32_t connection, uint32_t projection,
                                        void* info, uint32_t& size)
{
    DWORD cb = size;
    const DWORD result = As<RasProjectionFn>(entry)(connection, projection, info, &cb);
    size = cb;
    return result;
}

uint32_t Win32RasApi::GetEntryProperties(platform::RasEntry entry, const char* phoneBook, const char* entryName,
                                         void* record, uint32_t& size, uint32_t& deviceInfoSize)
{
    DWORD cb = size, deviceCb = deviceInfoSize;
    const DWORD result = As<RasEntryPropertiesFn>(entry)(phoneBook, entryName, record, &cb, nullptr, &deviceCb);
    size = cb;
    deviceInfoSize = deviceCb;
    return result;
}

uint32_t Win32RasApi::RenameEntry(platform::RasEntry entry, const char* phoneBook, const char* oldName,
                                  const char* newName)
{
    return As<RasRenameFn>(entry)(phoneBook, oldName, newName);
}

uint32_t Win32RasApi::DeleteEntry(platform::RasEntry entry, const char* phoneBook, const char* entryName)
{
    return As<RasEntryFn>(entry)(phoneBook, entryName);
}

uint32_t Win32RasApi::ValidateEntryName(platform::RasEntry entry, const char* phoneBook, const char* entryName)
{
    return As<RasEntryFn>(entry)(phoneBook, entryName);
}

uint32_t Win32RasApi::EnumDevices(platform::RasEntry entry, void* records, uint32_t& size, uint32_t& count)
{
    return EnumConnections(entry, records, size, count); // the same shape
}

uint32_t Win32RasApi::GetConnectionStatistics(platform::RasEntry entry, uint32_t connection, void* statistics)
{
    return As<RasConnFn>(entry)(connection, statistics);
}

std::string Win32RasApi::SystemMessage(uint32_t code)
{
    char text[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ')
        --n;
    return std::string(text, n);
}

uint32_t Win32RasWindows::RegisterMessage(const std::string& name)
{
    return RegisterWindowMessageA(name.c_str());
}

LRESULT RasNotifyWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    return client_.NotifyWndProc(reinterpret_cast<platform::WindowHandle>(Handle()), msg, wp, lp);
}

platform::WindowHandle Win32RasWindows::Create(platform::RasWindowClient& client)
{
    auto window = std::make_unique<RasNotifyWindow>(client);
    if (!window->Create(GetModuleHandleA(nullptr), NotifyWindowClass))
        return 0;
    const HWND handle = window->Handle();
    notifiers_.push_back(std::move(window));
    return reinterpret_cast<platform::WindowHandle>(handle);
}

void Win32RasWindows::Release(platform::WindowHandle window)
{
    std::erase_if(notifiers_, [window](const std::unique_ptr<RasNotifyWindow>& w) {
        return reinterpret_cast<platform::WindowHandle>(w->Handle()) == window;
    });
}

intptr_t Win32RasWindows::DefaultProc(platform::WindowHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    return DefWindowProcA(reinterpret_cast<HWND>(window), msg, wParam, lParam);
}

platform::WindowHandle Win32RasWindows::ApplicationWindow()
{
    return reinterpret_cast<platform::WindowHandle>(application_);
}

uint32_t Win32DialUpStatistics::QueryPerformanceData(const std::string& name, uint8_t* buffer, uint32_t& size)
{
    DWORD type = 0, cb = size;
    const LONG result = RegQueryValueExA(HKEY_PERFORMANCE_DATA, name.c_str(), nullptr, &type, buffer, &cb);
    size = cb;
    return static_cast<uint32_t>(result);
}

void Win32DialUpStatistics::ClosePerformanceData()
{
    RegCloseKey(HKEY_PERFORMANCE_DATA);
}

Win32Ras::Win32Ras() : ras_(api_, windows_, statistics_, statData_, pump_, PlatformId()) {}

} // namespace win32
