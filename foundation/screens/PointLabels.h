#pragma once
// The labels of stored points on the map windows: a 4 x 4 square at the point and its name to the
// right, in the 8-point "宋体" font.
#include <vector>

#include "foundation/MapMarker.h"
#include "platform/gdi/CDC.h"

void DrawPointLabel(CDC& dc, const MapMarker& marker);
// Every marker with one selected font.
void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers);
