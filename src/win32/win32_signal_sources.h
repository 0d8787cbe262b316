// The Win32 side of the detection methods: the companion lights program's
// process and device, and BLIDLL.DLL with the dial-up application's memory.
#pragma once

#include <string>

#include <windows.h>

#include "platform/lights_companion.h"
#include "platform/rnaapp_helper.h"
#include "win32/handles.h"

namespace win32 {

class Win32LightsCompanion final : public platform::LightsCompanion {
public:
    bool ProcessRunning(uintptr_t process) override;
    bool QueryDevice(uintptr_t device, uint8_t (&record)[platform::LightsRecordSize]) override;
};

class Win32RnaappHelper final : public platform::RnaappHelper {
public:
    // The program's folder, where BLIDLL.DLL must be.
    void SetFolder(const std::string& folder) { folder_ = folder; }

    bool Loaded() const override { return static_cast<bool>(library_); }
    bool Load() override;
    void Unload() override;
    bool OpenRnaapp(int32_t (&values)[8]) override;
    uint32_t WindowExtra(uint32_t window, int32_t offset) override;
    bool ReadMemory(uint32_t process, uint32_t address, void* out, uint32_t size) override;
    void CloseProcess(uint32_t process) override;

private:
    std::string folder_;
    OwnedLibrary library_;
};

} // namespace win32
