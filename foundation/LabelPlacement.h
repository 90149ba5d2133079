#pragma once
// Where a point's name goes on a plot: to the right of the point, or to its left where the right
// would cross the plot's edge, and always within the plot's top and bottom.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/PixelGeometry.h"
#include "foundation/PlotViewport.h"

inline constexpr int32_t kLabelHeight = 10;  // pixels, centred on the point

// The box of a name `textWidth` pixels wide drawn at most `widest` wide, `gap` pixels beside `at`;
// the name is drawn left-aligned in it.
PixelRect LabelBox(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest, const PixelRect& plot);

// The names of one paint of a plot, so that none is drawn over another or over what the window
// shows on the map (its furniture, a button, a status line). Names are placed in the order they
// come: a name that finds no free place is left out (its point's mark still shows it).
class LabelLayout {
public:
    // Starts a paint of `plot`: nothing placed, nothing kept free.
    void Reset(const PixelRect& plot);
    // Keeps `box` free of names.
    void Reserve(const PixelRect& box);
    // The box of a name beside `at` (LabelBox's, else the same on the other side of the point)
    // that crosses nothing placed or kept free, now taken; nothing when neither side is free.
    std::optional<PixelRect> Place(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest);
    // Whether a name `width` pixels wide would find a place beside `at`: when not, no wider name
    // would, and a name known to be as wide need not be read or measured to be left out.
    bool HasRoom(PixelPoint at, int32_t gap, int32_t width = 1) const;
    // Of one plot with the same places taken.
    friend bool operator==(const LabelLayout&, const LabelLayout&) = default;

private:
    // The box Place tries first and the one on the other side of the point.
    std::array<PixelRect, 2> Sides(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest) const;
    bool Fits(const PixelRect& box) const;
    bool Free(const PixelRect& box) const;
    void Take(const PixelRect& box);
    PixelRect Clipped(const PixelRect& box) const;  // in bitmap coordinates
    template <class Words, class Visit>
    bool EachWord(Words& words, const PixelRect& box, Visit visit) const;

    PixelRect plot_;
    size_t wordsPerRow_ = 0;
    std::vector<uint64_t> taken_;  // one bit per pixel of the plot, row by row
};
