// The system metrics the displays size their windows by. Each is asked of
// the system once and kept until Forget (the system announces a change with
// WM_SETTINGCHANGE): the displays read ten of them at every paint, and a
// read costs as much as a server round trip under Wine.
#pragma once

#include <array>

#include "platform/system_metrics.h"

namespace win32 {

class Win32SystemMetrics final : public platform::SystemMetrics {
public:
    int32_t Get(platform::Metric metric) override;
    void Forget() { known_ = {}; }

private:
    static constexpr std::size_t Count = static_cast<std::size_t>(platform::Metric::CyCaption) + 1;
    std::array<int32_t, Count> values_{};
    std::array<bool, Count> known_{};
};

} // namespace win32
