// Every label and the longest readouts a surveyor meets fit their controls at 240 pixels: readouts
// measured in the bold face the screens draw them in, labels in the dialog's font. Offsets to five
// digits of metres (12 km), mileages to five, the longest solution texts of the receiver.
#include "foundation/screens/DrawingRoutines.h"
#include "platform/ui/WindowDC.h"
#include "resources/LineStakeDlg.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/screens/CLineStakeDlg.h"
#include "stakeout/screens/CStakeoutDlg.h"
#include "tests/stakeout/screens/StakeHostDouble.h"

namespace {

struct Readout {
    UINT id;
    const wchar_t* text;
};

class ReadoutFitTest : public StakeScreenTest {
protected:
    static int TextWidth(CWnd& control, const CString& text, CFont* font) {
        CClientDC dc(&control);
        CFont* old = dc.SelectObject(font);
        const int width = dc.GetTextExtent(text).cx;
        dc.SelectObject(old);
        return width;
    }
    static int ClientWidth(CWnd& control) {
        CRect client;
        control.GetClientRect(&client);
        return client.Width();
    }
    static void ExpectFits(CDialog& dlg, const std::vector<Readout>& readouts) {
        CFont bold;
        CreateFontObject(bold, 14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        for (const Readout& r : readouts) {
            CWnd* control = dlg.GetDlgItem(r.id);
            ASSERT_NE(control, nullptr) << r.id;
            EXPECT_LE(TextWidth(*control, r.text, &bold), ClientWidth(*control)) << r.id << " " << r.text;
        }
        for (CWnd* child = dlg.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            CString label;
            child->GetWindowText(label);
            if (!label.IsEmpty()) {
                EXPECT_LE(TextWidth(*child, label, dlg.GetFont()), ClientWidth(*child)) << label;
            }
        }
    }
};

TEST_F(ReadoutFitTest, PointScreen) {
    CStakeoutDlg dlg(host, nullptr);
    ASSERT_TRUE(dlg.Create(pointstake::IDD));
    using namespace pointstake;
    ExpectFits(dlg, {{kPointName, L"请选择放样点"},
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
                     {kAzimuth, L"359°59′59″"},
                     {kAzimuth, L"180°00′00″"}});
    dlg.DestroyWindow();
}

TEST_F(ReadoutFitTest, LineScreen) {
    CLineStakeDlg dlg(host, nullptr);
    ASSERT_TRUE(dlg.Create(linestake::IDD));
    using namespace linestake;
    ExpectFits(dlg, {{kLineName, L"请选择放样线"},
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
                     {kMileage, L"-12345.678"}});
    dlg.DestroyWindow();
}

}  // namespace
