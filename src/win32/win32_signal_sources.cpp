#include "win32/win32_signal_sources.h"

#include <cstring>

namespace win32 {

namespace {

const char BlidllName[] = "BLIDLL.DLL";
const char OpenRnaappName[] = "OpenRNAAPP";

using OpenRnaappFn = void(WINAPI*)(int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*);

} // namespace

bool Win32LightsCompanion::ProcessRunning(uintptr_t process)
{
    return WaitForSingleObject(reinterpret_cast<HANDLE>(process), 0) == WAIT_TIMEOUT;
}

bool Win32LightsCompanion::QueryDevice(uintptr_t device, uint8_t (&record)[platform::LightsRecordSize])
{
    DWORD returned = 0;
    return DeviceIoControl(reinterpret_cast<HANDLE>(device), platform::LightsDeviceQuery, record, sizeof record,
                           record, sizeof record, &returned, nullptr) != FALSE;
}

bool Win32RnaappHelper::Load()
{
    if (library_)
        return true;
    std::string path = folder_;
    if (!path.empty() && path.back() != '\\')
        path.push_back('\\');
    path.append(BlidllName);
    library_.Reset(LoadLibraryA(path.c_str()));
    return static_cast<bool>(library_);
}

void Win32RnaappHelper::Unload()
{
    library_.Reset();
}

bool Win32RnaappHelper::OpenRnaapp(int32_t (&v)[8])
{
    if (!library_)
        return false;
    const auto open =
        reinterpret_cast<OpenRnaappFn>(reinterpret_cast<void*>(GetProcAddress(library_.Get(), OpenRnaappName)));
    if (!open)
        return false;
    open(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
    return true;
}

uint32_t Win32RnaappHelper::WindowExtra(uint32_t window, int32_t offset)
{
    const HWND hwnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(window));
    if (!IsWindow(hwnd))
        return 0;
    return static_cast<uint32_t>(GetWindowLongA(hwnd, offset));
}

bool Win32RnaappHelper::ReadMemory(uint32_t process, uint32_t address, void* out, uint32_t size)
{
    SIZE_T read = 0;
    return ReadProcessMemory(reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(process)),
                             reinterpret_cast<LPCVOID>(static_cast<ULONG_PTR>(address)), out, size, &read) &&
           read == size;
}

void Win32RnaappHelper::CloseProcess(uint32_t process)
{
    CloseHandle(reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(process)));
}

} // namespace win32
