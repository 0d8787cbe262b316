// A small modal box that asks for one line of text: a caption, a prompt,
// an edit, OK and Cancel.
#pragma once

#include <string>

#include <windows.h>

#include "win32/window_base.h"

namespace win32 {

class TInputBox final : private DialogBase {
public:
    // Shows the box over owner with text in the edit; false on Cancel (or
    // when it cannot be shown), else text is the edit's text.
    static bool Ask(HINSTANCE instance, HWND owner, const std::string& caption, const std::string& prompt,
                    std::string& text);

private:
    TInputBox(const std::string& caption, const std::string& prompt, std::string& text)
        : caption_(caption), prompt_(prompt), text_(text)
    {
    }
    void OnInit() override;
    void OnOk() override;

    const std::string& caption_;
    const std::string& prompt_;
    std::string& text_;
};

} // namespace win32
