#pragma once
// Where a point's name goes on a plot: to the right of the point, or to its left where the right
// would cross the plot's edge, and always within the plot's top and bottom.
#include <cstdint>

#include "foundation/PixelGeometry.h"
#include "foundation/PlotViewport.h"

inline constexpr int32_t kLabelHeight = 10;  // pixels, centred on the point

// The box of a name `textWidth` pixels wide drawn at most `widest` wide, `gap` pixels beside `at`;
// the name is drawn left-aligned in it.
PixelRect LabelBox(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest, const PixelRect& plot);
