#pragma once
// The list box ("LISTBOX"): a scrolling column of texts with one selected line. A tap or the
// arrow keys select; with LBS_NOTIFY the parent hears LBN_SELCHANGE and LBN_DBLCLK. Changes
// made through the messages (LB_SETCURSEL, ...) send nothing.
#include "platform/ui/CommonControls.h"
#include "platform/ui/RowScroll.h"
#include "platform/ui/StringItems.h"
#include "platform/ui/Wnd.h"

class CListBox : public CRowControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    int AddString(const wchar_t* text) { return static_cast<int>(Send(LB_ADDSTRING, 0, Text(text))); }
    int InsertString(int index, const wchar_t* text) {
        return static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(index), Text(text)));
    }
    int DeleteString(UINT index) { return static_cast<int>(Send(LB_DELETESTRING, index)); }
    void ResetContent() { Send(LB_RESETCONTENT); }
    int GetText(int index, wchar_t* buffer) const {
        return static_cast<int>(
            Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
    }
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const {
        return static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    }
    int FindString(int start, const wchar_t* text) const {
        return static_cast<int>(Send(LB_FINDSTRING, static_cast<WPARAM>(start), Text(text)));
    }
    int FindStringExact(int start, const wchar_t* text) const {
        return static_cast<int>(Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), Text(text)));
    }
    int SelectString(int start, const wchar_t* text) {
        return static_cast<int>(Send(LB_SELECTSTRING, static_cast<WPARAM>(start), Text(text)));
    }
    uintptr_t GetItemData(int index) const {
        return static_cast<uintptr_t>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, uintptr_t data) {
        return static_cast<int>(Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    int GetTopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
    int SetTopIndex(int index) { return static_cast<int>(Send(LB_SETTOPINDEX, static_cast<WPARAM>(index))); }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;

protected:
    struct State {
        CStringItems items;
        int selected = -1;
    };

    static LPARAM Text(const wchar_t* text) { return reinterpret_cast<LPARAM>(text ? text : L""); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return const_cast<CListBox*>(this)->SendMessage(message, wParam, lParam);
    }
    RowsLayout LayoutRows() override;
    void ScrollIntoView(int index);
    // A user's choice of a line: selects it and tells the parent.
    void Choose(int index);
    bool TapRows(bool doubleTap, CPoint point) override;
    void OnKey(UINT key) override;
    void FocusChanged() override;
    void Paint(CDC& dc) override;

    LRESULT OnGetCount(WPARAM, LPARAM) { return state_.items.Count(); }
    LRESULT OnGetCurSel(WPARAM, LPARAM) { return state_.selected; }
    LRESULT OnSetCurSel(WPARAM wParam, LPARAM);
    LRESULT OnAddString(WPARAM, LPARAM lParam);
    LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    LRESULT Inserted(int at);
    LRESULT OnDeleteString(WPARAM wParam, LPARAM);
    LRESULT OnResetContent(WPARAM, LPARAM);
    LRESULT OnSelectString(WPARAM wParam, LPARAM lParam);
    template <CStringItems::Query query>
    LRESULT OnItems(WPARAM wParam, LPARAM lParam) {
        return state_.items.Answer(query, wParam, lParam);
    }
    LRESULT OnGetTopIndex(WPARAM, LPARAM) { return input_.scroll.top; }
    LRESULT OnSetTopIndex(WPARAM wParam, LPARAM);

    State state_;
};
