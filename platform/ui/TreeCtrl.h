#pragma once
// The tree view ("SysTreeView32"): items under items, with lines, +/- buttons and an image from
// the normal image list. An item shows a button while it has children or was inserted with
// cChildren = 1, so a program can fill it when it is first expanded. A tap on a button, a double
// tap on an item or the left and right keys expand and collapse it, always with
// TVN_ITEMEXPANDING (answer TRUE to refuse) and TVN_ITEMEXPANDED. Expand() from the program
// notifies only when an item expands for the first time (until TVE_COLLAPSE | TVE_COLLAPSERESET
// empties it). Selecting sends TVN_SELCHANGING (refusable) and TVN_SELCHANGED; taps also send
// NM_CLICK and NM_DBLCLK.
//
// Every operation is a message (TVM_*), so other threads may call it too.
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/ui/CommonControls.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/RowScroll.h"
#include "platform/ui/Wnd.h"

class CTreeCtrl : public CRowControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    // ---- items
    HTREEITEM InsertItem(const TVINSERTSTRUCT* insert) {
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(insert)));
    }
    HTREEITEM InsertItem(UINT mask, const wchar_t* text, int image, int selectedImage, UINT state,
                         UINT stateMask, LPARAM lParam, HTREEITEM parent, HTREEITEM after);
    HTREEITEM InsertItem(const wchar_t* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const wchar_t* text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item) { return static_cast<BOOL>(Send(TVM_DELETEITEM, 0, Item(item))); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    BOOL GetItem(TVITEM* item) const {
        return static_cast<BOOL>(Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(TVITEM* item) {
        return static_cast<BOOL>(Send(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(item)));
    }
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const wchar_t* text);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    uintptr_t GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, uintptr_t data);
    UINT GetItemState(HTREEITEM item, UINT mask) const {
        return static_cast<UINT>(Send(TVM_GETITEMSTATE, TreeItemId(item), static_cast<LPARAM>(mask)));
    }
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    BOOL ItemHasChildren(HTREEITEM item) const;
    UINT GetCount() const { return static_cast<UINT>(Send(TVM_GETCOUNT)); }

    // ---- walking
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, Item(item)));
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUSVISIBLE); }

    // ---- state and view
    BOOL Expand(HTREEITEM item, UINT code) { return static_cast<BOOL>(Send(TVM_EXPAND, code, Item(item))); }
    BOOL Select(HTREEITEM item, UINT code) {
        return static_cast<BOOL>(Send(TVM_SELECTITEM, code, Item(item)));
    }
    BOOL SelectItem(HTREEITEM item) { return Select(item, TVGN_CARET); }
    BOOL EnsureVisible(HTREEITEM item) { return static_cast<BOOL>(Send(TVM_ENSUREVISIBLE, 0, Item(item))); }
    BOOL SortChildren(HTREEITEM item) { return static_cast<BOOL>(Send(TVM_SORTCHILDREN, 0, Item(item))); }
    UINT GetIndent() const { return static_cast<UINT>(Send(TVM_GETINDENT)); }
    void SetIndent(UINT indent) { Send(TVM_SETINDENT, indent); }
    UINT GetVisibleCount() const { return static_cast<UINT>(Send(TVM_GETVISIBLECOUNT)); }
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* info) const {
        return reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
    // The tree does not own the image list; answers the one it replaces.
    CImageList* SetImageList(CImageList* images, int which) {
        return reinterpret_cast<CImageList*>(
            Send(TVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images)));
    }
    CImageList* GetImageList(int which) const {
        return reinterpret_cast<CImageList*>(Send(TVM_GETIMAGELIST, static_cast<WPARAM>(which)));
    }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AdoptControlState(CWnd& previous) override;

protected:
    struct Node {
        CString text;
        int image = 0;
        int selectedImage = 0;
        UINT state = 0;
        LPARAM data = 0;
        int cChildren = 0;
        uintptr_t parent = 0;
        std::vector<uintptr_t> children;
    };
    struct VisibleRow {
        uintptr_t id;
        int level;
    };
    using Layout = RowsLayout;
    struct State {
        std::unordered_map<uintptr_t, Node> nodes;
        std::vector<uintptr_t> roots;
        uintptr_t nextId = 1;
        uintptr_t selected = 0;
        CImageList* images[3] = {nullptr, nullptr, nullptr};
        int indent = 16;
        bool redraw = true;
        TVHITTESTINFO press;  // where the tap that is not yet reported started
    };

    static LPARAM Item(HTREEITEM item) { return static_cast<LPARAM>(TreeItemId(item)); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return const_cast<CTreeCtrl*>(this)->SendMessage(message, wParam, lParam);
    }
    Node* Find(uintptr_t id);
    std::vector<uintptr_t>& SiblingsOf(uintptr_t parent) {
        return parent ? state_.nodes[parent].children : state_.roots;
    }
    bool HasButton(const Node& node) const { return !node.children.empty() || node.cChildren > 0; }
    bool IsAncestor(uintptr_t ancestor, uintptr_t id);
    std::vector<VisibleRow> VisibleRows();
    int RowOf(uintptr_t id);
    Layout ComputeLayout(const std::vector<VisibleRow>& rows);
    int LevelIndent(int level) const;
    int LabelWidth(const Node& node);
    TVHITTESTINFO Hit(CPoint point);

    uintptr_t DoInsert(const TVINSERTSTRUCT& insert);
    void DoDelete(uintptr_t id);
    bool DoGetItem(TVITEM& item);
    bool DoSetItem(const TVITEM& item);
    uintptr_t DoGetNext(uintptr_t id, UINT code);
    // Changes the expansion; `byUser` always notifies, the program only on a first expansion.
    bool DoExpand(uintptr_t id, UINT code, bool byUser);
    bool DoSelect(uintptr_t id, UINT action);
    void DoEnsureVisible(uintptr_t id);
    RowsLayout LayoutRows() override { return ComputeLayout(VisibleRows()); }
    bool TapRows(bool doubleTap, CPoint point) override;
    void TapEnded() override;
    void OnKey(UINT key) override;
    void FocusChanged() override;
    void Paint(CDC& dc) override;
    void PaintRow(CDC& dc, const Layout& layout, const VisibleRow& row, int y);
    void PaintLines(CDC& dc, const Layout& layout, const VisibleRow& row, int y);
    void PaintButton(CDC& dc, const Node& node, int cx, int midY);
    void PaintLabel(CDC& dc, const Layout& layout, const VisibleRow& row, int x, int y);

    LRESULT OnInsertItem(WPARAM, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM, LPARAM lParam);
    LRESULT OnGetItem(WPARAM, LPARAM lParam);
    LRESULT OnSetItem(WPARAM, LPARAM lParam);
    LRESULT OnGetItemState(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCount(WPARAM, LPARAM) { return static_cast<LRESULT>(state_.nodes.size()); }
    LRESULT OnGetNextItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnExpand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelectItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnsureVisible(WPARAM, LPARAM lParam);
    LRESULT OnSortChildren(WPARAM, LPARAM lParam);
    LRESULT OnGetIndent(WPARAM, LPARAM) { return state_.indent; }
    LRESULT OnSetIndent(WPARAM wParam, LPARAM);
    LRESULT OnGetVisibleCount(WPARAM, LPARAM) { return ComputeLayout(VisibleRows()).page; }
    LRESULT OnHitTest(WPARAM, LPARAM lParam);
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetImageList(WPARAM wParam, LPARAM);
    LRESULT OnSetRedraw(WPARAM wParam, LPARAM);

    State state_;
};
