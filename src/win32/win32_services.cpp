#include "win32/win32_services.h"

#include <windows.h>

namespace win32 {

namespace {

SC_HANDLE Sc(platform::ServiceHandle handle) { return reinterpret_cast<SC_HANDLE>(handle); }

} // namespace

bool Win32ServiceManager::Check(bool ok)
{
    if (!ok)
        error_ = GetLastError();
    return ok;
}

platform::ServiceHandle Win32ServiceManager::Check(void* handle)
{
    if (handle == nullptr)
        error_ = GetLastError();
    return reinterpret_cast<platform::ServiceHandle>(handle);
}

platform::ServiceHandle Win32ServiceManager::OpenManager(uint32_t access)
{
    return Check(OpenSCManagerA(nullptr, nullptr, access));
}

platform::ServiceHandle Win32ServiceManager::Open(platform::ServiceHandle manager, const std::string& name,
                                                         uint32_t access)
{
    return Check(OpenServiceA(Sc(manager), name.c_str(), access));
}

platform::ServiceHandle Win32ServiceManager::Create(platform::ServiceHandle manager,
                                                           const platform::ServiceDefinition& service)
{
    const char* group = service.loadOrderGroup.empty() ? nullptr : service.loadOrderGroup.c_str();
    return Check(CreateServiceA(Sc(manager), service.name.c_str(), service.displayName.c_str(), service.access,
                                service.serviceType, service.startType, service.errorControl,
                                service.binaryPath.c_str(), group, nullptr, nullptr, nullptr, nullptr));
}

bool Win32ServiceManager::QueryState(platform::ServiceHandle service, uint32_t& state)
{
    SERVICE_STATUS status{};
    if (!Check(QueryServiceStatus(Sc(service), &status) != FALSE))
        return false;
    state = status.dwCurrentState;
    return true;
}

bool Win32ServiceManager::Start(platform::ServiceHandle service)
{
    return Check(StartServiceA(Sc(service), 0, nullptr) != FALSE);
}

bool Win32ServiceManager::Stop(platform::ServiceHandle service)
{
    SERVICE_STATUS status{};
    return Check(ControlService(Sc(service), SERVICE_CONTROL_STOP, &status) != FALSE);
}

bool Win32ServiceManager::Delete(platform::ServiceHandle service)
{
    return Check(DeleteService(Sc(service)) != FALSE);
}

void Win32ServiceManager::Close(platform::ServiceHandle handle)
{
    if (handle != 0)
        CloseServiceHandle(Sc(handle));
}

} // namespace win32
