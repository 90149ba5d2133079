#pragma once
// The stored-point markers of one plot paint, kept as what they leave on the plot: the squares
// (each once, or their pixels as level and plumb runs where they crowd together), the names that found room,
// and over each name the runs of squares drawn after it. A plot painted again with nothing changed draws
// these few hundred lines instead of every marker, and gets the pixels DrawPointLabels would.
#include <cstdint>
#include <functional>
#include <vector>

#include "foundation/LabelPlacement.h"
#include "foundation/MapMarker.h"
#include "platform/gdi/CDC.h"

// A level or plumb line of pixels from (x, y) towards (toX, toY), that end left out.
struct PixelRun {
    int32_t x, y, toX, toY;
};

class MarkerLayer {
public:
    // Whether the context draws a square as copied pixels that a run of a row can stand for; markers
    // drawn any other way are drawn one by one.
    static bool Keeps(const CDC& dc);
    // Reads the name of a marker whose name is not read yet, and marks it read.
    using NameReader = std::function<void(MapMarker&)>;
    // Draws `markers`, all lying in `plot`, as DrawPointLabels does, placing their names in `labels`,
    // and keeps what they leave when the context lets it. A name not read yet is read through
    // `readName` only where the layout has room for a name as wide as it is known to be, so that a
    // crowded plot reads few names it cannot show. Each name placed or read leaves its width in
    // its marker.
    void Draw(CDC& dc, std::vector<MapMarker>& markers, LabelLayout& labels, const PixelRect& plot,
              const NameReader& readName = {});
    // Draws what was kept when `labels` has what the kept drawing found there, and leaves there what
    // that drawing left; false, with nothing drawn, when it has not or the context draws otherwise.
    bool DrawAgain(CDC& dc, LabelLayout& labels) const;
    void Forget();

private:
    struct Name {
        CString text;
        PixelRect box;
        size_t overFrom, overTo;  // its runs in over_
    };
    void Paint(CDC& dc) const;

    bool kept_ = false;
    LabelLayout before_, after_;
    std::vector<PixelPoint> centres_;  // of the squares drawn whole, or else
    std::vector<PixelRun> squares_;    // the runs of their pixels
    std::vector<Name> names_;
    std::vector<PixelRun> over_;
};
