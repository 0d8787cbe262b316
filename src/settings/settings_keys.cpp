#include "settings/settings_keys.h"

#include "settings/ini_values.h"

namespace {

// Window sizes: coordinates on Windows 95 and 98 are 16-bit.
constexpr int32_t MaxWindowSize = 32767;
// The largest font size the font dialog takes, in points.
constexpr int32_t MaxFontSize = 1638;
// Ticks per second: from 2000 on the rounded period is 0 ms, no ticks.
constexpr int32_t MaxTicksPerSecond = 1000;
// Tenths of a second between graph columns, as the dialog allows; the
// timer period is a hundred times that in milliseconds.
constexpr int32_t MaxGraphTenths = 10000;
// Date-times with a calendar date: 1 January 0001 to 31 December 9999.
constexpr int32_t FirstDay = -693593;
constexpr int32_t LastDay = 2958465;

using IntField = int32_t& (*)(TGVar&);
using UintField = uint32_t& (*)(TGVar&);
using DateField = double& (*)(TGVar&);
using TextField = std::string& (*)(TGVar&);
using StyleField = bool& (*)(TGVar&);

constexpr KeyDescriptor Number(std::string_view name, std::string_view writeName, KeyType type, KeyDefault kind,
                               int32_t def, FieldRef field)
{
    return {name, writeName, type, kind, def, {}, field};
}

constexpr KeyDescriptor Flag(std::string_view name, int32_t def, IntField f)
{
    return Number(name, name, KeyType::Flag, KeyDefault::Value, def, f);
}
constexpr KeyDescriptor Flag(std::string_view name, std::string_view writeName, int32_t def, IntField f)
{
    return Number(name, writeName, KeyType::Flag, KeyDefault::Value, def, f);
}
constexpr KeyDescriptor Int(std::string_view name, int32_t def, IntField f)
{
    return Number(name, name, KeyType::Int, KeyDefault::Value, def, f);
}
constexpr KeyDescriptor Int(std::string_view name, KeyDefault kind, IntField f)
{
    return Number(name, name, KeyType::Int, kind, 0, f);
}
constexpr KeyDescriptor Within(KeyDescriptor key, int32_t min, int32_t max)
{
    key.Min = min;
    key.Max = max;
    return key;
}
// Unsigned values are written as read: never above INT32_MAX.
constexpr KeyDescriptor Uint(std::string_view name, int32_t def, UintField f)
{
    return Within(Number(name, name, KeyType::Uint, KeyDefault::Value, def, f), 0, INT32_MAX);
}
constexpr KeyDescriptor Colour(std::string_view name, int32_t def, UintField f)
{
    return Within(Number(name, name, KeyType::Colour, KeyDefault::Value, def, f), 0, INT32_MAX);
}
constexpr KeyDescriptor Colour(std::string_view name, KeyDefault kind, UintField f)
{
    return Within(Number(name, name, KeyType::Colour, kind, 0, f), 0, INT32_MAX);
}
constexpr KeyDescriptor Style(std::string_view name, StyleField f)
{
    return Number(name, name, KeyType::Style, KeyDefault::Value, 0, f);
}
constexpr KeyDescriptor Text(std::string_view name, std::string_view def, TextField f)
{
    return {name, name, KeyType::Text, KeyDefault::Value, 0, def, f};
}
constexpr KeyDescriptor Date(std::string_view name, DateField f)
{
    return Within(Number(name, name, KeyType::DateTime, KeyDefault::Value, 0, f), FirstDay, LastDay);
}

#define FIELD(member) [](TGVar& g) -> auto& { return g.member; }

const KeyDescriptor KeyTable[] = {
    Int("Default Port", 0, FIELD(DefaultPort)),
    Flag("Show Logo at Startup", 1, FIELD(ShowLogoAtStartup)),
    Text("EditorName", "", FIELD(EditorName)),
    Flag("AskFirstAutoLaunchProgCDHigh", 0, FIELD(AskFirstAutoLaunchProgCDHigh)),
    Flag("AskFirstAutoLaunchProgCDLow", 0, FIELD(AskFirstAutoLaunchProgCDLow)),
    Flag("AskFirstAutoRun", 0, FIELD(AskFirstAutoRun)),
    Flag("Auto Run", 0, FIELD(AutoRun)),
    Flag("Auto Run CD High", "Auto Run CD high", 0, FIELD(AutoRunCDHigh)),
    Flag("Auto Run CD Low", "Auto Run CD low", 0, FIELD(AutoRunCDLow)),
    Flag("Auto Run CD Inhibit", 0, FIELD(AutoRunCDInhibit)),
    Flag("AutoMaximize", 0, FIELD(AutoMaximize)),
    Flag("AutoTimedDisconnectActive", 0, FIELD(AutoTimedDisconnectActive)),
    Uint("AutoTimedDisconnectHours", 1, FIELD(AutoTimedDisconnectHours)),
    Uint("AutoTimedDisconnectMinutes", 0, FIELD(AutoTimedDisconnectMinutes)),
    Colour("BackgroundColor", 0xC0C0C0, FIELD(BackgroundColor)),
    Uint("CD High Delay", 5, FIELD(CDHighDelay)),
    Uint("CD Low Delay", 5, FIELD(CDLowDelay)),
    Flag("CloseAfterOK", 0, FIELD(CloseAfterOK)),
    Int("ConnectResetLoggerEvent", 0, FIELD(ConnectResetLoggerEvent)),
    Flag("CD Auto Exit", 0, FIELD(CDAutoExit)),
    Uint("CD Auto Exit Delay", 30, FIELD(CDAutoExitDelay)),
    Uint("DCD Interval", 30, FIELD(DCDInterval)),
    Flag("Log DCD", 0, FIELD(LogDCD)),
    Flag("Display connect time", 0, FIELD(DisplayConnectTime)),
    Flag("Display connect time in Titlebar", 0, FIELD(DisplayConnectTimeInTitlebar)),
    Flag("Display total connect time in Display", 0, FIELD(DisplayTotalConnectTimeInDisplay)),
    Flag("Display total connect time in Titlebar", 0, FIELD(DisplayTotalConnectTimeInTitlebar)),
    Flag("Disconnect if Inactive", 0, FIELD(DisconnectIfInactive)),
    Uint("Disconnect time if Inactive", 1, FIELD(DisconnectTimeIfInactive)),
    Uint("Disconnect time if Inactive, Seconds", 0, FIELD(DisconnectTimeIfInactiveSeconds)),
    Flag("DUNLights", 0, FIELD(DUNLights)),
    Flag("DUNRegistry", 0, FIELD(DUNRegistry)),
    Flag("DUNRunConnectoid", 0, FIELD(DUNRunConnectoid)),
    Flag("InitModem", 0, FIELD(InitModem)),
    Int("LampLook", 1, FIELD(LampLook)),
    Int("LampLookTitle", 0, FIELD(LampLookTitle)),
    Colour("LightColorOff", 0x828282, FIELD(LightColorOff)),
    Colour("LightColorOn", 0x0000FF, FIELD(LightColorOn)),
    Colour("LightThroughputBackground", 0xEBFEFE, FIELD(LightThroughputBackground)),
    Colour("LightThroughputRD", 0x00FF00, FIELD(LightThroughputRD)),
    Colour("LightThroughputTD", 0x0000FF, FIELD(LightThroughputTD)),
    Int("RD/TD Speed Update", 5, FIELD(RDTDSpeedUpdate)),
    Within(Int("Font Size SPY", 10, FIELD(DisplayFont.Size)), -MaxFontSize, MaxFontSize),
    Int("Font Color Titlebar", KeyDefault::CaptionTextColour, FIELD(TitleFont.Color)),
    Within(Int("Font Size Titlebar", 0, FIELD(TitleFont.Size)), -MaxFontSize, MaxFontSize),
    Colour("FontTitlebarBackgroundColor", KeyDefault::ActiveCaptionColour, FIELD(FontTitlebarBackgroundColor)),
    Int("KeyboardLights_CD", 0, FIELD(KeyboardLights_CD)),
    Int("KeyboardLights_RD", 0, FIELD(KeyboardLights_RD)),
    Int("KeyboardLights_TD", 0, FIELD(KeyboardLights_TD)),
    Flag("SPY Speed in Display", 0, FIELD(SPYSpeedInDisplay)),
    Flag("LogTransmitDisp", 0, FIELD(LogTransmitDisp)),
    Uint("Negotiation Delay", 0, FIELD(NegotiationDelay)),
    Flag("No Direct Hardware Acesss", 0, FIELD(NoDirectHardwareAcesss)),
    Flag("No Title Bar", 0, FIELD(NoTitleBar)),
    Flag("NoVxd", 0, FIELD(NoVxd)),
    Int("OnTop", 0, FIELD(OnTop)),
    Int("NewOrientation", 3, FIELD(NewOrientation)),
    Int("Orientation Title", 3, FIELD(OrientationTitle)),
    Int("ConnectPlaySound", 0, FIELD(ConnectPlaySound)),
    Int("DisconnectPlaySound", 0, FIELD(DisconnectPlaySound)),
    Int("RIPlaySound", 0, FIELD(RIPlaySound)),
    Int("WarnInactivePlaySound", 0, FIELD(WarnInactivePlaySound)),
    Int("Window Position X", KeyDefault::HalfWorkWidth, FIELD(WindowPositionX)),
    Int("Window Position Y", KeyDefault::HalfWorkHeight, FIELD(WindowPositionY)),
    Int("Throughput Window Position X", KeyDefault::HalfWorkWidth, FIELD(ThroughputWindowPositionX)),
    Int("Throughput Window Position Y", KeyDefault::HalfWorkHeight, FIELD(ThroughputWindowPositionY)),
    Flag("Powerdown", 0, FIELD(Powerdown)),
    Flag("Alternative method for RD", 0, FIELD(AlternativeMethodForRD)),
    Flag("RAS", 0, FIELD(RAS)),
    Flag("Log RI", 0, FIELD(LogRI)),
    Int("RNAAPP", -1, FIELD(RNAAPP)),
    Flag("Run Lights", 0, FIELD(RunLights)),
    Int("SetupActivePage", 0, FIELD(SetupActivePage)),
    Uint("AutoDelay Title", 60, FIELD(AutoDelayTitle)),
    Flag("Status in Display", 0, FIELD(StatusInDisplay)),
    Colour("TextColor", 0x000000, FIELD(TextColor)),
    Int("Throughput", 0, FIELD(Throughput)),
    Flag("ThroughputInDisplay", 0, FIELD(ThroughputInDisplay)),
    Int("ThroughputInDisplayHeigth", 50, FIELD(ThroughputInDisplayHeigth)),
    Flag("ThroughputDataInWindow", 0, FIELD(ThroughputDataInWindow)),
    Within(Uint("ThroghputUpdateSpeed", 10, FIELD(ThroghputUpdateSpeed)), 0, MaxGraphTenths),
    Within(Int("Timer Interval", 18, FIELD(TimerInterval)), INT32_MIN, MaxTicksPerSecond),
    Int("Title", 0, FIELD(Title)),
    Int("TitleBar Offset", 0, FIELD(TitleBarOffset)),
    Int("TitleBar OffsetT", 0, FIELD(TitleBarOffsetT)),
    Flag("Log total bytes", 0, FIELD(LogTotalBytes)),
    Flag("ShowTrayIcon", 0, FIELD(ShowTrayIcon)),
    Flag("Trigger RD", 0, FIELD(TriggerRD)),
    Int("TScalingSet", 0, FIELD(TScalingSet)),
    Int("TScalingValue", 28800, FIELD(TScalingValue)),
    Int("TScalingPredefined", 28800, FIELD(TScalingPredefined)),
    Flag("Warn when Exiting", 0, FIELD(WarnWhenExiting)),
    Flag("Warn if Inactive", 0, FIELD(WarnIfInactive)),
    Uint("Warn time if Inactive", 1, FIELD(WarnTimeIfInactive)),
    Uint("Warn time if Inactive, Seconds", 0, FIELD(WarnTimeIfInactiveSeconds)),
    Within(Int("WindowSizeX", 0, FIELD(WindowSizeX)), 0, MaxWindowSize),
    Within(Int("WindowSizeY", 80, FIELD(WindowSizeY)), 0, MaxWindowSize),
    Within(Uint("TWindowSizeX", 100, FIELD(TWindowSizeX)), 0, MaxWindowSize),
    Within(Uint("TWindowSizeY", 50, FIELD(TWindowSizeY)), 0, MaxWindowSize),
    Flag("WinModem", 0, FIELD(WinModem)),
    Style("FontBold", FIELD(DisplayFont.Bold)),
    Style("FontItalic", FIELD(DisplayFont.Italic)),
    Style("FontUnderline", FIELD(DisplayFont.Underline)),
    Style("FontStrikeOut", FIELD(DisplayFont.StrikeOut)),
    Style("FontTitlebarBold", FIELD(TitleFont.Bold)),
    Style("FontTitlebarItalic", FIELD(TitleFont.Italic)),
    Style("FontTitlebarUnderline", FIELD(TitleFont.Underline)),
    Style("FontTitlebarStrikeOut", FIELD(TitleFont.StrikeOut)),
    Text("Auto Run Program", "", FIELD(AutoRunProgram)),
    Text("Auto Run Program CD High", "", FIELD(AutoRunProgramCDHigh)),
    Text("Auto Run Program CD Low", "", FIELD(AutoRunProgramCDLow)),
    Date("ConnectResetLoggerTimeRef", FIELD(ConnectResetLoggerTimeRef)),
    Text("ConnectSound", "", FIELD(ConnectSound)),
    Text("DisconnectSound", "", FIELD(DisconnectSound)),
    Text("DUNRegistryName", "", FIELD(DUNRegistryName)),
    Text("DUNRunConnectoidName", "", FIELD(DUNRunConnectoidName)),
    Text("Font Style SPY", "Arial", FIELD(DisplayFont.Name)),
    Text("Font Style Titlebar", "", FIELD(TitleFont.Name)),
    Text("ModemInitString", "", FIELD(ModemInitString)),
    Text("ModemLogName", "", FIELD(ModemLogName)),
    Text("RISound", "", FIELD(RISound)),
    Within(Date("TotalConnectNew", FIELD(TotalConnectNew)), 0, LastDay),
    Date("TotalConnectReset", FIELD(TotalConnectReset)),
    Text("WarnInactiveSound", "", FIELD(WarnInactiveSound)),
};

#undef FIELD

constexpr size_t MainKeyCount = 3;

} // namespace

std::span<const KeyDescriptor> MainKeys()
{
    return std::span(KeyTable).first(MainKeyCount);
}

std::span<const KeyDescriptor> PortKeys()
{
    return std::span(KeyTable).subspan(MainKeyCount);
}

const KeyDescriptor* KeyOf(TGVar& g, const void* field)
{
    for (const KeyDescriptor& key : std::span(KeyTable))
        if (std::visit([&](auto get) -> const void* { return &get(g); }, key.Field) == field)
            return &key;
    return nullptr;
}

namespace {

bool NumberInRange(const KeyDescriptor& key, int64_t value)
{
    return value >= key.Min && value <= key.Max;
}

// The last day counts with its time of day.
bool DateInRange(const KeyDescriptor& key, double value)
{
    return value >= key.Min && value < static_cast<double>(key.Max) + 1;
}

} // namespace

std::optional<int32_t> NumberOf(const KeyDescriptor& key, std::string_view text)
{
    const std::optional<int32_t> value = ParseIniInt(text);
    if (value && !NumberInRange(key, *value))
        return std::nullopt;
    return value;
}

std::optional<double> DateOf(const KeyDescriptor& key, std::string_view text)
{
    const std::optional<double> value = ParseIniDateTime(text);
    if (value && !DateInRange(key, *value))
        return std::nullopt;
    return value;
}

void HoldToRanges(TGVar& g)
{
    for (const KeyDescriptor& key : std::span(KeyTable)) {
        switch (key.Type) {
        case KeyType::Flag:
        case KeyType::Int:
            if (!NumberInRange(key, key.Int(g)))
                key.Int(g) = key.DefaultNumber;
            break;
        case KeyType::Uint:
        case KeyType::Colour:
            if (!NumberInRange(key, key.Uint(g)))
                key.Uint(g) = static_cast<uint32_t>(key.DefaultNumber);
            break;
        case KeyType::DateTime:
            if (!DateInRange(key, key.Date(g)))
                key.Date(g) = 0;
            break;
        case KeyType::Text:
        case KeyType::Style:
            break;
        }
    }
}
