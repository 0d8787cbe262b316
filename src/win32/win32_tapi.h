// TAPI's line functions on Win32, loaded at run time from TAPI32.DLL so
// that the program starts where TAPI is missing.
#pragma once

#include <windows.h>

#include "platform/tapi.h"
#include "win32/handles.h"

namespace win32 {

class Win32Tapi final : public platform::TapiLines {
public:
    explicit Win32Tapi(HINSTANCE instance = nullptr) : instance_(instance) {}
    Win32Tapi(const Win32Tapi&) = delete;
    Win32Tapi& operator=(const Win32Tapi&) = delete;
    ~Win32Tapi() override;

    void SetInstance(HINSTANCE instance) { instance_ = instance; }

    bool Initialize(uint32_t& deviceCount) override;
    bool NegotiateApiVersion(uint32_t device, uint32_t lowest, uint32_t highest, uint32_t& version) override;
    bool GetDevCaps(uint32_t device, uint32_t version, uint8_t* caps) override;
    bool OpenLineMonitor(uint32_t device, uint32_t version, platform::TapiLine& line) override;
    bool GetNewCalls(platform::TapiLine line, uint8_t* callList) override;
    bool GetCallInfo(uint32_t call, uint8_t* callInfo) override;
    void Shutdown() override;

private:
    bool LoadLibraryOnce();

    HINSTANCE instance_;
    OwnedLibrary library_; // freed after the line is shut down
    bool tried_ = false;
    DWORD lineApp_ = 0;
};

} // namespace win32
