#pragma once
// The tab control ("SysTabControl32"): a row of tabs over a framed page area. Inserting the
// first tab selects it. A tap on another tab, or the left and right keys, selects it with
// TCN_SELCHANGING (answer TRUE to refuse) and TCN_SELCHANGE; SetCurSel changes it silently. Tabs
// shrink to share the width when their texts do not fit.
#include <vector>

#include "platform/ui/CommonControls.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Wnd.h"

class CTabCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    LONG InsertItem(int index, TCITEM* item) {
        return static_cast<LONG>(
            Send(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
    }
    LONG InsertItem(int index, const wchar_t* text);
    LONG InsertItem(int index, const wchar_t* text, int image);
    LONG InsertItem(UINT mask, int index, const wchar_t* text, int image, LPARAM lParam);
    BOOL DeleteItem(int index) { return static_cast<BOOL>(Send(TCM_DELETEITEM, static_cast<WPARAM>(index))); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(Send(TCM_DELETEALLITEMS)); }
    BOOL GetItem(int index, TCITEM* item) const {
        return static_cast<BOOL>(
            Send(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(int index, TCITEM* item) {
        return static_cast<BOOL>(
            Send(TCM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
    }
    int GetItemCount() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    BOOL GetItemRect(int index, LPRECT rect) const {
        return static_cast<BOOL>(
            Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
    }
    int GetCurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    // Answers the previous selection, or -1.
    int SetCurSel(int index) { return static_cast<int>(Send(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    int GetCurFocus() const { return static_cast<int>(Send(TCM_GETCURFOCUS)); }
    void SetCurFocus(int index) { Send(TCM_SETCURFOCUS, static_cast<WPARAM>(index)); }
    int HitTest(TCHITTESTINFO* info) const {
        return static_cast<int>(Send(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    // The page area for a window rectangle (larger = FALSE), or the reverse.
    void AdjustRect(BOOL larger, LPRECT rect) {
        Send(TCM_ADJUSTRECT, static_cast<WPARAM>(larger), reinterpret_cast<LPARAM>(rect));
    }
    CImageList* SetImageList(CImageList* images) {
        return reinterpret_cast<CImageList*>(Send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)));
    }
    CImageList* GetImageList() const { return reinterpret_cast<CImageList*>(Send(TCM_GETIMAGELIST)); }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;

protected:
    struct Tab {
        CString text;
        int image = -1;
        LPARAM data = 0;
    };
    struct State {
        std::vector<Tab> tabs;
        int selected = -1;
        int focusTab = -1;
        CImageList* images = nullptr;
        bool focused = false;
    };

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return const_cast<CTabCtrl*>(this)->SendMessage(message, wParam, lParam);
    }
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(state_.tabs.size()); }
    int TabHeight();
    std::vector<CRect> TabRects();
    // A user's choice of a tab, with the notifications.
    void Choose(int index);
    void Paint(CDC& dc);

    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS; }
    LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM);
    LRESULT OnDeleteAllItems(WPARAM, LPARAM);
    LRESULT OnGetItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemCount(WPARAM, LPARAM) { return static_cast<LRESULT>(state_.tabs.size()); }
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCurSel(WPARAM, LPARAM) { return state_.selected; }
    LRESULT OnSetCurSel(WPARAM wParam, LPARAM);
    LRESULT OnGetCurFocus(WPARAM, LPARAM) { return state_.focusTab; }
    LRESULT OnSetCurFocus(WPARAM wParam, LPARAM);
    LRESULT OnHitTest(WPARAM, LPARAM lParam);
    LRESULT OnAdjustRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetImageList(WPARAM, LPARAM lParam);
    LRESULT OnGetImageList(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(state_.images); }
    LRESULT OnTap(WPARAM, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM) { return ChangeFocus(true); }
    LRESULT OnKillFocus(WPARAM, LPARAM) { return ChangeFocus(false); }
    LRESULT ChangeFocus(bool focused);
    LRESULT OnEnable(WPARAM, LPARAM);

    State state_;
};
