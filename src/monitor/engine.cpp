#include "monitor/engine.h"

namespace monitor {

Engine::Engine(TGVar& g, const EngineServices& s, EngineWindow& window, MainWindowParts& parts)
    : counters_(g, SignalServices{s.Vxd, s.Lights, s.Rnaapp, s.StatData, s.Tapi, s.Boxes, window, parts.Setup}),
      connection_(g, s.Clock, s.Locale, parts, s.Ras),
      events_(g, EventServices{s.Clock, s.Sound, s.Logs, s.Boxes, s.Launcher, s.Locale, s.System, s.Vxd, window}),
      inactivity_(g, InactivityServices{s.Clock, s.Boxes, s.Sound, s.Launcher, s.RasApi, s.Power, s.PortIO}, window,
                  s.Ras),
      keyboard_(g, s.Keyboard),
      poll_(g, PollServices{s.Clock, s.Boxes, s.Ports, s.PortIO, s.Vxd},
            PollParts{counters_, connection_, events_, inactivity_, keyboard_, window})
{
    AttachRas(s.Ras, s.Ras ? &s.RasApi : nullptr);
}

void Engine::AttachRas(devices::TRAS* ras, platform::RasApi* api)
{
    counters_.AttachRas(ras, api);
    connection_.SetRas(ras);
}

} // namespace monitor
