#pragma once
// An icon button that lies over a plot (the map screens' store button). The position marker is
// drawn inverted on the plot, across the button: after painting itself the button draws the
// marker over itself again, so that the marker stays on top and inverting it again erases it.
#include "foundation/screens/CIconButton.h"
#include "foundation/screens/CPlotCanvas.h"

class CPlotOverlayButton : public CIconButton {
public:
    // The plot control the canvas draws on; both outlive the button's window.
    void LieOver(CWnd& plot, const CPlotCanvas& canvas);
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

private:
    CWnd* plot_ = nullptr;
    const CPlotCanvas* canvas_ = nullptr;
};
