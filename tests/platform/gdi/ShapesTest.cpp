#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/SysColors.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

int CountColor(const Framebuffer& fb, COLORREF c, const CRect& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += fb.colorAt(x, y) == c;
    return n;
}

int CountColor(const Framebuffer& fb, COLORREF c) {
    return CountColor(fb, c, CRect(0, 0, fb.width(), fb.height()));
}

// A background where every pixel differs, so that a stray or missed pixel shows.
Framebuffer Noise(int w, int h) {
    Framebuffer fb(w, h);
    uint32_t s = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1103515245u + 12345u;
            fb.row(y)[x] = (s >> 8) & 0xFFFFFF;
        }
    return fb;
}

}  // namespace

TEST(GdiLines, LineLeavesOutItsEndPoint) {
    Framebuffer fb(20, 20);
    CDC dc(fb);
    dc.MoveTo(2, 3);
    dc.LineTo(10, 3);
    EXPECT_EQ(CountColor(fb, kBlack), 8);
    EXPECT_EQ(dc.GetPixel(2, 3), kBlack);
    EXPECT_EQ(dc.GetPixel(9, 3), kBlack);
    EXPECT_EQ(dc.GetPixel(10, 3), kWhite);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(10, 3));

    dc.MoveTo(0, 19);
    dc.LineTo(6, 13);  // a diagonal: one pixel per step, end left out
    EXPECT_EQ(dc.GetPixel(0, 19), kBlack);
    EXPECT_EQ(dc.GetPixel(5, 14), kBlack);
    EXPECT_EQ(dc.GetPixel(6, 13), kWhite);
    EXPECT_EQ(CountColor(fb, kBlack), 14);
}

TEST(GdiLines, PolylineJoinsSegmentsWithoutGapsOrTheLastPoint) {
    Framebuffer fb(20, 20);
    CDC dc(fb);
    const POINT pts[] = {{1, 1}, {11, 1}, {11, 8}};
    dc.Polyline(pts, 3);
    EXPECT_EQ(CountColor(fb, kBlack), 10 + 7);
    EXPECT_EQ(dc.GetPixel(11, 1), kBlack);
    EXPECT_EQ(dc.GetPixel(11, 8), kWhite);
}

TEST(GdiLines, WidePenCoversItsWidth) {
    Framebuffer fb(30, 30);
    CDC dc(fb);
    CPen pen(PS_SOLID, 2, kRed);
    dc.SelectObject(&pen);
    dc.MoveTo(5, 10);
    dc.LineTo(20, 10);
    for (int x = 6; x < 20; ++x) {
        int rows = 0;
        for (int y = 0; y < 30; ++y) rows += fb.colorAt(x, y) == kRed;
        EXPECT_EQ(rows, 2) << x;
    }
    CPen thick(PS_SOLID, 5, kBlue);
    dc.SelectObject(&thick);
    dc.MoveTo(15, 0);
    dc.LineTo(15, 29);
    int cols = 0;
    for (int x = 0; x < 30; ++x) cols += fb.colorAt(x, 25) == kBlue;
    EXPECT_EQ(cols, 5);
}

TEST(GdiLines, DashPatternAndItsGapsFollowTheBackgroundMode) {
    Framebuffer fb(60, 4);
    CDC dc(fb);
    CPen dash(PS_DASH, 1, kBlack);
    dc.SelectObject(&dash);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(0, 1);
    dc.LineTo(60, 1);
    for (int x = 0; x < 60; ++x) EXPECT_EQ(fb.colorAt(x, 1), x % 24 < 18 ? kBlack : kWhite) << x;

    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kRed);
    dc.MoveTo(0, 2);
    dc.LineTo(30, 2);
    dc.LineTo(50, 2);  // the pattern runs on across joined lines
    for (int x = 0; x < 50; ++x) EXPECT_EQ(fb.colorAt(x, 2), x % 24 < 18 ? kBlack : kRed) << x;
}

TEST(GdiLines, NullPenDrawsNothingButMoves) {
    Framebuffer fb(10, 10);
    CDC dc(fb);
    dc.SelectStockObject(NULL_PEN);
    dc.MoveTo(0, 0);
    dc.LineTo(9, 9);
    EXPECT_EQ(CountColor(fb, kWhite), 100);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(9, 9));
}

TEST(GdiFigures, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Framebuffer fb(20, 20);
    CDC dc(fb);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.Rectangle(2, 3, 12, 9);
    EXPECT_EQ(CountColor(fb, kBlack), 2 * 10 + 2 * 4);
    EXPECT_EQ(CountColor(fb, kRed), 8 * 4);
    EXPECT_EQ(dc.GetPixel(11, 8), kBlack);
    EXPECT_EQ(dc.GetPixel(12, 8), kWhite);

    fb.fill(kWhite);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(2, 3, 12, 9);  // without a pen the figure is a pixel smaller
    EXPECT_EQ(CountColor(fb, kRed), 9 * 5);
    EXPECT_EQ(CountColor(fb, kRed, CRect(2, 3, 11, 8)), 9 * 5);

    fb.fill(kWhite);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(2, 3, 12, 9);
    EXPECT_EQ(CountColor(fb, kWhite, CRect(3, 4, 11, 8)), 8 * 4);
}

TEST(GdiFigures, EllipseStaysInItsBoxTouchesEverySideAndIsSymmetric) {
    for (const CRect box : {CRect(3, 3, 7, 7), CRect(5, 4, 36, 19), CRect(2, 2, 40, 40)}) {
        Framebuffer fb(44, 44);
        CDC dc(fb);
        CBrush red(kRed);
        dc.SelectObject(&red);
        dc.Ellipse(box);
        const int ink = CountColor(fb, kBlack) + CountColor(fb, kRed);
        EXPECT_EQ(CountColor(fb, kBlack, box) + CountColor(fb, kRed, box), ink);
        const double area = M_PI * box.Width() * box.Height() / 4;
        EXPECT_NEAR(ink, area, area * 0.12 + 2);
        EXPECT_EQ(CountColor(fb, kBlack, CRect(box.left, box.top, box.left + 1, box.bottom)),
                  CountColor(fb, kBlack, CRect(box.right - 1, box.top, box.right, box.bottom)));
        EXPECT_GT(CountColor(fb, kBlack, CRect(box.left, box.top, box.right, box.top + 1)), 0);
        EXPECT_GT(CountColor(fb, kBlack, CRect(box.left, box.bottom - 1, box.right, box.bottom)), 0);
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) {
                const int mx = box.left + box.right - 1 - x, my = box.top + box.bottom - 1 - y;
                EXPECT_EQ(fb.colorAt(x, y), fb.colorAt(mx, y));
                EXPECT_EQ(fb.colorAt(x, y), fb.colorAt(x, my));
            }
        // The outline is closed: the brush never touches the outside.
        for (int y = 1; y < 43; ++y)
            for (int x = 1; x < 43; ++x)
                if (fb.colorAt(x, y) == kRed) {
                    EXPECT_NE(fb.colorAt(x + 1, y), kWhite);
                    EXPECT_NE(fb.colorAt(x - 1, y), kWhite);
                    EXPECT_NE(fb.colorAt(x, y + 1), kWhite);
                    EXPECT_NE(fb.colorAt(x, y - 1), kWhite);
                }
    }
}

TEST(GdiFigures, PolygonFillsItsInsideAndOutlinesThroughTheVertices) {
    Framebuffer fb(30, 30);
    CDC dc(fb);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.SelectStockObject(NULL_PEN);
    const POINT square[] = {{2, 2}, {12, 2}, {12, 8}, {2, 8}};
    dc.Polygon(square, 4);
    EXPECT_EQ(CountColor(fb, kRed), 60);
    EXPECT_EQ(CountColor(fb, kRed, CRect(2, 2, 12, 8)), 60);

    fb.fill(kWhite);
    dc.SelectStockObject(BLACK_PEN);
    const POINT triangle[] = {{0, 0}, {20, 0}, {0, 20}};
    dc.Polygon(triangle, 3);
    EXPECT_EQ(dc.GetPixel(20, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(0, 20), kBlack);
    EXPECT_EQ(dc.GetPixel(10, 10), kBlack);
    EXPECT_EQ(dc.GetPixel(5, 5), kRed);
    EXPECT_EQ(dc.GetPixel(12, 12), kWhite);
    EXPECT_NEAR(CountColor(fb, kRed) + CountColor(fb, kBlack), 20 * 21 / 2 + 10, 25);
}

TEST(GdiFigures, FillsFramesAndPixels) {
    Framebuffer fb(20, 20);
    CDC dc(fb);
    dc.SetROP2(R2_NOT);  // the fills ignore the raster operation
    CBrush red(kRed);
    dc.FillRect(CRect(1, 1, 5, 4), &red);
    EXPECT_EQ(CountColor(fb, kRed), 12);
    dc.FrameRect(CRect(10, 10, 15, 14), &red);
    EXPECT_EQ(CountColor(fb, kRed, CRect(10, 10, 15, 14)), 5 * 4 - 3 * 2);
    dc.FillSolidRect(CRect(0, 15, 3, 17), kBlue);
    EXPECT_EQ(CountColor(fb, kBlue), 6);
    EXPECT_EQ(dc.GetBkColor(), kBlue);

    fb.fill(kWhite);
    dc.Draw3dRect(CRect(2, 2, 8, 6), kRed, kBlue);
    EXPECT_EQ(dc.GetPixel(2, 2), kRed);
    EXPECT_EQ(dc.GetPixel(6, 2), kRed);
    EXPECT_EQ(dc.GetPixel(7, 2), kBlue);  // top-right corner belongs to the right edge
    EXPECT_EQ(dc.GetPixel(2, 5), kBlue);  // bottom-left corner belongs to the bottom edge
    EXPECT_EQ(CountColor(fb, kRed) + CountColor(fb, kBlue), 2 * 6 + 2 * 2);

    // The focus frame inverts every other pixel of the outline; drawn again it is gone.
    const Framebuffer before = fb;
    dc.DrawFocusRect(CRect(10, 10, 16, 15));
    EXPECT_EQ(CountColor(fb, kBlack, CRect(10, 10, 16, 15)), (2 * 6 + 2 * 3) / 2);
    EXPECT_EQ(CountColor(fb, kBlack, CRect(11, 11, 15, 14)), 0);
    dc.DrawFocusRect(CRect(10, 10, 16, 15));
    EXPECT_TRUE(fb == before);

    EXPECT_EQ(dc.SetPixel(3, 3, kRed), kRed);
    EXPECT_EQ(dc.GetPixel(3, 3), kRed);
    EXPECT_EQ(dc.SetPixel(20, 3, kRed), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
}

TEST(GdiObjects, SelectingReturnsThePreviousObject) {
    Framebuffer fb(4, 4);
    CDC dc(fb);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* oldPen = dc.SelectObject(&pen);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(oldPen), &pen);
    CBrush* oldBrush = static_cast<CBrush*>(dc.SelectStockObject(NULL_BRUSH));
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectObject(&brush), GetStockObject(NULL_BRUSH));
    CPen unmade;
    EXPECT_EQ(dc.SelectObject(&unmade), nullptr);
    EXPECT_EQ(dc.GetCurrentPen(), GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SetROP2(R2_NOT), R2_COPYPEN);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE)->GetColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
    EXPECT_FALSE(GetSysColorBrush(COLOR_WINDOW)->DeleteObject());
    EXPECT_FALSE(oldBrush->DeleteObject());
    EXPECT_TRUE(oldBrush->GetSafeHandle());
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_FALSE(pen.GetSafeHandle());
}

// Every figure drawn twice with NOT or XOR leaves the framebuffer as it was.
TEST(GdiRasterOps, InvertingFiguresTwiceRestoresEveryPixel) {
    const std::vector<std::pair<const char*, std::function<void(CDC&)>>> figures = {
        {"line",
         [](CDC& dc) {
             dc.MoveTo(3, 40);
             dc.LineTo(70, 5);
         }},
        {"polyline",
         [](CDC& dc) {
             const POINT p[] = {{5, 5}, {60, 5}, {60, 60}, {5, 5}, {30, 70}};
             dc.Polyline(p, 5);
         }},
        {"rectangle", [](CDC& dc) { dc.Rectangle(10, 10, 50, 40); }},
        {"ellipse", [](CDC& dc) { dc.Ellipse(4, 8, 66, 70); }},
        {"polygon",
         [](CDC& dc) {
             const POINT p[] = {{40, 2}, {75, 70}, {2, 30}, {78, 30}, {5, 70}};
             dc.Polygon(p, 5);
         }},
        {"focus", [](CDC& dc) { dc.DrawFocusRect(CRect(3, 3, 60, 44)); }},
    };
    for (const int rop : {R2_NOT, R2_XORPEN}) {
        for (const int width : {1, 2, 3}) {
            for (const auto& [name, draw] : figures) {
                Framebuffer fb = Noise(80, 80);
                const Framebuffer before = fb;
                CDC dc(fb);
                CPen pen(width == 3 ? PS_SOLID : PS_DASH, width, RGB(10, 200, 30));
                CBrush brush(RGB(90, 20, 140));
                dc.SelectObject(&pen);
                dc.SelectObject(&brush);
                dc.SetBkColor(RGB(1, 2, 3));
                dc.SetROP2(rop);
                draw(dc);
                EXPECT_NE(fb, before) << name;
                draw(dc);
                EXPECT_EQ(fb, before) << name << " rop " << rop << " width " << width;
            }
        }
    }
}

TEST(GdiClipping, ChildContextDrawsInItsRectangleOnly) {
    Framebuffer fb = Noise(60, 60);
    const Framebuffer before = fb;
    const CRect child(10, 20, 40, 45);
    CDC dc(fb, child);
    CBrush red(kRed);
    dc.SelectObject(&red);
    CPen wide(PS_SOLID, 4, kBlue);
    dc.SelectObject(&wide);
    dc.Ellipse(-30, -30, 100, 100);
    dc.Rectangle(-5, -5, 20, 20);
    const POINT p[] = {{-50, 10}, {80, -20}, {15, 90}};
    dc.Polygon(p, 3);
    dc.MoveTo(-100, -100);
    dc.LineTo(200, 200);
    dc.FillRect(CRect(-10, -10, 100, 100), &red);
    dc.DrawFocusRect(CRect(-1, -1, 31, 26));
    dc.SetPixel(30, 0, kRed);
    dc.TextOut(-6, -4, L"北京 text", -1);
    CRect textBox(-20, 15, 80, 40);
    dc.DrawText(L"测量点 P12", -1, textBox, DT_RIGHT | DT_NOCLIP | DT_SINGLELINE);
    dc.ExtTextOut(25, 20, ETO_OPAQUE, CRect(-5, -5, 90, 90), L"点", 1);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            if (!child.PtInRect({x, y})) {
                ASSERT_EQ(fb.row(y)[x], before.row(y)[x]) << x << "," << y;
            }
        }

    // Coordinates are the child's own, and the clip narrows further on request.
    fb.fill(kWhite);
    dc.SelectStockObject(BLACK_PEN);
    dc.SetPixel(0, 0, kBlack);
    EXPECT_EQ(fb.colorAt(10, 20), kBlack);
    EXPECT_EQ(dc.IntersectClipRect(5, 5, 10, 10), 2);
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    dc.FillRect(CRect(0, 0, 30, 30), &red);
    EXPECT_EQ(CountColor(fb, kRed), 25);
    EXPECT_EQ(CountColor(fb, kRed, CRect(15, 25, 20, 30)), 25);
}

// Map figures of far-away points reach far outside the screen; only what shows is worked on.
TEST(GdiClipping, FarCoordinatesDrawTheirVisiblePart) {
    constexpr int kFar = 1000000000;
    Framebuffer fb(20, 20);
    CDC dc(fb);
    dc.MoveTo(-kFar, 5);
    dc.LineTo(kFar, 5);
    EXPECT_EQ(CountColor(fb, kBlack), 20);
    EXPECT_EQ(CountColor(fb, kBlack, CRect(0, 5, 20, 6)), 20);

    fb.fill(kWhite);
    dc.MoveTo(-kFar, -kFar);
    dc.LineTo(kFar, kFar);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(fb.colorAt(i, i), kBlack);
    EXPECT_EQ(CountColor(fb, kBlack), 20);

    fb.fill(kWhite);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.Ellipse(-kFar, -kFar, kFar, kFar);
    EXPECT_EQ(CountColor(fb, kRed), 400);
    dc.Rectangle(-kFar, 2, kFar, kFar);
    EXPECT_EQ(CountColor(fb, kBlack), 20);
    EXPECT_EQ(CountColor(fb, kBlack, CRect(0, 2, 20, 3)), 20);
    dc.DrawFocusRect(CRect(-kFar, 10, kFar, kFar));
    EXPECT_EQ(CountColor(fb, RGB(0, 255, 255), CRect(0, 10, 20, 11)), 10);
}

// A copied thin solid pen draws level and plumb sides as spans; each figure covers the pixels
// the collected figure covers (drawn with XOR, which meets each of them once), clip included.
TEST(GdiLines, LevelAndPlumbSidesAsSpansCoverWhatTheFigureCovers) {
    const std::vector<std::pair<const char*, std::vector<POINT>>> figures = {
        {"square", {{10, 10}, {14, 10}, {14, 14}, {10, 14}, {10, 10}}},
        {"open, every direction", {{30, 5}, {20, 5}, {20, 25}, {40, 25}, {40, 2}}},
        {"partly clipped", {{-5, 30}, {50, 30}, {50, 70}, {-5, 70}, {-5, 30}}},
        {"outside", {{70, 70}, {90, 70}, {90, 90}}},
        {"a point", {{5, 5}, {5, 5}}},
        {"a slant falls back", {{2, 40}, {30, 60}, {30, 40}}},
    };
    for (const auto& [name, points] : figures) {
        SCOPED_TRACE(name);
        Framebuffer spans(64, 64), collected(64, 64);
        for (Framebuffer* fb : {&spans, &collected}) {
            CDC dc(*fb);
            dc.FillSolidRect(0, 0, 64, 64, kBlack);
            dc.IntersectClipRect(0, 0, 60, 64);
            CPen pen(PS_SOLID, 1, kWhite);
            dc.SelectObject(&pen);
            dc.SetROP2(fb == &spans ? R2_COPYPEN : R2_XORPEN);
            dc.Polyline(points.data(), static_cast<int>(points.size()));
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_EQ(spans.colorAt(x, y), collected.colorAt(x, y)) << x << "," << y;
    }
}

// A copied rectangle with no outline or a thin solid one is written straight; collected through
// XOR over black it must cover the same pixels in the same colours.
TEST(GdiFigures, CopiedRectanglesCoverWhatTheFigureCovers) {
    const std::vector<std::pair<const char*, CRect>> boxes = {
        {"inside", CRect(3, 4, 20, 9)},
        {"reversed corners", CRect(20, 9, 3, 4)},
        {"partly clipped", CRect(-5, 50, 70, 80)},
        {"two pixels", CRect(7, 7, 9, 9)},
        {"a line", CRect(7, 7, 8, 30)},
        {"far outside", CRect(-4000000, 2, 4000000, 3000000)},
    };
    struct Outline {
        const char* what;
        int stock;  // a stock pen, or -1 for a green one
        bool brush;
    };
    const Outline outlines[] = {{"no pen", NULL_PEN, true},
                                {"black pen", BLACK_PEN, true},
                                {"green pen", -1, true},
                                {"pen, no brush", BLACK_PEN, false}};
    for (const Outline& outline : outlines) {
        for (const auto& [name, box] : boxes) {
            SCOPED_TRACE(std::string(outline.what) + ", " + name);
            Framebuffer copied(64, 64, kBlack), collected(64, 64, kBlack);
            for (Framebuffer* fb : {&copied, &collected}) {
                CDC dc(*fb, CRect(2, 1, 62, 60));
                dc.IntersectClipRect(0, 0, 55, 64);
                CBrush brush(kRed);
                CPen green(PS_SOLID, 1, RGB(0, 255, 0));
                dc.SelectObject(&brush);
                if (!outline.brush) dc.SelectStockObject(NULL_BRUSH);
                if (outline.stock >= 0)
                    dc.SelectStockObject(outline.stock);
                else
                    dc.SelectObject(&green);
                dc.SetROP2(fb == &copied ? R2_COPYPEN : R2_XORPEN);
                dc.Rectangle(&box);
            }
            EXPECT_EQ(copied, collected);
        }
    }
}
