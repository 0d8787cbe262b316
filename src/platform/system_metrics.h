// The system's window metrics (frame, caption and minimum sizes).
#pragma once

#include <cstdint>

namespace platform {

enum class Metric {
    CxDlgFrame, // SM_CXDLGFRAME
    CyDlgFrame, // SM_CYDLGFRAME
    CySize,     // SM_CYSIZE
    CxMin,      // SM_CXMIN
};

class SystemMetrics {
public:
    virtual ~SystemMetrics() = default;
    virtual int32_t Get(Metric metric) = 0;
};

} // namespace platform
