#pragma once
// What both stake-out screens draw on their plots beside the canvas's own furniture: the target,
// the close-up rings, the prompt bands, the guide line and the staked-point markers, and the look of
// their buttons.
#include <vector>

#include "foundation/LabelPlacement.h"
#include "foundation/MapMarker.h"
#include "foundation/PlotViewport.h"
#include "foundation/screens/CIconButton.h"
#include "platform/gdi/CDC.h"
#include "stakeout/PromptMarks.h"

// The dialog's font, icon `icon` at 28 x 28, the lighter face and green text, icon on the right.
void SetUpStakeButton(CIconButton& button, CWnd& screen, UINT id, UINT icon);

bool OnPlot(const PixelRect& r, PixelPoint p);

// A circle of 8 pixels with an X through it, and the name beside it where the paint's names leave room.
void DrawTarget(CDC& dc, PixelPoint at, const CString& name, LabelLayout& labels);
// Dashed red circles around `centre`.
void DrawRings(CDC& dc, PixelPoint centre, const std::vector<int32_t>& radii);
// Dashed red lines.
void DrawBands(CDC& dc, const std::vector<PixelSegment>& bands);
// A dashed line with NOT, so that drawing it again erases it.
void DrawGuideLine(CDC& dc, PixelPoint from, PixelPoint to);

// Markers of the newest `shown` points (-1 all, 0 none) that lie on the plot; the tag is the index.
std::vector<MapMarker> RecordMarkers(const PlotViewport& view, const std::vector<PointRecord>& points,
                                     int shown);
