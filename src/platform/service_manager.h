// The NT service control manager, as used to install, start, stop and
// remove a kernel driver. Access masks and states are the system's values.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// An open service control manager or service; 0 means none.
using ServiceHandle = uintptr_t;

struct ServiceDefinition {
    std::string name;
    std::string displayName;
    uint32_t access = 0;
    uint32_t serviceType = 0;
    uint32_t startType = 0;
    uint32_t errorControl = 0;
    std::string binaryPath;
    std::string loadOrderGroup;
};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;

    // Each call that fails returns 0 or false; LastError() then tells the
    // system error code of that failure.
    virtual ServiceHandle OpenManager(uint32_t access) = 0;
    virtual ServiceHandle Open(ServiceHandle manager, const std::string& name, uint32_t access) = 0;
    virtual ServiceHandle Create(ServiceHandle manager, const ServiceDefinition& service) = 0;
    // The service's current state (1 stopped ... 4 running ...).
    virtual bool QueryState(ServiceHandle service, uint32_t& state) = 0;
    virtual bool Start(ServiceHandle service) = 0;
    // Sends the stop control.
    virtual bool Stop(ServiceHandle service) = 0;
    virtual bool Delete(ServiceHandle service) = 0;
    virtual void Close(ServiceHandle handle) = 0;
    virtual uint32_t LastError() const = 0;
};

} // namespace platform
