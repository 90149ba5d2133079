#pragma once
// The edit control ("EDIT"): single- or multi-line text entry, read-only, numbers only, upper
// or lower case, password. Every change of the text, typed or set, tells the parent EN_CHANGE.
// The selection runs from an anchor to the caret: Shift with the arrows, Home or End moves the
// caret and keeps the anchor, Ctrl+A selects everything, a double tap selects the word under the
// stylus, and what is typed replaces the selection.
#include "platform/ui/Wnd.h"

constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_UPPERCASE = 0x0008;
constexpr DWORD ES_LOWERCASE = 0x0010;
constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;
constexpr DWORD ES_NUMBER = 0x2000;
// This platform's own: a single-line edit without the focus ends a text that does not fit in "...",
// for fields that show a path.
constexpr DWORD ES_ENDELLIPSIS = 0x4000;

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const wchar_t* text, BOOL canUndo = FALSE);
    void Clear() { ReplaceSel(L""); }
    void LimitText(int maxChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
    void SetLimitText(int maxChars) { LimitText(maxChars); }
    int GetLimitText() const { return state_.limit; }
    BOOL SetReadOnly(BOOL readOnly = TRUE) {
        return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
    }
    BOOL GetModify() const { return state_.modified; }
    void SetModify(BOOL modified = TRUE) { state_.modified = modified != FALSE; }
    int GetLineCount() const;

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;
    bool WantsDoubleClicks() const override { return true; }

protected:
    struct State {
        int selStart = 0;  // the anchor
        int selEnd = 0;    // the caret
        int limit = 30000;
        int scroll = 0;  // first character shown of a single-line edit
        bool modified = false;
        bool focused = false;
    };

    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    // Replaces the selection with typed or given text, within the limit; true when it changed.
    bool Insert(const CString& text);
    void TypeChar(wchar_t ch);
    // Moves the caret for an arrow, Home or End key (the anchor stays when `extend`), or deletes
    // for Delete; false for other keys.
    bool MoveOrDelete(WPARAM key, bool extend);
    // The word around a caret position: a run of characters other than blanks and separators.
    void SelectWordAt(int caret);
    int CaretFromPoint(CPoint point);
    CString DisplayText() const;
    void Paint(CDC& dc);

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetSel(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetSel(WPARAM wParam, LPARAM lParam);
    LRESULT OnReplaceSel(WPARAM, LPARAM lParam);
    LRESULT OnLimitText(WPARAM wParam, LPARAM);
    LRESULT OnSetReadOnly(WPARAM wParam, LPARAM);
    LRESULT OnGetModify(WPARAM, LPARAM) { return state_.modified; }
    LRESULT OnSetModify(WPARAM wParam, LPARAM);
    LRESULT OnGetLineCount(WPARAM, LPARAM) { return GetLineCount(); }
    LRESULT OnChar(WPARAM wParam, LPARAM);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);
    LRESULT OnTap(WPARAM, LPARAM lParam);
    LRESULT OnDoubleTap(WPARAM, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM, LPARAM) { return ChangeFocus(true); }
    LRESULT OnKillFocus(WPARAM, LPARAM) { return ChangeFocus(false); }
    LRESULT ChangeFocus(bool focused);
    LRESULT OnEnable(WPARAM, LPARAM);

    State state_;
};
