// Test doubles for the RAS component: an in-memory RASAPI32.DLL (phone
// book, devices, connections) that answers with the byte layouts and
// result codes of the real one, the notification windows, the dial-up
// statistics in the registry and the performance data, a message pump and
// scripted message boxes.
#pragma once

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "devices/ras_records.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/ras_api.h"

namespace fakes {

struct RasPhoneBookEntry {
    std::string Name;
    uint32_t Options = 0;
    uint32_t CountryCode = 0;
    std::string AreaCode;
    std::string LocalNumber;
    std::string DeviceType = "modem";
    std::string DeviceField = "Standard Modem"; // raw bytes of the device-name field
    std::string UserName, Password, Domain, CallbackNumber;
    bool PasswordStored = true;
};

inline RasPhoneBookEntry EntryNamed(const std::string& name)
{
    RasPhoneBookEntry e;
    e.Name = name;
    return e;
}

struct RasDevice {
    std::string Type;
    std::string NameField; // raw bytes of the device-name field
};

struct RasLiveConnection {
    uint32_t Handle = 0;
    std::string Entry;
    std::string DeviceType = "modem";
    std::string DeviceName = "Standard Modem";
    std::string Number = "0891234";
    uint32_t State = 0x2000;
    uint32_t Error = 0;
    std::string ClientIP = "10.0.0.2";
    std::string ServerIP = "10.0.0.1";
};

class RasApi : public platform::RasApi {
public:
    // --- The libraries
    std::set<std::string> Libraries = {"RASAPI32.DLL"}; // those that load
    bool ExtendedInRasApi = true; // false: the phone-book functions live in RNAPH.DLL
    std::set<std::string> MissingExports;
    std::vector<std::string> Loads;
    std::vector<platform::RasLibrary> Frees;
    int WrongEntryCalls = 0; // calls through an entry point of another function

    // --- The system
    std::vector<RasPhoneBookEntry> Entries;
    std::vector<RasDevice> Devices;
    std::vector<RasLiveConnection> Connections;
    std::map<uint32_t, std::string> RasTexts = {
        {600, "An operation is pending."},
        {603, "The buffer is too small."},
        {623, "The system could not find the phone book entry for this connection."},
        {676, "The line is busy."},
        {678, "There is no answer."},
        {691, "Access was denied because the username and/or password was invalid on the domain."},
    };
    std::map<uint32_t, std::string> SystemTexts = {
        {6, "The handle is invalid."},
        {183, "Cannot create a file when that file already exists."},
        {1157, "One of the library files needed to run this application cannot be found."},
    };

    // --- Scripted answers and what was asked
    uint32_t DialResult = 0;
    uint32_t DialHandle = 0x5000;
    struct DialCall {
        std::string PhoneBook; // "(none)" for the default
        devices::RasDialParamsRecord Params;
        uint32_t NotifierType;
        platform::WindowHandle Notifier;
    };
    std::vector<DialCall> Dials;
    std::vector<uint32_t> HangUps;
    uint32_t HangUpResult = 0;
    int LingerPolls = 0; // status queries that still find a hung-up connection
    uint32_t LingerState = 0x2001;
    std::vector<uint32_t> StatusQueries;
    uint32_t DialParamsResult = 0;
    uint32_t EntryPropertiesSizeSeen = 0;
    uint32_t ProjectionResult = 0;
    uint32_t EditResult = 0, CreateResult = 0;
    std::vector<std::string> Calls; // "Rename Old>New", "Delete Name", "Validate Name", "Edit Name", "Create"
    platform::WindowHandle OwnerSeen = 0;
    std::string PhoneBookSeen = "-";

    platform::RasLibrary Load(const std::string& name) override
    {
        Loads.push_back(name);
        if (!Libraries.count(name))
            return 0;
        return name == "RASAPI32.DLL" ? 0x10000 : 0x20000;
    }
    platform::RasEntry Find(platform::RasLibrary library, const std::string& name) override
    {
        if (MissingExports.count(name) || !Exports(library, name))
            return 0;
        return EntryOf(name);
    }
    void Free(platform::RasLibrary library) override { Frees.push_back(library); }

    uint32_t Dial(platform::RasEntry entry, const char* phoneBook, const void* dialParams, uint32_t notifierType,
                  platform::WindowHandle notifier, uint32_t& connection) override
    {
        Expect(entry, "RasDialA");
        DialCall call{phoneBook ? phoneBook : "(none)", {}, notifierType, notifier};
        std::memcpy(&call.Params, dialParams, sizeof call.Params);
        Dials.push_back(call);
        connection = DialHandle;
        return DialResult;
    }

    uint32_t EnumConnections(platform::RasEntry entry, void* records, uint32_t& size, uint32_t& count) override
    {
        Expect(entry, "RasEnumConnectionsA");
        auto* out = static_cast<devices::RasConnRecord*>(records);
        if (out->dwSize != sizeof(devices::RasConnRecord))
            return 632; // ERROR_INVALID_SIZE
        const auto needed = static_cast<uint32_t>(Connections.size() * sizeof(devices::RasConnRecord));
        count = static_cast<uint32_t>(Connections.size());
        if (size < needed) {
            size = needed;
            return 603;
        }
        for (size_t i = 0; i < Connections.size(); ++i) {
            devices::RasConnRecord r{};
            r.dwSize = sizeof r;
            r.hrasconn = Connections[i].Handle;
            devices::SetField(r.szEntryName, Connections[i].Entry);
            devices::SetField(r.szDeviceType, Connections[i].DeviceType);
            devices::SetField(r.szDeviceName, Connections[i].DeviceName);
            out[i] = r;
        }
        size = needed;
        return 0;
    }

    uint32_t EnumEntries(platform::RasEntry entry, const char* phoneBook, void* records, uint32_t& size,
                         uint32_t& count) override
    {
        Expect(entry, "RasEnumEntriesA");
        PhoneBookSeen = phoneBook ? phoneBook : "(none)";
        auto* out = static_cast<devices::RasEntryNameRecord*>(records);
        if (out->dwSize != sizeof(devices::RasEntryNameRecord))
            return 632;
        const auto needed = static_cast<uint32_t>(Entries.size() * sizeof(devices::RasEntryNameRecord));
        count = static_cast<uint32_t>(Entries.size());
        if (size < needed) {
            size = needed;
            return 603;
        }
        for (size_t i = 0; i < Entries.size(); ++i) {
            out[i] = devices::RasEntryNameRecord{};
            out[i].dwSize = sizeof(devices::RasEntryNameRecord);
            devices::SetField(out[i].szEntryName, Entries[i].Name);
        }
        return 0;
    }

    uint32_t GetConnectStatus(platform::RasEntry entry, uint32_t connection, void* status) override
    {
        Expect(entry, "RasGetConnectStatusA");
        StatusQueries.push_back(connection);
        auto* out = static_cast<devices::RasConnStatusRecord*>(status);
        if (out->dwSize != sizeof(devices::RasConnStatusRecord))
            return 632;
        for (const auto& c : Connections) {
            if (c.Handle != connection || connection == 0)
                continue;
            out->rasconnstate = c.State;
            out->dwError = c.Error;
            devices::SetField(out->szDeviceType, c.DeviceType);
            devices::SetField(out->szDeviceName, c.DeviceName);
            devices::SetField(out->szPhoneNumber, c.Number);
            return 0;
        }
        if (connection != 0 && lingering_ == connection && LingerPolls > 0) {
            --LingerPolls;
            out->rasconnstate = LingerState;
            return 0;
        }
        return 6;
    }

    uint32_t GetErrorString(platform::RasEntry entry, uint32_t code, char* text, uint32_t size) override
    {
        Expect(entry, "RasGetErrorStringA");
        auto it = RasTexts.find(code);
        if (it == RasTexts.end())
            return 87; // ERROR_INVALID_PARAMETER: not a RAS code
        std::strncpy(text, it->second.c_str(), size - 1);
        return 0;
    }

    uint32_t HangUp(platform::RasEntry entry, uint32_t connection) override
    {
        Expect(entry, "RasHangUpA");
        HangUps.push_back(connection);
        if (HangUpResult != 0)
            return HangUpResult;
        for (size_t i = 0; i < Connections.size(); ++i) {
            if (Connections[i].Handle == connection) {
                Connections.erase(Connections.begin() + static_cast<std::ptrdiff_t>(i));
                lingering_ = connection;
                return 0;
            }
        }
        return 6;
    }

    uint32_t GetEntryDialParams(platform::RasEntry entry, const char* phoneBook, void* dialParams,
                                int32_t& passwordStored) override
    {
        Expect(entry, "RasGetEntryDialParamsA");
        PhoneBookSeen = phoneBook ? phoneBook : "(none)";
        auto* p = static_cast<devices::RasDialParamsRecord*>(dialParams);
        if (p->dwSize != sizeof(devices::RasDialParamsRecord))
            return 632;
        if (DialParamsResult != 0)
            return DialParamsResult;
        const RasPhoneBookEntry* e = FindEntry(devices::FieldText(p->szEntryName));
        if (!e)
            return 623;
        devices::SetField(p->szUserName, e->UserName);
        devices::SetField(p->szPassword, e->Password);
        devices::SetField(p->szDomain, e->Domain);
        devices::SetField(p->szCallbackNumber, e->CallbackNumber);
        passwordStored = e->PasswordStored ? 1 : 0;
        return 0;
    }

    uint32_t EditPhonebookEntry(platform::RasEntry entry, platform::WindowHandle owner, const char* phoneBook,
                                const char* entryName) override
    {
        Expect(entry, "RasEditPhonebookEntryA");
        OwnerSeen = owner;
        PhoneBookSeen = phoneBook ? phoneBook : "(none)";
        Calls.push_back(std::string("Edit ") + entryName);
        return EditResult;
    }

    uint32_t CreatePhonebookEntry(platform::RasEntry entry, platform::WindowHandle owner,
                                  const char* phoneBook) override
    {
        Expect(entry, "RasCreatePhonebookEntryA");
        OwnerSeen = owner;
        PhoneBookSeen = phoneBook ? phoneBook : "(none)";
        Calls.push_back("Create");
        return CreateResult;
    }

    uint32_t GetProjectionInfo(platform::RasEntry entry, uint32_t connection, uint32_t projection, void* info,
                               uint32_t& size) override
    {
        Expect(entry, "RasGetProjectionInfoA");
        auto* p = static_cast<devices::RasPppIpRecord*>(info);
        if (projection != devices::kRasProjectionPppIp || size != sizeof *p || p->dwSize != sizeof *p)
            return 87;
        if (ProjectionResult != 0)
            return ProjectionResult;
        for (const auto& c : Connections) {
            if (c.Handle == connection) {
                devices::SetField(p->szIpAddress, c.ClientIP);
                devices::SetField(p->szServerIpAddress, c.ServerIP);
                return 0;
            }
        }
        return 6;
    }

    uint32_t GetEntryProperties(platform::RasEntry entry, const char* phoneBook, const char* entryName, void* record,
                                uint32_t& size, uint32_t& deviceInfoSize) override
    {
        Expect(entry, "RasGetEntryPropertiesA");
        PhoneBookSeen = phoneBook ? phoneBook : "(none)";
        auto* r = static_cast<devices::RasEntryRecord*>(record);
        EntryPropertiesSizeSeen = size;
        if (r->dwSize != sizeof(devices::RasEntryRecord) || deviceInfoSize != 0)
            return 632;
        const RasPhoneBookEntry* e = FindEntry(entryName);
        if (!e)
            return 623;
        r->dwfOptions = e->Options;
        r->dwCountryCode = e->CountryCode;
        devices::SetField(r->szAreaCode, e->AreaCode);
        devices::SetField(r->szLocalPhoneNumber, e->LocalNumber);
        devices::SetField(r->szDeviceType, e->DeviceType);
        std::memcpy(r->szDeviceName, e->DeviceField.data(), std::min(e->DeviceField.size(), sizeof r->szDeviceName));
        return 0;
    }

    uint32_t RenameEntry(platform::RasEntry entry, const char*, const char* oldName, const char* newName) override
    {
        Expect(entry, "RasRenameEntryA");
        Calls.push_back(std::string("Rename ") + oldName + ">" + newName);
        RasPhoneBookEntry* e = FindEntry(oldName);
        if (!e)
            return 623;
        e->Name = newName;
        return 0;
    }

    uint32_t DeleteEntry(platform::RasEntry entry, const char*, const char* entryName) override
    {
        Expect(entry, "RasDeleteEntryA");
        Calls.push_back(std::string("Delete ") + entryName);
        for (size_t i = 0; i < Entries.size(); ++i) {
            if (Entries[i].Name == entryName) {
                Entries.erase(Entries.begin() + static_cast<std::ptrdiff_t>(i));
                return 0;
            }
        }
        return 623;
    }

    uint32_t ValidateEntryName(platform::RasEntry entry, const char*, const char* entryName) override
    {
        Expect(entry, "RasValidateEntryNameA");
        Calls.push_back(std::string("Validate ") + entryName);
        const std::string name = entryName;
        if (name.empty() || name.find_first_of("\\/:*?\"<>|") != std::string::npos)
            return 123; // ERROR_INVALID_NAME
        return FindEntry(name) ? 183 : 0;
    }

    uint32_t EnumDevices(platform::RasEntry entry, void* records, uint32_t& size, uint32_t& count) override
    {
        Expect(entry, "RasEnumDevicesA");
        auto* out = static_cast<devices::RasDevInfoRecord*>(records);
        if (out->dwSize != sizeof(devices::RasDevInfoRecord))
            return 632;
        const auto needed = static_cast<uint32_t>(Devices.size() * sizeof(devices::RasDevInfoRecord));
        count = static_cast<uint32_t>(Devices.size());
        if (size < needed) {
            size = needed;
            return 603;
        }
        for (size_t i = 0; i < Devices.size(); ++i) {
            out[i] = devices::RasDevInfoRecord{};
            out[i].dwSize = sizeof(devices::RasDevInfoRecord);
            devices::SetField(out[i].szDeviceType, Devices[i].Type);
            std::memcpy(out[i].szDeviceName, Devices[i].NameField.data(),
                        std::min(Devices[i].NameField.size(), sizeof out[i].szDeviceName));
        }
        return 0;
    }

    uint32_t GetConnectionStatistics(platform::RasEntry entry, uint32_t, void*) override
    {
        Expect(entry, "RasGetConnectionStatistics");
        return 6;
    }

    std::string SystemMessage(uint32_t code) override
    {
        auto it = SystemTexts.find(code);
        return it == SystemTexts.end() ? std::string() : it->second;
    }

    static platform::RasEntry EntryOf(const std::string& name)
    {
        return 0x100 + std::hash<std::string>{}(name) % 0xFFFF;
    }

    RasPhoneBookEntry* FindEntry(const std::string& name)
    {
        for (auto& e : Entries)
            if (e.Name == name)
                return &e;
        return nullptr;
    }

private:
    static bool IsExtended(const std::string& name)
    {
        static const std::set<std::string> extended = {
            "RasGetCountryInfoA",    "RasGetEntryPropertiesA", "RasSetEntryPropertiesA",
            "RasRenameEntryA",       "RasDeleteEntryA",        "RasValidateEntryNameA",
            "RasEnumDevicesA",       "RasGetConnectionStatistics"};
        return extended.count(name) > 0;
    }
    bool Exports(platform::RasLibrary library, const std::string& name) const
    {
        if (library == 0x10000)
            return ExtendedInRasApi || !IsExtended(name);
        return library == 0x20000 && IsExtended(name);
    }
    void Expect(platform::RasEntry entry, const std::string& name)
    {
        if (entry != EntryOf(name))
            ++WrongEntryCalls;
    }

    uint32_t lingering_ = 0;
};

class RasWindows : public platform::RasWindows {
public:
    uint32_t Registered = 0xC123; // what RegisterMessage answers
    std::vector<std::string> Registrations;
    std::vector<platform::WindowHandle> Created, Released;
    int DefaultCalls = 0;
    platform::RasWindowClient* Client = nullptr;

    uint32_t RegisterMessage(const std::string& name) override
    {
        Registrations.push_back(name);
        return Registered;
    }
    platform::WindowHandle Create(platform::RasWindowClient& client) override
    {
        Client = &client;
        Created.push_back(0x700 + Created.size());
        return Created.back();
    }
    void Release(platform::WindowHandle window) override { Released.push_back(window); }
    intptr_t DefaultProc(platform::WindowHandle, uint32_t, uintptr_t, intptr_t) override
    {
        ++DefaultCalls;
        return 0x77;
    }
    platform::WindowHandle ApplicationWindow() override { return 0xA99; }
    size_t Alive() const { return Created.size() - Released.size(); }
};

class RasStatistics : public platform::DialUpStatistics {
public:
    // The performance data of "906".
    std::vector<uint8_t> Block;
    uint32_t QueryResult = 0;
    std::vector<uint32_t> SizesOffered;
    int PerformanceCloses = 0;

    uint32_t QueryPerformanceData(const std::string& name, uint8_t* buffer, uint32_t& size) override
    {
        SizesOffered.push_back(size);
        if (name != "906")
            return 2;
        if (QueryResult != 0)
            return QueryResult;
        if (size < Block.size())
            return 234;
        std::memcpy(buffer, Block.data(), Block.size());
        size = static_cast<uint32_t>(Block.size());
        return 0;
    }
    void ClosePerformanceData() override { ++PerformanceCloses; }
};

class RasPump : public platform::MessagePump {
public:
    int Pumps = 0;
    std::function<void()> OnPump; // what arrives while the program waits
    void Pump(uint32_t) override
    {
        ++Pumps;
        if (OnPump)
            OnPump();
    }
};

class RasBoxes : public platform::MessageBoxes {
public:
    struct Box {
        std::string Text, Caption;
        platform::MbButtons Buttons;
        platform::MbIcon Icon;
    };
    std::vector<Box> Shown;
    platform::MbResult Answer = platform::MbResult::Yes;
    std::function<void()> WhileShown;
    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override
    {
        Shown.push_back({text, caption, buttons, icon});
        if (WhileShown)
            WhileShown();
        return Answer;
    }
};

} // namespace fakes
