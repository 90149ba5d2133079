#include "receiver/screens/CSkyPlotPage.h"

#include <algorithm>

#include "foundation/screens/DrawingRoutines.h"
#include "platform/gdi/SysColors.h"
#include "platform/text/Format.h"
#include "platform/ui/WindowDC.h"
#include "receiver/ReceiverHost.h"

namespace {
constexpr int kDisc = 10;
constexpr int kLabel = 8;
constexpr COLORREF kBlack = 0;
constexpr COLORREF kWhite = 0xFFFFFF;

void Disc(CDC& dc, int x, int y, COLORREF colour, const CString& number) {
    CPen pen(PS_SOLID, 1, colour);
    CBrush brush(colour);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Ellipse(x - kDisc, y - kDisc, x + kDisc, y + kDisc);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    CRect label(x - kLabel, y - kLabel, x + kLabel, y + kLabel);
    dc.DrawText(number, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
}  // namespace

BOOL CSkyPlotPage::OnInitDialog() {
    CDialog::OnInitDialog();
    box_ = SkyPlotBox{};
    m_gps.gpsSatellites = {};
    m_gps.gloSatellites = {};
    return TRUE;
}

void CSkyPlotPage::OnPaint() {
    CPaintDC dc(this);
    DrawPlot(dc);
    DrawLegend(dc);
}

void CSkyPlotPage::Refresh(const CGpsState& state) {
    m_gps = state;
    CClientDC dc(this);
    const CRect area(box_.left - kDisc, box_.top - kDisc, box_.right + kDisc + 1, box_.bottom + kDisc + 1);
    dc.FillSolidRect(&area, GetSysColor(COLOR_3DFACE));
    DrawPlot(dc);
    if (m_gps.fixFlag) DrawSatellites(dc);
}

void CSkyPlotPage::DrawPlot(CDC& dc) {
    dc.Ellipse(box_.left, box_.top, box_.right, box_.bottom);
    CPen solid(PS_SOLID, 1, kBlack);
    CPen dashed(PS_DASH, 1, kRed);
    for (const PlotCircle& circle : ElevationCircles(frame_.Settings().connection.nGAngle)) {
        CPen* old = dc.SelectObject(circle.mask ? &dashed : &solid);
        const SkyRect r = ElevationCircle(box_, circle.elevationDeg);
        dc.Ellipse(r.left, r.top, r.right, r.bottom);
        dc.SelectObject(old);
    }
    const int r = box_.Radius();
    dc.MoveTo(box_.left, box_.top + r);
    dc.LineTo(box_.right, box_.top + r);
    dc.MoveTo(box_.left + r, box_.top);
    dc.LineTo(box_.left + r, box_.bottom);
}

void CSkyPlotPage::DrawLegend(CDC& dc) {
    CFont font;
    CreateFontObject(font, 16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"微软雅黑");
    CFont* oldFont = dc.SelectObject(&font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    struct Entry {
        int x, y;
        COLORREF colour;
        const wchar_t* number;
        const wchar_t* label;
    };
    const Entry entries[] = {{20, 225, kBlue, L"01", L"锁定GPS"},
                             {20, 245, kRed, L"02", L"可视GPS"},
                             {120, 225, kGreen, L"41", L"锁定GLONASS"},
                             {120, 245, kYellow, L"42", L"可视GLONASS"}};
    for (const Entry& e : entries) {
        dc.SetTextColor(kWhite);
        Disc(dc, e.x, e.y, e.colour, e.number);
        dc.SetTextColor(kBlack);
        CRect label(e.x + 16, e.y - 8, e.x + 136, e.y + 8);
        dc.DrawText(e.label, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
}

void CSkyPlotPage::DrawSatellites(CDC& dc) {
    CFont font;
    CreateFontObject(font, 13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    CFont* oldFont = dc.SelectObject(&font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc.SetTextColor(kWhite);
    const auto draw = [&](const std::array<GpsSatellite, CGpsState::kMaxSatellites>& satellites, int inView,
                          COLORREF used, COLORREF seen) {
        const int n = std::clamp(inView, 0, CGpsState::kMaxSatellites);
        for (int i = 0; i < n; ++i) {
            const GpsSatellite& s = satellites[static_cast<size_t>(i)];
            if (s.number <= 0) continue;
            const SkyPoint p = SatellitePoint(box_, s.elevation, s.azimuth);
            if (p.shown) Disc(dc, p.x, p.y, s.used ? used : seen, Format(L"%02d", s.number));
        }
    };
    draw(m_gps.gpsSatellites, m_gps.gpsInView, kBlue, kRed);
    draw(m_gps.gloSatellites, m_gps.gloInView, kGreen, kYellow);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
}
