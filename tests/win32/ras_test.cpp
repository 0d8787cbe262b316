// The RAS component on the Win32 RAS layer against the stand-in
// RASAPI32.DLL next to the test binary. The RAS rig runs these in place of
// Wine's own RASAPI32 (a DLL override) and says so in BLINKERY_RAS_RIG.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "devices/port_io.h"
#include "devices/rascomp32.h"
#include "win32/win32_message_pump.h"
#include "win32/win32_ras.h"

namespace {

std::string Beside(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return devices::ProgramFolder(path) + name;
}

void WriteControlFile(const std::string& text)
{
    const std::string path = Beside("standin.ini");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ControlValue(const char* section, const char* key)
{
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, Beside("standin.ini").c_str());
    return value;
}

bool SectionExists(const std::string& section)
{
    char names[4096] = {};
    const DWORD n = GetPrivateProfileSectionNamesA(names, sizeof names, Beside("standin.ini").c_str());
    for (const char* s = names; s < names + n && *s; s += strlen(s) + 1)
        if (section == s)
            return true;
    return false;
}

const char kPhoneBook[] = "[RAS]\r\n"
                          "Device1=modem,Standard Modem,COM2\r\n"
                          "Device2=isdn,ISDN Card\r\n"
                          "DialDelay=20\r\n"
                          "HangUpPolls=2\r\n"
                          "ClientIP=192.0.2.7\r\n"
                          "ServerIP=192.0.2.1\r\n"
                          "BytesXmited=1234\r\n"
                          "BytesRcved=56789\r\n"
                          "Bps=28800\r\n"
                          "[RAS Entry Work]\r\n"
                          "Number=123456\r\n"
                          "AreaCode=089\r\n"
                          "CountryCode=49\r\n"
                          "UseCountryAndAreaCodes=1\r\n"
                          "DeviceType=modem\r\n"
                          "DeviceName=Standard Modem\r\n"
                          "DevicePort=COM2\r\n"
                          "UserName=jo\r\n"
                          "Password=secret\r\n"
                          "[RAS Entry Busy]\r\n"
                          "Number=555\r\n"
                          "DialStates=0,1,2\r\n"
                          "DialError=676\r\n";

class RasWin32 : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("BLINKERY_RAS_RIG"))
            GTEST_SKIP() << "the RAS stand-in runs under the RAS rig only";
        WriteControlFile(kPhoneBook);
        DeleteFileA(Beside("standin.log").c_str());
        ras_ = std::make_unique<win32::Win32Ras>();
    }
    void TearDown() override { ras_.reset(); }

    devices::TRAS& Ras() { return ras_->Component(); }

    // Lets dial progress arrive until the state leaves the progress range.
    void WaitForDialEnd()
    {
        win32::Win32MessagePump pump;
        const DWORD start = GetTickCount();
        while (Ras().ConnectState < 600 && GetTickCount() - start < 20000)
            pump.Pump(50);
    }

    std::unique_ptr<win32::Win32Ras> ras_;
};

TEST_F(RasWin32, TheStandInIsTheLibraryLoaded)
{
    ASSERT_TRUE(Ras().RasAvailable());
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("RASAPI32.DLL"), path, MAX_PATH);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, path, -1, Beside("RASAPI32.DLL").c_str(), -1),
              CSTR_EQUAL)
        << path;
    for (const auto& e : devices::kRasApiEntryPoints)
        EXPECT_NE(devices::RasEntryPoints.*e.Slot, 0u) << e.Name;
    for (const auto& e : devices::kRasExtendedEntryPoints)
        EXPECT_NE(devices::RasEntryPoints.*e.Slot, 0u) << e.Name;
}

TEST_F(RasWin32, EntriesDevicesAndAnEntrysProperties)
{
    ASSERT_EQ(Ras().EnumEntries(), 0);
    EXPECT_EQ(Ras().PhoneBookEntries, (std::vector<std::string>{"Work", "Busy"}));
    ASSERT_EQ(Ras().EnumDevices(), 0);
    EXPECT_EQ(Ras().DeviceTypes, (std::vector<std::string>{"modem", "isdn"}));
    EXPECT_EQ(Ras().DeviceNames, (std::vector<std::string>{"Standard Modem", "ISDN Card"}));
    EXPECT_EQ(Ras().DevicePorts, (std::vector<std::string>{"COM2", ""}));

    Ras().EntryName = "Work";
    ASSERT_EQ(Ras().GetDialParams(), 0);
    EXPECT_EQ(Ras().UserName, "jo");
    EXPECT_EQ(Ras().Password, "secret");
    ASSERT_EQ(Ras().GetEntryProperties(), 0);
    EXPECT_EQ(Ras().PhoneNumber, "089 123456");
    EXPECT_EQ(Ras().PhoneCanonical(), "+49 (089) 123456");
    EXPECT_EQ(Ras().DeviceName, "Standard Modem");
    EXPECT_EQ(Ras().DevicePort, "COM2");
    EXPECT_EQ(Ras().DeviceType, "modem");

    Ras().EntryName = "Nowhere";
    EXPECT_EQ(Ras().GetEntryProperties(), 623);
    EXPECT_EQ(Ras().StatusStr, "Cannot find the phone book entry.");
}

TEST_F(RasWin32, DialWithProgressToConnectedThenStatusAndHangUp)
{
    std::vector<std::string> changes;
    int connects = 0;
    std::vector<int32_t> disconnects;
    Ras().OnStateChanged = [&](devices::TRAS& r) { changes.push_back(r.StatusStr); };
    Ras().OnConnect = [&](devices::TRAS&) { ++connects; };
    Ras().OnDisconnect = [&](devices::TRAS&, int32_t error, const std::string&) { disconnects.push_back(error); };
    Ras().EntryName = "Work";
    ASSERT_EQ(Ras().DialEntry(), 0);
    EXPECT_NE(Ras().RASConn, 0u);
    WaitForDialEnd();

    ASSERT_EQ(Ras().ConnectState, devices::kRasConnected) << Ras().StatusStr;
    const std::vector<std::string> expected = {
        "Opening Serial Port",   "Serial Port Opened",           "Connecting/Dialling (modem)",
        "Connected/Answered (modem)", "Connected/Negotiation", "Validating User and Password",
        "Projection Started",    "Login Authenticated",          "Connected/Online"};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(connects, 1);
    EXPECT_EQ(ControlValue("RAS", "Connection"), "Work");

    EXPECT_EQ(Ras().GetStatusText(), "Connected/Online");
    EXPECT_EQ(Ras().DialedNumber(), "123456");
    EXPECT_EQ(Ras().DeviceName, "Standard Modem");
    ASSERT_EQ(Ras().GetIPAddresses(), 0);
    EXPECT_EQ(Ras().ClientIP(), "192.0.2.7");
    EXPECT_EQ(Ras().ServerIP(), "192.0.2.1");
    ASSERT_EQ(Ras().EnumConnections(), 0);
    EXPECT_EQ(Ras().NumConns(), 1u);
    EXPECT_EQ(Ras().CurConnName(), "Work");
    EXPECT_EQ(Ras().CurRASConn(), Ras().RASConn);

    // The Windows 2000 statistics through the shared entry point.
    devices::RasStatsRecord stats{};
    stats.dwSize = sizeof stats;
    ASSERT_EQ(ras_->Api().GetConnectionStatistics(devices::RasEntryPoints.RasGetConnectionStatistics, Ras().RASConn,
                                                  &stats),
              0u);
    EXPECT_EQ(stats.dwBytesXmited, 1234u);
    EXPECT_EQ(stats.dwBytesRcved, 56789u);
    EXPECT_EQ(stats.dwBps, 28800u);

    changes.clear();
    EXPECT_EQ(Ras().Disconnect(), 0);
    EXPECT_EQ(Ras().RASConn, 0u);
    EXPECT_EQ(changes, std::vector<std::string>{"Disconnected/Offline"}) << "seen while RAS let go";
    EXPECT_EQ(disconnects, std::vector<int32_t>{6});
    EXPECT_EQ(ControlValue("RAS", "Connection"), "");
    EXPECT_EQ(Ras().GetStatusText(), "Not Connected");
}

TEST_F(RasWin32, AFailingDialEndsWithTheErrorText)
{
    int connects = 0;
    Ras().OnConnect = [&](devices::TRAS&) { ++connects; };
    Ras().EntryName = "Busy";
    ASSERT_EQ(Ras().DialEntry(), 0);
    WaitForDialEnd();
    EXPECT_EQ(Ras().ConnectState, 676);
    EXPECT_EQ(Ras().LastError(), 676);
    EXPECT_EQ(Ras().StatusStr, "The line is busy.");
    EXPECT_EQ(connects, 0);
    EXPECT_EQ(ControlValue("RAS", "Connection"), "");
    EXPECT_EQ(Ras().HangUp(), 0);

    Ras().EntryName = "Nowhere";
    EXPECT_EQ(Ras().Dial(), 623);
    EXPECT_EQ(Ras().StatusStr, "Cannot find the phone book entry.");
}

TEST_F(RasWin32, RenameAndDeleteAreWrittenToThePhoneBook)
{
    Ras().EntryName = "Work";
    EXPECT_EQ(Ras().RenameEntry("Busy"), 183);
    EXPECT_EQ(Ras().StatusStr, Ras().GetErrorString(183));
    EXPECT_FALSE(Ras().StatusStr.empty()) << "the system's text for a code RAS does not know";

    ASSERT_EQ(Ras().RenameEntry("Office"), 0);
    EXPECT_EQ(Ras().EntryName, "Office");
    EXPECT_TRUE(SectionExists("RAS Entry Office"));
    EXPECT_FALSE(SectionExists("RAS Entry Work"));
    EXPECT_EQ(ControlValue("RAS Entry Office", "Number"), "123456");

    ASSERT_EQ(Ras().DeleteEntry(), 0);
    EXPECT_EQ(Ras().EntryName, "");
    EXPECT_FALSE(SectionExists("RAS Entry Office"));
    ASSERT_EQ(Ras().EnumEntries(), 0);
    EXPECT_EQ(Ras().PhoneBookEntries, std::vector<std::string>{"Busy"});
}

TEST_F(RasWin32, PerformanceDataOfThisSystem)
{
    // Wine answers the RAS objects of the NT performance data with a valid
    // block that holds no object, so there is nothing to read.
    win32::Win32DialUpStatistics statistics;
    std::vector<uint8_t> block(8192);
    uint32_t size = static_cast<uint32_t>(block.size());
    ASSERT_EQ(statistics.QueryPerformanceData("906", block.data(), size), 0u);
    ASSERT_GE(size, 32u);
    EXPECT_EQ(std::memcmp(block.data(), "P\0E\0R\0F\0", 8), 0);
    uint32_t objects = 1;
    std::memcpy(&objects, block.data() + 28, 4);
    EXPECT_EQ(objects, 0u);
    EXPECT_FALSE(Ras().ReadStatistics());
}

} // namespace
