#pragma once
// The scrolled rows of a list view or a tree view: a bar for each direction that needs one, the
// rows scrolled by whole rows and their width by pixels; taps on a bar step, page or grab its thumb.
#include <optional>

#include "platform/ui/ControlParts.h"
#include "platform/ui/Wnd.h"

// Pixels a step of the horizontal bar (or an arrow key) moves the rows.
constexpr int kHorizontalScrollStep = 16;
// Rows a notch of the wheel scrolls.
constexpr int kWheelRows = 3;

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

// What the list box, list view and tree view share: painting, the focus, enabling, the stylus on
// the scroll bars and the rows, and the wheel, which scrolls the rows and leaves the selection. The control
// lays out its rows and takes the taps on them.
class CRowControl : public CWnd {
public:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;
    bool WantsDoubleClicks() const override { return true; }

protected:
    struct RowInput {
        CRowScroll scroll;
        bool focused = false;
        bool pressed = false;  // a tap on a row whose stylus has not lifted yet
    };

    virtual RowsLayout LayoutRows() = 0;
    virtual void Paint(CDC& dc) = 0;
    // A tap on the rows' side of the scroll bars; answers whether the lift should be reported.
    virtual bool TapRows(bool doubleTap, CPoint point) = 0;
    virtual void TapEnded() {}
    virtual void OnKey(UINT key) = 0;
    // Tells the parent the focus came or went (input_.focused says which).
    virtual void FocusChanged() = 0;

    RowInput input_;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    LRESULT OnButtonDown(WPARAM, LPARAM lParam) { return Tap(false, lParam); }
    LRESULT OnDoubleTap(WPARAM, LPARAM lParam) { return Tap(true, lParam); }
    LRESULT Tap(bool doubleTap, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM, LPARAM lParam);
    LRESULT OnButtonUp(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);
    LRESULT OnWheel(WPARAM wParam, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM) { return ChangeFocus(true); }
    LRESULT OnKillFocus(WPARAM, LPARAM) { return ChangeFocus(false); }
    LRESULT ChangeFocus(bool focused);
    LRESULT OnEnable(WPARAM, LPARAM);
};
