#include "setup/about_page.h"

#include "resource_ids.h"

namespace setup {

void AboutPageModel::Fill() { ctx_.View.SetText(IDC_ABOUT_VERSION, VersionText()); }

const display::Bitmap& AboutPageModel::PaintBoxAboutPaint()
{
    if (!composed_) {
        display::ComposeAboutFrames(ctx_.Bitmaps, frames_);
        composed_ = true;
    }
    const display::Bitmap& frame = frames_[static_cast<size_t>(next_)];
    next_ = (next_ + 1) % display::AboutFrameCount;
    return frame;
}

void AboutPageModel::TimerAboutTimer() { ctx_.View.Repaint(IDC_PAINTBOXABOUT); }

std::string AboutPageModel::VersionText()
{
    return ctx_.Services.ProgramVersion() + "  " + ctx_.Services.ProgramFileDate();
}

} // namespace setup
