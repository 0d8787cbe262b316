// The RAS records in the byte layouts of RASAPI32.DLL (32-bit, ANSI, the
// sizes Windows NT 4 accepts), declared here so that they do not depend on
// which Windows version a set of headers targets. Handles are 32-bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace devices {

struct RasConnRecord {
    uint32_t dwSize;
    uint32_t hrasconn;
    char szEntryName[257];
    char szDeviceType[17];
    char szDeviceName[129];
    char szPhonebook[260];
    uint32_t dwSubEntry;
};
static_assert(sizeof(RasConnRecord) == 676);

struct RasEntryNameRecord {
    uint32_t dwSize;
    char szEntryName[257];
};
static_assert(sizeof(RasEntryNameRecord) == 264);

struct RasDevInfoRecord {
    uint32_t dwSize;
    char szDeviceType[17];
    char szDeviceName[129];
};
static_assert(sizeof(RasDevInfoRecord) == 152);

struct RasDialParamsRecord {
    uint32_t dwSize;
    char szEntryName[257];
    char szPhoneNumber[129];
    char szCallbackNumber[129];
    char szUserName[257];
    char szPassword[257];
    char szDomain[16];
    uint32_t dwSubEntry;
    uint32_t dwCallbackId;
};
static_assert(sizeof(RasDialParamsRecord) == 1060);

struct RasConnStatusRecord {
    uint32_t dwSize;
    uint32_t rasconnstate;
    uint32_t dwError;
    char szDeviceType[17];
    char szDeviceName[129];
    char szPhoneNumber[129];
};
static_assert(sizeof(RasConnStatusRecord) == 288);

struct RasEntryRecord {
    uint32_t dwSize;
    uint32_t dwfOptions;
    uint32_t dwCountryID;
    uint32_t dwCountryCode;
    char szAreaCode[11];
    char szLocalPhoneNumber[129];
    uint32_t dwAlternateOffset;
    uint32_t ipaddr;
    uint32_t ipaddrDns;
    uint32_t ipaddrDnsAlt;
    uint32_t ipaddrWins;
    uint32_t ipaddrWinsAlt;
    uint32_t dwFrameSize;
    uint32_t dwfNetProtocols;
    uint32_t dwFramingProtocol;
    char szScript[260];
    char szAutodialDll[260];
    char szAutodialFunc[260];
    char szDeviceType[17];
    char szDeviceName[129];
    char szX25PadType[33];
    char szX25Address[201];
    char szX25Facilities[201];
    char szX25UserData[201];
    uint32_t dwChannels;
    uint32_t dwReserved1;
    uint32_t dwReserved2;
    uint32_t dwSubEntries;
    uint32_t dwDialMode;
    uint32_t dwDialExtraPercent;
    uint32_t dwDialExtraSampleSeconds;
    uint32_t dwHangUpExtraPercent;
    uint32_t dwHangUpExtraSampleSeconds;
    uint32_t dwIdleDisconnectSeconds;
};
static_assert(sizeof(RasEntryRecord) == 1796);
static_assert(offsetof(RasEntryRecord, szDeviceName) == 989);

// RASPPPIP: the PPP IP projection.
struct RasPppIpRecord {
    uint32_t dwSize;
    uint32_t dwError;
    char szIpAddress[16];
    char szServerIpAddress[16];
};
static_assert(sizeof(RasPppIpRecord) == 40);

// RAS_STATS: the counters of one connection (Windows 2000).
struct RasStatsRecord {
    uint32_t dwSize;
    uint32_t dwBytesXmited;
    uint32_t dwBytesRcved;
    uint32_t dwFramesXmited;
    uint32_t dwFramesRcved;
    uint32_t dwCrcErr;
    uint32_t dwTimeoutErr;
    uint32_t dwAlignmentErr;
    uint32_t dwHardwareOverrunErr;
    uint32_t dwFramingErr;
    uint32_t dwBufferOverrunErr;
    uint32_t dwCompressionRatioIn;
    uint32_t dwCompressionRatioOut;
    uint32_t dwBps;
    uint32_t dwConnectDuration;
};
static_assert(sizeof(RasStatsRecord) == 60);

// RASEO_UseCountryAndAreaCodes in dwfOptions.
inline constexpr uint32_t kRasUseCountryAndAreaCodes = 0x00000001;
// RASP_PppIp.
inline constexpr uint32_t kRasProjectionPppIp = 0x8021;

// The text of a character field: up to its first NUL, never past its end.
template <size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// Copies text into a character field, cut to at most limit characters and
// never past the field; the rest of the field is left as it was (zeroed).
template <size_t N>
void SetField(char (&field)[N], const std::string& text, size_t limit = N - 1)
{
    size_t n = text.size();
    if (n > limit)
        n = limit;
    if (n > N - 1)
        n = N - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

} // namespace devices
