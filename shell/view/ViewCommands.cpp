// The main view's buttons, storing, stored-point markers and taps.
#include <algorithm>
#include <cmath>

#include "foundation/screens/PointLabels.h"
#include "geodesy/screens/CParamViewDlg.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WindowDC.h"
#include "receiver/screens/CGpsInfoDlg.h"
#include "resources/MainViewForm.h"
#include "resources/StringIds.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/SurveyRecords.h"
#include "shell/hosts/FrameHosts.h"
#include "shell/view/CFrmGraphView.h"
#include "shell/view/HardwareKeys.h"
#include "survey/PointStorePath.h"
#include "survey/screens/CCoordViewDlg.h"
#include "survey/screens/SurveyCommands.h"

namespace {
constexpr double kFinestScale = 0.01;  // metres per pixel
constexpr int kPickRadius = 5;         // pixels
constexpr int kFitMargin = 5;          // pixels: the outermost markers stay whole inside the plot

bool Inside(const PixelRect& r, PixelPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
}  // namespace

BOOL CFrmGraphView::PreTranslateMessage(MSG* msg) {
    if (keys_.Handle(MapHardwareKey(msg->message, static_cast<UINT>(msg->wParam)))) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CFrmGraphView::RepaintPlot() {
    plot_.Invalidate();
}

void CFrmGraphView::StoredPointsChanged() {
    ClearMarkers();
    markersGeneration_ = records_.display.Generation();
    RepaintPlot();
}

void CFrmGraphView::OnZoomIn() {
    if (canvas_.ZoomIn()) RepaintPlot();
}

void CFrmGraphView::OnZoomOut() {
    if (canvas_.ZoomOut()) RepaintPlot();
}

void CFrmGraphView::OnFollow() {
    const PixelRect& r = canvas_.ClientRect();
    const double scale = canvas_.MetresPerPixel();
    canvas_.SetView(latest_.gridX - (r.bottom - r.top) * scale * 0.5,
                    latest_.gridY - (r.right - r.left) * scale * 0.5, scale);
    canvas_.SetFollow(true);
    RepaintPlot();
}

// As menu command 32782, over the frame.
void CFrmGraphView::OnStoreSettings() {
    SurveyHostImpl host = hosts_.Survey();
    EditStoreSettings(host, CWnd::FromHandle(window_.DialogParent()));
}

void CFrmGraphView::OpenCoordView() {
    SurveyHostImpl host = hosts_.Survey();
    ShowCoordView(host);
}

void CFrmGraphView::OnParamView() {
    GeodesyHostImpl host = hosts_.Geodesy();
    CParamViewDlg dialog(host, this);
    dialog.DoModal();
}

void CFrmGraphView::OnReceiverInfo() {
    // The mode, the point file and the key help.
    ShowReceiverInfo(services_, this,
                     LoadStringResource(strings::kTerrainMode) + L"\n" +
                         LoadStringResource(strings::kDataFileName) + job_.Paths().dataFileName +
                         LoadStringResource(strings::kStoreKeysHelp));
}

void CFrmGraphView::OnConnect() {
    window_.ConnectInstrument();
}

void CFrmGraphView::OnExit() {
    window_.ConfirmExit();
}

void CFrmGraphView::FitAll() {
    double minN = 0, minE = 0, maxN = 0, maxE = 0;
    bool found = canvas_.GetExtents(minN, minE, maxN, maxE);
    // Every point the display rule shows, on screen or not.
    const DisplayPoints& points = records_.display;
    for (size_t i = std::max(FirstShownPoint(), points.Front()); i < points.size(); ++i) {
        if (points.Deleted(i)) continue;
        const double n = points.North(i), e = points.East(i);
        if (!found) {
            minN = maxN = n;
            minE = maxE = e;
            found = true;
        }
        minN = std::min(minN, n);
        maxN = std::max(maxN, n);
        minE = std::min(minE, e);
        maxE = std::max(maxE, e);
    }
    if (!found) return;
    const PixelRect& r = canvas_.ClientRect();
    const int width = r.right - r.left, height = r.bottom - r.top;
    double scale =
        std::max((maxE - minE) / (width - 2 * kFitMargin), (maxN - minN) / (height - 2 * kFitMargin));
    if (scale <= kFinestScale) scale = kFinestScale;
    canvas_.SetView((minN + maxN) / 2 - height / 2.0 * scale, (minE + maxE) / 2 - width / 2.0 * scale, scale);
    canvas_.SetFollow(false);  // the points stay in view, wherever the position goes
    RepaintPlot();
}

void CFrmGraphView::StorePoint() {
    if (latest_.solutionText.Find(L"FIXED") >= 0 && (latest_.latitude == 0.0 || latest_.longitude == 0.0))
        return;
    const int mode = job_.Settings().nSaveType;
    if (mode == kStoreAutomatic) {
        storePath_.StartAutoStore(latest_);
        return;
    }
    const StoredPointResult result = storePath_.StorePoint(latest_, {.mode = mode, .keepsLastCode = true});
    if (result.number == 0) return;
    PointRecord point = result.point;
    point.flag = 0;
    AddStoredPoint(point);
}

void CFrmGraphView::AutoStore() {
    const GeneralSettingsBlock& settings = job_.Settings();
    AutoStoreState& state = autoStore_;
    if (settings.nSaveType != kStoreAutomatic || state.running == 0) return;
    const CGpsState fix = latest_;
    if (!autoTrigger_.Decide(settings, fix, state.firstPoint)) return;
    const double interval = settings.nAsMode == 0 ? settings.nAutoSaveTime : settings.szdAutoSaveDis;
    const StoredPointResult result = storePath_.StoreQuickPoint(
        fix, {.mode = settings.nSaveType, .autoCondition = settings.nAsMode, .autoInterval = interval});
    ++state.count;
    if (result.number != 0) AddStoredPoint(result.point);
}

void CFrmGraphView::AddStoredPoint(PointRecord point) {
    records_.Append(point);
    DisplayPoints& points = records_.display;
    points.Append(point);
    const PixelPoint p = canvas_.WorldToScreen(point.x, point.y);
    if (Inside(canvas_.ClientRect(), p)) {
        MapMarker marker{point.name, CString(), p.x, p.y, static_cast<int32_t>(points.size() - 1)};
        CClientDC dc(&plot_);
        dc.SetBkMode(TRANSPARENT);
        DrawPointLabel(dc, marker, canvas_.Labels());
        // A point the display rule hides is drawn once, as every store is, but not kept: no paint
        // would draw it, and while the map stands still each one kept would stay for the run.
        if (points.size() - 1 >= FirstShownPoint()) markers_.push_back(std::move(marker));
    }
    LetGoOfHiddenPoints();
}

size_t CFrmGraphView::FirstShownPoint() const {
    return records_.display.FirstShown(job_.Settings().nShowSurveyPoint);
}

void CFrmGraphView::LetGoOfHiddenPoints() {
    DisplayPoints& points = records_.display;
    // Markers drawn from an earlier list are in no order against this one's: they wait for a paint.
    if (!markers_.empty() && markersGeneration_ != points.Generation()) return;
    const size_t first = FirstShownPoint();
    points.DropBefore(first);
    // A marker whose point the list let go can no longer be picked; such markers leave the list a
    // batch at a time, so that a store moves it no more than once on average.
    const auto shown = std::partition_point(markers_.begin(), markers_.end(), [first](const MapMarker& m) {
        return static_cast<size_t>(m.tag) < first;
    });
    if (shown - markers_.begin() >= markers_.end() - shown) markers_.erase(markers_.begin(), shown);
}

CFrmGraphView::MarkerSource CFrmGraphView::CurrentMarkerSource() const {
    const DisplayPoints& points = records_.display;
    return {points.Generation(), points.size(),     points.Front(),           FirstShownPoint(),
            canvas_.OriginN(),   canvas_.OriginE(), canvas_.MetresPerPixel(), canvas_.ClientRect()};
}

void CFrmGraphView::DrawStoredPoints(CDC& dc) {
    // While nothing the markers come from has changed, their last drawing stands for them.
    if (!(CurrentMarkerSource() == markerSource_) || !markerLayer_.DrawAgain(dc, canvas_.Labels()))
        DrawMarkersAfresh(dc);
    LetGoOfHiddenPoints();
    markerSource_ = CurrentMarkerSource();
}

void CFrmGraphView::DrawMarkersAfresh(CDC& dc) {
    const DisplayPoints& points = records_.display;
    const PixelRect& plot = canvas_.ClientRect();
    // The plot with two pixels to spare: a point's pixel is rounded, so the box only narrows the search.
    const WorldPoint south = canvas_.ScreenToWorld(plot.left - 2, plot.bottom + 2);
    const WorldPoint north = canvas_.ScreenToWorld(plot.right + 2, plot.top - 2);
    // A name the last paint read is kept; the others are read while drawing, where they find room.
    nameMemory_.Keep(markers_, points.Generation(), points.Front(), points.size());
    markersGeneration_ = points.Generation();
    // The list keeps its room: a crowded plot's is megabytes, made again on every pan or zoom.
    markers_.clear();
    // Points on one pixel draw one marker, the first's: a crowded plot costs its pixels, not its points.
    const int32_t width = std::max(0, plot.right - plot.left);
    markedPixels_.assign(
        static_cast<size_t>(width) * static_cast<size_t>(std::max(0, plot.bottom - plot.top)), 0);
    points.ForEachIn({south.n, south.e, north.n, north.e}, FirstShownPoint(),
                     [&](size_t i, double n, double e) {
                         if (points.Deleted(i)) return;
                         const PixelPoint p = canvas_.WorldToScreen(n, e);
                         if (!Inside(plot, p)) return;
                         uint8_t& marked = markedPixels_[static_cast<size_t>(p.y - plot.top) * width +
                                                         static_cast<size_t>(p.x - plot.left)];
                         if (marked) return;
                         marked = 1;
                         MapMarker& marker = markers_.emplace_back();
                         marker.x = p.x;
                         marker.y = p.y;
                         marker.tag = static_cast<int32_t>(i);
                         nameMemory_.Recall(marker);
                     });
    // The markers come in increasing index order, and so do the names read: a block of the file
    // read for one holds the lines of the next few.
    LineBlock ahead;
    markerLayer_.Draw(dc, markers_, canvas_.Labels(), plot, [&points, &ahead](MapMarker& m) {
        m.name = points.Name(static_cast<size_t>(m.tag), &ahead);
        m.nameRead = true;
    });
    nameMemory_.Learn(markers_);
}

void CFrmGraphView::OnLButtonDown(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    bool picked = false;
    PointRecord hit;
    if (canvas_.OnMouseDown(point, dc, picked, hit)) RepaintPlot();
    if (!picked) {
        // The stored points are the view's markers rather than the canvas's own points.
        const DisplayPoints& points = records_.display;
        for (const MapMarker& m : markers_)
            if (std::hypot(m.x - point.x, m.y - point.y) < kPickRadius && m.tag >= 0 &&
                static_cast<size_t>(m.tag) >= points.Front() && static_cast<size_t>(m.tag) < points.size()) {
                hit = points[static_cast<size_t>(m.tag)];
                picked = true;
                break;
            }
    }
    if (picked) {
        texts_ = ViewStatusTexts{};
        texts_.pointName = hit.name;
        texts_.x.Format(L"%.3f", hit.x);
        texts_.y.Format(L"%.3f", hit.y);
        texts_.h.Format(L"%.3f", hit.h);
        ShowStatusTexts();
    }
    CDialog::OnLButtonDown(flags, point);
}

void CFrmGraphView::OnMouseMove(UINT flags, CPoint point) {
    CClientDC dc(&plot_);
    PreparePlot(dc);
    if (canvas_.OnMouseMove(point, dc)) RepaintPlot();
    CDialog::OnMouseMove(flags, point);
}

void CFrmGraphView::OnLButtonUp(UINT flags, CPoint point) {
    if (canvas_.OnMouseUp(point)) RepaintPlot();
    CDialog::OnLButtonUp(flags, point);
}
