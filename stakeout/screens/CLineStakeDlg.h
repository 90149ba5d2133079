#pragma once
// The line stake-out screen (15257): guides the user onto a line of a line file with the offset and
// its side, the distances to both ends, the mileage and the moves to the foot, with prompt bands and
// tones near the line and at whole mileages; steps through the lines and stores staked points through
// the job's store path into the file's *.lnr. It holds the frame's position messages while open.
#include <array>
#include <optional>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/MapMarker.h"
#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CIconButton.h"
#include "foundation/screens/CPlotCanvas.h"
#include "platform/ui/Dialog.h"
#include "stakeout/LineGuidance.h"
#include "stakeout/PromptMarks.h"
#include "stakeout/StakeReadouts.h"
#include "stakeout/StakeSettings.h"
#include "stakeout/screens/StakeoutHost.h"
#include "survey/DoublePress.h"

class CLineStakeDlg : public CDialog {
public:
    CLineStakeDlg(IStakeoutHost& host, CWnd* parent);

    const LineReadouts& Readouts() const { return readouts_; }
    const LineStakeSettings& Settings() const { return settings_; }
    const std::optional<LineSegRec>& CurrentLine() const { return line_; }
    int LineIndex() const { return lineIndex_; }
    const std::vector<LineSegRec>& Lines() const { return lines_; }
    const std::vector<PointRecord>& StakeRecords() const { return records_; }
    const CPlotCanvas& Canvas() const { return canvas_; }
    int ViewMode() const { return viewMode_; }
    // The prompt bands drawn by the last fix.
    const std::vector<PixelSegment>& LastBands() const { return lastBands_; }

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
    void ZoomToExtents();
    void StoreStakedPoint();
    void OnModeHelp();
    void OnCoordView();
    void OnLineLibrary();
    void OnSettings();
    void OnClose();

    void SelectAdjacentLine(int direction);
    void AppendStakeRecord(const PointRecord& point);
    void SaveSettings();
    void ShowReadouts();
    void DrawLines(CDC& dc);
    void DrawLine(CDC& dc, const LineSegRec& line, bool current);
    void PreparePlot(CDC& dc);
    void RepaintPlot();

    IStakeoutHost& host_;
    std::array<CIconButton, 10> buttons_;
    CGraphStatic plot_;
    int viewMode_ = 0;
    CGpsState fix_;
    LineGuidance guidance_;
    std::optional<LineSegRec> line_;
    int lineIndex_ = -1;
    LineReadouts readouts_;
    std::vector<LineSegRec> lines_;
    std::vector<PointRecord> records_;
    std::vector<MapMarker> markers_;
    CPlotCanvas canvas_;
    LineStakeSettings settings_;
    LinePromptLatches latches_;
    DoublePress keyB_;
    std::vector<PixelSegment> lastBands_;
};
