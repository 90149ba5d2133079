#pragma once
// The map viewport of the plot windows without its drawing: the grid-to-pixel transform, zoom,
// pan, the zoom box, point picking, the position marker's outline and the furniture's values.
// North is up and east to the right; world points are (N, E) in metres, N the record's x.
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/PixelGeometry.h"
#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct WorldPoint {
    double n = 0.0;
    double e = 0.0;
    double h = 0.0;
};

struct VisiblePoint {
    CString name;
    CString label;
    int32_t x = 0;
    int32_t y = 0;
    int32_t index = 0;
};

// What a tap did: the picked point, and the selection squares to erase and to draw (with NOT).
struct PickResult {
    bool picked = false;
    PointRecord point;
    std::optional<PixelRect> eraseSquare;
    std::optional<PixelRect> drawSquare;
};

// A rubber-band step: erase the old rectangle, draw the new one (both corner to corner, with NOT).
struct RubberBand {
    std::optional<PixelRect> erase;
    std::optional<PixelRect> draw;
};

// The position marker: one point (stationary circle) or P, tip, two barbs (moving arrow).
using MarkerOutline = std::vector<PixelPoint>;
struct MarkerStep {
    bool draw = false;  // false while fewer than two positions are known
    MarkerOutline erase;
    MarkerOutline outline;
};

class PlotViewport {
public:
    PlotViewport() = default;
    virtual ~PlotViewport() = default;

    void SetClientRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    const PixelRect& ClientRect() const { return clientRect_; }
    void ResetMouseOffset() { mouseOffset_ = {}; }

    double OriginN() const { return originN_; }
    double OriginE() const { return originE_; }
    double MetresPerPixel() const { return metresPerPixel_; }
    void SetView(double originN, double originE, double metresPerPixel);

    WorldPoint ScreenToWorld(int32_t px, int32_t py) const;
    PixelPoint WorldToScreen(double n, double e, double h = 0.0) const;

    bool ZoomIn();
    bool ZoomOut();
    void BeginZoomBox();
    bool ZoomBoxArmed() const { return zoomBoxArmed_; }
    // Re-centres on (n, e) when it lies outside the plot area; true when the view moved.
    bool KeepInView(double n, double e, double h = 0.0);
    // Following: the window keeps the position in sight (KeepInView) on every update. On at the
    // start; a pan or a zoom by the user ends it.
    void SetFollow(bool on) { following_ = on; }
    bool Following() const { return following_; }
    // Bounding box of the points; false (outputs untouched) when there are none.
    bool GetExtents(double& minN, double& minE, double& maxN, double& maxE) const;

    void AddDisplayPoint(const PointRecord& point);
    void ClearDisplayPoints();
    void RebuildDisplayPoints();
    const std::vector<PointRecord>& Points() const { return points_; }
    const std::vector<VisiblePoint>& VisiblePoints() const { return visiblePoints_; }

    PickResult MouseDown(PixelPoint point);
    // True when the view panned and the window must repaint.
    bool MouseMove(PixelPoint point, RubberBand& band);
    bool MouseUp(PixelPoint point);

    bool SelectionShown() const { return selectionShown_; }
    const PixelRect& SelectionRect() const { return selectionRect_; }

    // The next position: which outline to erase and which to draw.
    MarkerStep NextMarker(double n, double e, double h);
    // After a repaint: the old outline is gone with the background; the marker restarts as a
    // circle at the last position (nullopt when fewer than two positions are known).
    std::optional<MarkerStep> RestartMarker();
    const MarkerOutline& CurrentMarker() const { return markerOutline_; }

    // Bars of the signal glyph for this call; every other call shows none.
    int32_t NextSignalBars(int32_t differentialAge);

private:
    bool InPlotArea(PixelPoint p) const;
    PixelPoint Reduce(PixelPoint p) const { return {p.x - mouseOffset_.x, p.y - mouseOffset_.y}; }
    void CentreOn(const WorldPoint& c);
    // The world point at the centre pixel stays there.
    void ZoomAboutCentre(double factor);

    double originN_ = 0.0;
    double originE_ = 0.0;
    double metresPerPixel_ = 1.0;
    PixelRect clientRect_;
    PixelPoint mouseOffset_;
    bool blink_ = false;
    bool zoomBoxArmed_ = false;
    bool zoomBoxShown_ = false;
    PixelPoint zoomBoxStart_;
    PixelPoint zoomBoxEnd_;
    PixelPoint zoomBoxCorner_;
    PixelPoint panAnchor_;
    PixelPoint lastPointer_;
    std::vector<PointRecord> points_;
    std::vector<VisiblePoint> visiblePoints_;
    bool selectionShown_ = false;
    PixelRect selectionRect_{-1, -1, -1, -1};
    MarkerOutline markerOutline_;
    std::vector<WorldPoint> lastPositions_;
    bool following_ = true;
};

// The scale bar's label for a black half of `halfLength` metres ("0.1米" ... "20000米").
CString ScaleBarLabel(double halfLength);

// The data-link tag: " " when no link, "R", "E", the channel 1-8, nullopt for unknown kinds.
std::optional<CString> LinkTagText(int32_t kind, int32_t number, int32_t shown);
