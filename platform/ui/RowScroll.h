#pragma once
// The scrolled rows of a list view or a tree view: a bar for each direction that needs one, the
// rows scrolled by whole rows and their width by pixels; taps on a bar step, page or grab its thumb.
#include <optional>

#include "platform/ui/ControlParts.h"

// Pixels a step of the horizontal bar (or an arrow key) moves the rows.
constexpr int kHorizontalScrollStep = 16;

// Where the parts of the scrolled area lie.
struct RowsLayout {
    CRect rows;  // where the rows show, below any header
    CRect vbar;
    CRect hbar;
    int rowHeight = 16;
    int page = 1;        // rows that show whole
    int totalWidth = 0;  // of the rows' content
    int count = 0;       // rows in all
};

class CRowScroll {
public:
    int top = 0;  // the first row shown
    int x = 0;    // pixels scrolled to the left

    // Lays out `count` rows of l.rowHeight and l.totalWidth in `inside` below a header of
    // `headerHeight`, and brings the positions back into range.
    void Place(RowsLayout& l, const CRect& inside, int headerHeight, int count);
    // A tap on a bar steps, pages or grabs the thumb, and answers true; elsewhere it answers false.
    bool Tap(const RowsLayout& l, CPoint point);
    bool HoldsThumb() const { return thumb_.has_value(); }
    // The stylus moving: with the thumb held the rows follow it and the answer is true.
    bool Drag(CPoint point);
    // Lets go of the thumb; answers whether it was held.
    bool Release();
    void Draw(CDC& dc, const RowsLayout& l) const;

private:
    std::optional<ThumbDrag> thumb_;
};
