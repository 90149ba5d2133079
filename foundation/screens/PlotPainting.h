#pragma once
// The shared start of the plot windows' drawing: a window draws its map when its plot control has
// painted its background (message 1913), and between paints over the map on every fix.
#include "foundation/screens/CGraphStatic.h"
#include "foundation/screens/CPlotCanvas.h"

// The canvas fitted to the plot's client area; texts on an opaque white box, so that a value
// redrawn in place (the clock's seconds) wipes the last one.
void FitCanvasToPlot(const CGraphStatic& plot, CPlotCanvas& canvas, CDC& dc);
// The start of a plot window's 1913 handler: the canvas fitted, the map's background cleared and
// its names started, with the window's controls over the plot kept free of them.
void OnPlotPainted(const CGraphStatic& plot, CPlotCanvas& canvas, CDC& dc);
