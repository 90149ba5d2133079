#pragma once
// The pixels one figure covers, collected before any is drawn, so that a raster operation such as
// NOT touches each pixel once however the figure's parts overlap. Bounded by the clip.
#include <cstdint>
#include <vector>

#include "platform/gdi/Geometry.h"

class FigureMask {
public:
    // What a pixel gets; a higher kind wins where parts overlap.
    enum Kind : uint8_t { None = 0, Brush = 1, PenGap = 2, Pen = 3 };

    explicit FigureMask(const CRect& bounds);

    const CRect& bounds() const { return bounds_; }
    void Set(int x, int y, Kind kind) {
        if (bounds_.PtInRect({x, y})) Mark(cells_[Index(x, y)], kind);
    }
    // Pixels x0..x1 inclusive of row y.
    void Span(int y, int x0, int x1, Kind kind);
    Kind At(int x, int y) const { return static_cast<Kind>(cells_[Index(x, y)]); }
    // The kinds of row y from the left edge of the bounds.
    const uint8_t* Row(int y) const { return cells_.data() + Index(bounds_.left, y); }

private:
    static void Mark(uint8_t& cell, Kind kind) {
        if (cell < kind) cell = kind;
    }
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y - bounds_.top) * bounds_.Width() + (x - bounds_.left);
    }

    CRect bounds_;
    std::vector<uint8_t> cells_;
};
