#pragma once
// The pixels of one run of text in an area at most a word wide, a bit each: ink and background are
// collected first, then each row is written once, eight pixels at a time.
#include <array>
#include <cstdint>

#include "platform/gdi/Framebuffer.h"
#include "platform/gdi/Geometry.h"

struct Glyph;

class InkRows {
public:
    static constexpr int kMaxWidth = 64;
    static constexpr int kMaxHeight = 32;
    static bool Fits(const CRect& area) { return area.Width() <= kMaxWidth && area.Height() <= kMaxHeight; }
    // Whether the glyph's rows are kept as words.
    static bool Fits(const Glyph& g);

    explicit InkRows(const CRect& area);
    // Pixels x0..x1 inclusive of row y; what lies outside the area is left out.
    void AddInk(int y, int x0, int x1) { Mark(ink_, CRect(x0, y, x1 + 1, y + 1)); }
    void AddBackground(const CRect& r) { Mark(background_, r); }
    // The glyph with the top-left corner of its ink at (x, y).
    void AddGlyph(const Glyph& g, int x, int y);
    // Every collected pixel, in the ink colour where it is ink and in the background's elsewhere.
    void Write(Framebuffer& fb, uint32_t ink, uint32_t background) const;

private:
    using Rows = std::array<uint64_t, kMaxHeight>;
    void Mark(Rows& rows, const CRect& r);

    CRect area_;
    uint64_t columns_;  // a bit for each column of the area
    Rows ink_;          // bit x of a row is column area_.left + x
    Rows background_;
};
