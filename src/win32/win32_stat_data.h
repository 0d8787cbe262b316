// The dial-up statistics key of platform/stat_data.h: HKEY_DYN_DATA
// "PerfStats\StatData", which exists on Windows 95/98/ME only; elsewhere
// it does not open, which the readers take as "no statistics".
#pragma once

#include <string>

#include "platform/stat_data.h"
#include "win32/win32_registry.h"

namespace win32 {

class Win32StatDataKey final : public platform::StatDataKey {
public:
    bool Open() override;
    platform::StatValue Read(const std::string& name) override;
    void Close() override { key_.Reset(); }

private:
    OwnedKey key_; // open between Open and Close
};

} // namespace win32
