#include "platform/ui/TreeCtrl.h"

#include <algorithm>
#include <cwctype>
#include <functional>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kButtonSize = 9;

bool LessNoCase(const CString& a, const CString& b) {
    return std::lexicographical_compare(
        a.c_str(), a.c_str() + a.GetLength(), b.c_str(), b.c_str() + b.GetLength(),
        [](wchar_t x, wchar_t y) { return std::towlower(x) < std::towlower(y); });
}
}  // namespace

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_TREEVIEW, L"", style | WS_CHILD, rect, parent, id);
}

void CTreeCtrl::AdoptControlState(CWnd& previous) {
    CRowControl::AdoptControlState(previous);
    if (auto* tree = dynamic_cast<CTreeCtrl*>(&previous)) state_ = tree->state_;
}

// ---- wrappers

HTREEITEM CTreeCtrl::InsertItem(UINT mask, const wchar_t* text, int image, int selectedImage, UINT state,
                                UINT stateMask, LPARAM lParam, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCT insert;
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = mask;
    insert.item.pszText = const_cast<wchar_t*>(text ? text : L"");
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(const wchar_t* text, HTREEITEM parent, HTREEITEM after) {
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(const wchar_t* text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0,
                      parent, after);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    for (int size = 256;; size *= 4) {
        std::wstring buffer(static_cast<size_t>(size), L'\0');
        TVITEM info;
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = buffer.data();
        info.cchTextMax = size;
        if (!GetItem(&info)) return CString();
        if (static_cast<int>(std::wcslen(buffer.c_str())) < size - 1) return CString(buffer.c_str());
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, const wchar_t* text) {
    TVITEM info;
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = const_cast<wchar_t*>(text ? text : L"");
    return SetItem(&info);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    TVITEM info;
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = item;
    if (!GetItem(&info)) return FALSE;
    image = info.iImage;
    selectedImage = info.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    TVITEM info;
    info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = item;
    info.iImage = image;
    info.iSelectedImage = selectedImage;
    return SetItem(&info);
}

uintptr_t CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEM info;
    info.mask = TVIF_PARAM;
    info.hItem = item;
    return GetItem(&info) ? static_cast<uintptr_t>(info.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, uintptr_t data) {
    TVITEM info;
    info.mask = TVIF_PARAM;
    info.hItem = item;
    info.lParam = static_cast<LPARAM>(data);
    return SetItem(&info);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) {
    TVITEM info;
    info.mask = TVIF_STATE;
    info.hItem = item;
    info.state = state;
    info.stateMask = mask;
    return SetItem(&info);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
    TVITEM info;
    info.mask = TVIF_CHILDREN;
    info.hItem = item;
    return GetItem(&info) && info.cChildren > 0;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
    TVHITTESTINFO info;
    info.pt = point;
    HTREEITEM item = HitTest(&info);
    if (flags) *flags = info.flags;
    return item;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const {
    if (!rect) return FALSE;
    *reinterpret_cast<HTREEITEM*>(rect) = item;
    return static_cast<BOOL>(
        Send(TVM_GETITEMRECT, static_cast<WPARAM>(textOnly), reinterpret_cast<LPARAM>(rect)));
}

// ---- the tree

CTreeCtrl::Node* CTreeCtrl::Find(uintptr_t id) {
    auto it = state_.nodes.find(id);
    return it == state_.nodes.end() ? nullptr : &it->second;
}

bool CTreeCtrl::IsAncestor(uintptr_t ancestor, uintptr_t id) {
    for (Node* n = Find(id); n && n->parent; n = Find(n->parent))
        if (n->parent == ancestor) return true;
    return false;
}

std::vector<CTreeCtrl::VisibleRow> CTreeCtrl::VisibleRows() {
    std::vector<VisibleRow> rows;
    std::function<void(const std::vector<uintptr_t>&, int)> walk = [&](const std::vector<uintptr_t>& ids,
                                                                       int level) {
        for (uintptr_t id : ids) {
            rows.push_back({id, level});
            const Node& node = state_.nodes[id];
            if (node.state & TVIS_EXPANDED) walk(node.children, level + 1);
        }
    };
    walk(state_.roots, 0);
    return rows;
}

int CTreeCtrl::RowOf(uintptr_t id) {
    const std::vector<VisibleRow> rows = VisibleRows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].id == id) return static_cast<int>(i);
    return -1;
}

int CTreeCtrl::LevelIndent(int level) const {
    const bool rootButtons = (GetStyle() & (TVS_LINESATROOT)) != 0;
    return (level + (rootButtons ? 1 : 0)) * state_.indent;
}

int CTreeCtrl::LabelWidth(const Node& node) {
    CDC dc;
    dc.SelectObject(GetFont());
    return dc.GetTextExtent(node.text).cx + 4;
}

CTreeCtrl::Layout CTreeCtrl::ComputeLayout(const std::vector<VisibleRow>& rows) {
    Layout l;
    const CRect inside = InsideBorder(*this);
    l.rowHeight = RowHeight(*this);
    const CImageList* images = state_.images[TVSIL_NORMAL];
    if (images) l.rowHeight = std::max(l.rowHeight, images->GetImageSize().cy + 1);
    const int iconWidth = images ? images->GetImageSize().cx + 2 : 0;
    for (const VisibleRow& row : rows)
        l.totalWidth =
            std::max(l.totalWidth, LevelIndent(row.level) + iconWidth + LabelWidth(state_.nodes[row.id]) + 2);
    input_.scroll.Place(l, inside, 0, static_cast<int>(rows.size()));
    return l;
}

TVHITTESTINFO CTreeCtrl::Hit(CPoint point) {
    TVHITTESTINFO info;
    info.pt = point;
    info.flags = TVHT_NOWHERE;
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    if (!layout.rows.PtInRect(point)) return info;
    const int index = input_.scroll.top + (point.y - layout.rows.top) / layout.rowHeight;
    if (index < 0 || index >= static_cast<int>(rows.size())) return info;
    const VisibleRow& row = rows[static_cast<size_t>(index)];
    const Node& node = state_.nodes[row.id];
    const int x = point.x - layout.rows.left + input_.scroll.x;
    const int itemLeft = LevelIndent(row.level);
    const CImageList* images = state_.images[TVSIL_NORMAL];
    const int iconWidth = images ? images->GetImageSize().cx + 2 : 0;
    info.hItem = TreeItemFromId(row.id);
    if (x < itemLeft)
        info.flags = x >= itemLeft - state_.indent && HasButton(node) && (GetStyle() & TVS_HASBUTTONS)
                         ? TVHT_ONITEMBUTTON
                         : TVHT_ONITEMINDENT;
    else if (x < itemLeft + iconWidth)
        info.flags = TVHT_ONITEMICON;
    else if (x < itemLeft + iconWidth + LabelWidth(node))
        info.flags = TVHT_ONITEMLABEL;
    else
        info.flags = TVHT_ONITEMRIGHT;
    return info;
}

uintptr_t CTreeCtrl::DoInsert(const TVINSERTSTRUCT& insert) {
    uintptr_t parent = 0;
    if (insert.hParent && insert.hParent != TVI_ROOT) {
        parent = TreeItemId(insert.hParent);
        if (!Find(parent)) return 0;
    }
    Node node;
    const TVITEM& item = insert.item;
    if (item.mask & TVIF_TEXT) node.text = item.pszText ? item.pszText : L"";
    if (item.mask & TVIF_IMAGE) node.image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE) node.selectedImage = item.iSelectedImage;
    if (item.mask & TVIF_PARAM) node.data = item.lParam;
    if (item.mask & TVIF_CHILDREN) node.cChildren = item.cChildren;
    if (item.mask & TVIF_STATE) node.state = item.state & item.stateMask & ~TVIS_SELECTED;
    node.parent = parent;
    const uintptr_t id = state_.nextId++;
    std::vector<uintptr_t>& siblings = SiblingsOf(parent);
    auto at = siblings.end();
    if (insert.hInsertAfter == TVI_FIRST) {
        at = siblings.begin();
    } else if (insert.hInsertAfter == TVI_SORT) {
        at = std::find_if(siblings.begin(), siblings.end(),
                          [&](uintptr_t s) { return LessNoCase(node.text, state_.nodes[s].text); });
    } else if (insert.hInsertAfter && insert.hInsertAfter != TVI_LAST) {
        auto after = std::find(siblings.begin(), siblings.end(), TreeItemId(insert.hInsertAfter));
        if (after != siblings.end()) at = after + 1;
    }
    siblings.insert(at, id);
    state_.nodes.emplace(id, std::move(node));
    Invalidate();
    return id;
}

void CTreeCtrl::DoDelete(uintptr_t id) {
    Node* node = Find(id);
    if (!node) return;
    for (uintptr_t child : std::vector<uintptr_t>(node->children)) DoDelete(child);
    std::erase(SiblingsOf(state_.nodes[id].parent), id);
    if (state_.selected == id) state_.selected = 0;
    state_.nodes.erase(id);
}

bool CTreeCtrl::DoGetItem(TVITEM& item) {
    Node* node = Find(TreeItemId(item.hItem));
    if (!node) return false;
    if (item.mask & TVIF_TEXT) CopyText(node->text, item.pszText, item.cchTextMax);
    if (item.mask & TVIF_IMAGE) item.iImage = node->image;
    if (item.mask & TVIF_SELECTEDIMAGE) item.iSelectedImage = node->selectedImage;
    if (item.mask & TVIF_PARAM) item.lParam = node->data;
    if (item.mask & TVIF_STATE) item.state = node->state & item.stateMask;
    if (item.mask & TVIF_CHILDREN)
        item.cChildren = node->children.empty() ? (node->cChildren > 0 ? 1 : 0) : 1;
    return true;
}

bool CTreeCtrl::DoSetItem(const TVITEM& item) {
    Node* node = Find(TreeItemId(item.hItem));
    if (!node) return false;
    if (item.mask & TVIF_TEXT) node->text = item.pszText ? item.pszText : L"";
    if (item.mask & TVIF_IMAGE) node->image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE) node->selectedImage = item.iSelectedImage;
    if (item.mask & TVIF_PARAM) node->data = item.lParam;
    if (item.mask & TVIF_CHILDREN) node->cChildren = item.cChildren;
    if (item.mask & TVIF_STATE) {
        const UINT mask = item.stateMask & ~TVIS_SELECTED;
        node->state = (node->state & ~mask) | (item.state & mask);
    }
    Invalidate();
    return true;
}

uintptr_t CTreeCtrl::DoGetNext(uintptr_t id, UINT code) {
    switch (code) {
        case TVGN_ROOT:
            return state_.roots.empty() ? 0 : state_.roots.front();
        case TVGN_CARET:
            return state_.selected;
        case TVGN_FIRSTVISIBLE: {
            const std::vector<VisibleRow> rows = VisibleRows();
            ComputeLayout(rows);
            return input_.scroll.top < static_cast<int>(rows.size())
                       ? rows[static_cast<size_t>(input_.scroll.top)].id
                       : 0;
        }
        case TVGN_DROPHILITE:
            return 0;
        case TVGN_CHILD: {
            if (!id) return state_.roots.empty() ? 0 : state_.roots.front();
            Node* node = Find(id);
            return node && !node->children.empty() ? node->children.front() : 0;
        }
    }
    Node* node = Find(id);
    if (!node) return 0;
    if (code == TVGN_PARENT) return node->parent;
    if (code == TVGN_NEXT || code == TVGN_PREVIOUS) {
        const std::vector<uintptr_t>& siblings = SiblingsOf(node->parent);
        auto at = std::find(siblings.begin(), siblings.end(), id);
        if (code == TVGN_NEXT) return at + 1 < siblings.end() ? *(at + 1) : 0;
        return at != siblings.begin() ? *(at - 1) : 0;
    }
    if (code == TVGN_NEXTVISIBLE || code == TVGN_PREVIOUSVISIBLE) {
        const std::vector<VisibleRow> rows = VisibleRows();
        const int row = RowOf(id);
        const int next = row + (code == TVGN_NEXTVISIBLE ? 1 : -1);
        return row >= 0 && next >= 0 && next < static_cast<int>(rows.size())
                   ? rows[static_cast<size_t>(next)].id
                   : 0;
    }
    return 0;
}

bool CTreeCtrl::DoExpand(uintptr_t id, UINT code, bool byUser) {
    Node* node = Find(id);
    if (!node) return false;
    const bool expanded = (node->state & TVIS_EXPANDED) != 0;
    const UINT action = (code & 3) == TVE_TOGGLE ? (expanded ? TVE_COLLAPSE : TVE_EXPAND) : (code & 3);
    const HWND self = m_hWnd;
    if (action == TVE_EXPAND) {
        if (expanded && !byUser) return true;
        if (expanded || !HasButton(*node)) return false;
    } else if (action == TVE_COLLAPSE) {
        if (!expanded && !(code & TVE_COLLAPSERESET)) return !byUser;
    } else {
        return false;
    }
    const bool notify = byUser || (action == TVE_EXPAND && !(node->state & TVIS_EXPANDEDONCE));
    NMTREEVIEW change;
    change.action = action;
    change.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    change.itemNew.hItem = TreeItemFromId(id);
    change.itemNew.state = node->state;
    change.itemNew.lParam = node->data;
    if (notify && SendNotify(*this, change.hdr, TVN_ITEMEXPANDING)) return false;
    if (!IsWindow(self) || !(node = Find(id))) return false;
    if (action == TVE_EXPAND) {
        node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    } else {
        if (IsAncestor(id, state_.selected)) DoSelect(id, TVC_UNKNOWN);
        if (!IsWindow(self) || !(node = Find(id))) return false;
        node->state &= ~TVIS_EXPANDED;
        if (code & TVE_COLLAPSERESET) {
            node->state &= ~TVIS_EXPANDEDONCE;
            for (uintptr_t child : std::vector<uintptr_t>(node->children)) DoDelete(child);
        }
    }
    Invalidate();
    if (notify) {
        change.itemNew.state = Find(id)->state;
        SendNotify(*this, change.hdr, TVN_ITEMEXPANDED);
    }
    return true;
}

bool CTreeCtrl::DoSelect(uintptr_t id, UINT action) {
    if (id && !Find(id)) return false;
    if (id == state_.selected) return true;
    const HWND self = m_hWnd;
    NMTREEVIEW change;
    change.action = action;
    const auto describe = [this](TVITEM& item, uintptr_t which) {
        item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
        item.hItem = TreeItemFromId(which);
        if (Node* n = Find(which)) {
            item.state = n->state;
            item.lParam = n->data;
        }
    };
    describe(change.itemOld, state_.selected);
    describe(change.itemNew, id);
    if (SendNotify(*this, change.hdr, TVN_SELCHANGING)) return false;
    if (!IsWindow(self) || (id && !Find(id))) return false;
    if (Node* old = Find(state_.selected)) old->state &= ~TVIS_SELECTED;
    state_.selected = id;
    if (Node* now = Find(id)) {
        now->state |= TVIS_SELECTED;
        for (uintptr_t up = now->parent; up; up = state_.nodes[up].parent)
            if (!(state_.nodes[up].state & TVIS_EXPANDED)) DoExpand(up, TVE_EXPAND, false);
        if (!IsWindow(self)) return false;
        DoEnsureVisible(id);
    }
    Invalidate();
    describe(change.itemNew, id);
    SendNotify(*this, change.hdr, TVN_SELCHANGED);
    return true;
}

void CTreeCtrl::DoEnsureVisible(uintptr_t id) {
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    const int row = RowOf(id);
    if (row < 0) return;
    if (row < input_.scroll.top) input_.scroll.top = row;
    if (row >= input_.scroll.top + layout.page) input_.scroll.top = row - layout.page + 1;
    Invalidate();
}

// ---- input

bool CTreeCtrl::TapRows(bool doubleTap, CPoint point) {
    const HWND self = m_hWnd;
    state_.press = Hit(point);
    const uintptr_t id = TreeItemId(state_.press.hItem);
    if (state_.press.flags & TVHT_ONITEMBUTTON) {
        DoExpand(id, TVE_TOGGLE, true);
    } else if (state_.press.flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT)) {
        DoSelect(id, TVC_BYMOUSE);
        if (!IsWindow(self)) return false;
        if (doubleTap) {
            NMHDR header;
            if (!SendNotify(*this, header, NM_DBLCLK) && IsWindow(self) && Find(id))
                DoExpand(id, TVE_TOGGLE, true);
            return false;
        }
    }
    return IsWindow(self);
}

void CTreeCtrl::TapEnded() {
    NMHDR header;
    SendNotify(*this, header, NM_CLICK);
}

void CTreeCtrl::FocusChanged() {
    NMHDR header;
    SendNotify(*this, header, input_.focused ? NM_SETFOCUS : NM_KILLFOCUS);
}

void CTreeCtrl::OnKey(UINT key) {
    const HWND self = m_hWnd;
    NMHDR header;
    SendNotify(*this, header, TVN_KEYDOWN);
    if (!IsWindow(self) || state_.roots.empty()) return;
    const std::vector<VisibleRow> rows = VisibleRows();
    const uintptr_t selected = state_.selected;
    const int row = std::max(0, RowOf(selected));
    const int last = static_cast<int>(rows.size()) - 1;
    const int page = ComputeLayout(rows).page;
    const auto selectRow = [&](int r) {
        DoSelect(rows[static_cast<size_t>(std::clamp(r, 0, last))].id, TVC_BYKEYBOARD);
    };
    Node* node = Find(selected);
    switch (key) {
        case VK_UP:
            selectRow(selected ? row - 1 : 0);
            break;
        case VK_DOWN:
            selectRow(selected ? row + 1 : 0);
            break;
        case VK_PRIOR:
            selectRow(row - page);
            break;
        case VK_NEXT:
            selectRow(row + page);
            break;
        case VK_HOME:
            selectRow(0);
            break;
        case VK_END:
            selectRow(last);
            break;
        case VK_RIGHT:
            if (!node) break;
            if (!(node->state & TVIS_EXPANDED))
                DoExpand(selected, TVE_EXPAND, true);
            else if (!node->children.empty())
                DoSelect(node->children.front(), TVC_BYKEYBOARD);
            break;
        case VK_LEFT:
            if (!node) break;
            if (node->state & TVIS_EXPANDED)
                DoExpand(selected, TVE_COLLAPSE, true);
            else if (node->parent)
                DoSelect(node->parent, TVC_BYKEYBOARD);
            break;
    }
}

// ---- messages

LRESULT CTreeCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CTreeCtrl> kRoutes[] = {
        {TVM_INSERTITEM, &CTreeCtrl::OnInsertItem},     {TVM_DELETEITEM, &CTreeCtrl::OnDeleteItem},
        {TVM_GETITEM, &CTreeCtrl::OnGetItem},           {TVM_SETITEM, &CTreeCtrl::OnSetItem},
        {TVM_GETITEMSTATE, &CTreeCtrl::OnGetItemState}, {TVM_GETCOUNT, &CTreeCtrl::OnGetCount},
        {TVM_GETNEXTITEM, &CTreeCtrl::OnGetNextItem},   {TVM_EXPAND, &CTreeCtrl::OnExpand},
        {TVM_SELECTITEM, &CTreeCtrl::OnSelectItem},     {TVM_ENSUREVISIBLE, &CTreeCtrl::OnEnsureVisible},
        {TVM_SORTCHILDREN, &CTreeCtrl::OnSortChildren}, {TVM_GETINDENT, &CTreeCtrl::OnGetIndent},
        {TVM_SETINDENT, &CTreeCtrl::OnSetIndent},       {TVM_GETVISIBLECOUNT, &CTreeCtrl::OnGetVisibleCount},
        {TVM_HITTEST, &CTreeCtrl::OnHitTest},           {TVM_GETITEMRECT, &CTreeCtrl::OnGetItemRect},
        {TVM_SETIMAGELIST, &CTreeCtrl::OnSetImageList}, {TVM_GETIMAGELIST, &CTreeCtrl::OnGetImageList},
        {WM_SETREDRAW, &CTreeCtrl::OnSetRedraw},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CRowControl::DefWindowProc(message, wParam, lParam);
}

LRESULT CTreeCtrl::OnInsertItem(WPARAM, LPARAM lParam) {
    return lParam ? static_cast<LRESULT>(DoInsert(*reinterpret_cast<const TVINSERTSTRUCT*>(lParam))) : 0;
}

LRESULT CTreeCtrl::OnDeleteItem(WPARAM, LPARAM lParam) {
    if (!lParam || reinterpret_cast<HTREEITEM>(lParam) == TVI_ROOT) {
        state_.nodes.clear();
        state_.roots.clear();
        state_.selected = 0;
        input_.scroll.top = 0;
        Invalidate();
        return TRUE;
    }
    const uintptr_t id = static_cast<uintptr_t>(lParam);
    if (!Find(id)) return FALSE;
    DoDelete(id);
    Invalidate();
    return TRUE;
}

LRESULT CTreeCtrl::OnGetItem(WPARAM, LPARAM lParam) {
    return lParam && DoGetItem(*reinterpret_cast<TVITEM*>(lParam));
}

LRESULT CTreeCtrl::OnSetItem(WPARAM, LPARAM lParam) {
    return lParam && DoSetItem(*reinterpret_cast<const TVITEM*>(lParam));
}

LRESULT CTreeCtrl::OnGetItemState(WPARAM wParam, LPARAM lParam) {
    const Node* node = Find(static_cast<uintptr_t>(wParam));
    return node ? node->state & static_cast<UINT>(lParam) : 0;
}

LRESULT CTreeCtrl::OnGetNextItem(WPARAM wParam, LPARAM lParam) {
    return static_cast<LRESULT>(DoGetNext(static_cast<uintptr_t>(lParam), static_cast<UINT>(wParam)));
}

LRESULT CTreeCtrl::OnExpand(WPARAM wParam, LPARAM lParam) {
    return DoExpand(static_cast<uintptr_t>(lParam), static_cast<UINT>(wParam), false);
}

LRESULT CTreeCtrl::OnSelectItem(WPARAM wParam, LPARAM lParam) {
    const uintptr_t id = static_cast<uintptr_t>(lParam);
    if (wParam == TVGN_CARET) return DoSelect(id, TVC_UNKNOWN);
    if (wParam != TVGN_FIRSTVISIBLE) return FALSE;
    const int row = RowOf(id);
    if (row < 0) return FALSE;
    input_.scroll.top = row;
    ComputeLayout(VisibleRows());
    Invalidate();
    return TRUE;
}

LRESULT CTreeCtrl::OnEnsureVisible(WPARAM, LPARAM lParam) {
    const uintptr_t id = static_cast<uintptr_t>(lParam);
    const Node* node = Find(id);
    if (!node) return FALSE;
    for (uintptr_t up = node->parent; up; up = state_.nodes[up].parent)
        if (!(state_.nodes[up].state & TVIS_EXPANDED)) DoExpand(up, TVE_EXPAND, false);
    DoEnsureVisible(id);
    return TRUE;
}

LRESULT CTreeCtrl::OnSortChildren(WPARAM, LPARAM lParam) {
    std::vector<uintptr_t>* children = &state_.roots;
    if (lParam && reinterpret_cast<HTREEITEM>(lParam) != TVI_ROOT) {
        Node* node = Find(static_cast<uintptr_t>(lParam));
        if (!node) return FALSE;
        children = &node->children;
    }
    std::stable_sort(children->begin(), children->end(), [this](uintptr_t a, uintptr_t b) {
        return LessNoCase(state_.nodes[a].text, state_.nodes[b].text);
    });
    Invalidate();
    return TRUE;
}

LRESULT CTreeCtrl::OnSetIndent(WPARAM wParam, LPARAM) {
    state_.indent = std::max(static_cast<int>(wParam), kButtonSize + 4);
    Invalidate();
    return 0;
}

LRESULT CTreeCtrl::OnHitTest(WPARAM, LPARAM lParam) {
    auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
    if (!info) return 0;
    const TVHITTESTINFO hit = Hit(info->pt);
    info->flags = hit.flags;
    info->hItem = hit.hItem;
    return static_cast<LRESULT>(TreeItemId(hit.hItem));
}

LRESULT CTreeCtrl::OnGetItemRect(WPARAM wParam, LPARAM lParam) {
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect) return FALSE;
    const uintptr_t which = TreeItemId(*reinterpret_cast<HTREEITEM*>(rect));
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    const int row = RowOf(which);
    if (row < 0) return FALSE;
    const int y = layout.rows.top + (row - input_.scroll.top) * layout.rowHeight;
    CRect r(layout.rows.left, y, layout.rows.right, y + layout.rowHeight);
    if (wParam) {
        const CImageList* images = state_.images[TVSIL_NORMAL];
        r.left = layout.rows.left - input_.scroll.x + LevelIndent(rows[static_cast<size_t>(row)].level) +
                 (images ? images->GetImageSize().cx + 2 : 0);
        r.right = r.left + LabelWidth(state_.nodes[which]);
    }
    *rect = r;
    return TRUE;
}

LRESULT CTreeCtrl::OnSetImageList(WPARAM wParam, LPARAM lParam) {
    const int which = static_cast<int>(wParam);
    if (which < 0 || which > 2) return 0;
    CImageList* old = state_.images[which];
    state_.images[which] = reinterpret_cast<CImageList*>(lParam);
    Invalidate();
    return reinterpret_cast<LRESULT>(old);
}

LRESULT CTreeCtrl::OnGetImageList(WPARAM wParam, LPARAM) {
    return wParam <= 2 ? reinterpret_cast<LRESULT>(state_.images[wParam]) : 0;
}

LRESULT CTreeCtrl::OnSetRedraw(WPARAM wParam, LPARAM) {
    state_.redraw = wParam != 0;
    if (state_.redraw) Invalidate();
    return 0;
}

// ---- painting

void CTreeCtrl::Paint(CDC& dc) {
    if (!state_.redraw) return;
    CRect client;
    GetClientRect(&client);
    DrawControlBorder(*this, dc, client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    const int count = static_cast<int>(rows.size());
    input_.scroll.Draw(dc, layout);
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    dc.IntersectClipRect(&layout.rows);
    for (int i = input_.scroll.top, y = layout.rows.top; i < count && y < layout.rows.bottom;
         ++i, y += layout.rowHeight)
        PaintRow(dc, layout, rows[static_cast<size_t>(i)], y);
    dc.SelectObject(old);
}

void CTreeCtrl::PaintRow(CDC& dc, const Layout& layout, const VisibleRow& row, int y) {
    const Node& node = state_.nodes[row.id];
    const DWORD style = GetStyle();
    const int itemLeft = layout.rows.left - input_.scroll.x + LevelIndent(row.level);
    const bool rootLines = (style & TVS_LINESATROOT) != 0;
    if (style & TVS_HASLINES) PaintLines(dc, layout, row, y);
    if ((style & TVS_HASBUTTONS) && HasButton(node) && (row.level > 0 || rootLines))
        PaintButton(dc, node, itemLeft - state_.indent / 2, y + layout.rowHeight / 2);
    PaintLabel(dc, layout, row, itemLeft, y);
}

// The dotted lines: of the ancestors that have siblings below, and the item's own elbow.
void CTreeCtrl::PaintLines(CDC& dc, const Layout& layout, const VisibleRow& row, int y) {
    const Node& node = state_.nodes[row.id];
    const int left = layout.rows.left - input_.scroll.x;
    const int itemLeft = left + LevelIndent(row.level);
    const int midY = y + layout.rowHeight / 2;
    const COLORREF lineColor = GetSysColor(COLOR_BTNSHADOW);
    const auto dottedV = [&](int x, int from, int to) {
        for (int py = from; py < to; ++py)
            if (((py - from) & 1) == 0) dc.SetPixel(x, py, lineColor);
    };
    const bool rootLines = (GetStyle() & TVS_LINESATROOT) != 0;
    uintptr_t up = node.parent;
    for (int level = row.level - 1; level >= 0 && up; --level, up = state_.nodes[up].parent) {
        if (DoGetNext(up, TVGN_NEXT) && (level > 0 || rootLines)) {
            const int x = left + LevelIndent(level) - state_.indent / 2;
            dottedV(x, y, y + layout.rowHeight);
        }
    }
    if (row.level == 0 && !rootLines) return;
    const int x = itemLeft - state_.indent / 2;
    const bool first = DoGetNext(row.id, TVGN_PREVIOUS) == 0 && node.parent == 0;
    dottedV(x, first ? midY : y, DoGetNext(row.id, TVGN_NEXT) ? y + layout.rowHeight : midY + 1);
    for (int px = x; px < itemLeft - 1; ++px)
        if (((px - x) & 1) == 0) dc.SetPixel(px, midY, lineColor);
}

// The +/- box centred on (cx, midY).
void CTreeCtrl::PaintButton(CDC& dc, const Node& node, int cx, int midY) {
    CRect box(cx - kButtonSize / 2, midY - kButtonSize / 2, cx + kButtonSize / 2 + 1,
              midY + kButtonSize / 2 + 1);
    dc.FillSolidRect(&box, GetSysColor(COLOR_WINDOW));
    CBrush frame(GetSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(&box, &frame);
    const COLORREF sign = GetSysColor(COLOR_WINDOWTEXT);
    for (int d = -2; d <= 2; ++d) {
        dc.SetPixel(cx + d, midY, sign);
        if (!(node.state & TVIS_EXPANDED)) dc.SetPixel(cx, midY + d, sign);
    }
}

// The image and the text from `x`, with the selection and the focus.
void CTreeCtrl::PaintLabel(CDC& dc, const Layout& layout, const VisibleRow& row, int x, int y) {
    const Node& node = state_.nodes[row.id];
    const bool isSelected = row.id == state_.selected;
    if (const CImageList* images = state_.images[TVSIL_NORMAL]) {
        const int image = isSelected ? node.selectedImage : node.image;
        images->Draw(&dc, image, CPoint(x + 1, y + (layout.rowHeight - images->GetImageSize().cy) / 2));
        x += images->GetImageSize().cx + 2;
    }
    CRect label(x, y, x + LabelWidth(node), y + layout.rowHeight);
    COLORREF ink = IsWindowEnabled() ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    const bool focused = input_.focused;
    if (isSelected && (focused || (GetStyle() & TVS_SHOWSELALWAYS))) {
        COLORREF back = 0;
        SelectionColors(focused, ink, back);
        dc.FillSolidRect(&label, back);
    }
    dc.SetTextColor(ink);
    CRect text = label;
    text.left += 2;
    dc.DrawText(node.text, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (isSelected && focused) dc.DrawFocusRect(&label);
}
