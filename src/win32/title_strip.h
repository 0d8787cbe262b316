// The lamp strip in the active window's title bar. For now it only lets the
// foreground window redraw its caption, which wipes what was drawn there.
#pragma once

#include "app/window_parts.h"

namespace win32 {

class TitleStrip final : public TitleStripPart {
public:
    void RedrawForegroundCaption() override;
};

} // namespace win32
