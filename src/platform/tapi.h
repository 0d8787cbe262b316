// TAPI 2.0 line functions, as far as the connect speed on Windows NT 4
// needs them. Variable-size records travel as raw bytes in TAPI's layouts
// (LINEDEVCAPS, LINECALLLIST, LINECALLINFO): the caller sets the total-size
// field and TAPI fills in the needed size and the data.
#pragma once

#include <cstdint>

namespace platform {

using TapiLine = uintptr_t; // an open line; 0 = none

class TapiLines {
public:
    virtual ~TapiLines() = default;
    // lineInitialize for this program with a message callback that does
    // nothing; the number of line devices.
    virtual bool Initialize(uint32_t& deviceCount) = 0;
    // lineNegotiateAPIVersion; the agreed version on success.
    virtual bool NegotiateApiVersion(uint32_t device, uint32_t lowest, uint32_t highest, uint32_t& version) = 0;
    virtual bool GetDevCaps(uint32_t device, uint32_t version, uint8_t* caps) = 0;
    // lineOpen with monitor privilege and no media modes.
    virtual bool OpenLineMonitor(uint32_t device, uint32_t version, TapiLine& line) = 0;
    // lineGetNewCalls for the calls of the whole line.
    virtual bool GetNewCalls(TapiLine line, uint8_t* callList) = 0;
    virtual bool GetCallInfo(uint32_t call, uint8_t* callInfo) = 0;
    // lineShutdown; it closes the open lines too.
    virtual void Shutdown() = 0;
};

} // namespace platform
