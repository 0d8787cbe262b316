// The DriverLINX port I/O library (DLPortIO.dll), loaded at run time and
// called through entry points fetched by name.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A loaded library and one of its entry points; 0 means none.
using LibraryHandle = uintptr_t;
using EntryPoint = uintptr_t;

class PortIoLibrary {
public:
    virtual ~PortIoLibrary() = default;

    // Loads the library by file name (normal search) or by full path.
    virtual LibraryHandle Load(const std::string& path) = 0;
    // The export of that name, 0 when the library has none.
    virtual EntryPoint Find(LibraryHandle library, const std::string& name) = 0;
    // False when the system refuses to unload it.
    virtual bool Unload(LibraryHandle library) = 0;

    // Calls a DlPortReadPortUshort-shaped entry point. False when the call
    // raised a fault (value is then untouched); the process carries on.
    virtual bool ReadPortUshort(EntryPoint read, uint16_t port, uint16_t& value) = 0;
    // Calls a DlPortWritePortUshort-shaped entry point; a fault inside it is
    // swallowed.
    virtual void WritePortUshort(EntryPoint write, uint16_t port, uint16_t value) = 0;
};

} // namespace platform
