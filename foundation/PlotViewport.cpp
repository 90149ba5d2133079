#include "foundation/PlotViewport.h"

#include <algorithm>
#include <cmath>

#include "foundation/GeneralSettingsBlock.h"
#include "platform/text/Format.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kZoomBoxFloor = 0.01;  // metres per pixel

PixelRect Square(const VisiblePoint& v) {
    return {v.x - 4, v.y - 4, v.x + 4, v.y + 4};
}

}  // namespace

void PlotViewport::SetClientRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    clientRect_ = {left, top, right, bottom};
}

void PlotViewport::SetView(double originN, double originE, double metresPerPixel) {
    originN_ = originN;
    originE_ = originE;
    metresPerPixel_ = metresPerPixel;
}

WorldPoint PlotViewport::ScreenToWorld(int32_t px, int32_t py) const {
    return {originN_ + (static_cast<double>(clientRect_.bottom) - py) * metresPerPixel_,
            originE_ + (static_cast<double>(px) - clientRect_.left) * metresPerPixel_, 0.0};
}

PixelPoint PlotViewport::WorldToScreen(double n, double e, double) const {
    // Far-away points land far off the screen, held within the pixel limit.
    const double px = std::trunc((e - originE_) / metresPerPixel_ + clientRect_.left + 0.5);
    const double py = std::trunc(clientRect_.bottom - (n - originN_) / metresPerPixel_ + 0.5);
    return {ClampPixel(px), ClampPixel(py)};
}

void PlotViewport::CentreOn(const WorldPoint& c) {
    const PixelRect& r = clientRect_;
    originN_ = c.n - (r.bottom - r.top) * metresPerPixel_ * 0.5;
    originE_ = c.e - (r.right - r.left) * metresPerPixel_ * 0.5;
}

void PlotViewport::ZoomAboutCentre(double factor) {
    const PixelRect& r = clientRect_;
    const WorldPoint c = ScreenToWorld(static_cast<int32_t>((r.left + r.right) * 0.5),
                                       static_cast<int32_t>((r.top + r.bottom) * 0.5));
    metresPerPixel_ *= factor;
    CentreOn(c);
    following_ = false;
}

bool PlotViewport::ZoomIn() {
    if (!(metresPerPixel_ * 70.0 > 0.01)) return false;
    ZoomAboutCentre(0.875);
    return true;
}

bool PlotViewport::ZoomOut() {
    ZoomAboutCentre(2.0);
    return true;
}

void PlotViewport::BeginZoomBox() {
    zoomBoxArmed_ = true;
    zoomBoxShown_ = false;
}

bool PlotViewport::KeepInView(double n, double e, double) {
    const PixelRect& r = clientRect_;
    const double halfH = (r.bottom - r.top) * metresPerPixel_ * 0.5;
    const double halfW = (r.right - r.left) * metresPerPixel_ * 0.5;
    if (std::fabs(n - originN_ - halfH) > halfH || std::fabs(e - originE_ - halfW) > halfW) {
        originN_ = n - halfH;
        originE_ = e - halfW;
        return true;
    }
    return false;
}

bool PlotViewport::GetExtents(double& minN, double& minE, double& maxN, double& maxE) const {
    if (points_.empty()) return false;
    minN = maxN = points_.front().x;
    minE = maxE = points_.front().y;
    for (const PointRecord& p : points_) {
        minN = std::min(minN, p.x);
        maxN = std::max(maxN, p.x);
        minE = std::min(minE, p.y);
        maxE = std::max(maxE, p.y);
    }
    return true;
}

bool PlotViewport::InPlotArea(PixelPoint p) const {
    const PixelRect& r = clientRect_;
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void PlotViewport::AddDisplayPoint(const PointRecord& point) {
    points_.push_back(point);
    const PixelPoint p = WorldToScreen(point.x, point.y);
    if (InPlotArea(p))
        visiblePoints_.push_back({point.name, CString(), p.x, p.y, static_cast<int32_t>(points_.size() - 1)});
}

void PlotViewport::ClearDisplayPoints() {
    points_.clear();
    visiblePoints_.clear();
}

void PlotViewport::RebuildDisplayPoints() {
    visiblePoints_.clear();
    for (size_t i = 0; i < points_.size(); ++i) {
        const PixelPoint p = WorldToScreen(points_[i].x, points_[i].y);
        if (InPlotArea(p))
            visiblePoints_.push_back({points_[i].name, CString(), p.x, p.y, static_cast<int32_t>(i)});
    }
}

PickResult PlotViewport::MouseDown(PixelPoint point) {
    PickResult result;
    point = Reduce(point);
    if (!InPlotArea(point)) {
        zoomBoxArmed_ = zoomBoxShown_ = false;
        return result;
    }
    if (zoomBoxArmed_) {
        zoomBoxStart_ = zoomBoxCorner_ = point;
        zoomBoxShown_ = true;
    }
    panAnchor_ = point;
    for (const VisiblePoint& v : visiblePoints_) {
        if (PixelDistance(v.x, v.y, point.x, point.y) >= 5) continue;
        if (v.index < 0 || static_cast<size_t>(v.index) >= points_.size()) return result;
        result.picked = true;
        result.point = points_[static_cast<size_t>(v.index)];
        if (selectionShown_) result.eraseSquare = selectionRect_;
        selectionRect_ = Square(v);
        result.drawSquare = selectionRect_;
        selectionShown_ = true;
        return result;
    }
    if (selectionShown_) {
        result.eraseSquare = selectionRect_;
        selectionRect_ = {-1, -1, -1, -1};
        selectionShown_ = false;
    }
    return result;
}

bool PlotViewport::MouseMove(PixelPoint point, RubberBand& band) {
    band = {};
    point = Reduce(point);
    if (!InPlotArea(point)) return false;
    if (zoomBoxArmed_) {
        if (zoomBoxShown_)
            band.erase = PixelRect{zoomBoxStart_.x, zoomBoxStart_.y, zoomBoxCorner_.x, zoomBoxCorner_.y};
        band.draw = PixelRect{zoomBoxStart_.x, zoomBoxStart_.y, point.x, point.y};
        zoomBoxCorner_ = point;
        return false;
    }
    lastPointer_ = point;
    // A move along one axis only waits; the whole displacement is applied at the next move
    // that changes both coordinates.
    if (point.x == panAnchor_.x || point.y == panAnchor_.y) return false;
    originN_ -= (panAnchor_.y - point.y) * metresPerPixel_;
    originE_ -= (point.x - panAnchor_.x) * metresPerPixel_;
    panAnchor_ = point;
    following_ = false;
    return true;
}

bool PlotViewport::MouseUp(PixelPoint point) {
    point = Reduce(point);
    if (!InPlotArea(point) || !zoomBoxArmed_) return false;
    zoomBoxEnd_ = point;
    zoomBoxArmed_ = zoomBoxShown_ = false;
    const int32_t x0 = std::min(zoomBoxStart_.x, point.x), x1 = std::max(zoomBoxStart_.x, point.x);
    const int32_t y0 = std::min(zoomBoxStart_.y, point.y), y1 = std::max(zoomBoxStart_.y, point.y);
    const int32_t w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0) return false;
    const WorldPoint c =
        ScreenToWorld(static_cast<int32_t>((x0 + x1) * 0.5), static_cast<int32_t>((y0 + y1) * 0.5));
    const PixelRect& r = clientRect_;
    double mpp = std::max(h * metresPerPixel_ / (r.bottom - r.top), w * metresPerPixel_ / (r.right - r.left));
    if (mpp <= kZoomBoxFloor) mpp = kZoomBoxFloor;
    metresPerPixel_ = mpp;
    CentreOn(c);
    following_ = false;
    return true;
}

MarkerStep PlotViewport::NextMarker(double n, double e, double h) {
    MarkerStep step;
    if (lastPositions_.size() < 2) {
        lastPositions_.push_back({n, e, h});
        return step;
    }
    const WorldPoint prev = lastPositions_[1];
    lastPositions_ = {prev, {n, e, h}};
    step.draw = true;
    step.erase = markerOutline_;
    const double dn = n - prev.n, de = e - prev.e;
    const double d = std::sqrt(de * de + dn * dn);
    const PixelPoint p = WorldToScreen(n, e);
    if (d < 0.02) {
        markerOutline_ = {p};
    } else {
        double a = std::atan2(dn, de) + kPi;
        if (a < 0) a += 2 * kPi;
        const PixelPoint t =
            WorldToScreen(n + dn / d * metresPerPixel_ * 15, e + de / d * metresPerPixel_ * 15);
        const auto barb = [&](double angle) {
            return PixelPoint{ClampPixel(t.x - std::trunc(std::cos(angle) * -25)),
                              ClampPixel(t.y - std::trunc(std::sin(angle) * 25))};
        };
        markerOutline_ = {p, t, barb(a - 0.25), barb(a + 0.25)};
    }
    step.outline = markerOutline_;
    return step;
}

std::optional<MarkerStep> PlotViewport::RestartMarker() {
    selectionShown_ = false;
    if (lastPositions_.size() != 2) return std::nullopt;
    markerOutline_.clear();
    const WorldPoint last = lastPositions_[1];
    return NextMarker(last.n, last.e, last.h);
}

int32_t PlotViewport::NextSignalBars(int32_t age) {
    const bool wasSet = blink_;
    blink_ = !blink_;
    if (wasSet) return 0;
    if (age >= 1 && age <= 3) return 8;
    if (age >= 4 && age <= 8) return 8 - age;
    return 0;
}

CString ScaleBarLabel(double l) {
    static constexpr wchar_t kMetre[] = L"\u7C73";
    if (l < 0.1) return Format(L"0.1%s", kMetre);
    if (l < 0.2) return Format(L"0.2%s", kMetre);
    if (l < 0.5) return Format(L"0.5%s", kMetre);
    if (l < 1) return Format(L"1%s", kMetre);
    if (l < 2) return Format(L"2%s", kMetre);
    if (l < 5) return Format(L"5%s", kMetre);
    if (l < 100) return Format(L"%s0%s", Format(L"%.0f", l * 0.1).c_str(), kMetre);
    if (l < 1000) return Format(L"%s00%s", Format(L"%.0f", l * 0.01).c_str(), kMetre);
    if (l < 10000) return Format(L"%s000%s", Format(L"%.0f", l * 0.001).c_str(), kMetre);
    return Format(L"%s0000%s", Format(L"%.0f", l * 0.0001).c_str(), kMetre);
}

std::optional<CString> LinkTagText(int32_t kind, int32_t number, int32_t shown) {
    if (shown == 0) return CString(L" ");
    switch (kind) {
        case kLinkRadio:
            return number >= 1 && number <= 8 ? Format(L"%d", number) : CString(L" ");
        case kLinkNetwork:
            return CString(L"R");
        case kLinkExternal:
            return CString(L"E");
        default:
            return std::nullopt;
    }
}
