#include <gtest/gtest.h>

#include "foundation/screens/CGraphStatic.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {

const DialogControlTemplate kPlotControls[] = {
    {L"STATIC", kPlotControlId, 0, 0, 135, 100, L"", SS_LEFT},
};
const DialogTemplate kPlotWindow{951, 135, 166, L"图", kDialogStyle, kPlotControls};

// A plot window as the map screens are: it draws a cross over the control after each paint.
class CPlotWindowDlg : public CDialog {
public:
    CPlotWindowDlg() : CDialog(kPlotWindow, nullptr) {
        BindMessage(WM_PLOT_PAINTED, &CPlotWindowDlg::OnPlotPainted);
    }
    CGraphStatic plot;
    int painted = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        plot.SubclassDlgItem(kPlotControlId, this);
        return TRUE;
    }

private:
    LRESULT OnPlotPainted(WPARAM, LPARAM) {
        ++painted;
        CClientDC dc(&plot);
        dc.MoveTo(10, 10);
        dc.LineTo(30, 10);
        return 0;
    }
};

}  // namespace

TEST(CGraphStaticTest, PaintsItsBackgroundThenTellsItsWindow) {
    CUiDriver ui;
    CPlotWindowDlg dlg;
    ui.OnModal(kPlotWindow.id, [&](CDialog&) {
        dlg.plot.Invalidate();
        ui.Pump();
        EXPECT_EQ(dlg.painted, 0);  // no target yet

        dlg.plot.SetNotifyTarget(dlg.m_hWnd);
        dlg.plot.SetBkColor(RGB(0, 0, 255)).SetBkColor(RGB(255, 255, 255));
        dlg.plot.Invalidate();
        ui.Pump();
        EXPECT_EQ(dlg.painted, 1);
        CRect area;
        dlg.plot.GetWindowRect(&area);
        const Framebuffer& screen = CDesktop::Get().Screen();
        EXPECT_EQ(screen.colorAt(area.left + 50, area.top + 50), RGB(255, 255, 255));
        EXPECT_EQ(screen.colorAt(area.left + 20, area.top + 10), RGB(0, 0, 0));
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}
