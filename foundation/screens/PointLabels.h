#pragma once
// The labels of stored points on the map windows: a 4 x 4 square at the point and its name to the
// right (or left, at the plot's right edge), in the 8-point "宋体" font, always inside the plot. A
// name goes where the paint's LabelLayout finds room, and is left out where it finds none.
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/LabelPlacement.h"
#include "foundation/MapMarker.h"
#include "platform/gdi/CDC.h"

void DrawPointLabel(CDC& dc, const MapMarker& marker, LabelLayout& labels);
// Every marker with one selected font, in their order.
void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers, LabelLayout& labels);
// A name beside a point in the selected font, at most `widest` pixels wide, placed by the layout.
void DrawPlotLabel(CDC& dc, const CString& name, PixelPoint at, int32_t gap, int32_t widest,
                   LabelLayout& labels);

// The points' label font, selected into a context while this lives.
class PointLabelFont {
public:
    explicit PointLabelFont(CDC& dc);
    ~PointLabelFont();
    PointLabelFont(const PointLabelFont&) = delete;
    PointLabelFont& operator=(const PointLabelFont&) = delete;

private:
    CDC& dc_;
    CFont font_;
    CFont* old_;
};

// A marker's square round its point, drawn with the selected pen.
void DrawMarkerSquare(CDC& dc, PixelPoint at);
// The width the layout gives a name in the selected font.
int32_t MarkerNameWidth(CDC& dc, const CString& name);
// The box the layout gives a marker's name `width` pixels wide, now taken; nothing without room.
std::optional<PixelRect> PlaceMarkerName(const MapMarker& marker, int32_t width, LabelLayout& labels);
// Whether a name `width` pixels wide beside the marker would find room in the layout.
bool MarkerNameHasRoom(const MapMarker& marker, const LabelLayout& labels, int32_t width);
// A name drawn in its placed box.
void DrawLabelText(CDC& dc, const CString& name, const PixelRect& box);
