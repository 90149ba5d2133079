#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/LineBreaks.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The smallest rectangle holding every pixel that is not the background colour.
CRect InkBox(const Framebuffer& fb, COLORREF background = kWhite) {
    CRect box(fb.width(), fb.height(), 0, 0);
    for (int y = 0; y < fb.height(); ++y)
        for (int x = 0; x < fb.width(); ++x)
            if (fb.colorAt(x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.IsRectEmpty() ? CRect() : box;
}

// The ink of a text as rows of '#' and '.', cut to its ink box.
std::vector<std::string> InkPattern(CFont& font, const wchar_t* text) {
    Framebuffer fb(80, 40);
    CDC dc(fb);
    dc.SelectObject(&font);
    dc.TextOut(10, 10, text, -1);
    const CRect box = InkBox(fb);
    std::vector<std::string> rows;
    for (int y = box.top; y < box.bottom; ++y) {
        std::string row;
        for (int x = box.left; x < box.right; ++x) row += fb.colorAt(x, y) == kWhite ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

CFont MakeFont(const wchar_t* face, int height, int weight = FW_NORMAL) {
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    return font;
}

}  // namespace

TEST(GdiFonts, SongUsesItsStrikesAndLatinHonoursTheCellHeight) {
    Framebuffer fb(10, 10);
    CDC dc(fb);
    TEXTMETRIC tm;
    CFont song9;
    song9.CreatePointFont(90, L"宋体");
    dc.SelectObject(&song9);
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 12);
    EXPECT_EQ(dc.GetTextExtent(L"测试", -1), CSize(24, 12));

    CFont song16 = MakeFont(L"宋体", -16);
    dc.SelectObject(&song16);
    EXPECT_EQ(dc.GetTextExtent(L"测", -1).cx, 16);

    CFont tahoma = MakeFont(L"Tahoma", 14, FW_BOLD);
    dc.SelectObject(&tahoma);
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 14);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    const int boldWidth = dc.GetTextExtent(L"North 12", -1).cx;
    CFont regular = MakeFont(L"Tahoma", 14);
    dc.SelectObject(&regular);
    EXPECT_GT(boldWidth, dc.GetTextExtent(L"North 12", -1).cx);
    EXPECT_EQ(dc.GetTextExtent(L"", -1).cx, 0);
}

TEST(GdiFonts, ChineseInALatinFaceComesFromTheSongFace) {
    CFont tahoma = MakeFont(L"Tahoma", -12);
    CFont song = MakeFont(L"宋体", -12);
    const auto fromLatin = InkPattern(tahoma, L"北");
    EXPECT_FALSE(fromLatin.empty());
    EXPECT_EQ(fromLatin, InkPattern(song, L"北"));
}

// In bold too, where the ticks of ″ (from the Chinese face, which a bold Latin face emboldens)
// stay apart: each row of its ink has as many strokes as in the regular weight.
TEST(GdiFonts, DegreeMinuteSecondSignsAreDrawnInBothFaces) {
    const auto strokes = [](const std::vector<std::string>& ink) {
        std::vector<int> counts;
        for (const std::string& row : ink) {
            int runs = 0;
            for (size_t x = 0; x < row.size(); ++x) runs += row[x] == '#' && (x == 0 || row[x - 1] != '#');
            counts.push_back(runs);
        }
        return counts;
    };
    for (const wchar_t* face : {L"宋体", L"Tahoma"}) {
        for (const int height : {-12, 14}) {
            CFont font = MakeFont(face, height), bold = MakeFont(face, height, FW_BOLD);
            const auto missing = InkPattern(font, L"\x0378");  // an unassigned code point
            for (const wchar_t* sign : {L"°", L"′", L"″"}) {
                for (CFont* f : {&font, &bold}) {
                    const auto ink = InkPattern(*f, sign);
                    EXPECT_FALSE(ink.empty()) << static_cast<int>(sign[0]);
                    EXPECT_NE(ink, missing) << static_cast<int>(sign[0]);
                }
            }
            EXPECT_EQ(strokes(InkPattern(bold, L"″")), strokes(InkPattern(font, L"″"))) << height;
        }
    }
}

TEST(GdiText, DrawTextAlignsInkInItsRectangle) {
    CFont song = MakeFont(L"宋体", -12);
    const CRect rect(20, 30, 200, 80);
    struct Case {
        UINT format;
        int dxSign;  // -1 left, 0 centre, 1 right
        int dySign;  // -1 top, 0 centre, 1 bottom
    };
    for (const Case c : {Case{DT_LEFT | DT_TOP, -1, -1}, Case{DT_CENTER | DT_VCENTER, 0, 0},
                         Case{DT_RIGHT | DT_BOTTOM, 1, 1}, Case{DT_CENTER | DT_TOP, 0, -1},
                         Case{DT_RIGHT | DT_VCENTER, 1, 0}, Case{DT_LEFT | DT_BOTTOM, -1, 1}}) {
        Framebuffer fb(240, 120);
        CDC dc(fb);
        dc.SelectObject(&song);
        CRect r = rect;
        dc.DrawText(L"测试国中", -1, r, c.format | DT_SINGLELINE);
        const CRect ink = InkBox(fb);
        ASSERT_FALSE(ink.IsRectEmpty()) << c.format;
        EXPECT_TRUE(CRect(ink & rect) == ink) << c.format;
        // How far the ink is from where it belongs: an edge, or the middle (counted twice).
        const int horizontal = c.dxSign < 0   ? ink.left - rect.left
                               : c.dxSign > 0 ? rect.right - ink.right
                                              : std::abs((ink.left + ink.right) - (rect.left + rect.right));
        const int vertical = c.dySign < 0   ? ink.top - rect.top
                             : c.dySign > 0 ? rect.bottom - ink.bottom
                                            : std::abs((ink.top + ink.bottom) - (rect.top + rect.bottom));
        EXPECT_LE(horizontal, 2) << c.format;
        EXPECT_LE(vertical, 2) << c.format;
    }
}

// A path holds no place to break: it breaks where it overflows.
TEST(GdiText, WordBreakWrapsAndCalcRectBoundsTheInk) {
    CFont song = MakeFont(L"宋体", -12);
    for (const wchar_t* text : {L"测试文字换行的效果，标点不在行首", L"one two three four five six",
                                L"短\r\n两行", L"\\jobs\\DaQiao\\stake.lnb"}) {
        Framebuffer fb(240, 200);
        CDC dc(fb);
        dc.SelectObject(&song);
        CRect calc(10, 10, 70, 10);
        const int height = dc.DrawText(text, -1, calc, DT_WORDBREAK | DT_CALCRECT);
        EXPECT_EQ(fb, Framebuffer(240, 200)) << "measuring draws nothing";
        EXPECT_EQ(calc.Height(), height);
        EXPECT_GE(height, 24);
        EXPECT_EQ(height % 12, 0);
        EXPECT_LE(calc.Width(), 60);

        CRect draw(10, 10, 70, 190);
        EXPECT_EQ(dc.DrawText(text, -1, draw, DT_WORDBREAK), height);
        const CRect ink = InkBox(fb);
        EXPECT_TRUE(CRect(ink & calc) == ink);
        // Each line of ink sits in its own band of rows.
        int bands = 0;
        bool inkRow = false;
        for (int y = 0; y < fb.height(); ++y) {
            bool any = false;
            for (int x = 0; x < fb.width(); ++x) any = any || fb.colorAt(x, y) != kWhite;
            bands += any && !inkRow;
            inkRow = any;
        }
        EXPECT_EQ(bands, height / 12);
    }
}

TEST(GdiText, ClosingPunctuationNeverBeginsALine) {
    struct Case {
        wchar_t previous, c;
        bool breaks;
    } cases[] = {
        {L'出', L'.', false},  {L'吗', L'?', false},  {L'限', L',', false},  {L'点', L'。', false},
        {L'点', L'，', false}, {L'点', L'、', false}, {L'好', L'！', false}, {L'V', L')', false},
        {L'误', L'）', false}, {L'库', L'」', false}, {L'定', L'!', false},  {L'点', L'名', true},
        {L'(', L'点', true},   {L'a', L' ', true},    {L'a', L'b', false},
    };
    for (const Case& c : cases) EXPECT_EQ(MayBreakBefore(c.previous, c.c), c.breaks) << int(c.c);

    // However narrow the box, no line of the precision question is a mark on its own.
    CFont song = MakeFont(L"宋体", -12);
    for (int width = 40; width <= 200; ++width) {
        Framebuffer fb(240, 240);
        CDC dc(fb);
        dc.SelectObject(&song);
        CRect box(0, 0, width, 240);
        dc.DrawText(L"精度因子(RMSH和RMSV)超限,确定要存储吗?否则请选择退出.", -1, box, DT_WORDBREAK);
        for (int band = 0; band < 240 / 12; ++band) {
            int left = 240, right = 0;
            for (int y = band * 12; y < band * 12 + 12; ++y)
                for (int x = 0; x < 240; ++x) {
                    if (fb.colorAt(x, y) == kWhite) continue;
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
            if (right > left) {
                EXPECT_GT(right - left, 4) << width << " line " << band;
            }
        }
    }
}

TEST(GdiText, ClippingPrefixAndEllipsis) {
    CFont song = MakeFont(L"宋体", -12);
    Framebuffer fb(240, 60);
    CDC dc(fb);
    dc.SelectObject(&song);
    CRect narrow(10, 10, 40, 30);
    dc.DrawText(L"一段很长的文字", -1, narrow, DT_SINGLELINE);
    EXPECT_TRUE(CRect(InkBox(fb) & narrow) == InkBox(fb));
    fb.fill(kWhite);
    dc.DrawText(L"一段很长的文字", -1, narrow, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBox(fb).right, narrow.right);

    CRect calc(0, 0, 0, 0);
    dc.DrawText(L"&&A&b", -1, calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), dc.GetTextExtent(L"&Ab", -1).cx);
    calc.SetRect(0, 0, 0, 0);
    dc.DrawText(L"&&A&b", -1, calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(calc.Width(), dc.GetTextExtent(L"&&A&b", -1).cx);

    calc.SetRect(0, 0, 50, 0);
    dc.DrawText(L"一段很长的文字", -1, calc, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(calc.Width(), 50);
    EXPECT_GT(calc.Width(), 30);
}

TEST(GdiText, BackgroundModesOpaqueRectanglesAndRasterOperations) {
    CFont song = MakeFont(L"宋体", -12);
    Framebuffer fb(100, 40);
    CDC dc(fb);
    dc.SelectObject(&song);
    dc.SetBkColor(RGB(0, 0, 255));
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkMode(OPAQUE);
    dc.TextOut(5, 5, L"国A", -1);
    const CSize extent = dc.GetTextExtent(L"国A", -1);
    EXPECT_EQ(InkBox(fb), CRect(5, 5, 5 + extent.cx, 5 + extent.cy));
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) red += fb.colorAt(x, y) == RGB(255, 0, 0);
    EXPECT_GT(red, 20);

    fb.fill(kWhite);
    dc.SetBkMode(TRANSPARENT);
    dc.ExtTextOut(10, 10, ETO_OPAQUE | ETO_CLIPPED, CRect(8, 8, 20, 30), L"北京", 2);
    EXPECT_EQ(InkBox(fb), CRect(8, 8, 20, 30));
    EXPECT_EQ(fb.colorAt(8, 29), RGB(0, 0, 255));

    for (const int mode : {OPAQUE, TRANSPARENT}) {
        Framebuffer before(100, 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 100; ++x)
                before.row(y)[x] = static_cast<uint32_t>(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
        Framebuffer canvas = before;
        CDC inv(canvas);
        inv.SelectObject(&song);
        inv.SetROP2(R2_NOT);
        inv.SetBkMode(mode);
        CRect r(0, 0, 100, 40);
        inv.DrawText(L"点名 P12", -1, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EXPECT_NE(canvas, before);
        inv.DrawText(L"点名 P12", -1, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EXPECT_EQ(canvas, before) << mode;
    }
}

// Copied text is written straight to the screen, in narrow areas as rows of bits; the other raster
// operations collect the pixels first. XOR over black gives each covered pixel its source as a copy
// does, so both ways must cover the same pixels alike: ink and background, clipped at every edge.
TEST(GdiText, CopiedTextMatchesTheCollectedPixelsExactly) {
    CFont song = MakeFont(L"宋体", -12);
    CFont tahoma = MakeFont(L"Tahoma", 14, FW_BOLD);
    CFont underlined;
    underlined.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 1, 1, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    struct Case {
        const char* what;
        CFont* font;
        int bkMode;
        CRect area;  // the context's child rectangle in the screen
        std::function<void(CDC&)> draw;
    };
    const CRect screen(0, 0, 100, 40);
    auto label = [](const wchar_t* text, CRect box, UINT format = DT_LEFT | DT_SINGLELINE | DT_VCENTER) {
        return [=](CDC& dc) mutable { dc.DrawText(text, -1, box, format); };
    };
    const std::vector<Case> cases = {
        {"a point label", &song, OPAQUE, screen, label(L"P1234", CRect(20, 10, 55, 20))},
        {"a label cut on the right", &song, OPAQUE, screen, label(L"控制点12", CRect(20, 10, 42, 20))},
        {"a label cut at the top", &song, OPAQUE, screen, label(L"P9", CRect(20, 0, 55, 6))},
        {"transparent", &song, TRANSPARENT, screen, label(L"P77 国", CRect(3, 8, 38, 18))},
        {"transparent, blank rows between", &song, TRANSPARENT, screen, label(L"一二-", CRect(3, 8, 60, 30))},
        {"past the screen's edges", &song, OPAQUE, CRect(-7, -5, 90, 45),
         label(L"Wgjy点", CRect(0, 0, 30, 12), DT_SINGLELINE | DT_NOCLIP)},
        {"a child area", &tahoma, OPAQUE, CRect(30, 12, 70, 30), label(L"N12", CRect(-3, -4, 40, 20))},
        {"centred, underlined by '&'", &song, OPAQUE, screen,
         label(L"&Save", CRect(10, 5, 70, 30), DT_CENTER | DT_SINGLELINE | DT_VCENTER)},
        {"underlined and struck out", &underlined, OPAQUE, screen, label(L"P5 点", CRect(4, 4, 60, 20))},
        {"wider than a row of bits", &tahoma, OPAQUE, screen, label(L"North 1234567", CRect(0, 2, 100, 30))},
        {"narrower than eight pixels", &song, OPAQUE, screen, label(L"国", CRect(20, 10, 26, 20))},
        {"an opaque rectangle apart from the text", &song, OPAQUE, screen,
         [](CDC& dc) { dc.ExtTextOut(10, 10, ETO_OPAQUE, CRect(40, 8, 50, 30), L"P1", 2); }},
        {"opaque and clipped", &song, TRANSPARENT, screen,
         [](CDC& dc) { dc.ExtTextOut(10, 10, ETO_OPAQUE | ETO_CLIPPED, CRect(8, 8, 30, 30), L"北京", 2); }},
        {"spaced by hand", &song, OPAQUE, screen,
         [](CDC& dc) {
             const int dx[] = {9, 2, 14};
             dc.ExtTextOut(5, 20, 0, nullptr, L"A国b", 3, dx);
         }},
        {"clipped by the context", &song, OPAQUE, screen,
         [](CDC& dc) {
             dc.IntersectClipRect(12, 14, 27, 19);
             dc.TextOut(10, 10, L"国A12", -1);
         }},
    };
    // A copy over a patterned screen must change exactly the pixels the XOR over black coloured.
    Framebuffer pattern(screen.Width(), screen.Height());
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x)
            pattern.row(y)[x] = static_cast<uint32_t>(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
    for (const Case& c : cases) {
        auto picture = [&](int rop) {
            Framebuffer fb = rop == R2_COPYPEN ? pattern : Framebuffer(screen.Width(), screen.Height(), 0);
            CDC dc(fb, c.area);
            dc.SelectObject(c.font);
            dc.SetTextColor(RGB(200, 30, 10));
            dc.SetBkColor(RGB(20, 40, 230));
            dc.SetBkMode(c.bkMode);
            dc.SetROP2(rop);
            c.draw(dc);
            return fb;
        };
        const Framebuffer collected = picture(R2_XORPEN);
        Framebuffer expected = pattern;
        for (int y = 0; y < screen.Height(); ++y)
            for (int x = 0; x < screen.Width(); ++x)
                if (collected.row(y)[x] != 0) expected.row(y)[x] = collected.row(y)[x];
        EXPECT_NE(expected, pattern) << c.what;
        EXPECT_EQ(picture(R2_COPYPEN), expected) << c.what;
    }
}
