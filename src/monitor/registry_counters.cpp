#include "monitor/registry_counters.h"

#include "settings/byte_order.h"
#include "settings/modal_box.h"
#include "monitor/counter_baseline.h"

namespace monitor {

namespace {

constexpr const char* Suffixes[9] = {"\\BytesRecvd", "\\BytesXmit", "\\ConnectSpeed", "\\Alignment", "\\Buffer",
                                     "\\CRC",        "\\Framing",   "\\Overrun",      "\\Timeout"};

} // namespace

void RegistryCounters::BuildNames()
{
    prefix_ = g_.DUNRegistryName;
    for (size_t i = 0; i < names_.size(); ++i) {
        names_[i] = prefix_;
        names_[i].append(Suffixes[i]);
    }
    built_ = true;
}

// A value of another type than binary, or longer than four bytes, is a
// read error that ends the tick. It is shown once; while the same value
// stays bad the following ticks treat it as missing and run normally, so
// the box does not come back at every tick.
bool RegistryCounters::Read(CounterSample& sample)
{
    TGVar& g = g_;
    sample = CounterSample{};
    if (!built_ || prefix_ != g.DUNRegistryName)
        BuildNames();

    std::string invalid;
    if (const platform::OpenStatData open{key_}) {
        TConnStatus& info = g.ConnectionState.Info;
        uint32_t* const targets[9] = {&sample.RxBytes,     &sample.TxBytes,          &sample.Speed,
                                      &info.AlignmentErrors, &info.BufferOverrunErrors, &info.CRCErrors,
                                      &info.FramingErrors,   &info.HardwareOverrun,     &info.TimeoutErrors};
        for (size_t i = 0; i < names_.size(); ++i) {
            const platform::StatValue value = key_.Read(names_[i]);
            const bool bad = value.Found && (!value.Binary || value.Size > 4);
            if (bad && reported_ != names_[i]) {
                invalid = names_[i];
                break;
            }
            if (!bad && !reported_.empty() && reported_ == names_[i])
                reported_.clear();
            if (value.Found && !bad)
                *targets[i] = Le32(value.Data);
        }
    }
    // The box shows with the key closed.
    if (!invalid.empty()) {
        ReportInvalid(invalid);
        return false;
    }
    ApplyCounterBaseline(g, sample);
    return true;
}

void RegistryCounters::ReportInvalid(const std::string& name)
{
    reported_ = name;
    std::string text = InvalidDataTypeText;
    const size_t at = text.find("%s");
    text.replace(at, 2, name);
    ShowModalBox(g_, boxes_, text, platform::MbButtons::Ok, platform::MbIcon::Error);
}

} // namespace monitor
