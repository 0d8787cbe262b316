// The DriverLINX port I/O library through LoadLibrary and GetProcAddress.
#pragma once

#include "platform/port_io_library.h"

namespace win32 {

class Win32PortIoLibrary final : public platform::PortIoLibrary {
public:
    platform::LibraryHandle Load(const std::string& path) override;
    platform::EntryPoint Find(platform::LibraryHandle library, const std::string& name) override;
    bool Unload(platform::LibraryHandle library) override;
    bool ReadPortUshort(platform::EntryPoint read, uint16_t port, uint16_t& value) override;
    void WritePortUshort(platform::EntryPoint write, uint16_t port, uint16_t value) override;
};

// Calls a stdcall function of at most two 32-bit arguments inside a
// structured-exception frame. False when the call raised an exception; the
// caller's registers and stack are restored and the thread carries on.
bool GuardedStdcall(uintptr_t function, uint32_t first, uint32_t second, uint32_t& result);

} // namespace win32
