#include "app/port_decision.h"

#include "app/command_line.h"

namespace {

bool Available(int32_t port, const std::array<int32_t, 8>& available)
{
    return port >= 1 && port <= 8 && available[static_cast<size_t>(port - 1)] == 1;
}

} // namespace

PortDecision DecidePort(int32_t filePort, int32_t commandLinePort, const std::array<int32_t, 8>& available,
                        int32_t& port)
{
    port = filePort;
    if (filePort == 0 && commandLinePort == NoCommandLinePort)
        return PortDecision::FirstRun;
    if (commandLinePort == InvalidCommandLinePort)
        return PortDecision::Refuse;
    if (commandLinePort != NoCommandLinePort) {
        if (!Available(commandLinePort, available))
            return PortDecision::Refuse;
        port = commandLinePort;
        return PortDecision::Monitor;
    }
    // A file port outside 1-8 cannot be monitored either.
    return Available(filePort, available) ? PortDecision::Monitor : PortDecision::Refuse;
}
