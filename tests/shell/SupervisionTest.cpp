// The two-second tick on the virtual clock: the no-data watch, the module fall-backs and the
// parameter and base warnings.
#include "foundation/ConnectionPort.h"
#include "platform/serial/SerialPortMap.h"
#include "resources/WarningDlgs.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

namespace {
constexpr DWORD kTick = mainframe::kTickMs;
}

class SupervisionTest : public FrameTest {
protected:
    // Ticks at which "无数据" reached the position window.
    std::vector<int> NoDataTicks(int ticks) {
        std::vector<int> at;
        for (int tick = 1; tick <= ticks; ++tick) {
            listener.heard.clear();
            ui_.Advance(kTick);
            for (const HeardFix& h : listener.heard)
                if (h.kind == 0 && h.solution == L"无数据") at.push_back(tick);
        }
        return at;
    }
    const CWarningDlg& Warning(WarningKind kind) { return FrameProbe::Watch(frame).Warning(kind); }
};

TEST_F(SupervisionTest, NoDataAfterFifteenSilentTicksThenAfterNineMore) {
    EXPECT_EQ(NoDataTicks(36), (std::vector<int>{16, 26, 36}));
    // A fix restarts the count.
    Feed(sim::BestPosLog(Epoch()));
    EXPECT_EQ(NoDataTicks(16), std::vector<int>{16});
    EXPECT_EQ(FrameProbe::Receiver(frame).HasData(), 0);
}

// The start-up opens the built-in Bluetooth module's port without linking it: while it is silent the
// watch says the receiver is not connected, and once a run how to connect it.
TEST_F(SupervisionTest, ASilentBuiltInModuleSaysHowToConnect) {
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
        s.connection.nPort = kBuiltInModuleLink;
        s.connection.nComMode = 0;
    });
    ui_.ExpectMessageBox(Supervision::kHowToLinkText);
    std::vector<int> at;
    for (int tick = 1; tick <= 26; ++tick) {
        listener.heard.clear();
        ui_.Advance(kTick);
        for (const HeardFix& h : listener.heard)
            if (h.kind == 0 && h.solution == Supervision::kModuleUnlinkedText) at.push_back(tick);
    }
    EXPECT_EQ(at, (std::vector<int>{16, 26}));
    EXPECT_EQ(ui_.MessageBoxes().size(), 1u);
}

TEST_F(SupervisionTest, AModuleReadRunningOutGivesWayToTheNextRead) {
    CModuleCommandQueue& modules = ReceiverLinkProbe::Modules(FrameProbe::Receiver(frame));
    struct Case {
        int linkType;
        ModuleCommand pending;
        const wchar_t* next;
    } cases[] = {
        {1, ModuleCommand::kReadGprs, L"READRADIO"},
        {1, ModuleCommand::kReadRadio, L"CLOSERADIO"},
        {0, ModuleCommand::kReadRadio, L"READGPRS"},
        {0, ModuleCommand::kReadGprs, L"CLOSERADIO"},
    };
    for (const Case& c : cases) {
        ChangeSettings(FrameProbe::Job(frame),
                       [&c](GeneralSettingsBlock& s) { s.dataLink.nModuleType = c.linkType; });
        modules.CancelCommands();
        modules.SetMode(ModuleMode::kLinkDetect);
        modules.current.kind = c.pending;
        modules.current.commandText = L"x";
        modules.current.timeout = 10;
        ui_.Advance(kTick);  // the countdown goes from 10 to 8

        EXPECT_EQ(modules.current.name, c.next) << c.linkType << " " << static_cast<int>(c.pending);
    }
}

TEST_F(SupervisionTest, ParameterWarningsFollowTheirRules) {
    struct Case {
        const char* name;
        double longitude;
        int solutionCode;
        double scale;     // four-parameter scale, switch on when not 0
        double rotation;  // seven-parameter rotation about Z, switch on when not 0
        WarningKind kind;
        bool raised;
    } cases[] = {
        {"meridian 6 degrees away", 126.5, 10, 0, 0, WarningKind::kMeridian, true},
        {"meridian 4 degrees away", 124.0, 10, 0, 0, WarningKind::kMeridian, false},
        {"west of Greenwich", -126.5, 10, 0, 0, WarningKind::kMeridian, false},
        {"no solution yet", 126.5, 1, 0, 0, WarningKind::kMeridian, false},
        {"four scale 1.06", 120.0, 10, 1.06, 0, WarningKind::kFourParam, true},
        {"four scale -1.0", 120.0, 10, -1.0, 0, WarningKind::kFourParam, false},
        {"four scale 0.94", 120.0, 10, 0.94, 0, WarningKind::kFourParam, true},
        {"seven rotation 0.0003", 120.0, 10, 0, 0.0003, WarningKind::kSevenParam, true},
        {"seven rotation -0.0003", 120.0, 10, 0, -0.0003, WarningKind::kSevenParam, true},
        {"seven rotation 0.0002", 120.0, 10, 0, 0.0002, WarningKind::kSevenParam, false},
        // Each limit from both sides, the job's meridian at 120 degrees: on a limit is within it.
        {"meridian 5 degrees east", 125.0, 10, 0, 0, WarningKind::kMeridian, false},
        {"meridian just over 5 degrees east", 125.001, 10, 0, 0, WarningKind::kMeridian, true},
        {"meridian 5 degrees west", 115.0, 10, 0, 0, WarningKind::kMeridian, false},
        {"meridian just over 5 degrees west", 114.999, 10, 0, 0, WarningKind::kMeridian, true},
        {"the first solution that counts", 126.5, 2, 0, 0, WarningKind::kMeridian, true},
        {"four scale 1.05", 120.0, 10, 1.05, 0, WarningKind::kFourParam, false},
        {"four scale 1.0501", 120.0, 10, 1.0501, 0, WarningKind::kFourParam, true},
        {"four scale 0.95", 120.0, 10, 0.95, 0, WarningKind::kFourParam, false},
        {"four scale 0.9499", 120.0, 10, 0.9499, 0, WarningKind::kFourParam, true},
        {"seven rotation 0.00028", 120.0, 10, 0, 0.00028, WarningKind::kSevenParam, false},
        {"seven rotation 0.000281", 120.0, 10, 0, 0.000281, WarningKind::kSevenParam, true},
    };
    for (const Case& c : cases) {
        ChangeCoordParams(FrameProbe::Job(frame), [&c](CoordSysParams& coord) {
            coord.projection.szdCenter = 120.0;
            coord.four.nDifang = c.scale != 0 ? 1 : 0;
            coord.four.szdCk1 = c.scale != 0 ? c.scale : 5.0;
            coord.seven.nSevenPar = c.rotation != 0 ? 1 : 0;
            coord.seven.szdWz = c.rotation != 0 ? c.rotation : 1.0;
        });
        ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).longitude = c.longitude;
        ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).solutionCode = c.solutionCode;
        ui_.Advance(kTick);
        EXPECT_EQ(Warning(c.kind).IsOpen(), c.raised) << c.name;
        FrameProbe::Watch(frame).CloseWarnings();
    }
}

namespace {
std::vector<CString> g_shownWarnings;
void RecordShownWarning(const CString& caption, const CString& text) {
    g_shownWarnings.push_back(L"[" + caption + L"] " + text);
}
}  // namespace

TEST_F(SupervisionTest, OkAcknowledgesAWarningAndCancelOnlyClosesIt) {
    g_shownWarnings.clear();
    ScopedHook shown(SetWarningShownHook, RecordShownWarning);
    ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).longitude = 126.5;
    ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).solutionCode = 10;
    ui_.Advance(kTick);
    ui_.Advance(kTick);  // raised again while open: still the one window, told once
    const CWarningDlg& meridian = Warning(WarningKind::kMeridian);
    ASSERT_TRUE(meridian.IsOpen());
    EXPECT_EQ(g_shownWarnings, std::vector<CString>{L"[提示] 中央子午线设置错误请重新设置!"});
    ASSERT_TRUE(ui_.Screenshot(Shot("meridian-warning")));
    ui_.PressKey(VK_ESCAPE);
    EXPECT_FALSE(meridian.IsOpen());
    ui_.Advance(kTick);
    ASSERT_TRUE(meridian.IsOpen());
    ui_.Click(const_cast<CWarningDlg&>(meridian), IDOK);
    EXPECT_FALSE(meridian.IsOpen());
    EXPECT_TRUE(FrameProbe::Watch(frame).Acknowledged(ParamWarning::kCentralMeridian));
    ui_.Advance(kTick);
    EXPECT_FALSE(meridian.IsOpen());
    // A changed central meridian arms it again.
    FrameProbe::Watch(frame).Rearm(ParamWarning::kCentralMeridian);
    ui_.Advance(kTick);
    EXPECT_TRUE(meridian.IsOpen());
}

TEST_F(SupervisionTest, BaseIdentifierWarningComesBeforeTheCoordinatesOneAndNetworkModesSkipBoth) {
    Supervision& watch = FrameProbe::Watch(frame);
    watch.NoteBaseChange(L"0001", L"0001", 12.0);
    watch.NoteBaseChange(L"0002", L"0001", 12.0);
    ASSERT_EQ(watch.BaseChangeText(), L"当前基站号::0002  上次基站号::0001\r\n新旧基站距离::12.000");
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
        s.dataLink.nModuleType = 1;
        s.dataLink.net.workMode = 2;
    });
    ui_.Advance(kTick);
    EXPECT_FALSE(Warning(WarningKind::kBaseId).IsOpen());
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) { s.dataLink.net.workMode = 0; });
    ui_.Advance(kTick);
    const CWarningDlg& id = Warning(WarningKind::kBaseId);
    ASSERT_TRUE(id.IsOpen());
    EXPECT_FALSE(Warning(WarningKind::kBaseCoord).IsOpen());
    EXPECT_EQ(ui_.GetText(const_cast<CWarningDlg&>(id), warning::kBaseIdChange), watch.BaseChangeText());
    ASSERT_TRUE(ui_.Screenshot(Shot("base-id-warning")));
    ui_.Click(const_cast<CWarningDlg&>(id), IDOK);
    EXPECT_FALSE(watch.BaseIdChanged());
    ui_.Advance(kTick);
    EXPECT_TRUE(Warning(WarningKind::kBaseCoord).IsOpen());
}

// A receiver that hung up is tried again at least every 4 s however long it stays away, and the
// loss stays shown (no "无数据" over it) until it is back.
TEST_F(SupervisionTest, ALostReceiverIsTriedEveryFourSecondsAndItsLossStaysShown) {
    SetSerialDevicePath(5, (root_ / "gone").string());
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
        s.connection.nPort = 0;
        s.connection.nComMode = 0;
        s.connection.nComBaud = 57600;
    });
    listener.heard.clear();
    FrameProbe::Watch(frame).OnPortLost();
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].solution, Supervision::kPortLostText);
    EXPECT_TRUE(NoDataTicks(40).empty());
    EXPECT_TRUE(FrameProbe::Watch(frame).PortLost());

    sim::CReceiverSimulator simulator;
    ASSERT_TRUE(simulator.Open());
    SetSerialDevicePath(5, simulator.DevicePath());
    ui_.Advance(kTick);
    ui_.Advance(kTick);
    EXPECT_FALSE(FrameProbe::Watch(frame).PortLost());
    FrameProbe::Receiver(frame).Port().Close();
    SetSerialDevicePath(5, "");
}
