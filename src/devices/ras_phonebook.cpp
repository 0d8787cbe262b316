// TRAS: the phone book and the RAS devices.
#include <algorithm>
#include <memory>

#include "devices/rascomp32.h"

namespace devices {

namespace {

constexpr size_t kEntryNameLimit = 256; // longest entry name RAS takes
constexpr size_t kPortLimit = 99;
constexpr size_t kEntryPropertiesBuffer = 5000; // room for the entry and its alternate numbers
constexpr uint32_t kEnumeratedEntries = 100;
constexpr uint32_t kEnumeratedDevices = 30;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string TrimRight(std::string text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    return text;
}

std::string Trim(const std::string& text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return TrimRight(text.substr(first));
}

} // namespace

DeviceNameParts SplitDeviceName(const char* field, size_t size)
{
    const std::string text = TrimRight(std::string(field, size));
    DeviceNameParts parts;
    const size_t nul = text.find('\0');
    if (nul != std::string::npos && nul > 0) {
        parts.Name = text.substr(0, nul);
        parts.Port = text.substr(nul + 1, kPortLimit);
        parts.Split = true;
    } else {
        parts.Name = text;
    }
    return parts;
}

void TRAS::SetPhoneBookPath(const std::string& path)
{
    phoneBookPath_ = path;
    EnumEntries();
}

int32_t TRAS::GetDialParams()
{
    dialParams_ = RasDialParamsRecord{};
    UserName.clear();
    Password.clear();
    dialedNumber_.clear();
    CallbackNumber.clear();
    Domain.clear();
    if (!Usable(&TRasEntryPoints::RasGetEntryDialParamsA))
        return lastError_;
    dialParams_.dwSize = sizeof(RasDialParamsRecord);
    SetField(dialParams_.szEntryName, EntryName, kEntryNameLimit);
    int32_t passwordStored = 0;
    const uint32_t result =
        api_.GetEntryDialParams(RasEntryPoints.RasGetEntryDialParamsA, PhoneBookOrNone(), &dialParams_, passwordStored);
    if (result == 0) {
        UserName = FieldText(dialParams_.szUserName);
        Password = passwordStored ? FieldText(dialParams_.szPassword) : std::string();
        CallbackNumber = FieldText(dialParams_.szCallbackNumber);
        Domain = FieldText(dialParams_.szDomain);
    }
    return Finish(result);
}

int32_t TRAS::GetEntryProperties()
{
    if (!Usable(&TRasEntryPoints::RasGetEntryPropertiesA))
        return lastError_;
    // RAS writes the alternate numbers after the record, hence the room.
    auto buffer = std::make_unique<uint8_t[]>(kEntryPropertiesBuffer);
    std::fill_n(buffer.get(), kEntryPropertiesBuffer, uint8_t{0});
    const uint32_t recordSize = sizeof(RasEntryRecord);
    std::memcpy(buffer.get(), &recordSize, sizeof recordSize);
    uint32_t size = kEntryPropertiesBuffer;
    uint32_t deviceInfoSize = 0;
    const std::string entry = EntryName.substr(0, kEntryNameLimit);
    const uint32_t result = api_.GetEntryProperties(RasEntryPoints.RasGetEntryPropertiesA, PhoneBookOrNone(),
                                                    entry.c_str(), buffer.get(), size, deviceInfoSize);
    if (result == 0) {
        RasEntryRecord record;
        std::memcpy(&record, buffer.get(), sizeof record);
        const std::string area = FieldText(record.szAreaCode);
        const std::string local = FieldText(record.szLocalPhoneNumber);
        if (record.dwfOptions & kRasUseCountryAndAreaCodes) {
            PhoneNumber = area + ' ' + local;
            std::string canonical = "+";
            canonical += std::to_string(record.dwCountryCode);
            canonical += ' ';
            if (!area.empty() && static_cast<unsigned char>(area[0]) >= '0') {
                canonical += '(';
                canonical += area;
                canonical += ") ";
            }
            canonical += local;
            phoneCanonical_ = canonical;
        } else {
            PhoneNumber = local;
            phoneCanonical_ = local;
        }
        const DeviceNameParts parts = SplitDeviceName(record.szDeviceName, sizeof record.szDeviceName);
        if (parts.Split) {
            DeviceName = Trim(parts.Name);
            DevicePort = Trim(parts.Port);
        } else {
            DeviceName = parts.Name;
            DevicePort.clear();
        }
        DeviceType = FieldText(record.szDeviceType);
    }
    return Finish(result);
}

int32_t TRAS::EditPhonebookEntry()
{
    if (!Usable(&TRasEntryPoints::RasEditPhonebookEntryA))
        return lastError_;
    const std::string entry = EntryName.substr(0, kEntryNameLimit);
    return Finish(api_.EditPhonebookEntry(RasEntryPoints.RasEditPhonebookEntryA, windows_.ApplicationWindow(),
                                          nullptr, entry.c_str()));
}

int32_t TRAS::CreatePhonebookEntry()
{
    if (!Usable(&TRasEntryPoints::RasCreatePhonebookEntryA))
        return lastError_;
    return Finish(api_.CreatePhonebookEntry(RasEntryPoints.RasCreatePhonebookEntryA, windows_.ApplicationWindow(),
                                            nullptr));
}

int32_t TRAS::DeleteEntry()
{
    if (!UsableExtended(&TRasEntryPoints::RasDeleteEntryA))
        return lastError_;
    const std::string entry = EntryName.substr(0, kEntryNameLimit);
    const int32_t result = Finish(api_.DeleteEntry(RasEntryPoints.RasDeleteEntryA, nullptr, entry.c_str()));
    if (result == 0)
        EntryName.clear();
    return result;
}

int32_t TRAS::ValidateEntryName(const std::string& name)
{
    if (!UsableExtended(&TRasEntryPoints::RasValidateEntryNameA))
        return lastError_;
    const std::string entry = name.substr(0, kEntryNameLimit);
    return Finish(api_.ValidateEntryName(RasEntryPoints.RasValidateEntryNameA, nullptr, entry.c_str()));
}

int32_t TRAS::RenameEntry(const std::string& newName)
{
    if (!UsableExtended(&TRasEntryPoints::RasRenameEntryA))
        return lastError_;
    if (ValidateEntryName(newName) != 0)
        return lastError_;
    const std::string oldEntry = EntryName.substr(0, kEntryNameLimit);
    const std::string newEntry = newName.substr(0, kEntryNameLimit);
    const int32_t result =
        Finish(api_.RenameEntry(RasEntryPoints.RasRenameEntryA, nullptr, oldEntry.c_str(), newEntry.c_str()));
    if (result == 0)
        EntryName = newName;
    return result;
}

int32_t TRAS::EnumEntries()
{
    PhoneBookEntries.clear();
    if (!Usable(&TRasEntryPoints::RasEnumEntriesA))
        return lastError_;
    std::vector<RasEntryNameRecord> records(kEnumeratedEntries);
    records[0].dwSize = sizeof(RasEntryNameRecord);
    auto size = static_cast<uint32_t>(records.size() * sizeof(RasEntryNameRecord));
    uint32_t count = 0;
    const uint32_t result =
        api_.EnumEntries(RasEntryPoints.RasEnumEntriesA, PhoneBookOrNone(), records.data(), size, count);
    if (result == 0) {
        for (uint32_t i = 0; i < std::min(count, kEnumeratedEntries); ++i) {
            std::string name = FieldText(records[i].szEntryName);
            if (!name.empty())
                PhoneBookEntries.push_back(std::move(name));
        }
    }
    return Finish(result);
}

int32_t TRAS::EnumDevices()
{
    DeviceTypes.clear();
    DevicePorts.clear();
    DeviceNames.clear();
    if (!UsableExtended(&TRasEntryPoints::RasEnumDevicesA))
        return lastError_;
    std::vector<RasDevInfoRecord> records(kEnumeratedDevices);
    records[0].dwSize = sizeof(RasDevInfoRecord);
    auto size = static_cast<uint32_t>(records.size() * sizeof(RasDevInfoRecord));
    uint32_t count = 0;
    const uint32_t result = api_.EnumDevices(RasEntryPoints.RasEnumDevicesA, records.data(), size, count);
    if (result == 0) {
        for (uint32_t i = 0; i < std::min(count, kEnumeratedDevices); ++i) {
            const RasDevInfoRecord& device = records[i];
            if (device.szDeviceName[0] == '\0')
                continue;
            DeviceTypes.push_back(FieldText(device.szDeviceType));
            const DeviceNameParts parts = SplitDeviceName(device.szDeviceName, sizeof device.szDeviceName);
            DevicePorts.push_back(parts.Port);
            DeviceNames.push_back(parts.Name);
        }
    }
    return Finish(result);
}

} // namespace devices
