#include "foundation/LabelPlacement.h"

#include <algorithm>

PixelRect LabelBox(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest, const PixelRect& plot) {
    const int32_t width = std::clamp(textWidth, 0, widest);
    PixelRect box{at.x + gap, at.y - kLabelHeight / 2, at.x + gap + width, at.y + kLabelHeight / 2};
    // To the left only where that side has the room.
    if (box.right > plot.right && at.x - gap - width >= plot.left) {
        box.left = at.x - gap - width;
        box.right = at.x - gap;
    }
    if (box.top < plot.top) {
        box.bottom += plot.top - box.top;
        box.top = plot.top;
    } else if (box.bottom > plot.bottom) {
        box.top -= box.bottom - plot.bottom;
        box.bottom = plot.bottom;
    }
    return box;
}
