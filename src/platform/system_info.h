// What the program asks of the running system: its version, the desktop's
// work area, and the caption metrics and colours of the current scheme.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct OsVersion {
    uint32_t PlatformId = 0; // 1 Windows 95/98/ME, 2 Windows NT
    uint32_t Major = 0;
    uint32_t Minor = 0;
};

// The desktop minus the task bar, in screen pixels.
struct WorkArea {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

// The system's caption font, as the non-client metrics give it.
struct CaptionFont {
    std::string FaceName;
    int32_t Height = 0; // negative: a character height in pixels
    int32_t Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual OsVersion GetVersion() = 0;
    virtual WorkArea GetWorkArea() = 0;
    virtual CaptionFont GetCaptionFont() = 0;
    virtual uint32_t CaptionTextColour() = 0;   // 0x00BBGGRR
    virtual uint32_t ActiveCaptionColour() = 0; // 0x00BBGGRR

    // The program's own file, in long and in short (8.3) form, and the
    // system and Windows directories, each without a trailing backslash
    // where a folder.
    virtual std::string ProgramPath() = 0;
    virtual std::string ShortProgramPath() = 0;
    virtual std::string SystemDirectory() = 0;
    virtual std::string WindowsDirectory() = 0;
};

} // namespace platform
