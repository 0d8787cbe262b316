#include "devices/port_io.h"

namespace devices {

namespace {

// Service control manager rights and the service settings of the driver.
constexpr uint32_t kManagerFullAccess = 0x17;   // connect, create service, enumerate, query lock status
constexpr uint32_t kManagerReducedAccess = 0x15; // connect, enumerate, query lock status
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kServiceQueryStatus = 0x0004;
constexpr uint32_t kServiceStart = 0x0010;
constexpr uint32_t kServiceStopAndQuery = 0x0024;
constexpr uint32_t kServiceDelete = 0x10000;
constexpr uint32_t kServiceCreateAccess = 0x10034; // delete, start, stop, query status
constexpr uint32_t kKernelDriver = 1;
constexpr uint32_t kDemandStart = 3;
constexpr uint32_t kErrorNormal = 1;
constexpr uint32_t kStateStopped = 1;
constexpr uint32_t kStateRunning = 4;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

} // namespace

std::string JoinPath(std::string_view folder, std::string_view file)
{
    std::string path(folder);
    if (!path.empty() && !IsSeparator(path.back()))
        path += '\\';
    path += file;
    return path;
}

std::string ProgramFolder(std::string_view programPath)
{
    size_t slash = programPath.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(programPath.substr(0, slash + 1));
}

TDLPortIO::TDLPortIO(platform::PortIoLibrary& library, platform::ServiceManager& services, bool windowsNT,
                     std::string_view systemFolder)
    : DriverPath(std::string(systemFolder) + "\\DRIVERS\\"), library_(library), services_(services),
      windowsNT_(windowsNT)
{
}

TDLPortIO::~TDLPortIO()
{
    if (activeHW_)
        CloseDriver();
}

bool TDLPortIO::Fail(std::string_view step, int64_t code)
{
    lastError_ = std::string(step) + ": Error #" + std::to_string(code);
    return false;
}

void TDLPortIO::OpenDriver()
{
    if (activeHW_)
        return;
    if (windowsNT_) {
        if (!ConnectSCM())
            return;
        if (!DriverInstall()) {
            DisconnectSCM();
            return;
        }
        if (!DriverStart()) {
            DriverRemove();
            DisconnectSCM();
            return;
        }
    }
    activeHW_ = LoadLibraryAndEntryPoints();
    if (!activeHW_) {
        if (windowsNT_) {
            DriverStop();
            DriverRemove();
            DisconnectSCM();
        }
        UnloadLibrary();
    }
}

bool TDLPortIO::LoadLibraryAndEntryPoints()
{
    std::string name = DLLPath.empty() ? std::string(kPortIoLibraryName) : JoinPath(DLLPath, kPortIoLibraryName);
    libraryHandle_ = library_.Load(name);
    if (libraryHandle_ == 0)
        return false;
    bool all = true;
    for (size_t i = 0; i < kPortIoEntryPoints.size(); ++i) {
        entryPoints_[i] = library_.Find(libraryHandle_, std::string(kPortIoEntryPoints[i]));
        all = all && entryPoints_[i] != 0;
    }
    return all;
}

void TDLPortIO::UnloadLibrary()
{
    if (libraryHandle_ != 0 && library_.Unload(libraryHandle_)) {
        libraryHandle_ = 0;
        entryPoints_ = {};
    }
}

void TDLPortIO::CloseDriver()
{
    if (!activeHW_)
        return;
    if (windowsNT_) {
        // A driver that cannot be stopped or removed keeps the library in use.
        if (!DriverStop() || !DriverRemove())
            return;
        DisconnectSCM();
    }
    UnloadLibrary();
    if (libraryHandle_ == 0)
        activeHW_ = false;
}

void TDLPortIO::Follow(int32_t noDirectAccess)
{
    if (noDirectAccess == 1)
        CloseDriver();
    else if (!activeHW_)
        OpenDriver();
}

uint16_t TDLPortIO::ReadPortWord(uint16_t port)
{
    // Callers check ActiveHW first; without the library there is nothing to
    // call, which reads as a failed call rather than a crash.
    if (!activeHW_)
        return kPortReadFailed;
    uint16_t value = 0;
    if (!library_.ReadPortUshort(entryPoints_[ReadUshort], port, value))
        return kPortReadFailed;
    return value;
}

void TDLPortIO::WritePortWord(uint16_t port, uint16_t value)
{
    if (activeHW_)
        library_.WritePortUshort(entryPoints_[WriteUshort], port, value);
}

bool TDLPortIO::ConnectSCM()
{
    DisconnectSCM();
    manager_ = services_.OpenManager(kManagerFullAccess);
    if (manager_ == 0 && services_.LastError() == kAccessDenied)
        manager_ = services_.OpenManager(kManagerReducedAccess);
    if (manager_ == 0)
        return Fail("ConnectSCM", services_.LastError());
    return true;
}

void TDLPortIO::DisconnectSCM()
{
    if (manager_ != 0) {
        services_.Close(manager_);
        manager_ = 0;
    }
}

bool TDLPortIO::DriverInstall()
{
    alreadyInstalled_ = false;
    const std::string name(kPortIoDriverName);
    if (platform::ServiceHandle existing = services_.Open(manager_, name, kServiceQueryStatus)) {
        alreadyInstalled_ = true;
        services_.Close(existing);
        return true;
    }
    platform::ServiceDefinition service;
    service.name = name;
    service.displayName = kPortIoDisplayName;
    service.access = kServiceCreateAccess;
    service.serviceType = kKernelDriver;
    service.startType = kDemandStart;
    service.errorControl = kErrorNormal;
    service.binaryPath = JoinPath(DriverPath, std::string(kPortIoDriverName) + ".SYS");
    service.loadOrderGroup = kPortIoLoadOrderGroup;
    platform::ServiceHandle created = services_.Create(manager_, service);
    if (created == 0)
        return Fail("DriverInstall", services_.LastError());
    services_.Close(created);
    return true;
}

bool TDLPortIO::DriverStart()
{
    alreadyRunning_ = false;
    const std::string name(kPortIoDriverName);
    platform::ServiceHandle service = services_.Open(manager_, name, kServiceQueryStatus);
    if (service == 0)
        return Fail("DriverStart", services_.LastError());
    uint32_t state = 0;
    bool queried = services_.QueryState(service, state);
    uint32_t error = services_.LastError();
    services_.Close(service);
    if (!queried)
        return Fail("DriverStart", error);

    if (state == kStateRunning) {
        alreadyRunning_ = true;
        return true;
    }
    if (state != kStateStopped)
        return Fail("DriverStart", -1);

    service = services_.Open(manager_, name, kServiceStart);
    if (service == 0)
        return Fail("DriverStart", services_.LastError());
    bool started = services_.Start(service);
    error = services_.LastError();
    services_.Close(service);
    return started || Fail("DriverStart", error);
}

bool TDLPortIO::DriverStop()
{
    if (alreadyRunning_)
        return true;
    platform::ServiceHandle service = services_.Open(manager_, std::string(kPortIoDriverName), kServiceStopAndQuery);
    if (service == 0)
        return Fail("DriverStop", services_.LastError());
    bool stopped = services_.Stop(service);
    uint32_t error = services_.LastError();
    services_.Close(service);
    return stopped || Fail("DriverStop", error);
}

bool TDLPortIO::DriverRemove()
{
    if (alreadyInstalled_)
        return true;
    platform::ServiceHandle service = services_.Open(manager_, std::string(kPortIoDriverName), kServiceDelete);
    if (service == 0)
        return Fail("DriverRemove", services_.LastError());
    bool deleted = services_.Delete(service);
    uint32_t error = services_.LastError();
    services_.Close(service);
    return deleted || Fail("DriverRemove", error);
}

} // namespace devices
