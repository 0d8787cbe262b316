// TDLPortIO: direct access to the UART registers through the DriverLINX
// port I/O library, with its kernel driver installed and started through
// the service control manager on Windows NT.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/port_io_library.h"
#include "platform/service_manager.h"

namespace devices {

inline constexpr std::string_view kPortIoLibraryName = "DLPortIO.dll";
inline constexpr std::string_view kPortIoDriverName = "DLPortIO";
inline constexpr std::string_view kPortIoDriverFile = "DLPortIO.SYS";
inline constexpr std::string_view kPortIoDisplayName = "DriverLINX Port I/O Driver";
inline constexpr std::string_view kPortIoLoadOrderGroup = "SST miniport drivers";

// What ReadPortWord answers when the library call faulted.
inline constexpr uint16_t kPortReadFailed = 65000;

// The library's twelve exports, fetched by name in this order.
inline constexpr std::array<std::string_view, 12> kPortIoEntryPoints = {
    "DlPortReadPortUchar",        "DlPortReadPortUshort",        "DlPortReadPortUlong",
    "DlPortWritePortUchar",       "DlPortWritePortUshort",       "DlPortWritePortUlong",
    "DlPortReadPortBufferUchar",  "DlPortReadPortBufferUshort",  "DlPortReadPortBufferUlong",
    "DlPortWritePortBufferUchar", "DlPortWritePortBufferUshort", "DlPortWritePortBufferUlong",
};

// Joins a folder and a file name with exactly one backslash.
std::string JoinPath(std::string_view folder, std::string_view file);

// The folder of a program path, with its trailing backslash ("C:\B\" for
// "C:\B\BLINKERY.EXE"); empty when the path has no folder.
std::string ProgramFolder(std::string_view programPath);

class TDLPortIO {
public:
    // windowsNT: the system's platform id is NT. systemFolder: the Windows
    // system folder, the home of the driver by default.
    TDLPortIO(platform::PortIoLibrary& library, platform::ServiceManager& services, bool windowsNT,
              std::string_view systemFolder);
    ~TDLPortIO();
    TDLPortIO(const TDLPortIO&) = delete;
    TDLPortIO& operator=(const TDLPortIO&) = delete;

    std::string DriverPath; // folder of DLPortIO.SYS
    std::string DLLPath;    // folder of DLPortIO.dll; empty: normal search
    bool HardAccess = true;

    bool ActiveHW() const { return activeHW_; }
    const std::string& LastError() const { return lastError_; }

    void OpenDriver();
    void CloseDriver();
    // Opens or closes the driver as "No Direct Hardware Acesss" wants it
    // (closed for 1); a driver that fails to open stays inactive, unreported.
    void Follow(int32_t noDirectAccess);
    uint16_t ReadPortWord(uint16_t port);
    void WritePortWord(uint16_t port, uint16_t value);

    bool ConnectSCM();
    void DisconnectSCM();
    bool DriverInstall();
    bool DriverStart();
    bool DriverStop();
    bool DriverRemove();

private:
    enum Entry { ReadUshort = 1, WriteUshort = 4 };

    bool Fail(std::string_view step, int64_t code);
    bool LoadLibraryAndEntryPoints();
    void UnloadLibrary();

    platform::PortIoLibrary& library_;
    platform::ServiceManager& services_;
    const bool windowsNT_;
    bool activeHW_ = false;
    std::string lastError_;
    platform::LibraryHandle libraryHandle_ = 0;
    platform::ServiceHandle manager_ = 0;
    bool alreadyInstalled_ = false;
    bool alreadyRunning_ = false;
    std::array<platform::EntryPoint, kPortIoEntryPoints.size()> entryPoints_{};
};

} // namespace devices
