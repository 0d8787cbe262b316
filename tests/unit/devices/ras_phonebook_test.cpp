// TRAS: phone-book entries, their properties and dial parameters, the RAS
// devices, and renaming and deleting entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/ras_rig.h"

using devices::TRAS;

namespace {

using namespace std::string_literals;

TEST(RasPhoneBook, EntryNumbersWithAndWithoutCountryAndAreaCodes)
{
    struct Case {
        uint32_t Options;
        uint32_t Country;
        const char* Area;
        const char* Local;
        const char* PhoneNumber;
        const char* Canonical;
    };
    const Case cases[] = {
        {1, 49, "089", "123456", "089 123456", "+49 (089) 123456"},
        {1, 49, "", "123456", " 123456", "+49 123456"},
        {1, 49, "*1", "555", "*1 555", "+49 555"}, // an area code below "0" is not shown
        {1, 1, "212", "5550100", "212 5550100", "+1 (212) 5550100"},
        {0x10 | 1, 44, "20", "7946", "20 7946", "+44 (20) 7946"},
        {0, 49, "089", "123456", "123456", "123456"},
        {0x10, 49, "089", "0891234", "0891234", "0891234"},
    };
    for (const Case& c : cases) {
        RasRig rig;
        auto e = fakes::EntryNamed("Work");
        e.Options = c.Options;
        e.CountryCode = c.Country;
        e.AreaCode = c.Area;
        e.LocalNumber = c.Local;
        rig.api.Entries = {e};
        rig.ras->EntryName = "Work";
        ASSERT_EQ(rig.ras->GetEntryProperties(), 0);
        EXPECT_EQ(rig.ras->PhoneNumber, c.PhoneNumber);
        EXPECT_EQ(rig.ras->PhoneCanonical(), c.Canonical);
        EXPECT_EQ(rig.api.EntryPropertiesSizeSeen, 5000u);
    }
}

TEST(RasPhoneBook, DeviceNameFieldSplitsIntoNameAndPort)
{
    struct Case {
        std::string Field;
        const char* Name;
        const char* Port;
    };
    const Case cases[] = {
        {"Modem\0COM2"s, "Modem", "COM2"},
        {"Standard Modem"s, "Standard Modem", ""},
        {" Modem \0 COM2 \0\0\0"s, "Modem", "COM2"},
        {"Modem\0"s + std::string(120, 'P'), "Modem", ""}, // port checked below
        {"\0COM2"s, "", ""},
        {"Modem \t\r\n"s, "Modem", ""},
    };
    for (const Case& c : cases) {
        RasRig rig;
        auto e = fakes::EntryNamed("Work");
        e.DeviceField = c.Field;
        e.DeviceType = "modem";
        rig.api.Entries = {e};
        TRAS& ras = *rig.ras;
        ras.EntryName = "Work";
        ras.DevicePort = "stale";
        ASSERT_EQ(ras.GetEntryProperties(), 0);
        EXPECT_EQ(ras.DeviceType, "modem");
        if (c.Field.size() > 100) {
            EXPECT_EQ(ras.DevicePort, std::string(99, 'P')) << "at most 99 characters of port";
            continue;
        }
        // A NUL in first place does not split: the name is the raw text.
        if (c.Field[0] == '\0') {
            EXPECT_EQ(ras.DeviceName, "\0COM2"s);
            EXPECT_EQ(ras.DevicePort, "");
            continue;
        }
        EXPECT_EQ(ras.DeviceName, c.Name) << c.Field;
        EXPECT_EQ(ras.DevicePort, c.Port) << c.Field;
    }
}

TEST(RasPhoneBook, DevicesAreListedInThreeParallelLists)
{
    RasRig rig;
    rig.api.Devices = {
        {"modem", "Modem\0COM2"s},
        {"isdn", ""s},
        {"isdn", " ISDN Card \0 ISDN1 "s},
        {"vpn", "WAN Miniport (PPTP)"s},
    };
    TRAS& ras = *rig.ras;
    ASSERT_EQ(ras.EnumDevices(), 0);
    EXPECT_EQ(ras.DeviceTypes, (std::vector<std::string>{"modem", "isdn", "vpn"}));
    // The device list shows names and ports as RAS gave them.
    EXPECT_EQ(ras.DeviceNames, (std::vector<std::string>{"Modem", " ISDN Card ", "WAN Miniport (PPTP)"}));
    EXPECT_EQ(ras.DevicePorts, (std::vector<std::string>{"COM2", " ISDN1", ""}));

    rig.api.Devices.assign(31, {"modem", "Modem"s});
    EXPECT_EQ(ras.EnumDevices(), 603);
    EXPECT_TRUE(ras.DeviceNames.empty());
    EXPECT_EQ(ras.StatusStr, "The buffer is too small.");
}

TEST(RasPhoneBook, DialParametersOfAnEntry)
{
    RasRig rig;
    auto e = fakes::EntryNamed("Work");
    e.UserName = "jo";
    e.Password = "secret";
    e.Domain = "OFFICE";
    e.CallbackNumber = "0301";
    rig.api.Entries = {e};
    TRAS& ras = *rig.ras;
    ras.EntryName = "Work";
    ras.PhoneNumber = "kept";
    ASSERT_EQ(ras.GetDialParams(), 0);
    EXPECT_EQ(ras.UserName, "jo");
    EXPECT_EQ(ras.Password, "secret");
    EXPECT_EQ(ras.Domain, "OFFICE");
    EXPECT_EQ(ras.CallbackNumber, "0301");
    EXPECT_EQ(ras.PhoneNumber, "kept");
    EXPECT_EQ(rig.api.PhoneBookSeen, "(none)");

    rig.api.Entries[0].PasswordStored = false;
    ASSERT_EQ(ras.GetDialParams(), 0);
    EXPECT_EQ(ras.Password, "") << "RAS says no password is stored";

    ras.EntryName = "Gone";
    EXPECT_EQ(ras.GetDialParams(), 623);
    EXPECT_EQ(ras.UserName, "") << "cleared at the start";
    EXPECT_EQ(ras.StatusStr, "The system could not find the phone book entry for this connection.");
}

TEST(RasPhoneBook, DialEntryStopsAtTheFirstFailure)
{
    RasRig rig;
    auto e = fakes::EntryNamed("Work");
    e.LocalNumber = "5550100";
    rig.api.Entries = {e};
    TRAS& ras = *rig.ras;
    ras.EntryName = "Gone";
    EXPECT_EQ(ras.DialEntry(), 623);
    EXPECT_TRUE(rig.api.Dials.empty());

    ras.EntryName = "Work";
    EXPECT_EQ(ras.DialEntry(), 0);
    ASSERT_EQ(rig.api.Dials.size(), 1u);
    EXPECT_EQ(devices::FieldText(rig.api.Dials[0].Params.szPhoneNumber), "5550100");
}

TEST(RasPhoneBook, EntriesAreListedInOrderFromTheChosenPhoneBook)
{
    RasRig rig;
    rig.api.Entries = {fakes::EntryNamed("Work"), fakes::EntryNamed("Home"), fakes::EntryNamed("")};
    TRAS& ras = *rig.ras;
    ras.SetPhoneBookPath("C:\\other.pbk");
    EXPECT_EQ(ras.PhoneBookEntries, (std::vector<std::string>{"Work", "Home"}));
    EXPECT_EQ(rig.api.PhoneBookSeen, "C:\\other.pbk");

    ras.SetPhoneBookPath("");
    EXPECT_EQ(rig.api.PhoneBookSeen, "(none)");

    rig.api.Entries.assign(101, fakes::EntryNamed("Many"));
    EXPECT_EQ(ras.EnumEntries(), 603);
    EXPECT_TRUE(ras.PhoneBookEntries.empty());
}

TEST(RasPhoneBook, RenameValidatesTheNewNameFirst)
{
    RasRig rig;
    rig.api.Entries = {fakes::EntryNamed("Work"), fakes::EntryNamed("Home")};
    TRAS& ras = *rig.ras;
    ras.EntryName = "Work";

    EXPECT_EQ(ras.RenameEntry("Home"), 183);
    EXPECT_EQ(ras.StatusStr, "Cannot create a file when that file already exists.");
    EXPECT_EQ(ras.EntryName, "Work");

    EXPECT_EQ(ras.ValidateEntryName("Bad/Name"), 123);

    EXPECT_EQ(ras.RenameEntry("Office"), 0);
    EXPECT_EQ(ras.EntryName, "Office");
    EXPECT_EQ(rig.api.Calls, (std::vector<std::string>{"Validate Home", "Validate Bad/Name", "Validate Office",
                                                       "Rename Work>Office"}));
    EXPECT_EQ(rig.api.Entries[0].Name, "Office");
}

TEST(RasPhoneBook, DeleteClearsTheEntryName)
{
    RasRig rig;
    rig.api.Entries = {fakes::EntryNamed("Work")};
    TRAS& ras = *rig.ras;
    ras.EntryName = "Work";
    EXPECT_EQ(ras.DeleteEntry(), 0);
    EXPECT_EQ(ras.EntryName, "");
    EXPECT_TRUE(rig.api.Entries.empty());

    ras.EntryName = "Work";
    EXPECT_EQ(ras.DeleteEntry(), 623);
    EXPECT_EQ(ras.EntryName, "Work");
}

TEST(RasPhoneBook, SystemDialogsBelongToTheApplicationWindow)
{
    RasRig rig;
    TRAS& ras = *rig.ras;
    ras.EntryName = "Work";
    ras.SetPhoneBookPath("C:\\other.pbk");
    EXPECT_EQ(ras.EditPhonebookEntry(), 0);
    EXPECT_EQ(rig.api.OwnerSeen, 0xA99u);
    EXPECT_EQ(rig.api.PhoneBookSeen, "(none)") << "the editors work on the default phone book";
    rig.api.CreateResult = 623;
    EXPECT_EQ(ras.CreatePhonebookEntry(), 623);
    EXPECT_EQ(ras.LastError(), 623);
    EXPECT_EQ(rig.api.Calls, (std::vector<std::string>{"Edit Work", "Create"}));
}

TEST(RasPhoneBook, LongEntryNamesReachRasCutTo256Characters)
{
    RasRig rig;
    rig.api.Entries = {fakes::EntryNamed(std::string(256, 'N'))};
    TRAS& ras = *rig.ras;
    ras.EntryName = std::string(400, 'N');
    EXPECT_EQ(ras.GetEntryProperties(), 0);
    EXPECT_EQ(ras.GetDialParams(), 0);
    EXPECT_EQ(ras.DeleteEntry(), 0);
    EXPECT_EQ(rig.api.Calls, std::vector<std::string>{"Delete " + std::string(256, 'N')});
}

} // namespace
