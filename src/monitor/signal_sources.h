// The counter methods of the poll tick, each from its own source: the
// companion 'lights' program, the dial-up application ('rnaapp'), the
// registry statistics, the Remote Access Service, the helper VxD's counts
// and, on Windows NT 4, the connect speed from TAPI.
#pragma once

#include "settings/settings.h"
#include "monitor/engine_host.h"
#include "monitor/helper_vxd_client.h"
#include "monitor/lights_counters.h"
#include "monitor/poll_parts.h"
#include "monitor/ras_counters.h"
#include "monitor/registry_counters.h"
#include "monitor/rnaapp_counters.h"
#include "monitor/tapi_speed.h"

namespace monitor {

struct SignalServices {
    HelperVxdClient& Vxd;
    platform::LightsCompanion& Lights;
    platform::RnaappHelper& Rnaapp;
    platform::StatDataKey& StatData;
    platform::TapiLines& Tapi;
    platform::MessageBoxes& Boxes;
    EngineHost& Host;
    SetupPart& Setup;
};

// The helper VxD's byte counts: increments since the last query, added to
// the last totals of the tick.
void ReadVxdCounters(TGVar& g, HelperVxdClient& vxd, CounterSample& sample);

class TSignalSources final : public SignalCounters {
public:
    TSignalSources(TGVar& g, SignalServices services);

    // The main window's RAS component and its library, once they exist.
    void AttachRas(devices::TRAS* ras, platform::RasApi* api);
    // At close: BLIDLL.DLL and the dial-up application's handle.
    void Release() { rnaapp_.Release(); }

    void ReadLightsCounters(CounterSample& sample) override { lights_.Read(sample); }
    void ReadRnaappCounters(CounterSample& sample) override { rnaapp_.Read(sample); }
    void ReadRegistryCounters(CounterSample& sample) override;
    void ReadRasCounters(CounterSample& sample) override { ras_.Read(sample); }
    void ReadVxdCounters(CounterSample& sample) override;
    void ReadTapiSpeed(CounterSample& sample) override { tapi_.Read(sample); }
    bool TakeEndOfTick() override;

private:
    TGVar& g_;
    HelperVxdClient& vxd_;
    LightsCounters lights_;
    RnaappCounters rnaapp_;
    RegistryCounters registry_;
    RasCounters ras_;
    TapiSpeed tapi_;
    bool endOfTick_ = false;
};

} // namespace monitor
