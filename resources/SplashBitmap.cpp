#include "resources/SplashBitmap.h"

#include <cmath>

// Drawn by formula: a sky from deep to light blue, a ground line, a pole with a receiver disc and
// three signal arcs above it, and a one-pixel frame. Distances by sqrt, not hypot: the sums are
// small and exact, and the splash is drawn on every start.
CImage SplashBitmap() {
    constexpr int kWidth = 200, kHeight = 120;
    CImage image(kWidth, kHeight);
    const double cx = 100.0, cy = 70.0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            COLORREF c = RGB(20 + y, 50 + y, 120 + y);
            if (y >= 100) c = RGB(60, 110, 50);
            const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
            const bool above = y < cy - 4;
            for (const double r : {18.0, 28.0, 38.0})
                if (above && std::fabs(d - r) < 1.6) c = RGB(255, 220, 80);
            if (std::fabs(x - cx) <= 1.0 && y >= cy && y < 100) c = RGB(230, 230, 230);
            if (d <= 6.0) c = RGB(250, 250, 250);
            if (x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1) c = RGB(0, 0, 0);
            image.SetPixel(x, y, c);
        }
    return image;
}
