#include "receiver/screens/CDataVerifyDlg.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "receiver/ReceiverMessages.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

class DataVerifyDlgTest : public ReceiverScreenTest {
protected:
    // Skips the walk's first minute unheard: the next epoch is fixed.
    void SkipToFixed() {
        simulator.SilenceFor(61000);
        simulator.Advance(61000);
    }
    double Shown(CDialog& d, UINT id) { return ToDouble(ui.GetText(d, static_cast<int>(id))); }
};

TEST_F(DataVerifyDlgTest, TakeVerifyWaitForFixedTakeAgain) {
    SkipToFixed();
    ui.OnModal(CDataVerifyDlg::IDD, [&](CDialog& d) {
        using namespace dataverify;
        EXPECT_TRUE(d.IsZoomed());
        EXPECT_EQ(frame.auxWindow, d.GetSafeHwnd());
        Feed(1);
        ASSERT_EQ(frame.state.solutionCode, kSolFixed);
        EXPECT_EQ(ui.GetText(d, kLiveX), Format(L"%.3f", frame.state.gridX));
        EXPECT_EQ(ui.GetText(d, kLiveStatus).Left(4), L"(09)");
        ui.Click(d, kTakeFirst);
        const double firstX = Shown(d, kFirstX);
        EXPECT_EQ(ui.GetText(d, kFirstX), Format(L"%.3f", frame.state.gridX));

        ui.Click(d, kTakeSecond);
        const DWORD before = GetTickCount();
        ui.Click(d, kVerify);
        EXPECT_EQ(GetTickCount() - before, 1000u);  // 500 ms after each reset
        EXPECT_EQ(Written(), Stored("rtkcommand reset") + Stored("rtkcommand reset"));
        EXPECT_FALSE(ui.GetText(d, kSecondX).IsEmpty());  // emptied with the next position
        Feed(1);
        EXPECT_TRUE(ui.GetText(d, kSecondX).IsEmpty());
        EXPECT_EQ(ui.GetText(d, kFirstX), Format(L"%.3f", firstX));
        EXPECT_FALSE(ui.GetText(d, kDx).IsEmpty());
        ASSERT_EQ(frame.state.solutionCode, kSolFloat);
        ui.ExpectMessageBox(L"请在状态为固定解后再获取!");
        ui.Click(d, kTakeSecond);
        ui.ExpectMessageBox(L"请在状态为固定解后再验证!");
        ui.Click(d, kVerify);
        EXPECT_EQ(Written(), "");

        Feed(3);
        ASSERT_EQ(frame.state.solutionCode, kSolFixed);
        ui.Click(d, kTakeSecond);
        for (const auto& [first, second, difference] :
             {std::tuple{kFirstX, kSecondX, kDx}, std::tuple{kFirstY, kSecondY, kDy},
              std::tuple{kFirstH, kSecondH, kDh}})
            EXPECT_EQ(ui.GetText(d, difference), Format(L"%.3f", Shown(d, second) - Shown(d, first)));
        EXPECT_NE(ui.GetText(d, kDx), L"0.000");  // the walk moved on
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("data-verify")));
        ui.Click(d, IDCANCEL);
    });
    RunDataVerifyCommand(frame, nullptr);
    EXPECT_EQ(frame.verificationFlag, 0);
}

TEST_F(DataVerifyDlgTest, SecondBeforeFirstDiffersFromZeroAndNoFlagNoRegistration) {
    SkipToFixed();
    CDataVerifyDlg dlg(frame);
    ui.OnModal(CDataVerifyDlg::IDD, [&](CDialog& d) {
        EXPECT_FALSE(IsWindow(frame.auxWindow));
        CGpsState fixed;
        fixed.solutionCode = kSolFixed;
        fixed.gridX = 100.012;
        fixed.gridY = -3.0004;
        d.SendMessage(WM_GPS_POSITION_VERIFY, reinterpret_cast<WPARAM>(&fixed), 0);
        ui.Click(d, dataverify::kTakeSecond);
        EXPECT_EQ(ui.GetText(d, dataverify::kDx), L"100.012");
        EXPECT_EQ(ui.GetText(d, dataverify::kDy), L"-3.000");
        ui.Click(d, IDCANCEL);
    });
    dlg.DoModal();
}
