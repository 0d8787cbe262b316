#include "settings/settings_file.h"

#include <cstdlib>

#include "settings/fonts.h"
#include "settings/ini_values.h"
#include "settings/modal_box.h"
#include "settings/settings_keys.h"
#include "settings/rounding.h"

namespace {

const KeyDescriptor& MainKey(size_t index)
{
    return MainKeys()[index];
}
constexpr size_t DefaultPortKey = 0;
constexpr size_t ShowLogoKey = 1;
constexpr size_t EditorNameKey = 2;

struct Defaults {
    platform::WorkArea Work;
    uint32_t CaptionText = 0;
    uint32_t ActiveCaption = 0;
};

int32_t DefaultOf(const KeyDescriptor& key, const Defaults& d)
{
    switch (key.DefaultKind) {
    case KeyDefault::HalfWorkWidth:
        return (d.Work.Right - d.Work.Left) / 2;
    case KeyDefault::HalfWorkHeight:
        return static_cast<int32_t>(RoundHalfEven((d.Work.Bottom - d.Work.Top) / 2.0));
    case KeyDefault::CaptionTextColour:
        return static_cast<int32_t>(d.CaptionText);
    case KeyDefault::ActiveCaptionColour:
        return static_cast<int32_t>(d.ActiveCaption);
    case KeyDefault::Value:
        break;
    }
    return key.DefaultNumber;
}

// A number outside its key's range, like one that is not a number, takes
// the key's default, so the configuration stays complete.
int32_t ReadNumber(platform::ProfileFile& profile, std::string_view section, const KeyDescriptor& key, int32_t def)
{
    return NumberOf(key, profile.ReadString(section, key.Name, "")).value_or(def);
}

// The main window's margin pair for bringing it on screen, by layout.
void LayoutMargins(int32_t orientation, int32_t& mx, int32_t& my)
{
    switch (std::abs(orientation)) {
    case 1: mx = 100; my = 70; break;
    case 2: mx = 183; my = 40; break;
    case 3: mx = 100; my = 25; break;
    case 4: mx = 123; my = 25; break;
    case 5: mx = 172; my = 25; break;
    default: mx = 10; my = 10; break;
    }
}

void BringOnScreen(int32_t& x, int32_t& y, int32_t mx, int32_t my, const platform::WorkArea& w)
{
    if (x < w.Left - mx - 5 || x > w.Right - 10)
        x = static_cast<int32_t>(RoundHalfEven((w.Right - w.Left) / 2.0));
    if (y < w.Top - my - 4 || y > w.Bottom - 10)
        y = static_cast<int32_t>(RoundHalfEven((w.Bottom - w.Top) / 2.0));
}

bool IsNumeric(KeyType t)
{
    return t == KeyType::Flag || t == KeyType::Int || t == KeyType::Uint || t == KeyType::Colour;
}

} // namespace

std::string PortSection(int32_t port)
{
    return "Lampwatcher on COM" + std::to_string(port);
}

int32_t ReadDefaultPort(platform::ProfileFile& profile)
{
    const KeyDescriptor& key = MainKey(DefaultPortKey);
    int32_t port = ReadNumber(profile, MainSection, key, key.DefaultNumber);
    return port < 0 ? 0 : port;
}

int32_t ReadShowLogo(platform::ProfileFile& profile)
{
    const KeyDescriptor& key = MainKey(ShowLogoKey);
    return ReadNumber(profile, MainSection, key, key.DefaultNumber);
}

void ReadSettings(TGVar& g, SettingsContext& ctx)
{
    platform::ProfileFile& profile = ctx.Profile;
    const KeyDescriptor& editor = MainKey(EditorNameKey);
    editor.Text(g) = profile.ReadString(MainSection, editor.Name, editor.DefaultText);
    if (g.Port < 0)
        return;

    const std::string section = PortSection(g.Port);
    Defaults defaults;
    defaults.Work = ctx.System.GetWorkArea();
    defaults.CaptionText = ctx.System.CaptionTextColour();
    defaults.ActiveCaption = ctx.System.ActiveCaptionColour();

    // Numbers first: flags, ints, uints and colours.
    for (const KeyDescriptor& key : PortKeys()) {
        if (!IsNumeric(key.Type))
            continue;
        const int32_t value = ReadNumber(profile, section, key, DefaultOf(key, defaults));
        if (key.Type == KeyType::Uint || key.Type == KeyType::Colour)
            key.Uint(g) = static_cast<uint32_t>(value);
        else
            key.Int(g) = value;
    }
    // -2147483648 has no magnitude that std::abs could give (every later
    // use of the layout takes it), so it reads as an unknown layout: 3.
    const int32_t layout = g.NewOrientation == INT32_MIN ? 0 : std::abs(g.NewOrientation);
    if (layout == 0 || layout == 6)
        g.NewOrientation = 3;
    if (g.OsKind != OsWin9x)
        g.RAS = 1;

    int32_t mx = 0, my = 0;
    LayoutMargins(g.NewOrientation, mx, my);
    BringOnScreen(g.WindowPositionX, g.WindowPositionY, mx, my, defaults.Work);
    BringOnScreen(g.ThroughputWindowPositionX, g.ThroughputWindowPositionY, 5, 5, defaults.Work);

    // Font styles are only ever added.
    for (const KeyDescriptor& key : PortKeys()) {
        if (key.Type == KeyType::Style && ReadNumber(profile, section, key, 0) == 1)
            key.Style(g) = true;
    }

    for (const KeyDescriptor& key : PortKeys()) {
        if (key.Type == KeyType::Text)
            key.Text(g) = profile.ReadString(section, key.Name, key.DefaultText);
    }
    // The system's caption font for an empty face; the colours the file
    // gives (or their defaults, the system's caption colours) stay.
    if (g.TitleFont.Name.empty())
        DefaultTitleBarFont(g, ctx.System, ctx.Fonts, false);

    for (const KeyDescriptor& key : PortKeys()) {
        if (key.Type == KeyType::DateTime)
            key.Date(g) = DateOf(key, profile.ReadString(section, key.Name, "")).value_or(0.0);
    }
    if (g.TotalConnectReset == 0)
        g.TotalConnectReset = g.ConnectResetLoggerTimeRef != 0 ? g.ConnectResetLoggerTimeRef : ctx.Clock.Now();
    if (g.ConnectResetLoggerTimeRef == 0)
        g.ConnectResetLoggerTimeRef = ctx.Clock.Now();
}

bool WriteSettings(TGVar& g, platform::ProfileFile& profile)
{
    if (g.Port == 0)
        return true;
    const KeyDescriptor& editor = MainKey(EditorNameKey);
    if (!profile.WriteString(MainSection, editor.WriteName, IniText(editor.Text(g))))
        return false;

    if (std::abs(g.NewOrientation) == 6)
        g.NewOrientation = 3;
    HoldToRanges(g);
    if (g.ConnectResetLoggerEvent == 0)
        g.ConnectResetLoggerTimeRef = 0;

    const std::string section = PortSection(g.Port);
    for (const KeyDescriptor& key : PortKeys()) {
        std::string value;
        switch (key.Type) {
        case KeyType::Flag:
        case KeyType::Int:
            value = std::to_string(key.Int(g));
            break;
        case KeyType::Uint:
        case KeyType::Colour:
            value = std::to_string(key.Uint(g));
            break;
        case KeyType::Style:
            value.assign(1, key.Style(g) ? '1' : '0');
            break;
        case KeyType::Text:
            value = IniText(key.Text(g));
            break;
        case KeyType::DateTime:
            value = FormatIniDateTime(key.Date(g));
            break;
        }
        if (!profile.WriteString(section, key.WriteName, value))
            return false;
    }
    return true;
}

void ReportUnableToWrite(TGVar& g, platform::ProfileFile& profile, platform::MessageBoxes& boxes)
{
    ShowModalBox(g, boxes, UnableToWriteText + profile.Path(), platform::MbButtons::Ok, platform::MbIcon::Error);
}

bool SaveSettingsAtExit(TGVar& g, platform::ProfileFile& profile, platform::MessageBoxes& boxes)
{
    bool ok = true;
    if (g.Port != 0)
        ok = profile.WriteString(MainSection, MainKey(DefaultPortKey).WriteName, std::to_string(g.Port));
    ok = ok && WriteSettings(g, profile);
    ok = ok && profile.WriteString(MainSection, MainKey(ShowLogoKey).WriteName, std::to_string(g.ShowLogoAtStartup));
    if (!ok)
        ReportUnableToWrite(g, profile, boxes);
    return ok;
}
