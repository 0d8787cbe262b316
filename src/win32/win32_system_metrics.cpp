#include "win32/win32_system_metrics.h"

#include <windows.h>

namespace win32 {

namespace {

int SystemIndex(platform::Metric metric)
{
    switch (metric) {
    case platform::Metric::CxDlgFrame: return SM_CXDLGFRAME;
    case platform::Metric::CyDlgFrame: return SM_CYDLGFRAME;
    case platform::Metric::CySize: return SM_CYSIZE;
    case platform::Metric::CxMin: return SM_CXMIN;
    case platform::Metric::CxSize: return SM_CXSIZE;
    case platform::Metric::CxFrame: return SM_CXFRAME;
    case platform::Metric::CyFrame: return SM_CYFRAME;
    case platform::Metric::CxBorder: return SM_CXBORDER;
    case platform::Metric::CyBorder: return SM_CYBORDER;
    case platform::Metric::CyCaption: return SM_CYCAPTION;
    }
    return -1;
}

} // namespace

int32_t Win32SystemMetrics::Get(platform::Metric metric)
{
    const auto i = static_cast<std::size_t>(metric);
    if (i >= Count)
        return 0;
    if (!known_[i]) {
        values_[i] = GetSystemMetrics(SystemIndex(metric));
        known_[i] = true;
    }
    return values_[i];
}

} // namespace win32
