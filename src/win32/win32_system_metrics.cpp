#include "win32/win32_system_metrics.h"

#include <windows.h>

namespace win32 {

int32_t Win32SystemMetrics::Get(platform::Metric metric)
{
    switch (metric) {
    case platform::Metric::CxDlgFrame: return GetSystemMetrics(SM_CXDLGFRAME);
    case platform::Metric::CyDlgFrame: return GetSystemMetrics(SM_CYDLGFRAME);
    case platform::Metric::CySize: return GetSystemMetrics(SM_CYSIZE);
    case platform::Metric::CxMin: return GetSystemMetrics(SM_CXMIN);
    case platform::Metric::CxSize: return GetSystemMetrics(SM_CXSIZE);
    case platform::Metric::CxFrame: return GetSystemMetrics(SM_CXFRAME);
    case platform::Metric::CyFrame: return GetSystemMetrics(SM_CYFRAME);
    case platform::Metric::CxBorder: return GetSystemMetrics(SM_CXBORDER);
    case platform::Metric::CyBorder: return GetSystemMetrics(SM_CYBORDER);
    case platform::Metric::CyCaption: return GetSystemMetrics(SM_CYCAPTION);
    }
    return 0;
}

} // namespace win32
