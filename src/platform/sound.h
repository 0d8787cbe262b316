// The event sounds: a wave file played in the background, or the beep.
#pragma once

#include <string>

namespace platform {

class EventSound {
public:
    virtual ~EventSound() = default;
    // PlaySound with exactly SND_FILENAME | SND_ASYNC: a missing or
    // unplayable file gives the system's default sound.
    virtual void PlayFile(const std::string& path) = 0;
    // MessageBeep with the default message sound.
    virtual void Beep() = 0;
};

} // namespace platform
