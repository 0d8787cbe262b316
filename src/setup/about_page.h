// The "About" page: the animated miniature window and the version label.
#pragma once

#include <string>

#include "display/about_frames.h"
#include "setup/page_model.h"

namespace setup {

class AboutPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override;

    // The picture to draw now; the next paint draws the one after it. The
    // pictures are composed at the first paint and kept.
    const display::Bitmap& PaintBoxAboutPaint();
    // Each tick of the animation timer repaints the picture box.
    void TimerAboutTimer();
    // The version number, two blanks and the program file's date.
    std::string VersionText();

private:
    display::AboutFrames frames_;
    bool composed_ = false;
    int next_ = 0;
};

} // namespace setup
