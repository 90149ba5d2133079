// Every text of the stake-out screens and their dialogs fits its control at 240 pixels: labels,
// buttons and check boxes in the dialog's font, and on the screens the longest readouts a surveyor
// meets in the bold face they are drawn in (offsets to five digits of metres, mileages to ten
// characters, the texts of distances beyond a stake-out, the longest solution texts of the
// receiver).
#include "foundation/screens/DrawingRoutines.h"
#include "resources/LinePromptDlg.h"
#include "resources/LineStakeDlg.h"
#include "resources/LineStakeSetDlg.h"
#include "resources/StakeLineLibDlg.h"
#include "resources/StakePointLibDlg.h"
#include "resources/StakePromptDlg.h"
#include "resources/StakeSettingsDlg.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/screens/CLinePromptDlg.h"
#include "stakeout/screens/CLineStakeDlg.h"
#include "stakeout/screens/CLineStakeSetDlg.h"
#include "stakeout/screens/CStakeLineEditDlg.h"
#include "stakeout/screens/CStakeLineLibDlg.h"
#include "stakeout/screens/CStakePointLibDlg.h"
#include "stakeout/screens/CStakePromptDlg.h"
#include "stakeout/screens/CStakeSettingsDlg.h"
#include "stakeout/screens/CStakeoutDlg.h"
#include "tests/platform/ui/LabelsFit.h"
#include "tests/stakeout/screens/StakeHostDouble.h"

namespace {

struct Readout {
    UINT id;
    const wchar_t* text;
};

class ReadoutFitTest : public StakeScreenTest {
protected:
    static void ExpectReadoutsFit(CDialog& dlg, const std::vector<Readout>& readouts) {
        CFont bold;
        CreateFontObject(bold, 14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        for (const Readout& r : readouts) {
            CWnd* control = dlg.GetDlgItem(r.id);
            ASSERT_NE(control, nullptr) << r.id;
            CRect client;
            control->GetClientRect(&client);
            EXPECT_LE(TextSize(*control, r.text, &bold).cx, client.Width()) << r.id << " " << r.text;
        }
    }
    static void ExpectFits(CDialog& dlg, UINT idd) {
        ASSERT_TRUE(dlg.Create(idd)) << idd;
        SCOPED_TRACE(idd);
        ExpectLabelsFit(dlg);
        dlg.DestroyWindow();
    }
};

TEST_F(ReadoutFitTest, PointScreen) {
    CStakeoutDlg dlg(host, nullptr);
    ASSERT_TRUE(dlg.Create(pointstake::IDD));
    using namespace pointstake;
    ExpectLabelsFit(dlg);
    ExpectReadoutsFit(dlg, {{kPointName, L"请选择放样点"},
                            {kPointName, L"K12+345.678"},
                            {kSolution, L"单频固定解"},
                            {kSolution, L"SINGLE"},
                            {kSatellites, L"12+10"},
                            {kRmsH, L"99.999"},
                            {kRmsV, L"99.999"},
                            {kDx, L"南12345.678"},
                            {kDy, L"西12345.678"},
                            {kDh, L"-1234.567"},
                            {kDistance, L"12345.678"},
                            {kDx, L"南>100km"},
                            {kDistance, L">100km"},
                            {kAzimuth, L"359°59′59″"},
                            {kAzimuth, L"180°00′00″"}});
    dlg.DestroyWindow();
}

TEST_F(ReadoutFitTest, LineScreen) {
    CLineStakeDlg dlg(host, nullptr);
    ASSERT_TRUE(dlg.Create(linestake::IDD));
    using namespace linestake;
    ExpectLabelsFit(dlg);
    ExpectReadoutsFit(dlg, {{kLineName, L"请选择放样线"},
                            {kLineName, L"K12-K13"},
                            {kSolution, L"(12)单频固定解"},
                            {kSolution, L"(12+9)固定解"},
                            {kDx, L"南12345.678"},
                            {kDy, L"西12345.678"},
                            {kRmsH, L"99.999"},
                            {kRmsV, L"99.999"},
                            {kOffset, L"左12345.678"},
                            {kStartDistance, L"12345.678"},
                            {kEndDistance, L"12345.678"},
                            {kMileage, L"-12345.678"},
                            {kOffset, L"左>100km"},
                            {kDx, L"南>100km"},
                            {kDy, L"西>100km"},
                            {kStartDistance, L">100km"},
                            {kEndDistance, L"99999.999"},
                            {kMileage, L">100km"},
                            {kMileage, L"1500050.00"},
                            {kMileage, L"-1499950.0"}});
    dlg.DestroyWindow();
}

TEST_F(ReadoutFitTest, Dialogs) {
    CStakeSettingsDlg pointSettings(nullptr);
    ExpectFits(pointSettings, stakesettings::IDD);
    CLineStakeSetDlg lineSettings(nullptr);
    ExpectFits(lineSettings, linesettings::IDD);
    CStakePointLibDlg pointLibrary(host, nullptr);
    ExpectFits(pointLibrary, stakelib::IDD);
    CStakeLineLibDlg lineLibrary(host, nullptr);
    ExpectFits(lineLibrary, linelib::IDD);
    CStakeLineEditDlg add(host.CoordLibrary(), true, nullptr);
    ExpectFits(add, lineedit::IDD_ADD);
    CStakeLineEditDlg edit(host.CoordLibrary(), false, nullptr);
    ExpectFits(edit, lineedit::IDD_EDIT);
    // The prompts with their longest messages.
    CStakePromptDlg pointPrompt(nullptr);
    pointPrompt.SetPoint(L"确定放样下一点吗?下一点坐标为:",
                         {L"K12+345.678", 3346985.3, 516533.4, 13.766, L"c1", 0});
    ExpectFits(pointPrompt, stakeprompt::IDD);
    CLinePromptDlg linePrompt(nullptr);
    LineSegRec line;
    line.start.name = L"K12";
    line.end.name = L"K13";
    linePrompt.SetLine(L"确定放样下一条线吗?下一条线为:", line);
    ExpectFits(linePrompt, lineprompt::IDD);
}

}  // namespace
