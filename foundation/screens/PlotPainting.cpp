#include "foundation/screens/PlotPainting.h"

#include "platform/ui/Static.h"

namespace {
// An empty text leaves the map under it to be seen.
bool ShowsNothing(CWnd& control) {
    CString text;
    control.GetWindowText(text);
    return dynamic_cast<CStatic*>(&control) && text.IsEmpty();
}
}  // namespace

void FitCanvasToPlot(const CGraphStatic& plot, CPlotCanvas& canvas, CDC& dc) {
    CRect client;
    plot.GetClientRect(&client);
    canvas.SetClientRect(client.left, client.top, client.right, client.bottom);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 255));
}

void OnPlotPainted(const CGraphStatic& plot, CPlotCanvas& canvas, CDC& dc) {
    FitCanvasToPlot(plot, canvas, dc);
    canvas.ClearBackground(dc);
    canvas.StartLabels();
    // The window's own controls lying on the plot (a button, a status line) keep their place too.
    CWnd* window = plot.GetParent();
    if (!window) return;
    for (CWnd* child = window->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        if (child->m_hWnd == plot.m_hWnd || !child->IsWindowVisible() || ShowsNothing(*child)) continue;
        CRect r;
        child->GetWindowRect(&r);
        plot.ScreenToClient(&r);
        canvas.Labels().Reserve({r.left, r.top, r.right, r.bottom});
    }
}
