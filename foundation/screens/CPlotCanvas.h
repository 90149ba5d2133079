#pragma once
// The map viewport of the plot windows with its drawing: the position marker, point labels and
// the furniture (scale bar, north arrow, clock, signal glyph, link tag). It owns no window: each
// operation gets the plot control's device context, and the mouse operations tell the window
// whether to repaint.
#include <cstdint>

#include "foundation/LabelPlacement.h"
#include "foundation/PlotViewport.h"
#include "platform/gdi/CDC.h"

class CPlotCanvas : public PlotViewport {
public:
    // Zoom-box start, pan anchor and point picking; the picked point is marked with a square.
    // Never asks for a repaint.
    bool OnMouseDown(CPoint point, CDC& dc, bool& picked, PointRecord& pickedPoint);
    // Rubber band while a zoom box is armed, else pan; true when the window must repaint.
    bool OnMouseMove(CPoint point, CDC& dc);
    bool OnMouseUp(CPoint point);

    // The current-position marker, drawn inverted so that drawing it again erases it.
    void DrawPosition(CDC& dc, double n, double e, double h);
    // After the window repainted its background: the marker again, as a circle.
    void RedrawPosition(CDC& dc);
    // The marker as it stands, inverted, shifted by `offset` pixels: for a window lying over the
    // plot that has just painted itself.
    void DrawMarkerOver(CDC& dc, PixelPoint offset) const;

    void ClearBackground(CDC& dc);
    void DrawPoints(CDC& dc);
    void DrawScaleBar(CDC& dc);
    void DrawNorthArrow(CDC& dc);
    void DrawClock(CDC& dc, int hour, int minute, int second);
    // The correction-age glyph; blinks by drawing an empty glyph on every other call.
    void DrawSignalGlyph(CDC& dc, int32_t differentialAge);
    void DrawLinkTag(CDC& dc, int32_t kind, int32_t number, int32_t shown);

    // The names of the current paint: StartLabels begins a paint with the furniture's corners kept
    // free; names drawn until the next paint go where these leave room.
    void StartLabels();
    LabelLayout& Labels() { return labels_; }

private:
    LabelLayout labels_;
};
