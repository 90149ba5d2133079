#pragma once
// The static control ("STATIC"): text, frames and rectangles, or owner-painted. Taps pass
// through to the parent unless SS_NOTIFY is set. Colours come from the parent's WM_CTLCOLORSTATIC.
#include "platform/ui/Wnd.h"

constexpr DWORD SS_LEFT = 0x00;
constexpr DWORD SS_CENTER = 0x01;
constexpr DWORD SS_RIGHT = 0x02;
constexpr DWORD SS_ICON = 0x03;
constexpr DWORD SS_BLACKRECT = 0x04;
constexpr DWORD SS_GRAYRECT = 0x05;
constexpr DWORD SS_WHITERECT = 0x06;
constexpr DWORD SS_BLACKFRAME = 0x07;
constexpr DWORD SS_GRAYFRAME = 0x08;
constexpr DWORD SS_WHITEFRAME = 0x09;
constexpr DWORD SS_LEFTNOWORDWRAP = 0x0C;
constexpr DWORD SS_OWNERDRAW = 0x0D;
constexpr DWORD SS_BITMAP = 0x0E;
constexpr DWORD SS_ETCHEDFRAME = 0x12;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_NOPREFIX = 0x80;
constexpr DWORD SS_NOTIFY = 0x100;
constexpr DWORD SS_CENTERIMAGE = 0x200;
constexpr DWORD SS_SUNKEN = 0x1000;
// One line; a text that does not fit ends in "...".
constexpr DWORD SS_ENDELLIPSIS = 0x4000;

class CStatic : public CWnd {
public:
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id = IDC_STATIC_ID);
    using CWnd::Create;
    bool HitTransparent() const override { return !(GetStyle() & SS_NOTIFY); }
    bool WantsDoubleClicks() const override { return (GetStyle() & SS_NOTIFY) != 0; }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    static constexpr UINT IDC_STATIC_ID = static_cast<UINT>(-1);

protected:
    void Paint(CDC& dc);

    // One member for each message the static handles; DefWindowProc routes to them.
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_STATIC; }
    LRESULT OnTap(WPARAM, LPARAM);
    LRESULT OnDoubleTap(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
};
