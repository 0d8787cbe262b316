#include "monitor/helper_vxd_client.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

using monitor::HelperVxdClient;
using monitor::VxdOpenResult;

namespace {

TEST(HelperVxdPath, TheVxdIsLookedForBesideTheProgram)
{
    const struct {
        const char* program;
        const char* device;
    } cases[] = {
        {"C:\\BLINKERY\\BLINKERY.EXE", "\\\\.\\C:\\BLINKERY\\BLINKR95.VXD"},
        {"C:\\PROGRA~1\\BLINKERY\\BLINKERY.EXE", "\\\\.\\C:\\PROGRA~1\\BLINKERY\\BLINKR95.VXD"},
        // A renamed program still finds the VxD in its folder.
        {"D:\\TOOLS\\MODEM.EXE", "\\\\.\\D:\\TOOLS\\BLINKR95.VXD"},
        {"A:\\B.EXE", "\\\\.\\A:\\BLINKR95.VXD"},
        {"BLINKERY.EXE", "\\\\.\\BLINKR95.VXD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(monitor::VxdDevicePath(c.program), c.device) << c.program;
}

TEST(HelperVxdClient, OpensOnlyOnWindows9xWithoutNoVxdAndNeverHooksOnOpen)
{
    const struct {
        int32_t os, noVxd;
        bool present;
        VxdOpenResult result;
    } cases[] = {
        {0, 0, true, VxdOpenResult::Opened},      {0, 0, false, VxdOpenResult::NotFound},
        {0, 1, true, VxdOpenResult::NotWanted},   {4, 0, true, VxdOpenResult::NotWanted},
        {5, 0, true, VxdOpenResult::NotWanted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.os << " " << c.noVxd << " " << c.present);
        fakes::HelperVxd vxd;
        vxd.Present = c.present;
        HelperVxdClient client(vxd);
        EXPECT_EQ(client.Open(c.os, c.noVxd, "C:\\BLINKERY\\BLINKERY.EXE"), c.result);
        EXPECT_EQ(client.IsOpen(), c.result == VxdOpenResult::Opened);
        EXPECT_EQ(vxd.OpenedPaths.size(), c.result == VxdOpenResult::NotWanted ? 0u : 1u);
        EXPECT_TRUE(vxd.Requests.empty());
    }
}

TEST(HelperVxdClient, HookIsOneRequestAndReportsFailure)
{
    fakes::HelperVxd vxd;
    HelperVxdClient client(vxd);
    EXPECT_FALSE(client.Hook()); // not open: nothing is sent
    EXPECT_TRUE(vxd.Requests.empty());

    client.Open(0, 0, "C:\\BLINKERY\\BLINKERY.EXE");
    EXPECT_TRUE(client.Hook());
    EXPECT_TRUE(vxd.Hooked);
    EXPECT_EQ(vxd.Requests, std::vector<uint32_t>{2});

    vxd.HookFails = true;
    EXPECT_FALSE(client.Hook());
}

TEST(HelperVxdClient, CloseUnhooksBeforeClosingAndIsHarmlessTwice)
{
    fakes::HelperVxd vxd;
    HelperVxdClient client(vxd);
    client.Open(0, 0, "C:\\BLINKERY\\BLINKERY.EXE");
    client.Hook();
    client.Close();
    client.Close();
    EXPECT_FALSE(client.IsOpen());
    EXPECT_FALSE(vxd.Hooked);
    ASSERT_EQ(vxd.Calls.size(), 2u);
    EXPECT_EQ(vxd.Calls[1].Code, 3u);
    EXPECT_TRUE(vxd.Calls[1].OpenAtCall);

    // Opened again later (the detection page): no hook request.
    client.Open(0, 0, "C:\\BLINKERY\\BLINKERY.EXE");
    EXPECT_EQ(vxd.Calls.size(), 2u);
}

TEST(HelperVxdClient, RequestsCarryTheirBuffersAndAnswers)
{
    fakes::HelperVxd vxd;
    HelperVxdClient client(vxd);
    client.Open(0, 0, "C:\\BLINKERY\\BLINKERY.EXE");
    vxd.HookedPort = "COM3";
    vxd.ModemStatus = 0xB0;
    vxd.SentPending = 120;
    vxd.ReceivedPending = 900;
    vxd.ReceivedAltPending = 33;
    vxd.Replies[9] = {true, 38400, 0x1F2}; // even parity in the low four bits
    vxd.Replies[10] = {true, 0x37, 0x21};  // 7 data bits, 1.5 stop bits

    char name[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(client.PortName(name), 4u);
    EXPECT_EQ(std::string(name, 4), "COM3");
    EXPECT_EQ(client.SentBytes(3), 120u);
    EXPECT_EQ(client.SentBytes(3), 0u); // increments are handed out once
    EXPECT_EQ(client.ReceivedBytes(false), 900u);
    EXPECT_EQ(client.ReceivedBytes(true), 33u);
    EXPECT_EQ(client.ModemStatus(), 0xB0);
    client.ReportOtherPort();
    const monitor::VxdLineReply speed = client.LineSpeed();
    EXPECT_EQ(speed.Value, 38400u);
    EXPECT_EQ(speed.Code, 2);
    const monitor::VxdLineReply bits = client.DataBits();
    EXPECT_EQ(bits.Value, 7u);
    EXPECT_EQ(bits.Code, 1);

    const struct {
        uint32_t code;
        bool hasIn;
        uint32_t inValue, inSize;
        bool hasOut;
        uint32_t outSize;
    } expected[] = {
        {6, false, 0, 0, true, 4}, {4, true, 3, 0, false, 0}, {4, true, 3, 0, false, 0}, {5, false, 0, 0, false, 0},
        {11, false, 0, 0, false, 0}, {8, false, 0, 0, false, 0}, {7, false, 0, 0, false, 0},
        {9, false, 0, 0, false, 1}, {10, false, 0, 0, false, 1},
    };
    ASSERT_EQ(vxd.Calls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].code);
        const auto& call = vxd.Calls[i];
        EXPECT_EQ(call.Code, expected[i].code);
        EXPECT_EQ(call.HasIn, expected[i].hasIn);
        EXPECT_EQ(call.InValue, expected[i].inValue);
        EXPECT_EQ(call.InSize, expected[i].inSize);
        EXPECT_EQ(call.HasOut, expected[i].hasOut);
        EXPECT_EQ(call.OutSize, expected[i].outSize);
    }
}

TEST(HelperVxdClient, AShortOrMissingPortNameLeavesTheRestZero)
{
    fakes::HelperVxd vxd;
    HelperVxdClient client(vxd);
    char name[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(client.PortName(name), 0u); // not open: no request
    EXPECT_TRUE(vxd.Requests.empty());
    EXPECT_EQ(std::string(name, 4), std::string(4, '\0'));

    client.Open(0, 0, "C:\\BLINKERY\\BLINKERY.EXE");
    vxd.HookedPort = "CO";
    std::fill(name, name + 4, 'x');
    EXPECT_EQ(client.PortName(name), 2u);
    EXPECT_EQ(std::string(name, 4), std::string("CO\0\0", 4));

    // A VxD that claims more than the buffer holds is held to the buffer.
    vxd.HookedPort = "COM1";
    vxd.Replies[6] = {true, 4000, 0};
    EXPECT_EQ(client.PortName(name), 4u);
}

} // namespace
