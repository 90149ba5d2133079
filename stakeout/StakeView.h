#pragma once
// How the stake-out plots follow the user: the target (or the foot on the line) and the position
// kept in view at a useful scale, and fits to a box of points. Each returns true when the view
// changed and the screen must repaint. A plot of 12 pixels or less is never refitted.
#include "foundation/PlotViewport.h"
#include "stakeout/LineGuidance.h"

// Fits the box into the plot at 0.01 m a pixel or coarser, centred.
bool FitViewToBox(PlotViewport& view, double minN, double maxN, double minE, double maxE);

// Point screen: without a target the viewport's own keep-in-view; with one, P and T both on the plot
// and not drawn on top of each other while apart on the ground.
bool KeepTargetInView(PlotViewport& view, double pn, double pe, const PointRecord* target);

// Line screen: P and both ends on the plot while the foot is off the segment, else P and the foot.
bool KeepLineInView(PlotViewport& view, double pn, double pe, const LineSegRec* line, const LineGuidance& g);
