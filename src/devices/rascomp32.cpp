#include "devices/rascomp32.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace devices {

TRasEntryPoints RasEntryPoints;
uint32_t PerfDataBufferSize = kPerfDataInitialSize;

const std::array<RasEntryPointName, 12> kRasApiEntryPoints = {{
    {"RasDialA", &TRasEntryPoints::RasDialA},
    {"RasEnumConnectionsA", &TRasEntryPoints::RasEnumConnectionsA},
    {"RasEnumEntriesA", &TRasEntryPoints::RasEnumEntriesA},
    {"RasGetConnectStatusA", &TRasEntryPoints::RasGetConnectStatusA},
    {"RasGetErrorStringA", &TRasEntryPoints::RasGetErrorStringA},
    {"RasHangUpA", &TRasEntryPoints::RasHangUpA},
    {"RasGetEntryDialParamsA", &TRasEntryPoints::RasGetEntryDialParamsA},
    {"RasSetEntryDialParamsA", &TRasEntryPoints::RasSetEntryDialParamsA},
    {"RasMonitorDlgA", &TRasEntryPoints::RasMonitorDlgA},
    {"RasEditPhonebookEntryA", &TRasEntryPoints::RasEditPhonebookEntryA},
    {"RasCreatePhonebookEntryA", &TRasEntryPoints::RasCreatePhonebookEntryA},
    {"RasGetProjectionInfoA", &TRasEntryPoints::RasGetProjectionInfoA},
}};

const std::array<RasEntryPointName, 8> kRasExtendedEntryPoints = {{
    {"RasGetCountryInfoA", &TRasEntryPoints::RasGetCountryInfoA},
    {"RasGetEntryPropertiesA", &TRasEntryPoints::RasGetEntryPropertiesA},
    {"RasSetEntryPropertiesA", &TRasEntryPoints::RasSetEntryPropertiesA},
    {"RasRenameEntryA", &TRasEntryPoints::RasRenameEntryA},
    {"RasDeleteEntryA", &TRasEntryPoints::RasDeleteEntryA},
    {"RasValidateEntryNameA", &TRasEntryPoints::RasValidateEntryNameA},
    {"RasEnumDevicesA", &TRasEntryPoints::RasEnumDevicesA},
    {"RasGetConnectionStatistics", &TRasEntryPoints::RasGetConnectionStatistics},
}};

namespace {

// The state each dial-progress state fires; OnDisconnect (0x2001) is fired
// on its own because it carries the status.
struct StateEvent {
    uint16_t State;
    TNotifyEvent TRAS::*Event;
};

const StateEvent kStateEvents[] = {
    {0, &TRAS::OnAboutToOpenPort},
    {1, &TRAS::OnPortOpened},
    {2, &TRAS::OnAboutToConnDev},
    {3, &TRAS::OnDevConnected},
    {4, &TRAS::OnAllDevsConnected},
    {5, &TRAS::OnAuthenticate},
    {6, &TRAS::OnAuthNotify},
    {7, &TRAS::OnAuthRetry},
    {8, &TRAS::OnAuthCallBack},
    {9, &TRAS::OnAuthChangePassword},
    {10, &TRAS::OnAuthProject},
    {11, &TRAS::OnAuthLinkSpeed},
    {12, &TRAS::OnAuthAck},
    {13, &TRAS::OnReAuthenticate},
    {14, &TRAS::OnAuthenticated},
    {15, &TRAS::OnPrepareforCallback},
    {16, &TRAS::OnWaitForModemReset},
    {17, &TRAS::OnCallBack},
    {0x1000, &TRAS::OnInteractiveStarted},
    {0x1001, &TRAS::OnRetryAuth},
    {0x1003, &TRAS::OnPasswordExpired},
    {kRasConnected, &TRAS::OnConnect},
};

struct StateText {
    uint16_t State;
    const char* Text;
};

const StateText kStateTexts[] = {
    {0, "Opening Serial Port"},
    {1, "Serial Port Opened"},
    {2, "Connecting/Dialling"},
    {3, "Connected/Answered"},
    {4, "Connected/Negotiation"},
    {5, "Validating User and Password"},
    {6, "Authentication Notification"},
    {8, "Authentication Call Back"},
    {10, "Projection Started"},
    {11, "Calculating Link speed"},
    {12, "Authentication acknowledged"},
    {13, "Reauthenticating"},
    {14, "Login Authenticated"},
    {15, "Preparing for Callback"},
    {16, "Waiting for Modem Reset"},
    {17, "Waiting for Callback"},
    {18, "Projection Completion"},
    {19, "Start Authentication"},
    {20, "Callback Complete"},
    {21, "Logon to Network"},
    {kRasConnected, "Connected/Online"},
    {kRasDisconnected, "Disconnected/Offline"},
};

// The wait between two status queries while a hang-up completes; the
// pump returns at once when a message arrives.
constexpr uint32_t kHangUpPollMs = 10;

} // namespace

TRAS::TRAS(platform::RasApi& api, platform::RasWindows& windows, platform::DialUpStatistics& statistics,
           platform::StatDataKey& statData, platform::MessagePump& pump, uint32_t platformId)
    : api_(api), windows_(windows), statistics_(statistics), statData_(statData), pump_(pump),
      platformId_(platformId)
{
    dialEventMessage_ = windows_.RegisterMessage(std::string(kRasDialEventName));
    if (dialEventMessage_ == 0)
        dialEventMessage_ = kRasDialEventFallback;
    ResetStatistics();
}

TRAS::~TRAS()
{
    // A connection this component still holds is hung up.
    if (RASConn != 0)
        HangUp();
    ReleaseNotifyWindow();
    if (extendedLibrary_ != 0 && extendedLibrary_ != library_)
        api_.Free(extendedLibrary_);
    if (loaded_ && library_ != 0)
        api_.Free(library_);
    if (platformId_ == 2)
        statistics_.ClosePerformanceData();
}

bool TRAS::LoadRasApi()
{
    if (!loaded_) {
        RasEntryPoints.RasDialA = 0;
        loaded_ = true;
        extended_ = false;
        library_ = api_.Load(std::string(kRasApiLibrary));
        if (library_ != 0) {
            for (const auto& e : kRasApiEntryPoints)
                RasEntryPoints.*e.Slot = api_.Find(library_, std::string(e.Name));
            extendedLibrary_ = library_;
            // Windows 95 keeps the phone-book functions in RNAPH.DLL.
            if (api_.Find(library_, "RasGetCountryInfoA") != 0) {
                extended_ = true;
            } else {
                extendedLibrary_ = api_.Load(std::string(kRasPhoneBookLibrary));
                extended_ = extendedLibrary_ != 0;
            }
            if (extended_)
                for (const auto& e : kRasExtendedEntryPoints)
                    RasEntryPoints.*e.Slot = api_.Find(extendedLibrary_, std::string(e.Name));
        }
    }
    return RasEntryPoints.RasDialA != 0;
}

bool TRAS::RasAvailable()
{
    if (LoadRasApi())
        return true;
    lastError_ = kRasDllNotFound;
    StatusStr = std::string(kRasNotAvailableText);
    return false;
}

// True when the library is loaded and has this function. A function the
// library lacks counts as a missing library rather than a call through 0.
bool TRAS::Usable(EntrySlot entry)
{
    if (LoadRasApi() && RasEntryPoints.*entry != 0)
        return true;
    lastError_ = kRasDllNotFound;
    return false;
}

bool TRAS::UsableExtended(EntrySlot entry)
{
    if (LoadRasApi() && extended_ && RasEntryPoints.*entry != 0)
        return true;
    lastError_ = kRasDllNotFound;
    return false;
}

int32_t TRAS::Finish(uint32_t result)
{
    lastError_ = static_cast<int32_t>(result);
    if (result != 0)
        StatusStr = GetErrorString(lastError_);
    return lastError_;
}

const char* TRAS::PhoneBookOrNone() const
{
    return phoneBookPath_.empty() ? nullptr : phoneBookPath_.c_str();
}

void TRAS::ReleaseNotifyWindow()
{
    if (notifyWindow_ != 0) {
        windows_.Release(notifyWindow_);
        notifyWindow_ = 0;
    }
}

void TRAS::FillDialParams()
{
    dialParams_ = RasDialParamsRecord{};
    dialParams_.dwSize = sizeof(RasDialParamsRecord);
    SetField(dialParams_.szEntryName, EntryName, 256);
    SetField(dialParams_.szPhoneNumber, PhoneNumber, 128);
    SetField(dialParams_.szCallbackNumber, CallbackNumber, 128);
    SetField(dialParams_.szUserName, UserName, 256);
    SetField(dialParams_.szPassword, Password, 256);
    SetField(dialParams_.szDomain, Domain, 15);
}

int32_t TRAS::DialEntry()
{
    if (GetDialParams() == 0 && GetEntryProperties() == 0)
        Dial();
    return lastError_;
}

int32_t TRAS::Dial()
{
    if (!Usable(&TRasEntryPoints::RasDialA))
        return lastError_;
    if (RASConn != 0)
        HangUp();
    if (notifyWindow_ == 0)
        notifyWindow_ = windows_.Create(*this);
    RASConn = 0;
    ConnectState = 0;
    savedState_ = kRasNothingReported;
    ResetStatistics();
    FillDialParams();
    uint32_t connection = 0;
    const uint32_t result = api_.Dial(RasEntryPoints.RasDialA, PhoneBookOrNone(), &dialParams_, kRasNotifierWindow,
                                      notifyWindow_, connection);
    RASConn = connection;
    return Finish(result);
}

intptr_t TRAS::NotifyWndProc(platform::WindowHandle window, uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    if ((msg & 0xFFFF) != (dialEventMessage_ & 0xFFFF) || RASConn == 0)
        return windows_.DefaultProc(window, msg, wParam, lParam);
    const auto error = static_cast<uint32_t>(lParam);
    connectError_ = static_cast<uint16_t>(error & 0xFFFF);
    if (error != 0) {
        lastError_ = static_cast<int32_t>(error);
        ConnectState = static_cast<uint16_t>(error & 0xFFFF);
        StatusStr = GetErrorString(lastError_);
        DoStateChanged();
        return 0;
    }
    const auto state = static_cast<uint16_t>(wParam & 0xFFFF);
    ConnectState = state;
    StatusStr = GetStateText();
    DoStateChanged();
    FireStateEvent(state);
    return 0;
}

void TRAS::FireStateEvent(uint16_t state)
{
    if (RASConn == 0)
        return;
    if (state == kRasDisconnected) {
        FireDisconnect();
        return;
    }
    for (const auto& e : kStateEvents) {
        if (e.State == state) {
            if (const TNotifyEvent& handler = this->*e.Event)
                handler(*this);
            return;
        }
    }
}

void TRAS::FireDisconnect()
{
    if (!OnDisconnect || !LoadRasApi() || RasEntryPoints.RasGetConnectStatusA == 0)
        return;
    RasConnStatusRecord status{};
    status.dwSize = sizeof status;
    lastError_ = static_cast<int32_t>(api_.GetConnectStatus(RasEntryPoints.RasGetConnectStatusA, RASConn, &status));
    OnDisconnect(*this, lastError_, GetErrorString(lastError_));
}

void TRAS::DoStateChanged()
{
    if (RASConn == 0 || !OnStateChanged)
        return;
    if (lastError_ != 0 || ConnectState != savedState_)
        OnStateChanged(*this);
    savedState_ = lastError_ != 0 ? 0 : ConnectState;
}

std::string TRAS::GetStateText()
{
    for (const auto& t : kStateTexts) {
        if (t.State != ConnectState)
            continue;
        std::string text = t.Text;
        if ((ConnectState == 2 || ConnectState == 3) && !DeviceType.empty()) {
            std::string type = DeviceType;
            std::transform(type.begin(), type.end(), type.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            text += " (" + type + ")";
        }
        return text;
    }
    if (ConnectState <= 600)
        return "Unknown State - " + std::to_string(ConnectState);
    // An error code that a notification put in place of the state.
    return GetErrorString(ConnectState);
}

std::string TRAS::GetErrorString(int32_t code)
{
    char text[257] = {};
    if (LoadRasApi() && RasEntryPoints.RasGetErrorStringA != 0)
        api_.GetErrorString(RasEntryPoints.RasGetErrorStringA, static_cast<uint32_t>(code), text, 256);
    text[256] = '\0';
    if (text[0] != '\0')
        return text;
    return api_.SystemMessage(static_cast<uint32_t>(code));
}

int32_t TRAS::HangUp()
{
    ConnectState = 0;
    if (!LoadRasApi()) {
        lastError_ = kRasDllNotFound;
        return 0;
    }
    uint32_t result = 0;
    if (RASConn != 0 && RasEntryPoints.RasHangUpA != 0)
        result = api_.HangUp(RasEntryPoints.RasHangUpA, RASConn);
    RASConn = 0;
    ReleaseNotifyWindow();
    lastError_ = static_cast<int32_t>(result);
    return lastError_;
}

int32_t TRAS::Disconnect()
{
    ConnectState = 0;
    if (!LoadRasApi()) {
        lastError_ = kRasDllNotFound;
        return 0;
    }
    uint32_t result = 0;
    if (RASConn != 0 && RasEntryPoints.RasHangUpA != 0) {
        result = api_.HangUp(RasEntryPoints.RasHangUpA, RASConn);
        // RAS takes a moment to close the port; wait until the status query
        // no longer finds the connection. A refused hang-up leaves it up,
        // so there is nothing to wait for then.
        uint16_t seen = 0;
        while (result == 0 && GetConnectStatus() == 0) {
            pump_.Pump(kHangUpPollMs);
            if (ConnectState != seen) {
                seen = ConnectState;
                StatusStr = GetStateText();
                DoStateChanged();
            }
        }
    }
    RASConn = 0;
    ReleaseNotifyWindow();
    lastError_ = static_cast<int32_t>(result);
    FireDisconnect();
    return static_cast<int32_t>(result);
}

void TRAS::ReleaseConnection()
{
    RASConn = 0;
    ReleaseNotifyWindow();
}

int32_t TRAS::GetConnectStatus()
{
    ConnectState = 0;
    if (RASConn == 0)
        return kRasNoConnection;
    if (!Usable(&TRasEntryPoints::RasGetConnectStatusA))
        return lastError_;
    RasConnStatusRecord status{};
    status.dwSize = sizeof status;
    lastError_ = static_cast<int32_t>(api_.GetConnectStatus(RasEntryPoints.RasGetConnectStatusA, RASConn, &status));
    if (lastError_ == 0) {
        DeviceName = FieldText(status.szDeviceName);
        ConnectState = static_cast<uint16_t>(status.rasconnstate);
        connectError_ = static_cast<uint16_t>(status.dwError & 0xFFFF);
        dialedNumber_ = FieldText(status.szPhoneNumber);
        if (status.dwError > 600)
            lastError_ = static_cast<int32_t>(status.dwError);
    }
    if (lastError_ != 0)
        StatusStr = GetErrorString(lastError_);
    return lastError_;
}

std::string TRAS::GetStatusText()
{
    std::string text;
    if (RASConn == 0) {
        text = "Not Connected";
    } else {
        GetConnectStatus();
        if (lastError_ == 0)
            text = GetStateText();
        else if (lastError_ > 600)
            text = GetErrorString(lastError_);
        else if (lastError_ == 6)
            text = "Disconnected";
        else if (lastError_ == 8)
            text = "Not enough memory";
        else if (lastError_ == 600)
            text = "Device Connecting/Dialling";
        else
            text = "Unknown State";
    }
    StatusStr = text;
    DoStateChanged();
    return text;
}

int32_t TRAS::EnumConnections()
{
    curConnName_.clear();
    curRASConn_ = 0;
    Connections.Clear();
    if (!Usable(&TRasEntryPoints::RasEnumConnectionsA))
        return lastError_;
    constexpr uint32_t kListed = 4;
    std::vector<RasConnRecord> records(kListed);
    records[0].dwSize = sizeof(RasConnRecord);
    auto size = static_cast<uint32_t>(records.size() * sizeof(RasConnRecord));
    numConns_ = 0;
    uint32_t result = api_.EnumConnections(RasEntryPoints.RasEnumConnectionsA, records.data(), size, numConns_);
    // RAS fills nothing when the records do not all fit; ask again with
    // room for every connection so the first four are real ones.
    constexpr uint32_t kMostConnections = 256;
    if (result == kRasBufferTooSmall && numConns_ > kListed && numConns_ <= kMostConnections) {
        records.assign(numConns_, RasConnRecord{});
        records[0].dwSize = sizeof(RasConnRecord);
        size = static_cast<uint32_t>(records.size() * sizeof(RasConnRecord));
        result = api_.EnumConnections(RasEntryPoints.RasEnumConnectionsA, records.data(), size, numConns_);
    }
    lastError_ = static_cast<int32_t>(result);
    if (result != 0 && result != kRasBufferTooSmall) {
        StatusStr = GetErrorString(lastError_);
        return lastError_;
    }
    const uint32_t listed = std::min({numConns_, kListed, static_cast<uint32_t>(records.size())});
    for (uint32_t i = 0; i < listed; ++i)
        Connections.Add(records[i]);
    if (listed > 0) {
        curConnName_ = FieldText(records[0].szEntryName);
        curRASConn_ = records[0].hrasconn;
    }
    return lastError_;
}

void TRAS::SelectConnection(int32_t index)
{
    if (RASConn == 0) {
        uint32_t handle = curRASConn_;
        if (handle != 0 && index > 0)
            handle = Connections.Handle(static_cast<size_t>(index));
        if (handle == 0) {
            lastError_ = kRasInvalidHandle;
            return;
        }
        RASConn = handle;
    }
    GetConnectStatus();
}

int32_t TRAS::GetIPAddresses()
{
    clientIP_.clear();
    serverIP_.clear();
    if (RASConn == 0)
        return 0;
    if (!Usable(&TRasEntryPoints::RasGetProjectionInfoA))
        return 0;
    RasPppIpRecord info{};
    info.dwSize = sizeof info;
    uint32_t size = sizeof info;
    const uint32_t result =
        api_.GetProjectionInfo(RasEntryPoints.RasGetProjectionInfoA, RASConn, kRasProjectionPppIp, &info, size);
    if (result == 0) {
        clientIP_ = FieldText(info.szIpAddress);
        serverIP_ = FieldText(info.szServerIpAddress);
    }
    return Finish(result);
}

} // namespace devices
