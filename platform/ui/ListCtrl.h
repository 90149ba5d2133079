#pragma once
// The list view ("SysListView32") in report mode: a header of columns and rows of texts, the
// first column with an image from the small image list. A tap selects the row (the whole row
// with LVS_EX_FULLROWSELECT, else only on the first column) and gives it the focus state; the
// parent hears LVN_ITEMCHANGING / LVN_ITEMCHANGED for every state change, NM_CLICK when the tap
// ends and NM_DBLCLK for a double tap. The arrow keys move the selection. Both scroll bars
// appear when the rows or the columns do not fit.
//
// With LVS_OWNERDATA the list holds a count of rows (LVM_SETITEMCOUNT) and the states of the few
// that have one; each cell is asked from the parent (LVN_GETDISPINFO) when it is drawn or read, so
// a list of any length costs no more than its page. Rows are then not inserted one by one nor
// given texts or data.
//
// Every operation is a message (LVM_*), so a worker thread may fill the list: its calls wait for
// the UI thread.
#include <map>
#include <type_traits>
#include <vector>

#include "platform/ui/CommonControls.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/RowScroll.h"
#include "platform/ui/Wnd.h"

class CListCtrl : public CRowControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    // ---- columns
    int InsertColumn(int column, const LVCOLUMN* info);
    // A width of -1 fits the heading.
    int InsertColumn(int column, const wchar_t* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    BOOL DeleteColumn(int column) {
        return static_cast<BOOL>(Send(LVM_DELETECOLUMN, static_cast<WPARAM>(column)));
    }
    int GetColumnWidth(int column) const {
        return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }
    BOOL SetColumnWidth(int column, int cx) {
        return static_cast<BOOL>(Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), cx));
    }
    BOOL GetColumn(int column, LVCOLUMN* info) const { return Bool(LVM_GETCOLUMN, column, info); }
    BOOL SetColumn(int column, const LVCOLUMN* info) { return Bool(LVM_SETCOLUMN, column, info); }

    // ---- items
    int InsertItem(const LVITEM* item) {
        return static_cast<int>(Send(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(item)));
    }
    int InsertItem(int index, const wchar_t* text);
    int InsertItem(int index, const wchar_t* text, int image);
    int InsertItem(UINT mask, int index, const wchar_t* text, UINT state, UINT stateMask, int image,
                   LPARAM lParam);
    BOOL SetItem(const LVITEM* item) { return Bool(LVM_SETITEM, 0, item); }
    BOOL SetItem(int index, int subItem, UINT mask, const wchar_t* text, int image, UINT state,
                 UINT stateMask, LPARAM lParam);
    BOOL GetItem(LVITEM* item) const { return Bool(LVM_GETITEM, 0, item); }
    BOOL SetItemText(int index, int subItem, const wchar_t* text);
    CString GetItemText(int index, int subItem) const;
    int GetItemText(int index, int subItem, wchar_t* buffer, int length) const;
    BOOL SetItemState(int index, UINT state, UINT stateMask);
    BOOL SetItemState(int index, LVITEM* item) { return Bool(LVM_SETITEMSTATE, index, item); }
    UINT GetItemState(int index, UINT mask) const {
        return static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(index), mask));
    }
    BOOL SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;
    BOOL DeleteItem(int index) { return static_cast<BOOL>(Send(LVM_DELETEITEM, static_cast<WPARAM>(index))); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(Send(LVM_DELETEALLITEMS)); }
    // Owner data: the number of rows; states of rows beyond it are dropped.
    BOOL SetItemCount(int count) {
        return static_cast<BOOL>(Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count)));
    }
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // The next item after `start` (-1: from the top) with the LVNI_* states asked for.
    int GetNextItem(int start, int flags) const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(Send(LVM_GETSELECTEDCOUNT)); }

    // ---- view
    BOOL EnsureVisible(int index, BOOL partialOK) {
        return static_cast<BOOL>(Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partialOK));
    }
    int GetTopIndex() const { return static_cast<int>(Send(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE)); }
    BOOL Scroll(CSize size) {
        return static_cast<BOOL>(Send(LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy));
    }
    BOOL GetItemRect(int index, LPRECT rect, UINT code) const;
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    int HitTest(LVHITTESTINFO* info) const {
        return static_cast<int>(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    int SubItemHitTest(LVHITTESTINFO* info) {
        return static_cast<int>(Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    DWORD SetExtendedStyle(DWORD style) {
        return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
    }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // The list does not own the image list; answers the one it replaces.
    CImageList* SetImageList(CImageList* images, int which) {
        return reinterpret_cast<CImageList*>(
            Send(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images)));
    }
    CImageList* GetImageList(int which) const {
        return reinterpret_cast<CImageList*>(Send(LVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;

protected:
    struct Column {
        CString text;
        int width = 0;
        int fmt = LVCFMT_LEFT;
    };
    struct Row {
        std::vector<CString> texts;  // by column; missing ones are empty
        int image = 0;
        UINT state = 0;
        LPARAM data = 0;
    };
    // Where the parts of the control lie, for the current rows and columns.
    struct Layout : RowsLayout {
        CRect header;
    };
    struct State {
        std::vector<Column> columns;
        std::vector<Row> rows;
        DWORD extendedStyle = 0;
        CImageList* images[3] = {nullptr, nullptr, nullptr};
        bool redraw = true;
        LVHITTESTINFO press;              // where the tap that is not yet reported started
        int ownerCount = 0;               // owner data: the rows
        std::map<int, UINT> ownerStates;  // owner data: the rows with a state, by index
    };

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return const_cast<CListCtrl*>(this)->SendMessage(message, wParam, lParam);
    }
    template <class T>
    BOOL Bool(UINT message, int w, T* info) const {
        return static_cast<BOOL>(Send(message, static_cast<WPARAM>(w),
                                      reinterpret_cast<LPARAM>(const_cast<std::remove_const_t<T>*>(info))));
    }
    bool OwnerData() const { return (GetStyle() & LVS_OWNERDATA) != 0; }
    int RowCount() const { return OwnerData() ? state_.ownerCount : static_cast<int>(state_.rows.size()); }
    bool ValidRow(int index) const { return index >= 0 && index < RowCount(); }
    UINT RowState(int index) const;
    void StoreRowState(int index, UINT state);
    // The rows that hold any of the states in `mask`, from the top.
    std::vector<int> RowsHolding(UINT mask) const;
    // One cell asked from the parent (owner data); `image` also asks for the row's image.
    CString AskCell(int index, int column, int* image = nullptr);
    // The texts and image of a row, for drawing and reading.
    Row RowContent(int index);
    bool ValidColumn(int index) const {
        return index >= 0 && index < static_cast<int>(state_.columns.size());
    }
    Layout ComputeLayout();
    RowsLayout LayoutRows() override { return ComputeLayout(); }
    CRect RowRect(const Layout& layout, int index) const;
    LVHITTESTINFO Hit(CPoint point);
    int ColumnAt(int x, const Layout& layout) const;

    int DoInsertItem(const LVITEM& item);
    bool DoSetItem(const LVITEM& item);
    bool DoGetItem(LVITEM& item);
    // Changes the states in `mask` of one row (with the notifications); false when refused.
    bool ChangeState(int index, UINT state, UINT mask, CPoint action = CPoint());
    // Clears `mask` on the other rows that hold it, after `index` gained it.
    void ClearOthers(int index, UINT mask);
    void DeleteRow(int index);
    void EnsureRowVisible(int index);
    // A user's choice of a row: the only selected one, with the focus.
    void ChooseRow(int index, CPoint action);
    bool TapRows(bool doubleTap, CPoint point) override;
    void TapEnded() override;
    void OnKey(UINT key) override;
    void FocusChanged() override;
    void Paint(CDC& dc) override;
    void PaintHeader(CDC& dc, const Layout& layout);
    void PaintRow(CDC& dc, const Layout& layout, int index);
    void PaintCell(CDC& dc, const Row& row, size_t column, CRect cell, bool selected);
    LRESULT OnSetItemCount(WPARAM wParam, LPARAM);

    LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteColumn(WPARAM wParam, LPARAM);
    LRESULT OnGetColumnWidth(WPARAM wParam, LPARAM);
    LRESULT OnSetColumnWidth(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetColumn(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetColumn(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsertItem(WPARAM, LPARAM lParam);
    LRESULT OnSetItem(WPARAM, LPARAM lParam);
    LRESULT OnGetItem(WPARAM, LPARAM lParam);
    LRESULT OnSetItemText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetItemState(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemState(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM);
    LRESULT OnDeleteAllItems(WPARAM, LPARAM);
    LRESULT OnGetItemCount(WPARAM, LPARAM) { return RowCount(); }
    LRESULT OnGetNextItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetSelectedCount(WPARAM, LPARAM);
    LRESULT OnEnsureVisible(WPARAM wParam, LPARAM);
    LRESULT OnGetTopIndex(WPARAM, LPARAM);
    LRESULT OnGetCountPerPage(WPARAM, LPARAM) { return ComputeLayout().page; }
    LRESULT OnScroll(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnHitTest(WPARAM, LPARAM lParam) { return HitTestMessage(lParam, false); }
    LRESULT OnSubItemHitTest(WPARAM, LPARAM lParam) { return HitTestMessage(lParam, true); }
    LRESULT HitTestMessage(LPARAM lParam, bool subItems);
    LRESULT OnSetExtendedStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetExtendedStyle(WPARAM, LPARAM) { return state_.extendedStyle; }
    LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetImageList(WPARAM wParam, LPARAM);
    LRESULT OnSetRedraw(WPARAM wParam, LPARAM);

    State state_;
};
