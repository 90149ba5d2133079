#pragma once
// What the point and line stake-out screens share: the plot with its canvas and the ten buttons,
// the frame's positions while open, the keys, zoom and follow, taps on the plot, storing the staked
// position through the job's store path into the library's record file, and the record markers.
// Each screen adds its guidance, its design on the plot, its library and its settings.
#include <array>
#include <optional>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/MapMarker.h"
#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CIconButton.h"
#include "foundation/screens/CPlotCanvas.h"
#include "foundation/screens/CPlotOverlayButton.h"
#include "platform/ui/Dialog.h"
#include "stakeout/StakeoutHost.h"
#include "survey/PlotKeys.h"

class CStakePlotDlg : public CDialog {
public:
    const std::vector<PointRecord>& StakeRecords() const { return records_; }
    const CPlotCanvas& Canvas() const { return canvas_; }
    int ViewMode() const { return viewMode_; }

protected:
    // The screen's template, the ids of its library and settings buttons, and its record file's
    // extension ("ptr", "lnr").
    struct Layout {
        UINT idd;
        UINT libraryButton;
        UINT settingsButton;
        const wchar_t* recordExtension;
    };
    CStakePlotDlg(IStakeoutHost& host, CWnd* parent, const Layout& layout);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

    // The guidance of the fix just copied into fix_, drawn on the plot's context.
    virtual void Guide(CDC& dc) = 0;
    // The design on a repainted plot: the points or lines and the target.
    virtual void DrawDesign(CDC& dc) = 0;
    virtual void FitView() = 0;
    virtual void Step(int direction) = 0;  // 0 next, 1 previous
    virtual void OnLibrary() = 0;
    virtual void OnSettings() = 0;
    virtual void OnInfo() = 0;
    // The name the store proposes; nullopt while nothing is being staked (nothing is stored then).
    virtual std::optional<CString> StoreName() const = 0;
    // A tapped point's name and coordinates in the readouts.
    virtual void ShowPickedPoint(const PointRecord& point) = 0;
    virtual const CString& LibraryPath() const = 0;
    // Whether the records are on the plot, and how many of the newest are marked (-1 all, 0 none).
    struct RecordDisplay {
        bool shown;
        int newest;
    };
    virtual RecordDisplay RecordsOnPlot() const = 0;

    // A readout in the screens' large bold face, cut only by its control's edge.
    void ShowReadout(UINT id, const CString& text, bool red = false);
    // The plot's device context with the canvas fitted to the plot.
    void PreparePlot(CDC& dc);
    void RepaintPlot();
    // The position with its track, the signal glyph and the data-link tag.
    void DrawPositionMarks(CDC& dc);
    // The north arrow, the scale bar and the fix's clock.
    void DrawFurniture(CDC& dc);
    // The canvas's points become these, the old ones gone.
    void ShowOnCanvas(const std::vector<const PointRecord*>& points);
    void ReloadRecords();
    // Fits the plot to the box of `box` and, while they are shown and at least two, all records;
    // false (and nothing changes) when the box is empty.
    bool FitTo(std::vector<const PointRecord*> box);
    void StoreStakedPoint();
    // The receiver information with the mode, the job's point file and the key help.
    void ShowInfo(const CString& mode, UINT keyHelp);

    IStakeoutHost& host_;
    CPlotCanvas canvas_;
    CGpsState fix_;
    int viewMode_ = 0;
    std::vector<PointRecord> records_;

private:
    LRESULT OnPositionUpdate(WPARAM state, LPARAM);
    LRESULT OnPlotPainted(WPARAM, LPARAM);
    void OnZoomIn();
    void OnZoomOut();
    void OnFollow();
    void OnCoordView();
    void OnClose();
    void AppendStakeRecord(const PointRecord& point);

    Layout layout_;
    std::array<CIconButton, 9> buttons_;
    CPlotOverlayButton storeButton_;
    CGraphStatic plot_;
    std::vector<MapMarker> markers_;
    PlotKeys keys_;
};
