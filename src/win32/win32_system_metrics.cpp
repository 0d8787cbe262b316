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
    }
    return 0;
}

} // namespace win32
