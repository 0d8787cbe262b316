#include "win32/win32_helper_vxd.h"

namespace win32 {

bool Win32HelperVxd::Open(const std::string& devicePath)
{
    Close();
    // Opening a dynamic VxD by path loads it; delete-on-close unloads it
    // again when the handle is closed.
    handle_.Reset(CreateFileA(devicePath.c_str(), 0, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return IsOpen();
}

void Win32HelperVxd::Close()
{
    handle_.Reset();
}

platform::VxdReply Win32HelperVxd::Request(uint32_t code, const void* in, uint32_t inSize, void* out,
                                           uint32_t outSize)
{
    if (!IsOpen())
        return {};
    DWORD returned = 0;
    // Two requests answer in the last-error value: start from 0 so that an
    // earlier failure elsewhere is not read as their answer.
    SetLastError(0);
    const BOOL ok =
        DeviceIoControl(handle_.Get(), code, const_cast<void*>(in), inSize, out, outSize, &returned, nullptr);
    const DWORD lastError = GetLastError();
    return {ok != FALSE, static_cast<uint32_t>(returned), static_cast<uint32_t>(lastError)};
}

} // namespace win32
