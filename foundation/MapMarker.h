#pragma once
// Labels of points drawn on a map window.
#include <array>
#include <cstdint>
#include "platform/text/CString.h"

struct MapMarker {
    CString name;
    CString code;
    int32_t x = 0;  // screen pixels
    int32_t y = 0;
    int32_t tag = 0;  // the user's number, e.g. the index of the stored point in its list
    // False while the name is still to be read (from the point file): a paint reads it only when
    // the name would find room on the plot.
    bool nameRead = true;
    // The name's width in the points' label font, once a paint measured it (else -1): a name known
    // this wide is read only where a name this wide finds room.
    int16_t nameWidth = -1;
};

// The nine labels of one tower: centre stake first, then the eight foundation points.
struct TowerMarkerSet {
    std::array<MapMarker, 9> markers;
};
