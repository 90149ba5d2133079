#pragma once
// The main map view (form 133 under the command bar): the map with the current position and the
// texts of the latest fix. It is the position window of the frame unless a measuring screen holds
// that place.
#include "foundation/CGpsState.h"
#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CPlotCanvas.h"
#include "platform/ui/Dialog.h"
#include "shell/ViewStatusTexts.h"

class CMainFrame;

class CFrmGraphView : public CDialog {
public:
    static constexpr int kTextHeight = 14;
    static constexpr int kTextWidth = 15;

    explicit CFrmGraphView(CMainFrame& frame);
    BOOL CreateView(CWnd* frame, UINT id);

    const CGpsState& LatestState() const { return latest_; }
    const ViewStatusTexts& Texts() const { return texts_; }
    CPlotCanvas& Canvas() { return canvas_; }

protected:
    BOOL OnInitDialog() override;

private:
    LRESULT OnPositionMsg(WPARAM state, LPARAM kind);
    LRESULT OnPlotPainted(WPARAM, LPARAM);
    void ShowStatusTexts();
    void ShowSolutionText();
    // The plot's device context with the canvas fitted to the plot.
    void PreparePlot(CDC& dc);
    void DrawFurniture(CDC& dc);

    CMainFrame& frame_;
    CGraphStatic plot_;
    CPlotCanvas canvas_;
    CGpsState latest_;
    ViewStatusTexts texts_;
};
