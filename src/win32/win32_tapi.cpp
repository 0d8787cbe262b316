#include "win32/win32_tapi.h"

namespace win32 {

namespace {

// TAPI's handles are 32-bit values; the functions return 0 on success and
// a negative LINEERR code otherwise.
using LineCallback = void(CALLBACK*)(DWORD, DWORD, DWORD_PTR, DWORD_PTR, DWORD_PTR, DWORD_PTR);
using LineInitializeFn = LONG(WINAPI*)(DWORD*, HINSTANCE, LineCallback, LPCSTR, DWORD*);
using LineNegotiateFn = LONG(WINAPI*)(DWORD, DWORD, DWORD, DWORD, DWORD*, void*);
using LineGetDevCapsFn = LONG(WINAPI*)(DWORD, DWORD, DWORD, DWORD, void*);
using LineOpenFn = LONG(WINAPI*)(DWORD, DWORD, DWORD*, DWORD, DWORD, DWORD_PTR, DWORD, DWORD, void*);
using LineGetNewCallsFn = LONG(WINAPI*)(DWORD, DWORD, DWORD, void*);
using LineGetCallInfoFn = LONG(WINAPI*)(DWORD, void*);
using LineShutdownFn = LONG(WINAPI*)(DWORD);

constexpr DWORD CallPrivilegeMonitor = 0x00000002; // LINECALLPRIVILEGE_MONITOR
constexpr DWORD CallSelectLine = 0x00000001;       // LINECALLSELECT_LINE

void CALLBACK IgnoreLineMessage(DWORD, DWORD, DWORD_PTR, DWORD_PTR, DWORD_PTR, DWORD_PTR) {}

template <typename Fn>
Fn Entry(HMODULE library, const char* ansiName, const char* plainName = nullptr)
{
    FARPROC p = library ? GetProcAddress(library, ansiName) : nullptr;
    if (!p && plainName && library)
        p = GetProcAddress(library, plainName);
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
}

} // namespace

Win32Tapi::~Win32Tapi()
{
    Shutdown();
}

bool Win32Tapi::LoadLibraryOnce()
{
    if (!tried_) {
        tried_ = true;
        library_.Reset(LoadLibraryA("TAPI32.DLL"));
    }
    return static_cast<bool>(library_);
}

bool Win32Tapi::Initialize(uint32_t& deviceCount)
{
    deviceCount = 0;
    if (!LoadLibraryOnce())
        return false;
    const auto init = Entry<LineInitializeFn>(library_.Get(), "lineInitialize");
    if (!init)
        return false;
    DWORD devices = 0;
    DWORD app = 0;
    if (init(&app, instance_, IgnoreLineMessage, "Blinkery", &devices) != 0)
        return false;
    lineApp_ = app;
    deviceCount = devices;
    return true;
}

bool Win32Tapi::NegotiateApiVersion(uint32_t device, uint32_t lowest, uint32_t highest, uint32_t& version)
{
    const auto negotiate = Entry<LineNegotiateFn>(library_.Get(), "lineNegotiateAPIVersion");
    DWORD agreed = 0;
    DWORD extension[2] = {};
    if (!negotiate || negotiate(lineApp_, device, lowest, highest, &agreed, extension) != 0)
        return false;
    version = agreed;
    return true;
}

bool Win32Tapi::GetDevCaps(uint32_t device, uint32_t version, uint8_t* caps)
{
    const auto get = Entry<LineGetDevCapsFn>(library_.Get(), "lineGetDevCapsA", "lineGetDevCaps");
    return get && get(lineApp_, device, version, 0, caps) == 0;
}

bool Win32Tapi::OpenLineMonitor(uint32_t device, uint32_t version, platform::TapiLine& line)
{
    const auto open = Entry<LineOpenFn>(library_.Get(), "lineOpenA", "lineOpen");
    DWORD handle = 0;
    if (!open || open(lineApp_, device, &handle, version, 0, 0, CallPrivilegeMonitor, 0, nullptr) != 0)
        return false;
    line = handle;
    return true;
}

bool Win32Tapi::GetNewCalls(platform::TapiLine line, uint8_t* callList)
{
    const auto get = Entry<LineGetNewCallsFn>(library_.Get(), "lineGetNewCalls");
    return get && get(static_cast<DWORD>(line), 0, CallSelectLine, callList) == 0;
}

bool Win32Tapi::GetCallInfo(uint32_t call, uint8_t* callInfo)
{
    const auto get = Entry<LineGetCallInfoFn>(library_.Get(), "lineGetCallInfoA", "lineGetCallInfo");
    return get && get(call, callInfo) == 0;
}

void Win32Tapi::Shutdown()
{
    if (lineApp_ == 0)
        return;
    if (const auto shutdown = Entry<LineShutdownFn>(library_.Get(), "lineShutdown"))
        shutdown(lineApp_);
    lineApp_ = 0;
}

} // namespace win32
