#include "resources/ViewIcons.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSize = 28;
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(40, 96, 200);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kRed = RGB(208, 32, 32);
constexpr COLORREF kGlass = RGB(200, 228, 255);
constexpr COLORREF kYellow = RGB(248, 208, 80);
constexpr COLORREF kGrey = RGB(128, 128, 128);

class Canvas {
public:
    Canvas() : image_(kSize, kSize) {}
    void Dot(int x, int y, COLORREF c) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) image_.SetPixel(x, y, c);
    }
    void Line(int x0, int y0, int x1, int y1, COLORREF c, int width = 1) {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        for (int err = dx + dy;;) {
            for (int w = 0; w < width; ++w) Dot(dx >= -dy ? x0 : x0 + w, dx >= -dy ? y0 + w : y0, c);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }
    void Fill(int left, int top, int right, int bottom, COLORREF c) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) Dot(x, y, c);
    }
    void Frame(int left, int top, int right, int bottom, COLORREF c) {
        Line(left, top, right - 1, top, c);
        Line(left, bottom - 1, right - 1, bottom - 1, c);
        Line(left, top, left, bottom - 1, c);
        Line(right - 1, top, right - 1, bottom - 1, c);
    }
    // A ring of width `width` inside radius r; filled with `inside` when it is not 0. Distances by
    // sqrt: these sums are small and exact, and hypot's overflow guard costs ten times as much.
    void Circle(double cx, double cy, double r, COLORREF c, double width = 1.5, COLORREF inside = 0) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::sqrt(dx * dx + dy * dy);
                if (d <= r && d > r - width)
                    Dot(x, y, c);
                else if (d <= r - width && inside != 0)
                    Dot(x, y, inside);
            }
    }
    CImage Take() { return std::move(image_); }

private:
    CImage image_;
};

CImage Magnifier(bool plus) {
    Canvas c;
    c.Circle(11, 11, 9, kInk, 2.0, kGlass);
    c.Line(17, 17, 24, 24, kInk, 3);
    c.Line(7, 11, 14, 11, kBlue, 2);
    if (plus) c.Line(10, 7, 10, 14, kBlue, 2);
    return c.Take();
}

CImage Follow() {
    Canvas c;
    c.Circle(14, 14, 10, kBlue, 2.0);
    c.Circle(14, 14, 3, kRed, 3.0, kRed);
    c.Line(14, 1, 14, 7, kInk, 2);
    c.Line(14, 21, 14, 27, kInk, 2);
    c.Line(1, 14, 7, 14, kInk, 2);
    c.Line(21, 14, 27, 14, kInk, 2);
    return c.Take();
}

CImage FitAll() {
    Canvas c;
    c.Frame(5, 5, 23, 23, kGrey);
    c.Line(1, 1, 6, 1, kBlue, 2);
    c.Line(1, 1, 1, 6, kBlue, 2);
    c.Line(21, 1, 26, 1, kBlue, 2);
    c.Line(26, 1, 26, 6, kBlue, 2);
    c.Line(1, 26, 6, 26, kBlue, 2);
    c.Line(1, 21, 1, 26, kBlue, 2);
    c.Line(21, 26, 26, 26, kBlue, 2);
    c.Line(26, 21, 26, 26, kBlue, 2);
    c.Fill(12, 12, 16, 16, kRed);
    return c.Take();
}

CImage StorePoint() {
    Canvas c;
    c.Line(7, 3, 7, 26, kInk, 2);
    for (int y = 3; y < 14; ++y) c.Line(9, y, 9 + (y < 9 ? (y - 3) * 2 + 4 : (14 - y) * 2 + 4), y, kRed);
    c.Fill(3, 24, 14, 26, kInk);
    return c.Take();
}

CImage Floppy() {
    Canvas c;
    c.Fill(3, 3, 25, 25, kBlue);
    c.Fill(8, 3, 20, 11, RGB(255, 255, 255));
    c.Fill(16, 4, 19, 10, kInk);
    c.Fill(7, 15, 21, 25, RGB(255, 255, 255));
    c.Line(9, 18, 19, 18, kGrey);
    c.Line(9, 21, 19, 21, kGrey);
    return c.Take();
}

CImage Information() {
    Canvas c;
    c.Circle(14, 14, 12, kBlue, 2.0, RGB(255, 255, 255));
    c.Fill(12, 6, 16, 10, kBlue);
    c.Fill(12, 12, 16, 22, kBlue);
    return c.Take();
}

CImage Exit() {
    Canvas c;
    // Within the face a 15-unit button shows (its 1-pixel border and a pixel of face around it).
    c.Fill(3, 3, 14, 24, RGB(160, 112, 16));
    c.Frame(3, 3, 14, 24, kInk);
    c.Dot(11, 13, kYellow);
    c.Line(11, 13, 23, 13, kRed, 3);
    c.Line(23, 14, 18, 9, kRed, 2);
    c.Line(23, 14, 18, 19, kRed, 2);
    return c.Take();
}

CImage ParamView() {
    Canvas c;
    c.Circle(14, 14, 12, kBlue, 2.0, kGlass);
    c.Line(2, 14, 26, 14, kGreen);
    c.Line(14, 2, 14, 26, kGreen);
    c.Line(5, 8, 23, 8, kGreen);
    c.Line(5, 20, 23, 20, kGreen);
    c.Circle(14, 14, 6, kGreen, 1.0);
    return c.Take();
}

CImage Connect() {
    Canvas c;
    c.Fill(3, 10, 11, 18, kGrey);
    c.Line(11, 12, 15, 12, kInk, 2);
    c.Line(11, 15, 15, 15, kInk, 2);
    c.Fill(16, 9, 24, 19, kInk);
    c.Line(24, 14, 27, 14, kInk, 2);
    c.Line(0, 14, 3, 14, kInk, 2);
    c.Line(6, 4, 10, 8, kGreen, 2);
    c.Line(21, 20, 17, 24, kGreen, 2);
    return c.Take();
}

}  // namespace

CImage ViewButtonIcon(UINT id) {
    using namespace viewicons;
    switch (id) {
        case kZoomIn:
            return Magnifier(true);
        case kZoomOut:
            return Magnifier(false);
        case kFollow:
            return Follow();
        case kFitAll:
            return FitAll();
        case kStorePoint:
            return StorePoint();
        case kStoreSettings:
            return Floppy();
        case kReceiverInfo:
            return Information();
        case kParamView:
            return ParamView();
        case kConnect:
            return Connect();
        case kExit:
            return Exit();
        default:
            return CImage();
    }
}
