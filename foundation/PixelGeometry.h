#pragma once
// Integer pixel geometry of the map screens: segment clipping and picking distance.
#include <cstdint>

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Pixel coordinates far outside the screen are held within this bound so that later
// arithmetic on them (offsets of a few hundred pixels) never overflows.
constexpr int32_t kPixelLimit = 1 << 28;
int32_t ClampPixel(double value);

// Cohen-Sutherland on integers. Visible: true with the clipped ends in a and b. Invisible: false
// with both ends (-1000, -1000).
bool ClipSegmentToRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t left, int32_t top,
                       int32_t right, int32_t bottom, PixelPoint& a, PixelPoint& b);

// Truncated Euclidean distance.
int32_t PixelDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
