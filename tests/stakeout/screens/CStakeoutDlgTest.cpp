#include "stakeout/screens/CStakeoutDlg.h"

#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFileOpenModeDlg.h"
#include "platform/text/CodePage.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverMessages.h"
#include "resources/StakePointLibDlg.h"
#include "resources/StakePromptDlg.h"
#include "resources/StakeSettingsDlg.h"
#include "resources/StakeoutDlg.h"
#include "tests/receiver/screens/PositionScreens.h"
#include "tests/stakeout/screens/PromptLimitRows.h"
#include "tests/stakeout/screens/StakeHostDouble.h"

namespace {

class StakeoutDlgTest : public StakeScreenTest {
protected:
    // A library of three points (one row without a name) made current in ptlayauto.
    void SetUp() override {
        StakeScreenTest::SetUp();
        WriteHostFile(
            "Jobs/road/site.ptb",
            ToGbk(CString(
                L"0,K1,100,200,10,c1,\r\n0,,5,5,5,,\r\n0,K2,110,200,11,c2,\r\n0,K3,120,200,12,,\r\n")));
        WriteHostFile("Jobs/road/site.ptr", "R1,100.5,200.5,10,\r\n");
        WriteHostFile("Jobs/road/ptlayauto",
                      "[CurLayoutFileName]\\Jobs\\road\\site.ptb\r\n[MaxLayoutPrompt]0.9\r\n");
    }
    void Open() { OpenPositionScreen(ui, dlg, pointstake::IDD); }
    void Send(const CGpsState& fix) { SendPosition(ui, dlg, fix); }
    void ChoosePoint(int row) {
        ChooseInLibrary(dlg, pointstake::kLibrary, stakelib::IDD, stakelib::kList, row);
    }

    CStakeoutDlg dlg{host, nullptr};
};

TEST_F(StakeoutDlgTest, GuidesToTheChosenPointWithOneBeepAndRings) {
    Open();
    EXPECT_EQ(host.listener, dlg.m_hWnd);
    ASSERT_EQ(dlg.StakePoints().size(), 3u);
    EXPECT_EQ(dlg.StakeRecords().size(), 1u);

    // Row 2 of the list is the library's second named point.
    ChoosePoint(2);
    ASSERT_TRUE(dlg.Target().has_value());
    EXPECT_EQ(dlg.Target()->name, L"K2");
    EXPECT_EQ(dlg.TargetIndex(), 1);

    Send(Fix(113.0, 204.0, 9.0));
    EXPECT_EQ(dlg.Readouts().dx, L"南3.000");
    EXPECT_EQ(dlg.Readouts().dy, L"西4.000");
    EXPECT_EQ(dlg.Readouts().distance, L"5.000");
    EXPECT_EQ(dlg.Readouts().dh, L"2.000");
    EXPECT_TRUE(RecordingTones::Take().empty());
    EXPECT_TRUE(dlg.LastRings().empty());

    Send(Fix(110.5, 200.0));  // inside 0.9 m: one beep and the rings of 0.3, 0.6 and 0.9 m
    EXPECT_EQ(RecordingTones::Take().size(), 1u);
    const double mpp = dlg.Canvas().MetresPerPixel();
    const std::vector<int32_t> rings = {static_cast<int32_t>(1 / mpp * 0.3),
                                        static_cast<int32_t>(2 / mpp * 0.3),
                                        static_cast<int32_t>(3 / mpp * 0.3)};
    EXPECT_EQ(dlg.LastRings(), rings);
    Send(Fix(110.4, 200.0));
    EXPECT_TRUE(RecordingTones::Take().empty());
    ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/stakeout-point-screen.png"));

    // A position lost: only its solution, no beep, no rings.
    CGpsState lost = Fix(0, 0);
    lost.solutionCode = kSolNone;
    lost.solutionText = L"NONE";
    Send(lost);
    EXPECT_EQ(dlg.Readouts().solution, L"NONE");
    EXPECT_TRUE(dlg.Readouts().dx.IsEmpty() && dlg.Readouts().name.IsEmpty());
    EXPECT_TRUE(RecordingTones::Take().empty());
    EXPECT_TRUE(dlg.LastRings().empty());
    Send(Fix(110.3, 200.0));  // still inside: still no beep
    EXPECT_TRUE(RecordingTones::Take().empty());
    EXPECT_EQ(dlg.Readouts().dx, L"南0.300");
    dlg.DestroyWindow();
    EXPECT_FALSE(static_cast<bool>(host.listener));
}

// The store button lies on the plot: the rover's marker shows over it, after a full repaint
// too, and leaves no trail on it when the rover walks on.
TEST_F(StakeoutDlgTest, RoverMarkerIsDrawnAboveTheStoreButton) {
    Open();
    CWnd& button = *dlg.GetDlgItem(pointstake::kStore);
    CRect face;
    button.GetWindowRect(&face);
    dlg.ScreenToClient(&face);
    const auto buttonPixels = [&] {
        CClientDC dc(&dlg);
        std::vector<COLORREF> pixels;
        for (int y = face.top; y < face.bottom; ++y)
            for (int x = face.left; x < face.right; ++x) pixels.push_back(dc.GetPixel(x, y));
        return pixels;
    };
    const std::vector<COLORREF> clean = buttonPixels();
    CRect onPlot;
    button.GetWindowRect(&onPlot);
    dlg.GetDlgItem(pointstake::kPlot)->ScreenToClient(&onPlot);
    const WorldPoint centre = dlg.Canvas().ScreenToWorld(onPlot.CenterPoint().x, onPlot.CenterPoint().y);
    for (int i = 0; i < 3; ++i) Send(Fix(centre.n, centre.e));
    EXPECT_NE(buttonPixels(), clean);
    dlg.GetDlgItem(pointstake::kPlot)->Invalidate();
    ui.Pump();
    EXPECT_NE(buttonPixels(), clean);
    const double away = 40 * dlg.Canvas().MetresPerPixel();
    for (int i = 1; i <= 3; ++i) Send(Fix(centre.n + away, centre.e - away - i * 0.5));
    EXPECT_EQ(buttonPixels(), clean);
    dlg.DestroyWindow();
}

TEST_F(StakeoutDlgTest, KeyAStoresTheStakedPointIntoTheRecordFile) {
    Open();
    ChoosePoint(0);
    Send(Fix(100.01, 200.02, 10.5));
    host.nextStore = {7, {L"K1", 100.01, 200.02, 10.5, L"c1", 1}};
    ui.PressKey(65);
    ASSERT_EQ(host.stores.size(), 1u);
    EXPECT_EQ(host.stores[0].name, L"K1");
    EXPECT_EQ(host.stores[0].kind, 2);
    EXPECT_EQ(ReadHostFile("Jobs/road/site.ptr"),
              "R1,100.5,200.5,10,\r\nK1,100.0100,200.0200,10.5000,c1\r\n");
    EXPECT_EQ(dlg.StakeRecords().size(), 2u);
    // Automatic storing stores nothing from here.
    host.settings.nSaveType = 3;
    ui.PressKey(65);
    EXPECT_EQ(host.stores.size(), 1u);
    dlg.DestroyWindow();
}

TEST_F(StakeoutDlgTest, NextAndPreviousAskFirstAndStopAtTheEnds) {
    Open();
    ChoosePoint(3);
    ui.OnModal(stakeprompt::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, stakeprompt::kMessage), L"已经是最后一点,最后一点坐标为:");
        EXPECT_EQ(ui.GetText(d, stakeprompt::kX), L"120.000");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.PressKey(50);
    EXPECT_EQ(dlg.Target()->name, L"K3");
    ui.OnModal(stakeprompt::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, stakeprompt::kMessage), L"确定放样上一点吗?上一点坐标为:");
        EXPECT_EQ(ui.GetText(d, stakeprompt::kName), L"K2");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.PressKey(56);
    EXPECT_EQ(dlg.Target()->name, L"K2");
    dlg.DestroyWindow();
}

TEST_F(StakeoutDlgTest, LibraryBackWithoutAChoiceKeepsTheTargetOnlyWhereTheListStillHoldsIt) {
    Open();
    ChoosePoint(3);  // K3, the third point
    // OK without a selection: the list still holds K3 at its place.
    ui.OnModal(stakelib::IDD, [&](CDialog& d) {
        auto& list = *dynamic_cast<CListCtrl*>(d.GetDlgItem(stakelib::kList));
        list.SetItemState(3, 0, LVIS_SELECTED);
        ui.ExpectMessageBox(L"没有选中任何点，退出请按退出按钮", IDYES);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, pointstake::kLibrary);
    EXPECT_EQ(dlg.Target()->name, L"K3");
    // The first row deleted: K3 moves up, so the target goes.
    ui.OnModal(stakelib::IDD, [&](CDialog& d) {
        auto& list = *dynamic_cast<CListCtrl*>(d.GetDlgItem(stakelib::kList));
        list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        d.SendMessage(WM_COMMAND, stakelib::kDelete);
        for (int row = 0; row < list.GetItemCount(); ++row) list.SetItemState(row, 0, LVIS_SELECTED);
        ui.ExpectMessageBox(L"没有选中任何点，退出请按退出按钮", IDYES);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, pointstake::kLibrary);
    EXPECT_FALSE(dlg.Target().has_value());
    EXPECT_EQ(dlg.StakePoints().size(), 2u);
    EXPECT_EQ(dlg.Canvas().Points().size(), 2u);
    // The library was saved without the deleted row.
    EXPECT_EQ(ReadHostFile("Jobs/road/site.ptb"),
              "0,,5,5,5,,\r\n0,K2,110,200,11,c2,\r\n0,K3,120,200,12,,\r\n");
    dlg.DestroyWindow();
}

TEST_F(StakeoutDlgTest, SettingsRefuseBadRadiiAndAreSavedInTheirKeyOrder) {
    Open();
    ui.OnModal(stakesettings::IDD, [&](CDialog& d) {
        ui.SetText(d, stakesettings::kMin, L"-0.1");
        ui.ExpectMessageBox(L"最大值和最小值不能小于0!");
        d.SendMessage(WM_COMMAND, IDOK);
        ui.SetText(d, stakesettings::kMin, L"0.5");
        ui.SetText(d, stakesettings::kMax, L"0.3");
        ui.ExpectMessageBox(L"最大值不能小于最小值!");
        d.SendMessage(WM_COMMAND, IDOK);
        ui.SetText(d, stakesettings::kMax, L"0.5");  // equal values pass
        ui.SetText(d, stakesettings::kCount, L"全部");
        ui.Click(d, stakesettings::kViewMode);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, pointstake::kSettings);
    EXPECT_EQ(dlg.ViewMode(), 1);
    EXPECT_EQ(ReadHostFile("Jobs/road/ptlayauto"),
              "[ShowAllLayoutPoint]0\r\n[ShowRecordLayoutPoint]1\r\n[SoundPrompt]1\r\n[MinLayoutPrompt]0."
              "50000000\r\n"
              "[MaxLayoutPrompt]0.50000000\r\n[CurLayoutFileName]\\Jobs\\road\\site.ptb\r\n[ShowSurveyPoint]-"
              "1\r\n");
    dlg.DestroyWindow();
}

// The radii on their limits and just beyond: 0 and equal radii are taken, a millimetre below 0 or
// below the smaller radius is refused, the dialog staying open.
TEST_F(StakeoutDlgTest, SettingsTakeZeroAndEqualRadiiAndRefuseAMillimetreBeyond) {
    Open();
    RefuseAMillimetreBeyondThenTakeZero(ui, stakesettings::IDD, stakesettings::kMin, stakesettings::kMax);
    ui.Click(dlg, pointstake::kSettings);
    const std::string saved = ReadHostFile("Jobs/road/ptlayauto");
    EXPECT_NE(saved.find("[MinLayoutPrompt]0.00000000\r\n[MaxLayoutPrompt]0.00000000\r\n"), std::string::npos)
        << saved;
    dlg.DestroyWindow();
}

TEST_F(StakeoutDlgTest, KeysOfTheFrameAndTheInformationText) {
    Open();
    ui.PressKey(132);
    ui.PressKey(133);
    EXPECT_EQ(host.reacquired, 1);
    EXPECT_EQ(host.verified, 1);
    ui.Click(dlg, pointstake::kInfo);
    ASSERT_EQ(host.infoTexts.size(), 1u);
    EXPECT_TRUE(host.infoTexts[0].Find(L"当前模式:点放样\n\n数据文件名:road\n") == 0);
    // Key B twice within three seconds of the same minute opens the coordinate view, once per pair.
    ui.PressKey(66);
    ui.Advance(1000);
    ui.PressKey(66);
    EXPECT_EQ(host.coordinateViews, 1);
    ui.Advance(1000);
    ui.PressKey(66);
    EXPECT_EQ(host.coordinateViews, 1);
    ui.Click(dlg, pointstake::kCoordView);
    EXPECT_EQ(host.coordinateViews, 2);
    dlg.DestroyWindow();
}

}  // namespace

namespace {

TEST_F(StakeoutDlgTest, ANewLibraryWithoutAChoiceStillBecomesCurrentWithItsRecords) {
    WriteHostFile("Jobs/road/data/other.ptb", "0,Q1,1,2,3,,\r\n");
    WriteHostFile("Jobs/road/data/other.ptr", "Q1,1,2,3,\r\nQ1,1.1,2,3,\r\n");
    Open();
    ChoosePoint(0);
    ui.OnModal(stakelib::IDD, [&](CDialog& lib) {
        ui.OnModal(COpenFileDlg::IDD, [&](CDialog& d) {
            ui.SetText(d, openfile::kPath, L"\\Jobs\\road\\data\\other.ptb");
            d.SendMessage(WM_COMMAND, IDOK);
        });
        ui.OnModal(CFileOpenModeDlg::IDD,
                   [&](CDialog& d) { d.SendMessage(WM_COMMAND, openmode::kOverwrite); });
        ui.ExpectMessageBox(L"确实要覆盖吗?", IDOK);
        lib.SendMessage(WM_COMMAND, stakelib::kOpen);
        ui.ExpectMessageBox(L"没有选中任何点，退出请按退出按钮", IDYES);
        lib.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, pointstake::kLibrary);
    EXPECT_FALSE(dlg.Target().has_value());  // Q1 is not K1
    EXPECT_EQ(dlg.Settings().curLayoutFileName, L"\\Jobs\\road\\data\\other.ptb");
    EXPECT_EQ(dlg.StakeRecords().size(), 2u);
    EXPECT_NE(ReadHostFile("Jobs/road/ptlayauto").find("other.ptb"), std::string::npos);
    dlg.DestroyWindow();
}

TEST_F(StakeoutDlgTest, ALibraryThatCannotBeWrittenKeepsTheDialogOpen) {
    Open();
    ui.OnModal(stakelib::IDD, [&](CDialog& lib) {
        ui.SetText(lib, stakelib::kPath, L"\\Jobs\\missing\\x.ptb");
        ui.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        auto& list = *dynamic_cast<CListCtrl*>(lib.GetDlgItem(stakelib::kList));
        list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        lib.SendMessage(WM_COMMAND, stakelib::kDelete);
        list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        ui.ExpectMessageBox(L"文件保存失败!");
        lib.SendMessage(WM_COMMAND, IDOK);
        EXPECT_FALSE(lib.HasEnded());
        ui.ExpectMessageBox(L"保存修改过的坐标库吗?", IDNO);
        lib.SendMessage(WM_COMMAND, IDCANCEL);
    });
    ui.Click(dlg, pointstake::kLibrary);
    EXPECT_EQ(dlg.StakePoints().size(), 3u);
    dlg.DestroyWindow();
}

}  // namespace
