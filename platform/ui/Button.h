#pragma once
// The button control ("BUTTON"): push and default push buttons, check boxes, radio buttons (an
// automatic radio button unchecks the others of its WS_GROUP group), group boxes and owner-drawn
// buttons (drawn by DrawItem, reflected from the parent's WM_DRAWITEM). Clicks reach the parent
// as BN_CLICKED.
#include "platform/ui/Wnd.h"

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_3STATE = 0x5;
constexpr DWORD BS_AUTO3STATE = 0x6;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_OWNERDRAW = 0xB;
constexpr DWORD BS_TYPEMASK = 0xF;
constexpr DWORD BS_LEFTTEXT = 0x20;
constexpr DWORD BS_LEFT = 0x100;
constexpr DWORD BS_RIGHT = 0x200;
constexpr DWORD BS_CENTER = 0x300;
constexpr DWORD BS_TOP = 0x400;
constexpr DWORD BS_BOTTOM = 0x800;
constexpr DWORD BS_VCENTER = 0xC00;
constexpr DWORD BS_PUSHLIKE = 0x1000;
constexpr DWORD BS_MULTILINE = 0x2000;
constexpr DWORD BS_NOTIFY = 0x4000;
constexpr DWORD BS_FLAT = 0x8000;

class CButton : public CWnd {
public:
    BOOL Create(const wchar_t* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    int GetCheck() const { return check_; }
    void SetCheck(int check) {
        const_cast<CButton*>(this)->SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    }
    UINT GetState() const;
    void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, pushed); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;
    bool WantsDoubleClicks() const override { return true; }
    bool HitTransparent() const override { return Type() == BS_GROUPBOX; }
    bool ShowsParentBackground() const override { return Type() == BS_GROUPBOX; }

protected:
    DWORD Type() const { return GetStyle() & BS_TYPEMASK; }
    bool IsRadio() const { return Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON; }
    bool IsCheckBox() const { return Type() >= BS_CHECKBOX && Type() <= BS_AUTO3STATE && !IsRadio(); }
    // Checks as its type does, then tells the parent.
    void Click();
    void Paint(CDC& dc);
    void PaintPushButton(CDC& dc, const CRect& client);
    void PaintCheckOrRadio(CDC& dc, const CRect& client);
    void PaintGroupBox(CDC& dc, const CRect& client);

    // One member for each message the button handles; DefWindowProc routes to them.
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM) { return check_; }
    LRESULT OnSetCheck(WPARAM wParam, LPARAM);
    LRESULT OnGetState(WPARAM, LPARAM) { return GetState(); }
    LRESULT OnSetState(WPARAM wParam, LPARAM);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnClick(WPARAM, LPARAM);
    LRESULT OnDoubleTap(WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonDown(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM lParam);
    LRESULT OnButtonUp(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);
    LRESULT OnKeyUp(WPARAM wParam, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);

    int check_ = BST_UNCHECKED;
    bool pushed_ = false;
    bool focused_ = false;
};
