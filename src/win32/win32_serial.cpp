#include "win32/win32_serial.h"

#include <windows.h>

#include <cstring>

namespace win32 {

namespace {

static_assert(sizeof(DCB) == sizeof(platform::LineSettings), "LineSettings must match the DCB");

// A write to a device whose write time-outs are both zero waits for ever,
// for instance with hardware flow control and the modem switched off. Such
// a device gets this limit; any limit the system already set stays.
constexpr DWORD kWriteLimitMs = 2000;

HANDLE H(platform::CommHandle handle) { return reinterpret_cast<HANDLE>(handle); }

platform::CommHandle Open(const std::string& device, DWORD access)
{
    HANDLE handle = CreateFileA(device.c_str(), access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<platform::CommHandle>(handle);
}

} // namespace

platform::CommHandle Win32SerialPorts::OpenForQuery(const std::string& device) { return Open(device, 0); }

// A port held open by another program (a dialer) refuses even a query
// handle with ERROR_ACCESS_DENIED; it exists all the same.
bool Win32SerialPorts::Exists(const std::string& device)
{
    platform::CommHandle handle = OpenForQuery(device);
    if (handle != 0) {
        Close(handle);
        return true;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

void Win32SerialPorts::Close(platform::CommHandle handle)
{
    if (handle != 0)
        CloseHandle(H(handle));
}

bool Win32SerialPorts::GetLineSettings(platform::CommHandle handle, platform::LineSettings& settings)
{
    if (handle == 0)
        return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(H(handle), &dcb))
        return false;
    std::memcpy(static_cast<void*>(&settings), &dcb, sizeof dcb);
    return true;
}

platform::CommHandle Win32SerialPorts::OpenReadWrite(const std::string& device)
{
    platform::CommHandle handle = Open(device, GENERIC_READ | GENERIC_WRITE);
    COMMTIMEOUTS timeouts{};
    if (handle != 0 && GetCommTimeouts(H(handle), &timeouts) && timeouts.WriteTotalTimeoutMultiplier == 0 &&
        timeouts.WriteTotalTimeoutConstant == 0) {
        timeouts.WriteTotalTimeoutConstant = kWriteLimitMs;
        SetCommTimeouts(H(handle), &timeouts);
    }
    return handle;
}

bool Win32SerialPorts::SetLineSettings(platform::CommHandle handle, const platform::LineSettings& settings)
{
    DCB dcb;
    std::memcpy(&dcb, &settings, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    return SetCommState(H(handle), &dcb) != FALSE;
}

size_t Win32SerialPorts::Write(platform::CommHandle handle, std::string_view data)
{
    DWORD written = 0;
    if (!WriteFile(H(handle), data.data(), static_cast<DWORD>(data.size()), &written, nullptr))
        return 0;
    return written;
}

size_t Win32SerialPorts::BytesWaiting(platform::CommHandle handle)
{
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(H(handle), &errors, &status))
        return 0;
    return status.cbInQue;
}

std::string Win32SerialPorts::Read(platform::CommHandle handle, size_t count)
{
    std::string bytes(count, '\0');
    DWORD read = 0;
    if (!ReadFile(H(handle), bytes.data(), static_cast<DWORD>(count), &read, nullptr))
        read = 0;
    bytes.resize(read);
    return bytes;
}

} // namespace win32
