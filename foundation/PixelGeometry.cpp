#include "foundation/PixelGeometry.h"

#include <cmath>
#include <cstdint>

int32_t ClampPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value > kPixelLimit) return kPixelLimit;
    if (value < -kPixelLimit) return -kPixelLimit;
    return static_cast<int32_t>(value);
}

namespace {

int RegionCode(int64_t x, int64_t y, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    int code = 0;
    if (x < left)
        code = 1;
    else if (x > right)
        code = 2;
    if (y < top)
        code += 8;
    else if (y > bottom)
        code += 4;
    return code;
}

// A crossing far outside the rectangle keeps its side at this distance, so the sums stay in
// range whatever the slope.
constexpr double kWideLimit = 1099511627776.0;  // 2^40

// start + trunc(delta * slope), computed wide and held within the wide limit.
int64_t Crossing(int64_t start, double delta, double slope) {
    double v = static_cast<double>(start) + std::trunc(delta * slope);
    if (std::isnan(v)) v = static_cast<double>(start);
    return static_cast<int64_t>(v > kWideLimit ? kWideLimit : (v < -kWideLimit ? -kWideLimit : v));
}

int32_t ToPixel(int64_t v) {
    return static_cast<int32_t>(v > INT32_MAX ? INT32_MAX : (v < INT32_MIN ? INT32_MIN : v));
}

}  // namespace

bool ClipSegmentToRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t left, int32_t top,
                       int32_t right, int32_t bottom, PixelPoint& a, PixelPoint& b) {
    const double m = (static_cast<double>(y2) - y1) / (static_cast<double>(x2) - x1);
    const double k = (static_cast<double>(x2) - x1) / (static_cast<double>(y2) - y1);
    int64_t ax = x1, ay = y1, bx = x2, by = y2;
    int codeA = RegionCode(ax, ay, left, top, right, bottom);
    int codeB = RegionCode(bx, by, left, top, right, bottom);
    // Each pass moves one end onto an edge line; truncation can leave an end just outside, so a
    // few passes more than the four edges are allowed before the segment counts as invisible.
    for (int pass = 0; pass < 8; ++pass) {
        if (codeA == 0 && codeB == 0) {
            a = {ToPixel(ax), ToPixel(ay)};
            b = {ToPixel(bx), ToPixel(by)};
            return true;
        }
        if (codeA & codeB) break;
        const bool moveA = codeA != 0;
        const int code = moveA ? codeA : codeB;
        int64_t x, y;
        if (code & 1) {
            x = left;
            y = Crossing(ay, static_cast<double>(left - ax), m);
        } else if (code & 2) {
            x = right;
            y = Crossing(ay, static_cast<double>(right - ax), m);
        } else if (code & 8) {
            x = Crossing(ax, static_cast<double>(top - ay), k);
            y = top;
        } else {
            x = Crossing(ax, static_cast<double>(bottom - ay), k);
            y = bottom;
        }
        if (moveA) {
            ax = x;
            ay = y;
            codeA = RegionCode(ax, ay, left, top, right, bottom);
        } else {
            bx = x;
            by = y;
            codeB = RegionCode(bx, by, left, top, right, bottom);
        }
    }
    a = b = {-1000, -1000};
    return false;
}

int32_t PixelDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    const double d = std::trunc(std::sqrt(dx * dx + dy * dy));
    return d >= INT32_MAX ? INT32_MAX : static_cast<int32_t>(d);
}
