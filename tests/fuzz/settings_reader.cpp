// BLINKERY.INI as the fuzzer writes it, read through the portable profile
// into the settings record. After reading, every value is in the range the
// rest of the program relies on. One file in 256, picked by a hash of its
// bytes, is also written back (that costs as much as twenty reads, and
// picking by length would let the fuzzer prefer those): writing keeps the
// other sections as they were and reads back as what was written.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/fonts.h"
#include "settings/ini_values.h"
#include "settings/poll_period.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "fakes/fake_platform.h"
#include "fuzz_check.h"
#include "platform/text_profile.h"

namespace {

const std::string Path = "C:\\WINDOWS\\BLINKERY.INI";

struct Rig {
    fakes::MemoryFiles files;
    platform::TextProfile profile{files, Path};
    fakes::SystemInfo system;
    fakes::Clock clock;
    fakes::FontFactory fonts;
    SettingsContext ctx{profile, system, clock, fonts};
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

// What a text value written to the file reads back as: its blanks
// trimmed, then one pair of enclosing quotes removed.
std::string ReadsBackAs(std::string_view v)
{
    while (!v.empty() && IsBlank(v.front()))
        v.remove_prefix(1);
    while (!v.empty() && IsBlank(v.back()))
        v.remove_suffix(1);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.front() == v.back())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

bool IsTitleFontKey(const KeyDescriptor& key)
{
    return key.Name.find("Titlebar") != std::string_view::npos;
}

void CheckRanges(TGVar& g, const platform::WorkArea& work)
{
    for (const KeyDescriptor& key : PortKeys()) {
        switch (key.Type) {
        case KeyType::Flag:
        case KeyType::Int:
            FUZZ_CHECK(key.Int(g) >= key.Min && key.Int(g) <= key.Max);
            break;
        case KeyType::Uint:
        case KeyType::Colour:
            FUZZ_CHECK(key.Uint(g) >= static_cast<uint32_t>(key.Min) && key.Uint(g) <= static_cast<uint32_t>(key.Max));
            break;
        case KeyType::Text:
            FUZZ_CHECK(key.Text(g).size() <= 2047);
            break;
        case KeyType::DateTime:
            FUZZ_CHECK(std::isfinite(key.Date(g)) && key.Date(g) >= key.Min && key.Date(g) < key.Max + 1.0);
            break;
        default:
            break;
        }
    }
    // The layout's magnitude must be a number (std::abs of INT32_MIN is not).
    FUZZ_CHECK(g.NewOrientation != 0 && g.NewOrientation != 6 && g.NewOrientation != -6 &&
               g.NewOrientation != INT32_MIN);
    FUZZ_CHECK(g.WindowPositionX >= work.Left - 200 && g.WindowPositionX <= work.Right - 10);
    FUZZ_CHECK(g.WindowPositionY >= work.Top - 100 && g.WindowPositionY <= work.Bottom - 10);
    FUZZ_CHECK(g.ThroughputWindowPositionX >= work.Left - 10 && g.ThroughputWindowPositionX <= work.Right - 10);
    FUZZ_CHECK(g.ThroughputWindowPositionY >= work.Top - 9 && g.ThroughputWindowPositionY <= work.Bottom - 10);
    FUZZ_CHECK(!g.TitleFont.Name.empty());
    FUZZ_CHECK(g.TotalConnectReset != 0 && g.ConnectResetLoggerTimeRef != 0);
}

// Every per-port value of `back` (read from what `g` wrote) equals `g`'s.
void CheckReadsBack(TGVar& g, TGVar& back)
{
    const bool titleFontReset = ReadsBackAs(g.TitleFont.Name).empty();
    FUZZ_CHECK(back.EditorName == ReadsBackAs(g.EditorName));
    for (const KeyDescriptor& key : PortKeys()) {
        // An empty title font name reads as the caption font, with its style.
        if (titleFontReset && IsTitleFontKey(key))
            continue;
        switch (key.Type) {
        case KeyType::Flag:
        case KeyType::Int:
            FUZZ_CHECK(key.Int(back) == key.Int(g));
            break;
        case KeyType::Uint:
        case KeyType::Colour:
            FUZZ_CHECK(key.Uint(back) == key.Uint(g));
            break;
        case KeyType::Style:
            FUZZ_CHECK(key.Style(back) == key.Style(g));
            break;
        case KeyType::Text:
            FUZZ_CHECK(key.Text(back) == ReadsBackAs(key.Text(g)));
            break;
        case KeyType::DateTime:
            // A date of 0 reads as the clock's time; the written form has
            // 15 digits, which read and written again stay the same.
            if (key.Date(g) != 0)
                FUZZ_CHECK(FormatIniDateTime(key.Date(back)) == FormatIniDateTime(key.Date(g)));
            break;
        }
    }
}

std::vector<std::string> SectionValues(platform::ProfileFile& profile, const std::string& section)
{
    std::vector<std::string> values;
    for (const KeyDescriptor& key : PortKeys())
        values.push_back(profile.ReadString(section, key.Name, "<none>"));
    for (const KeyDescriptor& key : MainKeys())
        values.push_back(profile.ReadString(MainSection, key.Name, "<none>"));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Rig rig;
    rig.files.Files[Path].assign(reinterpret_cast<const char*>(data), size);

    // The port from the file, as start-up reads it.
    TGVar g;
    const int32_t filePort = ReadDefaultPort(rig.profile);
    g.Port = filePort > 0 ? filePort : 2;
    g.OsKind = static_cast<int32_t>(size % 2) * OsNT4;
    ReadSettings(g, rig.ctx);
    g.ShowLogoAtStartup = ReadShowLogo(rig.profile);
    BuildGdiFonts(g, rig.fonts);
    PollPeriodMs(g.TimerInterval);
    CheckRanges(g, rig.system.Work);

    uint32_t hash = 2166136261u; // FNV-1a
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    if (hash % 256 != 0)
        return 0;

    // Writing back changes nothing outside the port's keys and EditorName.
    const std::string other = PortSection(g.Port == 1 ? 2 : 1);
    const std::vector<std::string> before = SectionValues(rig.profile, other);
    FUZZ_CHECK(WriteSettings(g, rig.profile));
    std::vector<std::string> after = SectionValues(rig.profile, other);
    after.back() = before.back(); // EditorName
    FUZZ_CHECK(after == before);

    TGVar back;
    back.Port = g.Port;
    back.OsKind = g.OsKind;
    ReadSettings(back, rig.ctx);
    CheckReadsBack(g, back);
    return 0;
}
