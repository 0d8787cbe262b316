// The system's window metrics (frame, border, caption and minimum sizes).
#pragma once

#include <cstdint>

namespace platform {

enum class Metric {
    CxDlgFrame, // SM_CXDLGFRAME
    CyDlgFrame, // SM_CYDLGFRAME
    CySize,     // SM_CYSIZE
    CxMin,      // SM_CXMIN
    CxSize,     // SM_CXSIZE: a caption button's width
    CxFrame,    // SM_CXFRAME: a sizing border
    CyFrame,    // SM_CYFRAME
    CxBorder,   // SM_CXBORDER: a thin border
    CyBorder,   // SM_CYBORDER
    CyCaption,  // SM_CYCAPTION
};

class SystemMetrics {
public:
    virtual ~SystemMetrics() = default;
    virtual int32_t Get(Metric metric) = 0;
};

} // namespace platform
