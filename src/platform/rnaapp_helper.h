// The helper library BLIDLL.DLL, which finds the system's dial-up
// application, and the reads of that application's status record.
#pragma once

#include <cstdint>

namespace platform {

class RnaappHelper {
public:
    virtual ~RnaappHelper() = default;
    virtual bool Loaded() const = 0;
    // Loads BLIDLL.DLL from the program's folder; false when it is missing.
    virtual bool Load() = 0;
    // Unloads it (at close); nothing when not loaded.
    virtual void Unload() = 0;
    // Calls its export "OpenRNAAPP" with eight 32-bit integers passed by
    // reference; false when the export is missing.
    virtual bool OpenRnaapp(int32_t (&values)[8]) = 0;
    // The 32-bit value at an offset of a window's extra window memory; 0
    // when it cannot be read.
    virtual uint32_t WindowExtra(uint32_t window, int32_t offset) = 0;
    // Reads another process's memory; false when not all of it was read.
    virtual bool ReadMemory(uint32_t process, uint32_t address, void* out, uint32_t size) = 0;
    virtual void CloseProcess(uint32_t process) = 0;
};

} // namespace platform
