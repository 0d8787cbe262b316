// The 'rnaapp' method (Windows 95/98/ME): the connection state, byte
// counts and speed from the status record of the system's dial-up
// application, which the helper library BLIDLL.DLL finds.
#pragma once

#include "settings/settings.h"
#include "monitor/engine_host.h"
#include "monitor/poll_parts.h"
#include "platform/message_box.h"
#include "platform/rnaapp_helper.h"

namespace monitor {

inline constexpr char BlidllMissingText[] = "blidll.dll missing in Blinkery's folder!\rRNAAPP detection disabled";

// The dial-up application's status record.
inline constexpr uint32_t RnaappRecordSize = 36;
inline constexpr int32_t RnaappRecordWindowOffset = 8; // where its window keeps the record's address
inline constexpr uint8_t RnaappConnectedBit = 0x20;    // in byte 12

class RnaappCounters {
public:
    RnaappCounters(TGVar& g, platform::RnaappHelper& helper, platform::MessageBoxes& boxes, EngineHost& host)
        : g_(g), helper_(helper), boxes_(boxes), host_(host)
    {
    }
    void Read(CounterSample& sample);
    // At close: the dial-up application's process handle is closed and the
    // library unloaded.
    void Release();

private:
    TGVar& g_;
    platform::RnaappHelper& helper_;
    platform::MessageBoxes& boxes_;
    EngineHost& host_;
};

} // namespace monitor
