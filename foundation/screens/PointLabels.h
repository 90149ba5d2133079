#pragma once
// The labels of stored points on the map windows: a 4 x 4 square at the point and its name to the
// right (or left, at the plot's right edge), in the 8-point "宋体" font, always inside the plot.
#include <cstdint>
#include <vector>

#include "foundation/MapMarker.h"
#include "foundation/PlotViewport.h"
#include "platform/gdi/CDC.h"

void DrawPointLabel(CDC& dc, const MapMarker& marker, const PixelRect& plot);
// Every marker with one selected font.
void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers, const PixelRect& plot);
// A name beside a point in the selected font, at most `widest` pixels wide, placed by LabelBox.
void DrawPlotLabel(CDC& dc, const CString& name, PixelPoint at, int32_t gap, int32_t widest,
                   const PixelRect& plot);
