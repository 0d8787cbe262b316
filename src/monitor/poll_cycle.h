// The poll tick: one snapshot of the modem's status lines and byte
// counters, the connection and event steps that follow from it, and the
// decision whether the displays must be repainted.
#pragma once

#include <cstdint>

#include "settings/settings.h"
#include "devices/port_io.h"
#include "monitor/helper_vxd_client.h"
#include "monitor/poll_parts.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/serial.h"

namespace monitor {

inline constexpr char DriverMissingNtText[] =
    "Could not open the hardware driver.\rPlease make sure it has been installed according to the instructions.";
inline constexpr char DriverMissing9xText[] =
    "Could not find/open the file DLPORTIO.DLL needed for the hardware access.\rPlease make sure it is in the "
    "Blinkery directory or somewhere in Your path.";

// Clears the per-poll signal memory (at start-up and when the monitored
// port changes): every field of ModemSignals but HS, and every field of
// PreviousSignals, whose HS takes the current HS.
void ClearSignalMemory(TGVar& g);

struct PollServices {
    platform::Clock& Clock;
    platform::MessageBoxes& Boxes;
    platform::SerialPorts& Ports;
    devices::TDLPortIO& PortIO;
    HelperVxdClient& Vxd;
};

class TPollCycle {
public:
    TPollCycle(TGVar& g, PollServices services, PollParts parts) : g_(g), s_(services), p_(parts) {}

    // Runs one tick. A message box of a later step lets further ticks run
    // beneath it, and all a tick keeps is in g; a tick that comes while one
    // reads the line is skipped.
    void TimerEvent();

private:
    bool ReadLine();
    uint16_t PortBase() const;
    bool ReadVxdStatus();
    void ReadUartStatus();
    uint16_t ReadUartRegister(uint16_t offset);
    bool ReadCounters(CounterSample& sample, bool vxdOnPort);
    void CountActivity(const CounterSample& sample);
    void UpdateSpeedText(uint32_t speed);
    bool LampsChanged() const;
    bool ClockShown() const;

    TGVar& g_;
    PollServices s_;
    PollParts p_;
    double lastNow_ = 0;       // the wall clock at the last tick
    bool readingLine_ = false; // steps 2-19 of a tick are running
};

} // namespace monitor
