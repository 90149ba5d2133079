#include <gtest/gtest.h>

#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CPlotCanvas.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {

const DialogControlTemplate kControls[] = {
    {L"STATIC", kPlotControlId, 0, 0, 135, 140, L"", SS_LEFT},
};
const DialogTemplate kMapWindow{956, 135, 166, L"测量", kDialogStyle, kControls};

// A map window as the plot windows are built: the plot control paints white, then the window
// draws the map over it through its canvas, and positions update the marker in between.
class CMapWindowDlg : public CDialog {
public:
    CMapWindowDlg() : CDialog(kMapWindow, nullptr) {
        BindMessage(WM_PLOT_PAINTED, &CMapWindowDlg::OnPlotPainted);
    }

    void ShowPosition(double n, double e) {
        CClientDC dc(&plot_);
        Prepare(dc);
        if (canvas.KeepInView(n, e)) plot_.Invalidate();
        canvas.DrawPosition(dc, n, e, 0);
    }

    void Redraw() { plot_.Invalidate(); }

    CPlotCanvas canvas;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        plot_.SubclassDlgItem(kPlotControlId, this);
        plot_.SetNotifyTarget(m_hWnd);
        plot_.SetBkColor(RGB(255, 255, 255));
        canvas.ResetMouseOffset();
        return TRUE;
    }

private:
    void Prepare(CDC& dc) {
        CRect client;
        plot_.GetClientRect(&client);
        canvas.SetClientRect(client.left, client.top, client.right, client.bottom);
        dc.SelectObject(&white_);
        dc.SetBkMode(TRANSPARENT);
    }
    LRESULT OnPlotPainted(WPARAM, LPARAM) {
        CClientDC dc(&plot_);
        Prepare(dc);
        canvas.ClearBackground(dc);
        canvas.DrawSignalGlyph(dc, 2);
        canvas.DrawLinkTag(dc, 0, 3, 1);
        canvas.DrawClock(dc, 14, 3, 27);
        canvas.DrawNorthArrow(dc);
        canvas.DrawScaleBar(dc);
        canvas.DrawPoints(dc);
        canvas.RedrawPosition(dc);
        return 0;
    }

    CGraphStatic plot_;
    CBrush white_{RGB(255, 255, 255)};
};

PointRecord Point(const wchar_t* name, double n, double e) {
    PointRecord p;
    p.name = name;
    p.x = n;
    p.y = e;
    return p;
}

}  // namespace

TEST(PlotWindowTest, MapWithPointsMarkerAndFurniture) {
    CUiDriver ui;
    CMapWindowDlg dlg;
    ui.OnModal(kMapWindow.id, [&](CDialog&) {
        dlg.canvas.SetView(990.0, 4990.0, 0.5);
        const wchar_t* names[] = {L"K1", L"K2", L"控制3", L"P4", L"P5"};
        for (int i = 0; i < 5; ++i)
            dlg.canvas.AddDisplayPoint(Point(names[i], 1000 + 15 * i, 5010 + 18 * i - (i % 2) * 25));
        dlg.Redraw();
        ui.Pump();
        for (int i = 0; i < 3; ++i) dlg.ShowPosition(1058, 5012);
        dlg.ShowPosition(1061, 5016);
        // A repaint keeps the marker, drawn again as a circle at the last position.
        dlg.Redraw();
        ui.Pump();
        dlg.ShowPosition(1063, 5019);
        EXPECT_EQ(dlg.canvas.CurrentMarker().size(), 4u);
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/foundation-map-canvas.png"));
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}
