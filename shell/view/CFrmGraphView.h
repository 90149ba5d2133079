#pragma once
// The main map view (form 133 under the command bar): the map with the current position and the
// texts of the latest fix. It is the position window of the frame unless a measuring screen holds
// that place.
#include <array>
#include <cstdint>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/MapMarker.h"
#include "foundation/screens/BigText.h"
#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CIconButton.h"
#include "foundation/screens/CPlotCanvas.h"
#include "foundation/screens/CPlotOverlayButton.h"
#include "foundation/screens/MarkerLayer.h"
#include "platform/ui/Dialog.h"
#include "shell/view/MarkerNameMemory.h"
#include "shell/view/ViewStatusTexts.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/PlotKeys.h"

class FrameHosts;
class IFrameOperations;
class IReceiverHost;
class IPointStorePath;
class JobSession;
class ReceiverLink;
class SurveyRecords;

class CFrmGraphView : public CDialog {
public:
    static constexpr int kTextHeight = 14;
    static constexpr int kTextWidth = 15;
    // How often the view looks whether its position has gone stale while no fix comes.
    static constexpr UINT_PTR kStaleTimer = 1;
    static constexpr UINT kStaleCheckMs = 500;

    // `records` holds the map's points; every store goes through `storePath`.
    CFrmGraphView(const JobSession& job, const ReceiverLink& receiver, SurveyRecords& records,
                  AutoStoreState& autoStore, IPointStorePath& storePath, const FrameHosts& hosts,
                  IReceiverHost& services, IFrameOperations& window);
    BOOL CreateView(CWnd* frame, UINT id);

    const CGpsState& LatestState() const { return latest_; }
    const ViewStatusTexts& Texts() const { return texts_; }
    CPlotCanvas& Canvas() { return canvas_; }
    const std::vector<MapMarker>& Markers() const { return markers_; }
    void ClearMarkers() {
        markers_.clear();
        markerLayer_.Forget();
    }
    // The display list was replaced: the markers are drawn from it again.
    void StoredPointsChanged();

    // Key A and the store button: the latest fix through the frame's store path, or the start of
    // automatic storing.
    void StorePoint();
    // After any store through the view: the record file, the map's list, and a marker at once
    // when the point lies in the plot.
    void AddStoredPoint(PointRecord point);
    // Every point the display rule shows in view, at 0.01 m a pixel or coarser.
    void FitAll();

protected:
    BOOL OnInitDialog() override;
    // Whatever exposes the view repaints its status controls blank: every text is drawn again.
    void OnPaint() override;
    // A store (A), the coordinate view (B twice), a redraw (5), re-acquire (132, then as usual).
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    // A position that has grown stale shows so in red in the solution line until the next fix.
    void OnTimer(UINT_PTR id) override;

private:
    // What the markers were drawn from: the list, its shown part and the view.
    struct MarkerSource {
        uint64_t generation = 0;
        size_t size = 0, front = 0, firstShown = 0;
        double originN = 0.0, originE = 0.0, metresPerPixel = 0.0;
        PixelRect plot;
        friend bool operator==(const MarkerSource&, const MarkerSource&) = default;
    };

    LRESULT OnPositionMsg(WPARAM state, LPARAM kind);
    LRESULT OnPlotPainted(WPARAM, LPARAM);
    void ShowStatusTexts();
    void ShowSolutionText();
    // The plot's device context with the canvas fitted to the plot.
    void PreparePlot(CDC& dc);
    void DrawFurniture(CDC& dc);
    void AutoStore();
    // Markers of the display list's undeleted points (the newest nShowSurveyPoint, or all for -1)
    // that lie in the plot.
    void DrawStoredPoints(CDC& dc);
    // The markers found in the list and drawn, their names read again only where new.
    void DrawMarkersAfresh(CDC& dc);
    MarkerSource CurrentMarkerSource() const;
    // The display list's first index that the rule (nShowSurveyPoint) lets through.
    size_t FirstShownPoint() const;
    // The display list keeps what the rule shows and what a marker names, no more.
    void LetGoOfHiddenPoints();
    void RepaintPlot();
    void OnZoomIn();
    void OnZoomOut();
    void OnFollow();
    void OnStoreSettings();
    // Key B pressed twice.
    void OpenCoordView();
    void OnParamView();
    void OnReceiverInfo();
    void OnConnect();
    void OnExit();

    const JobSession& job_;
    const ReceiverLink& receiver_;
    SurveyRecords& records_;
    AutoStoreState& autoStore_;
    IPointStorePath& storePath_;
    const FrameHosts& hosts_;
    IReceiverHost& services_;
    IFrameOperations& window_;
    std::array<CIconButton, 9> buttons_;
    CPlotOverlayButton storeButton_;
    CGraphStatic plot_;
    std::vector<MapMarker> markers_;
    uint64_t markersGeneration_ = 0;  // of the display list the markers' indexes belong to
    // The markers' last drawing, drawn again while its source is unchanged.
    MarkerLayer markerLayer_;
    std::vector<uint8_t> markedPixels_;  // of the plot, while markers are found: one taken
    MarkerNameMemory nameMemory_;
    MarkerSource markerSource_;
    AutoStoreTrigger autoTrigger_;
    PlotKeys keys_;
    CPlotCanvas canvas_;
    CGpsState latest_;
    ViewStatusTexts texts_;
    // Two fixes an epoch mostly repeat the texts: only the changed ones are drawn.
    BigTextMemory shownTexts_;
};
