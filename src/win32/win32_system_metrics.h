// The system metrics the displays size their windows by.
#pragma once

#include "platform/system_metrics.h"

namespace win32 {

class Win32SystemMetrics final : public platform::SystemMetrics {
public:
    int32_t Get(platform::Metric metric) override;
};

} // namespace win32
