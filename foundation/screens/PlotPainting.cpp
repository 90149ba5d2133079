#include "foundation/screens/PlotPainting.h"

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
}
