// The frame's own menu commands: About and the connection dialog.
#include "receiver/screens/CConnectDlg.h"
#include "resources/AboutDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

TEST_F(FrameTest, AboutShowsTheVersionAndTheReceiversIdentification) {
    frame.ShowWindow(SW_SHOW);
    Feed(sim::VersionReply("QZ8120382345678", "OEM-V", "ROVER", 3) + "\r\n");
    ui_.OnModal(about::IDD, [&](CDialog& dlg) {
        EXPECT_EQ(ui_.GetText(dlg, about::kSoftwareVersion), L"2011.09.26");
        EXPECT_EQ(ui_.GetText(dlg, about::kReceiverSerial), L"QZ8120382345678");
        EXPECT_EQ(ui_.GetText(dlg, about::kReceiverDate), L"V2.10");
        ASSERT_TRUE(ui_.Screenshot(Shot("about")));
        ui_.Click(dlg, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"关于H", L"4软件信息"}));
    ui_.Pump();
}

TEST_F(FrameTest, ConnectCommandOpensTheConnectionDialogWithTheJobsValues) {
    frame.ShowWindow(SW_SHOW);
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
        s.connection.nComMode = 1;
        s.connection.nInputCom = 9;
    });
    ui_.OnModal(CConnectDlg::IDD, [&](CDialog& dlg) {
        EXPECT_EQ(static_cast<CConnectDlg&>(dlg).nInputPort, 9);
        dlg.EndDialog(IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"7连接仪器"}));
    ui_.Pump();
    EXPECT_FALSE(FrameProbe::Receiver(frame).Port().IsOpen());
}
