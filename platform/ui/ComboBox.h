#pragma once
// The combo box ("COMBOBOX"): a drop list (CBS_DROPDOWNLIST) shows the chosen item; a drop-down
// (CBS_DROPDOWN) has an edit field for typing as well. A tap opens the list as a popup below the
// box (above it near the bottom of the screen); a tap on an item chooses it, a tap elsewhere
// closes the list. In the dropped list the arrows, Page Up/Down, Home and End move the
// highlight, and its scroll bar (steps, pages, the thumb dragged) and the wheel scroll it. The parent hears
// CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP and, for typing, CBN_EDITCHANGE. Changes made
// through the messages (CB_SETCURSEL, ...) send nothing.
//
// As in dialog templates of the handheld, the height a combo box is created with is its height
// with the list dropped; the box itself takes the height of one text row.
#include <memory>

#include "platform/ui/CommonControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/StringItems.h"
#include "platform/ui/Wnd.h"

class CComboDropList;

class CComboBox : public CWnd {
public:
    CComboBox();
    ~CComboBox() override;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int AddString(const wchar_t* text) { return static_cast<int>(Send(CB_ADDSTRING, 0, Text(text))); }
    int InsertString(int index, const wchar_t* text) {
        return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), Text(text)));
    }
    int DeleteString(UINT index) { return static_cast<int>(Send(CB_DELETESTRING, index)); }
    void ResetContent() { Send(CB_RESETCONTENT); }
    int GetLBText(int index, wchar_t* buffer) const {
        return static_cast<int>(
            Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
    }
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const {
        return static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    int FindString(int start, const wchar_t* text) const {
        return static_cast<int>(Send(CB_FINDSTRING, static_cast<WPARAM>(start), Text(text)));
    }
    int FindStringExact(int start, const wchar_t* text) const {
        return static_cast<int>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), Text(text)));
    }
    int SelectString(int start, const wchar_t* text) {
        return static_cast<int>(Send(CB_SELECTSTRING, static_cast<WPARAM>(start), Text(text)));
    }
    uintptr_t GetItemData(int index) const {
        return static_cast<uintptr_t>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, uintptr_t data) {
        return static_cast<int>(Send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    void ShowDropDown(BOOL show = TRUE) { Send(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(Send(CB_GETDROPPEDSTATE)); }
    BOOL LimitText(int maxChars) {
        return static_cast<BOOL>(Send(CB_LIMITTEXT, static_cast<WPARAM>(maxChars)));
    }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Keys typed into the edit field: the up and down arrows choose items; with the list dropped
    // the paging keys, Enter and Escape work in the list.
    BOOL PreTranslateMessage(MSG* msg) override;
    void AdoptControlState(CWnd& previous) override;

    // For the dropped list.
    const CStringItems& Items() const { return state_.items; }
    int DroppedRows() const;
    // The user chose an item in the dropped list (-1: closed without a choice).
    void CloseDropList(int chosen);

protected:
    struct State {
        CStringItems items;
        int selected = -1;
        int droppedHeight = 0;
        bool focused = false;
        bool syncing = false;  // storing the box's own text, not the user's
    };

    static LPARAM Text(const wchar_t* text) { return reinterpret_cast<LPARAM>(text ? text : L""); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return const_cast<CComboBox*>(this)->SendMessage(message, wParam, lParam);
    }
    bool HasEdit() const { return (GetStyle() & 0x3) != CBS_DROPDOWNLIST; }
    bool EditExists() const { return edit_ && edit_->m_hWnd; }
    CRect ButtonRect();
    void Select(int index);
    void ShowSelectionText();
    // Keeps the box's own text (what GetWindowText and DDX_Text read) equal to what it shows.
    void StoreText(const CString& text);
    void OpenDropList();
    void DestroyDropList();
    // A key while the list is dropped.
    void DroppedKey(WPARAM key);
    void Paint(CDC& dc);
    void PaintButton(CDC& dc, bool enabled);

    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
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
    LRESULT OnShowDropDown(WPARAM wParam, LPARAM);
    LRESULT OnGetDroppedState(WPARAM, LPARAM) { return dropList_ ? TRUE : FALSE; }
    LRESULT OnLimitText(WPARAM wParam, LPARAM);
    LRESULT OnTap(WPARAM, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM wParam, LPARAM);

    State state_;
    // The child windows: the edit field moves to an adopting control, the dropped list closes.
    std::unique_ptr<CEdit> edit_;
    std::unique_ptr<CComboDropList> dropList_;
};
