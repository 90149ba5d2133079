// Draws a sample screen of every kind of figure and both faces, and writes it as
// gdi_sample.png in the build folder for people to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/gdi/CDC.h"
#include "platform/gdi/CImage.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/SysColors.h"

namespace {

CFont MakeFont(const wchar_t* face, int height, int weight = FW_NORMAL) {
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    return font;
}

// A 16 x 16 survey-point flag.
CImage FlagIcon() {
    CImage icon(16, 16);
    for (int y = 1; y < 15; ++y) icon.SetPixel(3, y, RGB(60, 60, 60));
    for (int y = 1; y < 8; ++y)
        for (int x = 4; x < 4 + (8 - y) + 5; ++x) icon.SetPixel(x, y, RGB(220, 30, 30));
    for (int x = 1; x < 7; ++x) icon.SetPixel(x, 15, RGB(60, 60, 60));
    return icon;
}

void DrawPositionMarker(CDC& dc, CPoint p) {
    CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    const int oldRop = dc.SetROP2(R2_NOT);
    dc.Ellipse(p.x - 8, p.y - 8, p.x + 9, p.y + 9);
    dc.MoveTo(p.x - 12, p.y);
    dc.LineTo(p.x + 13, p.y);
    dc.MoveTo(p.x, p.y - 12);
    dc.LineTo(p.x, p.y + 13);
    dc.SetROP2(oldRop);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void DrawScreen(Framebuffer& fb) {
    CDC dc(fb);
    dc.FillSolidRect(CRect(0, 0, 240, 320), GetSysColor(COLOR_BTNFACE));
    dc.FillSolidRect(CRect(0, 0, 240, 20), GetSysColor(COLOR_ACTIVECAPTION));
    CFont title = MakeFont(L"Tahoma", 14, FW_BOLD);
    dc.SelectObject(&title);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
    CRect bar(4, 0, 236, 20);
    dc.DrawText(L"测量 <示例工程>", -1, bar, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

    CFont song12 = MakeFont(L"宋体", -12);
    CFont song16 = MakeFont(L"宋体", -16);
    CFont tahoma12 = MakeFont(L"Tahoma", -12);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    int y = 24;
    for (CFont* font : {&song12, &song16, &tahoma12, &title}) {
        dc.SelectObject(font);
        dc.TextOut(4, y, L"点名P12 北:3456.789 45°12′30″", -1);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        y += tm.tmHeight + 3;
    }

    // Two buttons, one raised with focus, one pressed.
    dc.SelectObject(&song12);
    CRect ok(8, 98, 78, 120), cancel(86, 98, 156, 120);
    dc.Draw3dRect(ok, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    dc.Draw3dRect(cancel, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    dc.DrawText(L"确定", -1, ok, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CRect pressed = cancel;
    pressed.OffsetRect(1, 1);
    dc.DrawText(L"取消", -1, pressed, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CRect focus = ok;
    focus.DeflateRect(3, 3);
    dc.DrawFocusRect(focus);
    CImage flag = FlagIcon();
    flag.Draw(&dc, 166, 101);
    flag.Draw(&dc, 190, 93, 32, 32);

    // A map area: grid, a dashed line, stored points with names, a north arrow and a scale bar.
    CRect map(4, 128, 236, 316);
    dc.FillSolidRect(map, RGB(255, 255, 255));
    dc.FrameRect(map, static_cast<CBrush*>(GetStockObject(BLACK_BRUSH)));
    CDC mapDc(fb, map);
    CPen grid(PS_SOLID, 1, RGB(210, 210, 210));
    mapDc.SelectObject(&grid);
    for (int gx = 0; gx < map.Width(); gx += 40) {
        mapDc.MoveTo(gx, 0);
        mapDc.LineTo(gx, map.Height());
    }
    CPen dash(PS_DASH, 1, RGB(0, 0, 200));
    mapDc.SelectObject(&dash);
    mapDc.SetBkMode(TRANSPARENT);
    mapDc.MoveTo(10, 170);
    mapDc.LineTo(220, 20);
    CPen line2(PS_SOLID, 2, RGB(200, 0, 0));
    mapDc.SelectObject(&line2);
    const POINT route[] = {{20, 30}, {70, 60}, {120, 40}, {180, 100}};
    mapDc.Polyline(route, 4);
    mapDc.SelectStockObject(BLACK_PEN);
    mapDc.SelectStockObject(NULL_BRUSH);
    CFont point8;
    point8.CreatePointFont(80, L"宋体");
    mapDc.SelectObject(&point8);
    for (const POINT& p : route) {
        mapDc.Rectangle(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
        CRect label(p.x + 5, p.y - 5, p.x + 40, p.y + 5);
        mapDc.DrawText(L"控制点", -1, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    CBrush green(RGB(0, 128, 128));
    mapDc.SelectObject(&green);
    const POINT arrow[] = {{212, 4}, {218, 22}, {212, 16}};
    mapDc.Polygon(arrow, 3);
    mapDc.SelectStockObject(WHITE_BRUSH);
    const POINT arrowLeft[] = {{212, 4}, {212, 16}, {206, 22}};
    mapDc.Polygon(arrowLeft, 3);
    CBrush yellow(RGB(250, 220, 0));
    mapDc.SelectObject(&yellow);
    mapDc.Ellipse(150, 130, 190, 160);
    mapDc.SelectObject(&title);
    mapDc.SetBkMode(OPAQUE);
    mapDc.SetBkColor(RGB(255, 255, 255));
    mapDc.ExtTextOut(196, 22, ETO_OPAQUE, CRect(196, 22, 208, 36), L"北", 1);
    mapDc.SelectStockObject(BLACK_PEN);
    mapDc.MoveTo(10, 178);
    mapDc.LineTo(70, 178);
    mapDc.MoveTo(10, 174);
    mapDc.LineTo(10, 179);
    mapDc.MoveTo(70, 174);
    mapDc.LineTo(70, 179);
    mapDc.SelectObject(&point8);
    mapDc.SetBkMode(TRANSPARENT);
    mapDc.TextOut(74, 172, L"20m", -1);
}

}  // namespace

TEST(GdiSample, SampleScreenIsWrittenAndTheInvertedMarkerErasesCleanly) {
    Framebuffer fb(240, 320);
    DrawScreen(fb);
    const Framebuffer plain = fb;
    CDC dc(fb, CRect(4, 128, 236, 316));
    DrawPositionMarker(dc, CPoint(100, 110));
    const std::string path = std::string(QZ_BINARY_DIR) + "/gdi_sample.png";
    ASSERT_TRUE(WritePng(fb, path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    DrawPositionMarker(dc, CPoint(100, 110));
    EXPECT_EQ(fb, plain);
}
