#pragma once
// The point stake-out screen (15256): guides the user to one point of a stake library with the
// offsets north, east and up, the distance and azimuth, close-up rings and a beep, steps through the
// library, and stores staked points through the job's store path into the library's *.ptr file.
// It holds the frame's position messages while it is open.
#include <array>
#include <optional>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/MapMarker.h"
#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CIconButton.h"
#include "foundation/screens/CPlotCanvas.h"
#include "platform/ui/Dialog.h"
#include "stakeout/PointGuidance.h"
#include "stakeout/StakeReadouts.h"
#include "stakeout/StakeSettings.h"
#include "stakeout/screens/StakeoutHost.h"
#include "survey/DoublePress.h"

class CStakeoutDlg : public CDialog {
public:
    CStakeoutDlg(IStakeoutHost& host, CWnd* parent);

    const PointReadouts& Readouts() const { return readouts_; }
    const PointStakeSettings& Settings() const { return settings_; }
    // The target and its index in the stake points; nullopt without one.
    const std::optional<PointRecord>& Target() const { return target_; }
    int TargetIndex() const { return targetIndex_; }
    const std::vector<PointRecord>& StakePoints() const { return points_; }
    const std::vector<PointRecord>& StakeRecords() const { return records_; }
    const CPlotCanvas& Canvas() const { return canvas_; }
    int ViewMode() const { return viewMode_; }
    // The ring radii drawn by the last fix.
    const std::vector<int32_t>& LastRings() const { return lastRings_; }

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    LRESULT OnPositionUpdate(WPARAM state, LPARAM);
    LRESULT OnPlotPainted(WPARAM, LPARAM);
    void OnZoomIn();
    void OnZoomOut();
    void OnFollow();
    void ZoomAll();
    void StoreCurrentPoint();
    void OnLibrary();
    void OnSettings();
    void OnInfo();
    void OnCoordView();
    void OnClose();

    void StepPoint(int direction);
    void SelectTarget(int index);
    void LoadLibrary(const CString& path);
    void AppendStakeRecord(const PointRecord& point);
    void SaveSettings();
    void ShowTexts();
    // The plot's device context with the canvas fitted to the plot.
    void PreparePlot(CDC& dc);
    void DrawFix(CDC& dc);
    void RepaintPlot();

    IStakeoutHost& host_;
    std::array<CIconButton, 10> buttons_;
    CGraphStatic plot_;
    CPlotCanvas canvas_;
    int viewMode_ = 0;
    CGpsState fix_;
    PointReadouts readouts_;
    std::optional<PointGuidance> guidance_;
    std::optional<PointRecord> target_;
    int targetIndex_ = -1;
    std::optional<WorldPoint> guideEnd_;  // the position the guide line drawn last ends at
    DoublePress keyB_;
    PointStakeSettings settings_;
    EntryBeepLatch beep_;
    std::vector<PointRecord> points_;
    std::vector<PointRecord> records_;
    std::vector<MapMarker> markers_;
    std::vector<int32_t> lastRings_;
};
