#include "resources/AboutDlg.h"
#include "tests/shell/FrameTestSupport.h"

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
    ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"关于H", L"4软件信息"}));
    ui_.Pump();
}
