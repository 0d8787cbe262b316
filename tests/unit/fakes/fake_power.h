// Test double of the power-down: logs every call in order, touches nothing.
#pragma once

#include <string>
#include <vector>

#include "platform/power.h"

namespace fakes {

class Power : public platform::Power {
public:
    std::vector<std::string> Calls;
    bool TokenOpens = true, PowerOffSucceeds = true;

    bool SetSystemPowerState() override { return Log("SetSystemPowerState", true); }
    bool OpenProcessToken() override { return Log("OpenProcessToken", TokenOpens); }
    bool SetShutdownPrivilege(bool on) override { return Log(on ? "Privilege on" : "Privilege off", true); }
    bool ExitWindowsPowerOff() override { return Log("ExitWindowsPowerOff", PowerOffSucceeds); }
    void CloseProcessToken() override { Log("CloseProcessToken", true); }

private:
    bool Log(const char* call, bool result)
    {
        Calls.push_back(call);
        return result;
    }
};

} // namespace fakes
