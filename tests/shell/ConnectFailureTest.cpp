// 连接仪器 with a port that cannot be opened: the user is told with the port's own text, and the
// receiver that worked before is connected again as the job stored it; nothing of the refused
// choice is kept.
#include "platform/ui/CommonControls.h"
#include "receiver/screens/CConnectDlg.h"
#include "tests/receiver/SimulatorLink.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/SimulatorFrameTest.h"

namespace {

class ConnectFailureTest : public SimulatorFrameTest {
protected:
    void SetUp() override {
        SimulatorFrameTest::SetUp();
        InitCommonControls();  // the dialog's combo boxes
    }
    void TearDown() override {
        SetSerialDevicePath(kRefusedPort, "");
        SimulatorFrameTest::TearDown();
    }
    static constexpr int kRefusedPort = 9;
};

}  // namespace

TEST_F(ConnectFailureTest, RefusedPortIsToldAndTheWorkingLinkComesBack) {
    frame.ShowWindow(SW_SHOW);
    simulator.StayQuiet("");  // the receiver only listens: what the frame writes is all there is
    SetSerialDevicePath(kRefusedPort, (root_ / "no-such-device").string());
    // The working link: the cable on COM5 at 57600 baud.
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
        s.connection.nPort = 0;
        s.connection.nComMode = 0;
        s.connection.nComBaud = 57600;
    });
    const ConnectionSettings working = FrameProbe::Job(frame).Settings().connection;
    ASSERT_TRUE(FrameProbe::Services(frame).ConnectReceiver(working.nPort, working.nComMode,
                                                            working.nInputCom, working.nComBaud));
    Written();

    ui_.OnModal(CConnectDlg::IDD, [&](CDialog& dlg) {
        ui_.Click(dlg, connectdlg::kByPort);
        ui_.SetText(dlg, connectdlg::kPort, L"9");
        ui_.ExpectMessageBox(L"无法打开端口！请检查是否已被占用。");
        ui_.Click(dlg, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"7连接仪器"}));
    ui_.Pump();

    IReceiverPort& port = FrameProbe::Receiver(frame).Port();
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.GetPortNumber(), 5);
    // Connected again: the version query goes to the receiver that worked.
    EXPECT_EQ(Written().substr(0, 2 * kVersionQuery.size()), kVersionQuery + kVersionQuery);
    EXPECT_EQ(FrameProbe::Job(frame).Settings().connection, working);
    EXPECT_EQ(ReadHostFile("job/j.qzs").find("nInputCom=9"), std::string::npos);
}
