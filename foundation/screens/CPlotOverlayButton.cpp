#include "foundation/screens/CPlotOverlayButton.h"

void CPlotOverlayButton::LieOver(CWnd& plot, const CPlotCanvas& canvas) {
    plot_ = &plot;
    canvas_ = &canvas;
}

void CPlotOverlayButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CIconButton::DrawItem(drawItem);
    if (!plot_ || !canvas_ || !plot_->m_hWnd) return;
    // The plot's client origin in the button's client coordinates.
    CPoint origin(0, 0);
    plot_->ClientToScreen(&origin);
    ScreenToClient(&origin);
    canvas_->DrawMarkerOver(*drawItem->hDC, {origin.x, origin.y});
}
