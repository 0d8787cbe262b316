// The NT service control manager (advapi32).
#pragma once

#include "platform/service_manager.h"

namespace win32 {

class Win32ServiceManager final : public platform::ServiceManager {
public:
    platform::ServiceHandle OpenManager(uint32_t access) override;
    platform::ServiceHandle Open(platform::ServiceHandle manager, const std::string& name,
                                        uint32_t access) override;
    platform::ServiceHandle Create(platform::ServiceHandle manager,
                                          const platform::ServiceDefinition& service) override;
    bool QueryState(platform::ServiceHandle service, uint32_t& state) override;
    bool Start(platform::ServiceHandle service) override;
    bool Stop(platform::ServiceHandle service) override;
    bool Delete(platform::ServiceHandle service) override;
    void Close(platform::ServiceHandle handle) override;
    uint32_t LastError() const override { return error_; }

private:
    bool Check(bool ok);
    platform::ServiceHandle Check(void* handle);
    uint32_t error_ = 0;
};

} // namespace win32
