#pragma once
// The labels of stored points on the map windows: a 4 x 4 square at the point and its name to the
// right (or left, at the plot's right edge), in the 8-point "宋体" font, always inside the plot. A
// name goes where the paint's LabelLayout finds room, and is left out where it finds none.
#include <cstdint>
#include <vector>

#include "foundation/LabelPlacement.h"
#include "foundation/MapMarker.h"
#include "platform/gdi/CDC.h"

void DrawPointLabel(CDC& dc, const MapMarker& marker, LabelLayout& labels);
// Every marker with one selected font, in their order.
void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers, LabelLayout& labels);
// A name beside a point in the selected font, at most `widest` pixels wide, placed by the layout.
void DrawPlotLabel(CDC& dc, const CString& name, PixelPoint at, int32_t gap, int32_t widest,
                   LabelLayout& labels);
