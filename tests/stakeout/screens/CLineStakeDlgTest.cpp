#include "stakeout/screens/CLineStakeDlg.h"

#include "platform/ui/ListCtrl.h"
#include "receiver/ReceiverMessages.h"
#include "resources/LinePromptDlg.h"
#include "resources/LineStakeDlg.h"
#include "resources/LineStakeSetDlg.h"
#include "resources/StakeLineLibDlg.h"
#include "tests/receiver/screens/PositionScreens.h"
#include "tests/stakeout/screens/PromptLimitRows.h"
#include "tests/stakeout/screens/StakeHostDouble.h"

namespace {

class LineStakeDlgTest : public StakeScreenTest {
protected:
    // Two lines: L1-L2 due north from (1000, 500) to (1100, 500) at mileage 80, and L2-L3 east of it.
    void SetUp() override {
        StakeScreenTest::SetUp();
        WriteHostFile("Jobs/road/road.lnb",
                      "L1,1000,500,10,c,L2,1100,500,10,c,80\r\nL2,1100,500,10,c,L3,1100,600,10,c,180\r\n");
        WriteHostFile("Jobs/road/lnlayauto",
                      "[CurLayoutFileName]\\Jobs\\road\\road.lnb\r\n[IntMilPrompt]1\r\n");
    }
    void Open() { OpenPositionScreen(ui, dlg, linestake::IDD); }
    void Send(const CGpsState& fix) { SendPosition(ui, dlg, fix); }
    void ChooseLine(int row) { ChooseInLibrary(dlg, linestake::kLibrary, linelib::IDD, linelib::kList, row); }

    CLineStakeDlg dlg{host, nullptr};
};

TEST_F(LineStakeDlgTest, WalkingAcrossAlongAndAwayFromTheLine) {
    Open();
    EXPECT_EQ(dlg.Lines().size(), 2u);
    ChooseLine(0);
    ASSERT_TRUE(dlg.CurrentLine().has_value());
    struct Hold {
        double n, e;
        const wchar_t* offset;
        const wchar_t* mileage;
        const wchar_t* dy;
        size_t tones;
        bool bands;
    };
    // East of a line due north is its right.
    const Hold walk[] = {
        {1019.6, 503.0, L"右3.000", L"99.600", L"西3.000", 0, false},
        {1020.2, 501.0, L"右1.000", L"100.200", L"西1.000", 2, true},   // near the line, and mileage 100
        {1020.8, 499.0, L"左1.000", L"100.800", L"东1.000", 0, true},   // crossed: the side flips
        {1030.0, 497.0, L"左3.000", L"110.000", L"东3.000", 2, false},  // left the line: two beeps
        {1120.0, 499.0, L"左1.000", L"200.000", L"东3.000", 0, false},  // past B: Dy kept, no beep
    };
    for (const Hold& h : walk) {
        SCOPED_TRACE(h.mileage);
        ui.Advance(200);
        Send(Fix(h.n, h.e));
        EXPECT_EQ(dlg.Readouts().offset, h.offset);
        EXPECT_EQ(dlg.Readouts().mileage, h.mileage);
        EXPECT_EQ(dlg.Readouts().dy, h.dy);
        const std::vector<uint64_t> times = RecordingTones::Take();
        EXPECT_EQ(times.size(), h.tones);
        if (h.tones == 2 && h.n == 1030.0) {
            EXPECT_EQ(times[1] - times[0], 500u);
        }
        EXPECT_EQ(!dlg.LastBands().empty(), h.bands);
        if (h.n == 1020.8) {
            ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/stakeout-line-screen.png"));
        }
    }
    EXPECT_EQ(dlg.Readouts().name, L"L1-L2");
    EXPECT_EQ(dlg.Readouts().Status(), L"(9)FIXED");
    // A position lost empties every readout.
    CGpsState lost = Fix(0, 0);
    lost.solutionCode = kSolNfix;
    Send(lost);
    EXPECT_EQ(dlg.Readouts().Status(), L"()");
    EXPECT_TRUE(dlg.Readouts().offset.IsEmpty() && dlg.Readouts().name.IsEmpty());
    EXPECT_TRUE(RecordingTones::Take().empty());
    dlg.DestroyWindow();
}

TEST_F(LineStakeDlgTest, StoresIntoTheResultFileAndStepsBetweenLines) {
    Open();
    ChooseLine(0);
    Send(Fix(1050, 500.5));
    host.nextStore = {3, {L"S1", 1050, 500.5, 10, L"", 1}};
    ui.PressKey(65);
    ASSERT_EQ(host.stores.size(), 1u);
    EXPECT_TRUE(host.stores[0].name.IsEmpty());
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lnr"), "S1,1050.0000,500.5000,10.0000,\r\n");
    ui.OnModal(lineprompt::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, lineprompt::kMessage), L"确定放样下一条线吗?下一条线为:");
        EXPECT_EQ(ui.GetText(d, lineprompt::kEndName), L"L3");
        EXPECT_EQ(ui.GetText(d, lineprompt::kStartMileage), L"180");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.PressKey(50);
    EXPECT_EQ(dlg.LineIndex(), 1);
    ui.OnModal(lineprompt::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, lineprompt::kMessage), L"已经是最后一条线,最后一条线为:");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.PressKey(50);
    EXPECT_EQ(dlg.LineIndex(), 1);
    dlg.DestroyWindow();
}

// A change of line, by key 2 or by the library, clears every readout of the old line until the
// next fix.
TEST_F(LineStakeDlgTest, ReadoutsOfThePreviousLineAreClearedWhenTheLineChanges) {
    for (const bool byKey : {true, false}) {
        Open();
        ChooseLine(0);
        Send(Fix(1030.0, 497.0));
        ASSERT_EQ(dlg.Readouts().dy, L"东3.000");
        if (byKey) {
            ui.OnModal(lineprompt::IDD, [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); });
            ui.PressKey(50);
        } else {
            ui.OnModal(linelib::IDD, [](CDialog& d) {
                auto& list = *dynamic_cast<CListCtrl*>(d.GetDlgItem(linelib::kList));
                list.SetItemState(0, 0, LVIS_SELECTED | LVIS_FOCUSED);
                list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                d.SendMessage(WM_COMMAND, IDOK);
            });
            ui.Click(dlg, linestake::kLibrary);
        }
        ASSERT_EQ(dlg.LineIndex(), 1);
        EXPECT_EQ(dlg.Readouts().name, L"L2-L3");
        for (const CString* text :
             {&dlg.Readouts().dx, &dlg.Readouts().dy, &dlg.Readouts().offset, &dlg.Readouts().startDistance,
              &dlg.Readouts().endDistance, &dlg.Readouts().mileage})
            EXPECT_TRUE(text->IsEmpty()) << text->c_str();
        EXPECT_EQ(dlg.Readouts().Status(), L"(9)FIXED");
        dlg.DestroyWindow();
    }
}

TEST_F(LineStakeDlgTest, TheLineEditorRefusesWhatTheFileCannotKeep) {
    Open();
    ui.OnModal(linelib::IDD, [&](CDialog& lib) {
        ui.OnModal(lineedit::IDD_ADD, [&](CDialog& d) {
            EXPECT_EQ(ui.GetText(d, lineedit::kStartCode), L"00000000");
            EXPECT_EQ(ui.GetText(d, lineedit::kStartMileage), L"0.0000");
            ui.SetText(d, lineedit::kStartName, L"A,1");
            ui.ExpectMessageBox(L"点名和属性中不能有逗号,请重新输入!");
            d.SendMessage(WM_COMMAND, IDOK);
            ui.SetText(d, lineedit::kStartName, L"A");
            ui.SetText(d, lineedit::kStartX, L"10");
            ui.SetText(d, lineedit::kStartY, L"20");
            ui.SetText(d, lineedit::kStartH, L"1");
            ui.SetText(d, lineedit::kEndName, L"B");
            ui.SetText(d, lineedit::kEndX, L"10.0005");
            ui.SetText(d, lineedit::kEndY, L"20");
            ui.SetText(d, lineedit::kEndH, L"abc");
            ui.ExpectMessageBox(L"坐标和高程必须是数字,请重新输入!");
            d.SendMessage(WM_COMMAND, IDOK);
            ui.SetText(d, lineedit::kEndH, L"2");
            ui.ExpectMessageBox(L"起点和终点不能重合!");
            d.SendMessage(WM_COMMAND, IDOK);
            ui.SetText(d, lineedit::kEndX, L"40");
            ui.SetText(d, lineedit::kEndY, L"60");
            ui.SetText(d, lineedit::kStartMileage, L"12.5");
            d.SendMessage(WM_COMMAND, IDOK);
        });
        lib.SendMessage(WM_COMMAND, linelib::kAdd);
        auto& list = *dynamic_cast<CListCtrl*>(lib.GetDlgItem(linelib::kList));
        EXPECT_EQ(list.GetItemText(2, 0), L"A-B");
        // A mileage and a length read as the file keeps them, typed or read.
        EXPECT_EQ(list.GetItemText(2, 1), L"12.5000");
        EXPECT_EQ(list.GetItemText(2, 2), L"50.0000");
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        lib.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, linestake::kLibrary);
    EXPECT_EQ(dlg.LineIndex(), 2);
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lnb"),
              "L1,1000.0000,500.0000,10.0000,c,L2,1100.0000,500.0000,10.0000,c,80.0000\r\n"
              "L2,1100.0000,500.0000,10.0000,c,L3,1100.0000,600.0000,10.0000,c,180.0000\r\n"
              "A,10.0000,20.0000,1.0000,00000000,B,40.0000,60.0000,2.0000,00000000,12.5000\r\n");
    dlg.DestroyWindow();
}

TEST_F(LineStakeDlgTest, SettingsKeepTheViewModeOnCancelAndReadTheCount) {
    Open();
    ui.OnModal(linesettings::IDD, [&](CDialog& d) {
        ui.Click(d, linesettings::kViewMode);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    ui.Click(dlg, linestake::kSettings);
    EXPECT_EQ(dlg.ViewMode(), 0);
    ui.OnModal(linesettings::IDD, [&](CDialog& d) {
        ui.SetText(d, linesettings::kMax, L"1.0");
        ui.SetText(d, linesettings::kMin, L"2.0");
        ui.ExpectMessageBox(L"最大值不能小于最小值!");
        d.SendMessage(WM_COMMAND, IDOK);
        ui.SetText(d, linesettings::kMin, L"0.4");
        ui.SetText(d, linesettings::kCount, L"abc");
        ui.Click(d, linesettings::kViewMode);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(dlg, linestake::kSettings);
    EXPECT_EQ(dlg.ViewMode(), 1);
    EXPECT_EQ(dlg.Settings().showSurveyPoint, 0);
    EXPECT_EQ(
        ReadHostFile("Jobs/road/lnlayauto"),
        "[ShowAllLayoutLine]1\r\n[ShowRecordLayoutPoint]1\r\n[ShowPlumb]0\r\n[SoundPrompt]1\r\n"
        "[MinPrompt]0.40000000\r\n[MaxPrompt]1.00000000\r\n[CurLayoutFileName]\\Jobs\\road\\road.lnb\r\n"
        "[ShowSurveyPoint]0\r\n[IntMilPrompt]1\r\n[dIntMileage]50.00000000\r\n");
    dlg.DestroyWindow();
}

}  // namespace

// The prompt distances on their limits and just beyond, as on the point screen.
TEST_F(LineStakeDlgTest, SettingsTakeZeroAndEqualDistancesAndRefuseAMillimetreBeyond) {
    Open();
    RefuseAMillimetreBeyondThenTakeZero(ui, linesettings::IDD, linesettings::kMin, linesettings::kMax);
    ui.Click(dlg, linestake::kSettings);
    const std::string saved = ReadHostFile("Jobs/road/lnlayauto");
    EXPECT_NE(saved.find("[MinPrompt]0.00000000\r\n[MaxPrompt]0.00000000\r\n"), std::string::npos) << saved;
    dlg.DestroyWindow();
}
