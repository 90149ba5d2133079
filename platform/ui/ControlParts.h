#pragma once
// Pieces the list, combo, tree, list-view and tab controls share: notifications to the parent,
// the sunken border, row heights from the window font, and scroll bars drawn inside the control.
#include <cstddef>
#include <optional>

#include "platform/gdi/CDC.h"
#include "platform/text/CString.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Wnd.h"

// WM_NOTIFY with `header` (its sender fields filled in) to the control's parent; its answer.
LRESULT SendNotify(CWnd& control, NMHDR& header, UINT code);

// Draws the border WS_BORDER or WS_EX_CLIENTEDGE asks for and shrinks `client` to the inside.
void DrawControlBorder(CWnd& control, CDC& dc, CRect& client);
// The inside of the border of DrawControlBorder.
CRect InsideBorder(CWnd& control);

// Height of a text row in the control's font, with a pixel of air above and below.
int RowHeight(CWnd& control);

// Copies `text` into a caller's buffer of `size` characters (cut to fit, always terminated);
// answers the characters copied.
int CopyText(const CString& text, wchar_t* buffer, int size);

// Scroll bars: arrows at both ends and a thumb for the page shown. Positions are in the
// control's own units (rows, pixels); `total` is the whole extent and `page` what shows.
constexpr int kScrollBarSize = 13;
void DrawScrollBar(CDC& dc, const CRect& bar, bool vertical, int pos, int page, int total);
// The position after a tap on the bar: the arrows step by `step`, the track by a page.
int ScrollAfterTap(const CRect& bar, bool vertical, CPoint point, int pos, int page, int total, int step);
int ClampScroll(int pos, int page, int total);

// A stylus dragging a scroll bar's thumb.
struct ThumbDrag {
    CRect bar;
    bool vertical = true;
    int grab = 0;  // from the thumb's start to the stylus
    int page = 0;
    int total = 0;
};
// Starts a drag when `point` is on the thumb.
std::optional<ThumbDrag> GrabThumb(const CRect& bar, bool vertical, CPoint point, int pos, int page,
                                   int total);
// The position that puts the thumb under the stylus.
int DragThumb(const ThumbDrag& drag, CPoint point);

// The colours of a row that is selected: the highlight when the control has the focus, the
// button face when it has not but shows its selection always.
void SelectionColors(bool focused, COLORREF& text, COLORREF& back);

// A control's window procedure as a table: each message it handles and the member that does.
template <class Control>
struct MessageRoute {
    UINT message;
    LRESULT (Control::*handle)(WPARAM, LPARAM);
};
// The answer of the member `routes` names for `message`; nothing when it names none.
template <class Control, size_t N>
std::optional<LRESULT> RouteMessage(Control& control, const MessageRoute<Control> (&routes)[N], UINT message,
                                    WPARAM wParam, LPARAM lParam) {
    for (const MessageRoute<Control>& route : routes)
        if (route.message == message) return (control.*route.handle)(wParam, lParam);
    return std::nullopt;
}
