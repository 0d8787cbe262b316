// The global state record: every persistent setting (one field per INI
// key), the session-only settings and the run-time state the other
// subsystems keep. `Settings` is the live instance; the settings dialog
// keeps a second copy so that Cancel can undo its changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/serial.h"

// A font object: face name, size in points (negative: a pixel height),
// colour and style.
struct TFont {
    std::string Name;
    int32_t Size = 0;
    int32_t Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// The per-tick snapshot of the status lines and activity lamps.
struct TModemSignals {
    bool CTS = false;
    bool RTS = false;
    bool RI = false;
    bool PrevRI = false;
    bool CD = false;
    bool PrevCD = false;
    bool DSR = false;
    bool TD = false;
    bool RD = false;
    bool DTR = false;
    bool HS = false;
};

// The figures of the settings dialog's information page.
struct TConnStatus {
    uint32_t BytesOut{};        // the session's sent bytes, copied every tick
    uint32_t BytesIn{};         // the session's received bytes, copied every tick
    uint32_t ConnectionSpeed{}; // bps; 0 without carrier, else the last speed reported
    uint32_t RatioIn{};
    uint32_t RatioOut{};
    uint32_t AlignmentErrors{};
    uint32_t BufferOverrunErrors{};
    uint32_t CRCErrors{};
    uint32_t FramingErrors{};
    uint32_t HardwareOverrun{};
    uint32_t TimeoutErrors{};
    std::string ServerIP;
    std::string ClientIP;
    std::string DialedNumber;
};

// What the monitoring engine knows of the current connection.
struct TConnectionState {
    std::string SpeedText;      // "@ " speed " bps " ConnectionText; empty when unknown
    std::string ConnectionText; // the 'lights' program's connection text
    uint32_t LastRx{};          // received and sent totals of the last tick
    uint32_t LastTx{};
    uint32_t SessionRx{};       // bytes of the running session
    uint32_t SessionTx{};
    uint32_t GraphRx{};         // bytes since the throughput graph's last sample
    uint32_t GraphTx{};
    uint32_t WindowAccRx{};     // bytes since the speed window was last published
    uint32_t WindowAccTx{};
    uint32_t WindowRx{};        // bytes of the last complete speed window
    uint32_t WindowTx{};
    uint32_t LastWindowTick{};  // tick count when the speed window was published
    double LastActivity{};      // last moment with activity; 0 = none, always 0 without carrier
    double LastLabelTotal{};    // total shown last in the settings dialog's label
    TConnStatus Info;
};

// The resets of the total connect time pressed in the settings dialog on
// the port it opened with, which its Cancel takes back.
struct TDialogReset {
    int32_t Port{};   // the port the dialog opened with
    bool Pressed{};
    double Emptied{}; // the totals the presses emptied, added up
    double Since{};   // "TotalConnectReset" before the first press
    double At{};      // the last press
};

struct TGVar {
    // --- Persistent settings, "Lampwatcher: Main" ---
    int32_t DefaultPort{};
    int32_t ShowLogoAtStartup{};
    std::string EditorName;

    // --- Persistent settings, the per-port section ---
    int32_t AskFirstAutoLaunchProgCDHigh{};
    int32_t AskFirstAutoLaunchProgCDLow{};
    int32_t AskFirstAutoRun{};
    int32_t AutoRun{};
    int32_t AutoRunCDHigh{};
    int32_t AutoRunCDLow{};
    int32_t AutoRunCDInhibit{};
    int32_t AutoMaximize{};
    int32_t AutoTimedDisconnectActive{};
    uint32_t AutoTimedDisconnectHours{};
    uint32_t AutoTimedDisconnectMinutes{};
    uint32_t BackgroundColor{};
    uint32_t CDHighDelay{};
    uint32_t CDLowDelay{};
    int32_t CloseAfterOK{};
    int32_t ConnectResetLoggerEvent{};
    int32_t CDAutoExit{};
    uint32_t CDAutoExitDelay{};
    uint32_t DCDInterval{};
    int32_t LogDCD{};
    int32_t DisplayConnectTime{};
    int32_t DisplayConnectTimeInTitlebar{};
    int32_t DisplayTotalConnectTimeInDisplay{};
    int32_t DisplayTotalConnectTimeInTitlebar{};
    int32_t DisconnectIfInactive{};
    uint32_t DisconnectTimeIfInactive{};
    uint32_t DisconnectTimeIfInactiveSeconds{};
    int32_t DUNLights{};
    int32_t DUNRegistry{};
    int32_t DUNRunConnectoid{};
    int32_t InitModem{};
    int32_t LampLook{};
    int32_t LampLookTitle{};
    uint32_t LightColorOff{};
    uint32_t LightColorOn{};
    uint32_t LightThroughputBackground{};
    uint32_t LightThroughputRD{};
    uint32_t LightThroughputTD{};
    int32_t RDTDSpeedUpdate{};
    uint32_t FontTitlebarBackgroundColor{};
    int32_t KeyboardLights_CD{};
    int32_t KeyboardLights_RD{};
    int32_t KeyboardLights_TD{};
    int32_t SPYSpeedInDisplay{};
    int32_t LogTransmitDisp{};
    uint32_t NegotiationDelay{};
    int32_t NoDirectHardwareAcesss{};
    int32_t NoTitleBar{};
    int32_t NoVxd{};
    int32_t OnTop{};
    int32_t NewOrientation{};
    int32_t OrientationTitle{};
    int32_t ConnectPlaySound{};
    int32_t DisconnectPlaySound{};
    int32_t RIPlaySound{};
    int32_t WarnInactivePlaySound{};
    int32_t WindowPositionX{};
    int32_t WindowPositionY{};
    int32_t ThroughputWindowPositionX{};
    int32_t ThroughputWindowPositionY{};
    int32_t Powerdown{};
    int32_t AlternativeMethodForRD{};
    int32_t RAS{};
    int32_t LogRI{};
    int32_t RNAAPP{};
    int32_t RunLights{};
    int32_t SetupActivePage{};
    uint32_t AutoDelayTitle{};
    int32_t StatusInDisplay{};
    uint32_t TextColor{};
    int32_t Throughput{};
    int32_t ThroughputInDisplay{};
    int32_t ThroughputInDisplayHeigth{};
    int32_t ThroughputDataInWindow{};
    uint32_t ThroghputUpdateSpeed{};
    int32_t TimerInterval{};
    int32_t Title{};
    int32_t TitleBarOffset{};
    int32_t TitleBarOffsetT{};
    int32_t LogTotalBytes{};
    int32_t ShowTrayIcon{};
    int32_t TriggerRD{};
    int32_t TScalingSet{};
    int32_t TScalingValue{};
    int32_t TScalingPredefined{};
    int32_t WarnWhenExiting{};
    int32_t WarnIfInactive{};
    uint32_t WarnTimeIfInactive{};
    uint32_t WarnTimeIfInactiveSeconds{};
    int32_t WindowSizeX{};
    int32_t WindowSizeY{};
    uint32_t TWindowSizeX{};
    uint32_t TWindowSizeY{};
    int32_t WinModem{};
    std::string AutoRunProgram;
    std::string AutoRunProgramCDHigh;
    std::string AutoRunProgramCDLow;
    double ConnectResetLoggerTimeRef{};
    std::string ConnectSound;
    std::string DisconnectSound;
    std::string DUNRegistryName;
    std::string DUNRunConnectoidName;
    std::string ModemInitString;
    std::string ModemLogName;
    std::string RISound;
    double TotalConnectNew{};
    double TotalConnectReset{};
    std::string WarnInactiveSound;

    // The two font objects of the display and of the title-bar strip (their
    // GDI fonts live with the system side, platform/fonts.h).
    TFont DisplayFont;
    TFont TitleFont;

    // --- Session-only settings ---
    int32_t Port{};                  // monitored port 1-8; 0 = none chosen yet
    int32_t CommandLinePort{};       // -99 none given, -89 invalid, else 1-8
    int32_t AutoCheck{};             // "-AUTOCHECK" was given
    std::array<int32_t, 8> PortAvailable{};
    int32_t ScheduledDisconnectActive{};
    double ScheduledDisconnectTime{};
    TDialogReset DialogReset;        // the settings dialog's resets of the total, for its Cancel
    int32_t RealNoTitleBar{};        // "No Title Bar" set aside while the settings dialog shows the caption

    // --- Run-time state ---
    int32_t OsKind{};                // 0 Windows 95/98/ME, 4 NT 4, 5 Windows 2000
    std::array<uint16_t, 8> PortBaseTable{}; // UART base address of COM1-COM8
    std::string HelpFile;
    double ProgramStartTime{};
    double ConnectStart{};           // counted into the total connect time from here
    int32_t RnaappNewer{};           // 1 RNAAPP.EXE after 1 September 1995, 2 on or before, 0 none
    int32_t LightsAvailable{};       // LIGHTS.EXE of exactly 21248 bytes
    int32_t LightsPresent{};         // LIGHTS!.EXE exists
    platform::LineSettings LineSettings{};
    TModemSignals ModemSignals;
    TModemSignals PreviousSignals;
    TConnectionState ConnectionState;

    // Poll tick state.
    bool PortPresent = true;         // false when the last direct status read gave 0xFFFF
    double LastClockRepaint{};       // the last repaint caused by a shown clock
    uintptr_t LightsDevice{};        // the 'lights' program's device handle; 0 = none
    double CdHighTime{};             // when the CD-high launch was armed; 0 = not armed
    double CdLowTime{};              // when the CD-low launch was armed; 0 = not armed
    bool ActivityRestore{};          // activity in this tick asks for a restore from the tray

    // Detection methods' state between ticks.
    uintptr_t LightsProcess{};       // the 'lights' program's process handle; 0 = none
    std::string LightsText;          // the 'lights' program's connection text
    uint32_t RxBaseline{};           // raw counts at the last tick without carrier
    uint32_t TxBaseline{};           //   (registry and RAS methods)
    int32_t RnaappFound{};           // BLIDLL found the dial-up application
    int32_t RnaappWindow{};          // its window and process handles, as BLIDLL fills them in
    int32_t RnaappProcess{};

    // Event actions.
    int32_t RingCount{};             // 0 no call counted; else the current call's rings + 1
    double LastRingTime{};           // the current call's latest ring
    int32_t DcdLogState{};           // 0 idle, 1 connected but not logged, 2 connect part written
    bool OnTopActive{};              // "OnTop" 2 wants the window on top now
    double OnTopTime{};              // the on-top rule's last activity

    // Inactivity rules.
    bool DisconnectBusy{};           // the inactivity disconnect's message shows
    bool WarnBusy{};                 // the inactivity warning's question shows

    // Armed at a disconnect.
    bool AutoExitPending{};          // the automatic exit after a disconnect is armed
    double AutoExitStart{};          // since when
    bool TimedDisconnectDone{};      // the connect-time disconnect fired in this session

    int32_t FirstRunRequest{};
    int32_t RasPageRequest{};        // the settings dialog opens on its RAS page (NT/2000)
    int32_t ThroughputPageRequest{}; // the settings dialog opens on "Throughput Display"
    bool MinimisedStart{};           // started with SW_SHOWMINNOACTIVE; forgotten at the first minimise
    int32_t ModalActive{};
    int32_t SetupDialogOpen{};
    int32_t ClosingState{};          // 0 running, -1 closing, 1 closed
    std::string ActiveConnectionName; // entry of the RAS connection dialled or watched; empty when none

    // Display requests.
    bool RepaintRequested{};
    bool ReloadPictures{};
    bool ReloadTitlePictures{};
    bool DisplayResized{};
    bool GraphRepaintRequested{};
    int32_t GraphMode{};
};

extern TGVar Settings;

// OS kinds.
constexpr int32_t OsWin9x = 0;
constexpr int32_t OsNT4 = 4;
constexpr int32_t OsWin2000 = 5;
