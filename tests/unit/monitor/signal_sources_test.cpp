// The counter methods on their fake sources, driven through the poll tick:
// what each delivers, when it sets or clears CD, and how counts restart
// with each connection.
#include "engine_rig.h"

using enginetest::EngineRig;

namespace {

class SignalSourcesTest : public EngineRig {};

// --- Registry method

TEST_F(SignalSourcesTest, RegistryCountsRestartWithEachConnection)
{
    g.DUNRegistry = 1;
    Carrier(false);
    Registry(5000, 3000, 33600);
    Tick();
    EXPECT_FALSE(g.ModemSignals.RD) << "no carrier: the counts are the baseline";
    EXPECT_EQ(cs.Info.ConnectionSpeed, 0u) << "the speed reads 0 without carrier";

    Carrier(true);
    Tick();
    EXPECT_TRUE(g.ModemSignals.CD);
    EXPECT_FALSE(g.ModemSignals.RD);
    EXPECT_EQ(cs.Info.ConnectionSpeed, 33600u);
    Registry(5600, 3100);
    Tick();
    EXPECT_TRUE(g.ModemSignals.RD);
    EXPECT_TRUE(g.ModemSignals.TD);
    EXPECT_EQ(cs.SessionRx, 600u);
    EXPECT_EQ(cs.Info.BytesOut, 100u);

    Carrier(false);
    Registry(9000, 4000);
    Tick();
    Tick();
    EXPECT_EQ(cs.SessionRx, 600u) << "the last session's figures stay after it ended";
    Carrier(true);
    Tick();
    Registry(9100, 4010);
    Tick();
    EXPECT_EQ(cs.SessionRx, 100u);
    EXPECT_EQ(cs.SessionTx, 10u);
}

TEST_F(SignalSourcesTest, RegistryLineErrorsAndMissingValues)
{
    g.DUNRegistry = 1;
    Carrier(true);
    const char* names[] = {"Alignment", "Buffer", "CRC", "Framing", "Overrun", "Timeout"};
    for (uint32_t i = 0; i < 6; ++i)
        stat.Set(std::string("Dial-Up Adapter\\") + names[i], 10 + i);
    Tick();
    const TConnStatus& info = cs.Info;
    EXPECT_EQ((std::vector<uint32_t>{info.AlignmentErrors, info.BufferOverrunErrors, info.CRCErrors,
                                     info.FramingErrors, info.HardwareOverrun, info.TimeoutErrors}),
              (std::vector<uint32_t>{10, 11, 12, 13, 14, 15}));

    stat.Values.erase("Dial-Up Adapter\\CRC");
    stat.Set("Dial-Up Adapter\\Timeout", 99);
    Tick();
    EXPECT_EQ(info.CRCErrors, 12u) << "a missing value leaves its figure as it was";
    EXPECT_EQ(info.TimeoutErrors, 99u);

    stat.Exists = false;
    Registry(1, 1);
    Tick();
    EXPECT_FALSE(g.ModemSignals.RD);
    EXPECT_EQ(stat.Opens - 1, stat.Closes) << "only opened keys are closed";
}

TEST_F(SignalSourcesTest, RegistryValuesOfAnotherTypeEndTheTickAndAreShownOnce)
{
    g.DUNRegistry = 1;
    Carrier(false);
    Registry(100, 100);
    Tick(); // the baseline
    Carrier(true);
    stat.Values["Dial-Up Adapter\\BytesXmit"] = {false, {'4', '2', 0}}; // REG_SZ
    Tick();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Invalid data type for 'Dial-Up Adapter\\BytesXmit'");
    EXPECT_EQ(boxes.Shown[0].Icon, platform::MbIcon::Error);
    EXPECT_FALSE(g.ModemSignals.PrevCD) << "the rest of the tick was skipped";
    EXPECT_EQ(stat.Opens, stat.Closes);

    Tick();
    Tick();
    EXPECT_EQ(boxes.Shown.size(), 1u) << "the same bad value is not shown at every tick";
    EXPECT_TRUE(g.ModemSignals.PrevCD) << "the next ticks run";
    EXPECT_EQ(cs.SessionRx, 0u);
    Registry(300, 100);
    Tick();
    EXPECT_EQ(cs.SessionRx, 200u) << "the other values still count";

    // Once it reads well again, a new fault is shown again; so is one that
    // is too long for a 32-bit count.
    stat.Values["Dial-Up Adapter\\BytesXmit"] = {true, {1, 2, 3, 4, 5}};
    Tick();
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[1].Text, "Invalid data type for 'Dial-Up Adapter\\BytesXmit'");
}

TEST_F(SignalSourcesTest, RegistryShortBinaryValuesAndRenamedAdapter)
{
    g.DUNRegistry = 1;
    Carrier(true);
    Tick();
    stat.Values["Dial-Up Adapter\\BytesRecvd"] = {true, {0x34, 0x12}};
    Tick();
    EXPECT_EQ(cs.SessionRx, 0x1234u);
    EXPECT_TRUE(boxes.Shown.empty());

    g.DUNRegistryName = "Other Adapter";
    stat.Set("Other Adapter\\BytesRecvd", 0x2000);
    Tick();
    EXPECT_EQ(cs.SessionRx, 0x2000u) << "the value names follow the setting";
}

// --- 'rnaapp' method

TEST_F(SignalSourcesTest, RnaappHoldsCarrierFalseUntilTheApplicationReportsAConnection)
{
    g.RNAAPP = 1;
    g.RnaappNewer = 1;
    Carrier(true); // the UART says carrier
    rnaapp.SetRecord(false, 0, 0, 0);
    Tick();
    EXPECT_EQ(rnaapp.Loads, 1);
    EXPECT_EQ(rnaapp.Calls, 0) << "the tick that loads the library does not call it";
    EXPECT_FALSE(g.ModemSignals.CD);
    Tick();
    EXPECT_EQ(rnaapp.Calls, 1);
    EXPECT_FALSE(g.ModemSignals.CD);
    EXPECT_EQ(g.RnaappFound, 1);

    rnaapp.SetRecord(true, 4000, 1000, 57600);
    Tick();
    EXPECT_TRUE(g.ModemSignals.CD);
    EXPECT_EQ(cs.Info.ConnectionSpeed, 57600u) << "three bytes of speed; the fourth is not part of it";
    Tick();
    rnaapp.SetRecord(true, 4500, 1200, 57600);
    Tick();
    EXPECT_TRUE(g.ModemSignals.RD);
    EXPECT_EQ(cs.SessionRx, 4500u);
    const int32_t expected[8] = {1, 1, 1000, 4000, 1000, 4000, 0x44, 0x1234};
    EXPECT_TRUE(std::equal(expected, expected + 8, rnaapp.Received)) << "the eight values in their order";

    rnaapp.RecordAddress = 0;
    Tick();
    EXPECT_FALSE(g.ModemSignals.CD);
    EXPECT_EQ(g.RnaappFound, 0);
}

TEST_F(SignalSourcesTest, RnaappOnlyOnWindows9x)
{
    g.RNAAPP = 1;
    g.OsKind = OsNT4;
    g.RAS = 0;
    Carrier(true);
    Tick();
    EXPECT_EQ(rnaapp.Loads, 0);
    EXPECT_TRUE(g.ModemSignals.CD);
}

TEST_F(SignalSourcesTest, MissingBlidllSwitchesTheMethodOffWithTheTimerStopped)
{
    g.RNAAPP = 1;
    rnaapp.Present = false;
    int32_t modalDuringBox = -1;
    struct Boxes : fakes::MessageBoxes {
        std::function<void()> During;
        platform::MbResult Show(const std::string& t, const std::string& c, platform::MbButtons b,
                                platform::MbIcon i) override
        {
            During();
            return fakes::MessageBoxes::Show(t, c, b, i);
        }
    };
    Boxes scripted;
    scripted.During = [&] { modalDuringBox = g.ModalActive; };
    monitor::TSignalSources own{g, monitor::SignalServices{client, lights, rnaapp, stat, tapi, scripted, host, host}};
    monitor::CounterSample sample{1, 2, 3};
    own.ReadRnaappCounters(sample);

    ASSERT_EQ(scripted.Shown.size(), 1u);
    EXPECT_EQ(scripted.Shown[0].Text, "blidll.dll missing in Blinkery's folder!\rRNAAPP detection disabled");
    EXPECT_EQ(scripted.Shown[0].Buttons, platform::MbButtons::Ok);
    EXPECT_EQ(modalDuringBox, 1);
    EXPECT_EQ(g.ModalActive, 0);
    EXPECT_EQ(g.RNAAPP, 0);
    EXPECT_EQ(host.Log, (std::vector<std::string>{"TimerOff", "TimerOn"}));
    EXPECT_EQ(sample.RxBytes + sample.TxBytes + sample.Speed, 0u);
}

TEST_F(SignalSourcesTest, RnaappReleaseClosesTheProcessAndUnloads)
{
    g.RNAAPP = 1;
    Tick();
    Tick();
    sources.Release();
    EXPECT_EQ(rnaapp.Closed, (std::vector<uint32_t>{0x44}));
    EXPECT_EQ(rnaapp.Unloads, 1);
    EXPECT_EQ(g.RnaappProcess, 0);
}

// --- 'lights' method

TEST_F(SignalSourcesTest, LightsCountsOnlyWithCarrierAndARunningCompanion)
{
    g.DUNLights = 1;
    g.LightsAvailable = 1;
    g.LightsProcess = 0x80;
    g.LightsDevice = 0x90;
    g.LightsText = "Office";
    lights.RunningProcess = 0x80;
    lights.Device = 0x90;
    lights.Speed = 57600;
    lights.Rx = 700;
    lights.Tx = 300;

    struct Case {
        const char* What;
        bool Carrier;
        uintptr_t Running;
        uint32_t Rx;
    };
    for (const Case& c : {Case{"no carrier", false, 0x80, 0}, Case{"companion ended", true, 0, 0},
                          Case{"running", true, 0x80, 700}}) {
        lights.RunningProcess = c.Running;
        g.LightsDevice = 0x90;
        monitor::CounterSample sample{1, 1, 1};
        g.ModemSignals.CD = c.Carrier;
        sources.ReadLightsCounters(sample);
        EXPECT_EQ(sample.RxBytes, c.Rx) << c.What;
    }
    EXPECT_EQ(cs.ConnectionText, "Office");

    g.LightsAvailable = 0;
    monitor::CounterSample untouched{5, 6, 7};
    sources.ReadLightsCounters(untouched);
    EXPECT_EQ(untouched.RxBytes, 5u) << "without the companion the method does nothing at all";
}

TEST_F(SignalSourcesTest, LightsSpeedTextAndTheDeviceForgottenWithoutCarrier)
{
    g.DUNLights = 1;
    g.LightsAvailable = 1;
    g.LightsProcess = lights.RunningProcess = 0x80;
    g.LightsDevice = lights.Device = 0x90;
    g.LightsText = "Office";
    lights.Speed = 57600;
    Carrier(true);
    Tick();
    EXPECT_EQ(cs.SpeedText, "@ 57600 bps Office");
    Carrier(false);
    Tick();
    EXPECT_EQ(g.LightsDevice, 0u);
    EXPECT_EQ(cs.SpeedText, "");
    EXPECT_EQ(cs.ConnectionText, "");
}

// --- Helper VxD counts

TEST_F(SignalSourcesTest, VxdCountsOnlyWhenNoOtherMethodCounted)
{
    vxd.Opened = true;
    vxd.HookedPort = "COM2";
    vxd.ModemStatus = enginetest::CD;
    g.DUNRegistry = 1;
    Tick();
    vxd.SentPending = 40;
    vxd.ReceivedPending = 100;
    Tick();
    EXPECT_EQ(cs.SessionRx, 100u) << "the registry counted nothing: the VxD counts";
    EXPECT_EQ(cs.SessionTx, 40u);
    vxd.ReceivedPending = 50;
    Tick();
    EXPECT_EQ(cs.SessionRx, 150u) << "increments add to the last total";

    Registry(1000, 1000); // the baseline was 0: the registry now counts
    vxd.ReceivedPending = 7;
    Tick();
    EXPECT_EQ(cs.SessionRx, 1000u);
    EXPECT_EQ(vxd.ReceivedPending, 7u) << "the VxD was not asked";
}

TEST_F(SignalSourcesTest, VxdCountsWrapAndAlternativeQuery)
{
    vxd.Opened = true;
    vxd.HookedPort = "COM2";
    struct Case {
        const char* What;
        uint32_t Last;
        uint32_t Increment;
        bool Alternative;
        uint32_t Rx;
    };
    for (const Case& c : {Case{"plain", 10, 5, false, 15}, Case{"alternative query", 10, 5, true, 15},
                          Case{"past 2 GB", 0x7FFFFFF0u, 0x20, false, 0x80000010u},
                          Case{"past 4 GB", 0xFFFFFFF0u, 0x20, false, 0x10}, Case{"nothing new", 9, 0, false, 9}}) {
        g.AlternativeMethodForRD = c.Alternative ? 1 : 0;
        cs.LastRx = c.Last;
        vxd.ReceivedPending = c.Alternative ? 0 : c.Increment;
        vxd.ReceivedAltPending = c.Alternative ? c.Increment : 0;
        monitor::CounterSample sample;
        sources.ReadVxdCounters(sample);
        EXPECT_EQ(sample.RxBytes, c.Rx) << c.What;
    }
    g.LightsDevice = 5;
    vxd.ReceivedPending = 3;
    monitor::CounterSample sample;
    sources.ReadVxdCounters(sample);
    EXPECT_EQ(vxd.ReceivedPending, 3u) << "a 'lights' device stops the VxD counts";
}

} // namespace
