#pragma once
// The close-up rings of the point screen and the prompt bands of the line screen, in pixels. Only
// marks that can show are returned: distinct radii and offsets, none beyond the plot's farthest
// corner, so that a tiny spacing with a large radius costs no more than the plot's size.
#include <vector>

#include "foundation/PixelGeometry.h"
#include "foundation/PlotViewport.h"

// Ring radii at min, 2 min, ... up to max around a target at `centre`, with one more ring at the
// first multiple of min that reaches max. None when min >= max, max < 0.0001 or min < 0.0001.
std::vector<int32_t> RingRadii(double min, double max, const PlotViewport& view, PixelPoint centre);

struct PixelSegment {
    PixelPoint from;
    PixelPoint to;
    friend bool operator==(const PixelSegment&, const PixelSegment&) = default;
};

// Lines parallel to A-B at min, 2 min, ... up to max on both sides, with one pair at max when it is
// no multiple of min. Drawn only when max >= min, max >= 0 and min > 0.0001.
std::vector<PixelSegment> BandSegments(double ax, double ay, double bx, double by, double min, double max,
                                       const PlotViewport& view);
