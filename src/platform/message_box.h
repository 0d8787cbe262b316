// Message boxes: the program's questions, warnings and errors.
#pragma once

#include <string>

namespace platform {

enum class MbButtons { Ok, YesNo, AbortRetry, RetryCancel, OkCancel };
enum class MbIcon { None, Error, Warning, Question, Information };
enum class MbResult { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed.
    virtual MbResult Show(const std::string& text, const std::string& caption, MbButtons buttons, MbIcon icon) = 0;
};

} // namespace platform
