#include "stakeout/screens/StakePlotDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "foundation/screens/DrawingRoutines.h"
#include "foundation/screens/PointLabels.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "resources/StakeIcons.h"

namespace {
constexpr int kIconSize = 28;
constexpr int kFaceLift = 0x1E;
constexpr int kTargetRadius = 8;
constexpr COLORREF kPromptRed = RGB(255, 0, 0);

constexpr int32_t kTargetNameGap = 10;
constexpr int32_t kTargetNameWidest = 35;

void DrawName(CDC& dc, const CString& name, PixelPoint at, LabelLayout& labels) {
    CFont font;
    font.CreatePointFont(80, L"宋体", &dc);
    CFont* old = dc.SelectObject(&font);
    DrawPlotLabel(dc, name, at, kTargetNameGap, kTargetNameWidest, labels);
    dc.SelectObject(old);
}
}  // namespace

void SetUpStakeButton(CIconButton& button, CWnd& screen, UINT id, UINT icon) {
    button.SubclassDlgItem(id, &screen);
    button.SetIconImages(StakeButtonIcon(icon), kIconSize, kIconSize);
    button.SetColor(CIconButton::kBackHover, LightenPerChannel(GetSysColor(COLOR_BTNFACE), kFaceLift), FALSE);
    button.SetColor(CIconButton::kTextHover, RGB(0, 128, 0), FALSE);
    button.SetAlign(kIconRight, FALSE);
    button.SetFlat(FALSE, FALSE);
    button.SetFont(screen.GetFont(), TRUE);
}

bool OnPlot(const PixelRect& r, PixelPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void DrawTarget(CDC& dc, PixelPoint at, const CString& name, LabelLayout& labels) {
    CBrush white(RGB(255, 255, 255));
    CBrush* oldBrush = dc.SelectObject(&white);
    DrawCircle(dc, at.x, at.y, kTargetRadius);
    const int arm = static_cast<int>(std::sin(std::numbers::pi / 4) * kTargetRadius);
    dc.MoveTo(at.x - arm, at.y - arm);
    dc.LineTo(at.x + arm, at.y + arm);
    dc.MoveTo(at.x - arm, at.y + arm);
    dc.LineTo(at.x + arm, at.y - arm);
    dc.SelectObject(oldBrush);
    DrawName(dc, name, at, labels);
}

void DrawRings(CDC& dc, PixelPoint centre, const std::vector<int32_t>& radii) {
    CPen pen(PS_DASH, 1, kPromptRed);
    CPen* old = dc.SelectObject(&pen);
    for (const int32_t r : radii) DrawCircle(dc, centre.x, centre.y, r);
    dc.SelectObject(old);
}

void DrawBands(CDC& dc, const std::vector<PixelSegment>& bands) {
    CPen pen(PS_DASH, 0, kPromptRed);
    CPen* old = dc.SelectObject(&pen);
    for (const PixelSegment& s : bands) {
        dc.MoveTo(s.from.x, s.from.y);
        dc.LineTo(s.to.x, s.to.y);
    }
    dc.SelectObject(old);
}

void DrawGuideLine(CDC& dc, PixelPoint from, PixelPoint to) {
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&pen);
    const int oldMode = dc.SetROP2(R2_NOT);
    DrawDashedLine(dc, from.x, from.y, to.x, to.y);
    dc.SetROP2(oldMode);
    dc.SelectObject(old);
}

std::vector<MapMarker> RecordMarkers(const PlotViewport& view, const std::vector<PointRecord>& points,
                                     int shown) {
    std::vector<MapMarker> markers;
    const int count = static_cast<int>(points.size());
    const int first = shown == -1 ? 0 : std::max(0, count - shown);
    for (int i = first; i < count; ++i) {
        const PointRecord& p = points[static_cast<size_t>(i)];
        const PixelPoint at = view.WorldToScreen(p.x, p.y);
        if (OnPlot(view.ClientRect(), at)) markers.push_back({p.name, CString(), at.x, at.y, i});
    }
    return markers;
}
