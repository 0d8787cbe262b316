#include <gtest/gtest.h>

#include "devices/port_io.h"
#include "fakes/fake_devices.h"

using devices::TDLPortIO;

namespace {

struct PortIoTest : ::testing::Test {
    fakes::PortIoLibrary library;
    fakes::ServiceManager services;

    PortIoTest() { library.Files = {"DLPortIO.dll"}; }

    bool Has(const std::string& call) const
    {
        return std::find(services.Calls.begin(), services.Calls.end(), call) != services.Calls.end();
    }
    bool Installed() const { return services.Services.count("DLPortIO") != 0; }
    uint32_t State() const { return services.Services.at("DLPortIO").State; }
};

TEST_F(PortIoTest, Windows9xLoadsTheLibraryOnlyOnceAndUnloadsIt)
{
    TDLPortIO io(library, services, false, "C:\\WINDOWS\\SYSTEM");
    io.OpenDriver();
    io.OpenDriver();
    EXPECT_TRUE(io.ActiveHW());
    EXPECT_EQ(library.Loads, std::vector<std::string>{"DLPortIO.dll"});
    EXPECT_TRUE(services.ManagerAccess.empty());
    io.CloseDriver();
    EXPECT_FALSE(io.ActiveHW());
    EXPECT_EQ(library.Loaded, 0);
}

TEST_F(PortIoTest, DllPathNamesTheLibraryFolder)
{
    const struct {
        const char* dllPath;
        const char* loaded;
    } cases[] = {
        {"", "DLPortIO.dll"},
        {"C:\\IO", "C:\\IO\\DLPortIO.dll"},
        {"C:\\IO\\", "C:\\IO\\DLPortIO.dll"},
    };
    for (const auto& c : cases) {
        fakes::PortIoLibrary lib;
        lib.Files = {c.loaded};
        TDLPortIO io(lib, services, false, "C:\\WINDOWS\\SYSTEM");
        io.DLLPath = c.dllPath;
        io.OpenDriver();
        EXPECT_TRUE(io.ActiveHW()) << c.dllPath;
        EXPECT_EQ(lib.Loads, std::vector<std::string>{c.loaded});
    }
}

TEST_F(PortIoTest, AMissingLibraryOrEntryPointLeavesTheComponentClosed)
{
    for (const char* missing : {"", "DlPortReadPortUchar", "DlPortReadPortUshort", "DlPortWritePortBufferUlong"}) {
        fakes::PortIoLibrary lib;
        if (*missing)
            lib.Files = {"DLPortIO.dll"}, lib.MissingExports = {missing};
        TDLPortIO io(lib, services, false, "C:\\WINDOWS\\SYSTEM");
        io.OpenDriver();
        EXPECT_FALSE(io.ActiveHW()) << missing;
        EXPECT_EQ(lib.Loaded, 0) << missing;
        EXPECT_EQ(io.ReadPortWord(0x3FE), devices::kPortReadFailed);
        EXPECT_TRUE(lib.Reads.empty());
        io.WritePortWord(0x3FC, 1);
        EXPECT_TRUE(lib.Writes.empty());
    }
}

TEST_F(PortIoTest, PortAccessGoesThroughTheWordEntryPointsAndAFaultReads65000)
{
    library.Registers[0x2FE] = 0xB0;
    library.FaultingPorts = {0x3FE};
    TDLPortIO io(library, services, false, "C:\\WINDOWS\\SYSTEM");
    io.OpenDriver();
    EXPECT_EQ(io.ReadPortWord(0x2FE), 0xB0);
    EXPECT_EQ(io.ReadPortWord(0x2EE), 0xFFFF);
    EXPECT_EQ(io.ReadPortWord(0x3FE), 65000);
    io.WritePortWord(0x2FC, 0x02);
    for (const auto& read : library.Reads)
        EXPECT_EQ(read.Entry, library.EntryOf("DlPortReadPortUshort"));
    ASSERT_EQ(library.Writes.size(), 1u);
    EXPECT_EQ(library.Writes[0].Entry, library.EntryOf("DlPortWritePortUshort"));
    EXPECT_EQ(library.Writes[0].Port, 0x2FC);
    EXPECT_EQ(library.Writes[0].Value, 0x02);
}

TEST_F(PortIoTest, NtInstallsStartsStopsAndRemovesADriverThatWasAbsent)
{
    TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
    EXPECT_EQ(io.DriverPath, "C:\\WINNT\\System32\\DRIVERS\\");
    io.OpenDriver();
    ASSERT_TRUE(io.ActiveHW());
    EXPECT_EQ(services.ManagerAccess, std::vector<uint32_t>{0x17});
    const auto& def = services.Services.at("DLPortIO").Definition;
    EXPECT_EQ(def.displayName, "DriverLINX Port I/O Driver");
    EXPECT_EQ(def.access, 0x10034u);
    EXPECT_EQ(def.serviceType, 1u);
    EXPECT_EQ(def.startType, 3u);
    EXPECT_EQ(def.errorControl, 1u);
    EXPECT_EQ(def.binaryPath, "C:\\WINNT\\System32\\DRIVERS\\DLPortIO.SYS");
    EXPECT_EQ(def.loadOrderGroup, "SST miniport drivers");
    EXPECT_EQ(State(), 4u);
    EXPECT_EQ(services.OpenHandles, 1); // the manager stays open while active

    io.CloseDriver();
    EXPECT_FALSE(io.ActiveHW());
    EXPECT_TRUE(Has("Open DLPortIO 0x24") && Has("Stop DLPortIO"));
    EXPECT_TRUE(Has("Open DLPortIO 0x10000") && Has("Delete DLPortIO"));
    EXPECT_FALSE(Installed());
    EXPECT_EQ(services.OpenHandles, 0);
    EXPECT_EQ(library.Loaded, 0);
}

TEST_F(PortIoTest, NtLeavesAnInstalledDriverAsItFoundIt)
{
    for (uint32_t before : {1u, 4u}) { // stopped, running
        services.Services["DLPortIO"].State = before;
        services.Calls.clear();
        TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
        io.OpenDriver();
        ASSERT_TRUE(io.ActiveHW());
        io.CloseDriver();
        EXPECT_FALSE(io.ActiveHW());
        ASSERT_TRUE(Installed());
        EXPECT_EQ(State(), before == 4 ? 4u : 1u);
        EXPECT_EQ(Has("Start DLPortIO"), before == 1);
        EXPECT_EQ(Has("Stop DLPortIO"), before == 1);
        EXPECT_FALSE(Has("Create DLPortIO"));
        EXPECT_FALSE(Has("Delete DLPortIO"));
        EXPECT_EQ(services.OpenHandles, 0);
    }
}

TEST_F(PortIoTest, NtFailuresNameTheStepAndUndoWhatWasDone)
{
    const struct {
        const char* failing;
        uint32_t code;
        uint32_t stateBefore; // 0: absent
        const char* lastError;
        bool installedAfter;
    } cases[] = {
        {"OpenManager", 1115, 0, "ConnectSCM: Error #1115", false},
        {"Create", 1072, 0, "DriverInstall: Error #1072", false},
        {"Query", 6, 0, "DriverStart: Error #6", false},
        {"Start", 2, 0, "DriverStart: Error #2", false},
        {"Start", 2, 1, "DriverStart: Error #2", true},
        {"", 0, 2, "DriverStart: Error #-1", true},  // start pending, installed by someone else
    };
    for (const auto& c : cases) {
        services = {};
        if (c.stateBefore)
            services.Services["DLPortIO"].State = c.stateBefore;
        if (*c.failing)
            services.FailCalls[c.failing] = c.code;
        TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
        io.OpenDriver();
        EXPECT_FALSE(io.ActiveHW()) << c.lastError;
        EXPECT_EQ(io.LastError(), c.lastError);
        EXPECT_EQ(Installed(), c.installedAfter) << c.lastError;
        EXPECT_EQ(library.Loaded, 0);
        EXPECT_EQ(services.OpenHandles, 0) << c.lastError;
    }
}

TEST_F(PortIoTest, OpenDriverRemovesTheServiceItInstalledWhenItStaysPending)
{
    // A service control manager whose new services hang in start-pending.
    struct Pending : fakes::ServiceManager {
        platform::ServiceHandle Create(platform::ServiceHandle m, const platform::ServiceDefinition& s) override
        {
            platform::ServiceHandle h = fakes::ServiceManager::Create(m, s);
            Services[s.name].State = 2;
            return h;
        }
    } pending;
    TDLPortIO io(library, pending, true, "C:\\WINNT\\System32");
    io.OpenDriver();
    EXPECT_FALSE(io.ActiveHW());
    EXPECT_EQ(io.LastError(), "DriverStart: Error #-1");
    EXPECT_EQ(pending.Services.count("DLPortIO"), 0u);
    EXPECT_EQ(pending.OpenHandles, 0);
}

TEST_F(PortIoTest, AccessDeniedRetriesTheManagerWithFewerRights)
{
    services.FailCalls["OpenManager:0x17"] = 5;
    services.FailCalls["Create"] = 5;
    TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
    io.OpenDriver();
    EXPECT_EQ(services.ManagerAccess, (std::vector<uint32_t>{0x17, 0x15}));
    EXPECT_EQ(io.LastError(), "DriverInstall: Error #5");

    // With the driver already installed and running, the reduced rights suffice.
    services.FailCalls.erase("Create");
    services.Services["DLPortIO"].State = 4;
    io.OpenDriver();
    EXPECT_TRUE(io.ActiveHW());
    EXPECT_EQ(io.LastError(), "DriverInstall: Error #5"); // a success does not clear it
}

TEST_F(PortIoTest, NtMissingLibraryStopsAndRemovesTheDriverItStarted)
{
    library.Files.clear();
    TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
    io.OpenDriver();
    EXPECT_FALSE(io.ActiveHW());
    EXPECT_TRUE(Has("Start DLPortIO"));
    EXPECT_TRUE(Has("Stop DLPortIO"));
    EXPECT_FALSE(Installed());
    EXPECT_EQ(services.OpenHandles, 0);
}

TEST_F(PortIoTest, CloseDriverKeepsTheLibraryWhenTheDriverCannotBeStoppedOrRemoved)
{
    for (const char* failing : {"Stop", "Delete"}) {
        services = {};
        TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
        io.OpenDriver();
        services.FailCalls[failing] = 1052;
        io.CloseDriver();
        EXPECT_TRUE(io.ActiveHW()) << failing;
        EXPECT_EQ(library.Loaded, 1);
        EXPECT_EQ(io.LastError(), std::string(failing) == "Stop" ? "DriverStop: Error #1052" : "DriverRemove: Error #1052");
        services.FailCalls.clear();
        io.CloseDriver();
        library.Loaded = 0;
    }
}

TEST_F(PortIoTest, DestructionClosesAnOpenDriver)
{
    {
        TDLPortIO io(library, services, true, "C:\\WINNT\\System32");
        io.OpenDriver();
        ASSERT_TRUE(Installed());
    }
    EXPECT_FALSE(Installed());
    EXPECT_EQ(library.Loaded, 0);
}

TEST(PortIoPaths, DriverFolderAndProgramFolder)
{
    EXPECT_EQ(devices::JoinPath("C:\\BLINKERY\\", "DLPortIO.SYS"), "C:\\BLINKERY\\DLPortIO.SYS");
    EXPECT_EQ(devices::JoinPath("C:\\BLINKERY", "DLPortIO.SYS"), "C:\\BLINKERY\\DLPortIO.SYS");
    EXPECT_EQ(devices::ProgramFolder("C:\\Program Files\\Blinkery\\Blinkery.exe"), "C:\\Program Files\\Blinkery\\");
    EXPECT_EQ(devices::ProgramFolder("D:\\B.EXE"), "D:\\");
    EXPECT_EQ(devices::ProgramFolder("B.EXE"), "");
}

} // namespace
