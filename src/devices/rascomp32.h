// TRAS: Blinkery's window on dial-up networking. Loads RASAPI32.DLL at run
// time; enumerates phone-book entries, devices and active connections;
// reads and edits entries; dials asynchronously with progress through
// events and a status text; hangs up; reads the connection's IP addresses
// and the dial-up adapter's statistics.
//
// Operations that return an integer return the RAS or Windows result code
// and keep it in LastError (0 = success); after a failure StatusStr holds
// the text to show.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "devices/ras_connection_list.h"
#include "devices/ras_records.h"
#include "platform/message_pump.h"
#include "platform/ras_api.h"
#include "platform/stat_data.h"

namespace devices {

inline constexpr int32_t kRasDllNotFound = 1157;      // ERROR_DLL_NOT_FOUND
inline constexpr int32_t kRasInvalidHandle = 6;       // ERROR_INVALID_HANDLE
inline constexpr int32_t kRasNoConnection = 601;      // the answer of GetConnectStatus without a connection
inline constexpr uint32_t kRasBufferTooSmall = 603;   // ERROR_BUFFER_TOO_SMALL
inline constexpr uint32_t kRegistryMoreData = 234;    // ERROR_MORE_DATA
inline constexpr uint16_t kRasConnected = 0x2000;     // RASCS_Connected
inline constexpr uint16_t kRasDisconnected = 0x2001;  // RASCS_Disconnected
inline constexpr uint16_t kRasNothingReported = 9999; // SavedState before the first report
inline constexpr uint32_t kRasDialEventFallback = 0xCCCD;
inline constexpr uint32_t kRasNotifierWindow = 0xFFFFFFFF;
inline constexpr std::string_view kRasDialEventName = "RASDialEvent";
inline constexpr std::string_view kRasApiLibrary = "RASAPI32.DLL";
inline constexpr std::string_view kRasPhoneBookLibrary = "RNAPH.DLL";
inline constexpr std::string_view kRasNotAvailableText = "RASAPI32.DLL Not Available";

// The RAS functions loaded at run time, shared by every TRAS and by the
// code that calls RAS directly (the statistics of Windows 2000, the 9x
// hang-up). 0 = not loaded.
struct TRasEntryPoints {
    platform::RasEntry RasDialA = 0;
    platform::RasEntry RasEnumConnectionsA = 0;
    platform::RasEntry RasEnumEntriesA = 0;
    platform::RasEntry RasGetConnectStatusA = 0;
    platform::RasEntry RasGetErrorStringA = 0;
    platform::RasEntry RasHangUpA = 0;
    platform::RasEntry RasGetEntryDialParamsA = 0;
    platform::RasEntry RasSetEntryDialParamsA = 0;
    platform::RasEntry RasMonitorDlgA = 0;
    platform::RasEntry RasEditPhonebookEntryA = 0;
    platform::RasEntry RasCreatePhonebookEntryA = 0;
    platform::RasEntry RasGetProjectionInfoA = 0;
    // The extended API: RASAPI32.DLL when it has "RasGetCountryInfoA", else RNAPH.DLL.
    platform::RasEntry RasGetCountryInfoA = 0;
    platform::RasEntry RasGetEntryPropertiesA = 0;
    platform::RasEntry RasSetEntryPropertiesA = 0;
    platform::RasEntry RasRenameEntryA = 0;
    platform::RasEntry RasDeleteEntryA = 0;
    platform::RasEntry RasValidateEntryNameA = 0;
    platform::RasEntry RasEnumDevicesA = 0;
    platform::RasEntry RasGetConnectionStatistics = 0;
};
extern TRasEntryPoints RasEntryPoints;

struct RasEntryPointName {
    std::string_view Name;
    platform::RasEntry TRasEntryPoints::*Slot;
};
extern const std::array<RasEntryPointName, 12> kRasApiEntryPoints;
extern const std::array<RasEntryPointName, 8> kRasExtendedEntryPoints;

// The buffer for the NT performance data: it grows by 1024 bytes whenever
// the registry asks for more and keeps its size for later reads.
inline constexpr uint32_t kPerfDataInitialSize = 8192;
extern uint32_t PerfDataBufferSize;

class TRAS;
using TNotifyEvent = std::function<void(TRAS& Sender)>;
using TRasStateEvent = std::function<void(TRAS& Sender, int32_t Error, const std::string& ErrorString)>;

class TRAS final : private platform::RasWindowClient {
public:
    // platformId: 0 Win32s, 1 Windows 95/98/ME, 2 Windows NT (the system's
    // version platform). The statistics are read from statData on Windows
    // 95/98/ME and from the performance data on Windows NT. The pump keeps
    // the program alive while Disconnect and ReadStatistics wait.
    TRAS(platform::RasApi& api, platform::RasWindows& windows, platform::DialUpStatistics& statistics,
         platform::StatDataKey& statData, platform::MessagePump& pump, uint32_t platformId);
    ~TRAS() override;
    TRAS(const TRAS&) = delete;
    TRAS& operator=(const TRAS&) = delete;

    // --- Properties
    std::string EntryName;
    std::string PhoneNumber;
    const std::string& PhoneBookPath() const { return phoneBookPath_; }
    void SetPhoneBookPath(const std::string& path); // runs EnumEntries
    std::string CallbackNumber;
    std::string UserName;
    std::string Password;
    int32_t RedialAttempts = 1;
    std::string Domain;
    std::string DeviceType;
    std::string DeviceName;
    std::string DevicePort;
    const std::string& ClientIP() const { return clientIP_; }
    const std::string& ServerIP() const { return serverIP_; }
    int32_t StatsXmit() const { return statsXmit_; }
    int32_t StatsRecv() const { return statsRecv_; }
    int32_t StatsConn() const { return statsConn_; }
    int32_t LastError() const { return lastError_; }
    uint32_t RASConn = 0;
    uint16_t ConnectState = 0;
    uint16_t SavedState() const { return savedState_; }
    uint16_t ConnectError() const { return connectError_; }
    std::string StatusStr;
    const std::string& CurConnName() const { return curConnName_; }
    uint32_t NumConns() const { return numConns_; }
    uint32_t CurRASConn() const { return curRASConn_; }
    const std::string& PhoneCanonical() const { return phoneCanonical_; }
    const std::string& DialedNumber() const { return dialedNumber_; }
    std::string KeyDUNAdap = "Dial-Up Adapter";
    std::string KeyDUNConn = "ConnectSpeed";
    std::string KeyDUNXmit = "TotalBytesXmit";
    std::string KeyDUNRecv = "TotalBytesRecvd";
    uint32_t CompressionRatioIn = 0;
    uint32_t CompressionRatioout = 0;
    uint32_t AlignmentErr = 0;
    uint32_t BufferOverrunErr = 0;
    uint32_t CrcErr = 0;
    uint32_t HardwareOverrunErr = 0;
    uint32_t TimeoutErr = 0;

    // --- Events
    TNotifyEvent OnStateChanged;
    TNotifyEvent OnConnect;
    TRasStateEvent OnDisconnect;
    TNotifyEvent OnCallBack;
    TNotifyEvent OnAboutToOpenPort;
    TNotifyEvent OnPortOpened;
    TNotifyEvent OnAboutToConnDev;
    TNotifyEvent OnDevConnected;
    TNotifyEvent OnAllDevsConnected;
    TNotifyEvent OnAuthenticate;
    TNotifyEvent OnAuthNotify;
    TNotifyEvent OnAuthRetry;
    TNotifyEvent OnAuthCallBack;
    TNotifyEvent OnAuthChangePassword;
    TNotifyEvent OnAuthProject;
    TNotifyEvent OnAuthLinkSpeed;
    TNotifyEvent OnAuthAck;
    TNotifyEvent OnReAuthenticate;
    TNotifyEvent OnAuthenticated;
    TNotifyEvent OnPrepareforCallback;
    TNotifyEvent OnWaitForModemReset;
    TNotifyEvent OnInteractiveStarted;
    TNotifyEvent OnRetryAuth;
    TNotifyEvent OnPasswordExpired;

    // --- Lists
    std::vector<std::string> PhoneBookEntries;
    TConnectionList Connections;
    std::vector<std::string> DeviceTypes; // one row per device in the three lists
    std::vector<std::string> DevicePorts;
    std::vector<std::string> DeviceNames;

    // --- Operations
    bool LoadRasApi();
    bool RasAvailable();
    int32_t GetDialParams();
    int32_t GetEntryProperties();
    int32_t EditPhonebookEntry();
    int32_t CreatePhonebookEntry();
    int32_t DeleteEntry();
    int32_t ValidateEntryName(const std::string& name);
    int32_t RenameEntry(const std::string& newName);
    int32_t DialEntry();
    int32_t Dial();
    int32_t HangUp();
    int32_t Disconnect();
    void ReleaseConnection();
    int32_t EnumConnections();
    void SelectConnection(int32_t index);
    int32_t GetConnectStatus();
    std::string GetStatusText();
    std::string GetStateText();
    int32_t GetIPAddresses();
    int32_t EnumEntries();
    int32_t EnumDevices();
    std::string GetErrorString(int32_t code);
    void ResetStatistics();
    bool ReadStatistics();

    // The notification window's messages (dial progress).
    intptr_t NotifyWndProc(platform::WindowHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    // The identifier of the dial-progress message, as registered.
    uint32_t DialEventMessage() const { return dialEventMessage_; }
    // The notification window; 0 while there is none.
    platform::WindowHandle NotifyWindow() const { return notifyWindow_; }

private:
    using EntrySlot = platform::RasEntry TRasEntryPoints::*;
    bool Usable(EntrySlot entry);
    bool UsableExtended(EntrySlot entry);
    int32_t Finish(uint32_t result);
    void ReleaseNotifyWindow();
    void DoStateChanged();
    void FireStateEvent(uint16_t state);
    void FireDisconnect();
    void FillDialParams();
    const char* PhoneBookOrNone() const;
    bool ReadStatistics9x();
    bool ReadStatisticsNT();

    platform::RasApi& api_;
    platform::RasWindows& windows_;
    platform::DialUpStatistics& statistics_;
    platform::StatDataKey& statData_;
    platform::MessagePump& pump_;
    const uint32_t platformId_;

    platform::RasLibrary library_ = 0;
    platform::RasLibrary extendedLibrary_ = 0;
    bool loaded_ = false;
    bool extended_ = false;
    RasDialParamsRecord dialParams_{};
    platform::WindowHandle notifyWindow_ = 0;
    uint32_t dialEventMessage_ = 0;
    uint32_t rawXmit_ = 0;
    uint32_t rawRecv_ = 0;
    uint32_t xmitBaseline_ = 0;
    uint32_t recvBaseline_ = 0;

    std::string phoneBookPath_;
    std::string clientIP_;
    std::string serverIP_;
    int32_t statsXmit_ = 0;
    int32_t statsRecv_ = 0;
    int32_t statsConn_ = 0;
    int32_t lastError_ = 0;
    uint16_t savedState_ = kRasNothingReported;
    uint16_t connectError_ = 0;
    std::string curConnName_;
    uint32_t numConns_ = 0;
    uint32_t curRASConn_ = 0;
    std::string phoneCanonical_;
    std::string dialedNumber_;
};

// A device-name field split into name and port: RAS on Windows 95/98/ME
// stores "name NUL port" in one field.
struct DeviceNameParts {
    std::string Name;
    std::string Port;
    bool Split = false; // a NUL separated the two
};
DeviceNameParts SplitDeviceName(const char* field, size_t size);

} // namespace devices
