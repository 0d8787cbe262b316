#include "display/lamp_signals.h"

#include "settings/line_settings.h"

namespace display {

uint32_t EffectiveBaudRate(const TGVar& g) { return NormalisedBaudRate(g.LineSettings.BaudRate); }

bool HighSpeedLampOn(const TGVar& g)
{
    if (g.Port == 0)
        return false;
    if (EffectiveBaudRate(g) > 9600)
        return true;
    return g.ModemSignals.CD && g.ConnectionState.Info.ConnectionSpeed > 9600;
}

LampState LampStateOf(LampSignal signal, const TGVar& g)
{
    const TModemSignals& s = g.ModemSignals;
    bool on = false;
    switch (signal) {
    case LampSignal::None: return LampState::NoLamp;
    case LampSignal::HighSpeed: on = HighSpeedLampOn(g); break;
    case LampSignal::CTS: on = s.CTS; break;
    case LampSignal::RTS: on = s.RTS; break;
    case LampSignal::RI: on = s.RI; break;
    case LampSignal::CD: on = s.CD; break;
    case LampSignal::DSR: on = s.DSR; break;
    case LampSignal::DTR: on = s.DTR; break;
    case LampSignal::TD: on = s.TD; break;
    case LampSignal::RD: on = s.RD; break;
    }
    return on ? LampState::On : LampState::Off;
}

} // namespace display
