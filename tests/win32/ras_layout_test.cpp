// The RAS record layouts declared by the component, checked field by field
// against the system's RAS header: each field of ours must sit where the
// system's record has it (the system's records go on with later fields).
#include <windows.h>

#include <ras.h>

#include <cstddef>

#include "devices/ras_records.h"

namespace {

using namespace devices;

#define SAME_OFFSET(ours, theirs, field) static_assert(offsetof(ours, field) == offsetof(theirs, field), #ours "." #field)

SAME_OFFSET(RasConnRecord, RASCONNA, hrasconn);
SAME_OFFSET(RasConnRecord, RASCONNA, szEntryName);
SAME_OFFSET(RasConnRecord, RASCONNA, szDeviceType);
SAME_OFFSET(RasConnRecord, RASCONNA, szDeviceName);
SAME_OFFSET(RasConnRecord, RASCONNA, szPhonebook);
SAME_OFFSET(RasConnRecord, RASCONNA, dwSubEntry);

SAME_OFFSET(RasEntryNameRecord, RASENTRYNAMEA, szEntryName);
static_assert(offsetof(RASENTRYNAMEA, dwFlags) == sizeof(RasEntryNameRecord));

SAME_OFFSET(RasDevInfoRecord, RASDEVINFOA, szDeviceType);
SAME_OFFSET(RasDevInfoRecord, RASDEVINFOA, szDeviceName);
static_assert(sizeof(RasDevInfoRecord) == sizeof(RASDEVINFOA));

SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, szEntryName);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, szPhoneNumber);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, szCallbackNumber);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, szUserName);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, szPassword);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, szDomain);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, dwSubEntry);
SAME_OFFSET(RasDialParamsRecord, RASDIALPARAMSA, dwCallbackId);

SAME_OFFSET(RasConnStatusRecord, RASCONNSTATUSA, rasconnstate);
SAME_OFFSET(RasConnStatusRecord, RASCONNSTATUSA, dwError);
SAME_OFFSET(RasConnStatusRecord, RASCONNSTATUSA, szDeviceType);
SAME_OFFSET(RasConnStatusRecord, RASCONNSTATUSA, szDeviceName);
SAME_OFFSET(RasConnStatusRecord, RASCONNSTATUSA, szPhoneNumber);

SAME_OFFSET(RasEntryRecord, RASENTRYA, dwfOptions);
SAME_OFFSET(RasEntryRecord, RASENTRYA, dwCountryCode);
SAME_OFFSET(RasEntryRecord, RASENTRYA, szAreaCode);
SAME_OFFSET(RasEntryRecord, RASENTRYA, szLocalPhoneNumber);
SAME_OFFSET(RasEntryRecord, RASENTRYA, dwAlternateOffset);
SAME_OFFSET(RasEntryRecord, RASENTRYA, dwFramingProtocol);
SAME_OFFSET(RasEntryRecord, RASENTRYA, szScript);
SAME_OFFSET(RasEntryRecord, RASENTRYA, szDeviceType);
SAME_OFFSET(RasEntryRecord, RASENTRYA, szDeviceName);
SAME_OFFSET(RasEntryRecord, RASENTRYA, szX25UserData);
SAME_OFFSET(RasEntryRecord, RASENTRYA, dwChannels);
SAME_OFFSET(RasEntryRecord, RASENTRYA, dwSubEntries);
SAME_OFFSET(RasEntryRecord, RASENTRYA, dwIdleDisconnectSeconds);

SAME_OFFSET(RasPppIpRecord, RASPPPIPA, dwError);
SAME_OFFSET(RasPppIpRecord, RASPPPIPA, szIpAddress);
SAME_OFFSET(RasPppIpRecord, RASPPPIPA, szServerIpAddress);

SAME_OFFSET(RasStatsRecord, RAS_STATS, dwBytesXmited);
SAME_OFFSET(RasStatsRecord, RAS_STATS, dwCrcErr);
SAME_OFFSET(RasStatsRecord, RAS_STATS, dwBufferOverrunErr);
SAME_OFFSET(RasStatsRecord, RAS_STATS, dwCompressionRatioOut);
SAME_OFFSET(RasStatsRecord, RAS_STATS, dwConnectDuration);
static_assert(sizeof(RasStatsRecord) == sizeof(RAS_STATS));

static_assert(kRasProjectionPppIp == RASP_PppIp);
static_assert(kRasUseCountryAndAreaCodes == RASEO_UseCountryAndAreaCodes);

} // namespace
