#include "setup/about_page.h"

#include "settings/version.h"
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
    platform::FileInfo program;
    const bool found = ctx_.Files.Find(ctx_.System.ProgramPath(), program);
    return std::string(BLINKERY_VERSION) + "  " + (found ? ctx_.Locale.ShortDateText(program.Modified) : "");
}

} // namespace setup
