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
    if (auto* tree = dynamic_cast<CTreeCtrl*>(&previous)) {
        nodes_ = tree->nodes_;
        roots_ = tree->roots_;
        nextId_ = tree->nextId_;
        selected_ = tree->selected_;
        std::copy(std::begin(tree->images_), std::end(tree->images_), images_);
        indent_ = tree->indent_;
        scroll_.top = tree->scroll_.top;
        scroll_.x = tree->scroll_.x;
        focused_ = tree->focused_;
    }
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
    auto it = nodes_.find(id);
    return it == nodes_.end() ? nullptr : &it->second;
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
            const Node& node = nodes_[id];
            if (node.state & TVIS_EXPANDED) walk(node.children, level + 1);
        }
    };
    walk(roots_, 0);
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
    return (level + (rootButtons ? 1 : 0)) * indent_;
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
    const CImageList* images = images_[TVSIL_NORMAL];
    if (images) l.rowHeight = std::max(l.rowHeight, images->GetImageSize().cy + 1);
    const int iconWidth = images ? images->GetImageSize().cx + 2 : 0;
    for (const VisibleRow& row : rows)
        l.totalWidth =
            std::max(l.totalWidth, LevelIndent(row.level) + iconWidth + LabelWidth(nodes_[row.id]) + 2);
    scroll_.Place(l, inside, 0, static_cast<int>(rows.size()));
    return l;
}

TVHITTESTINFO CTreeCtrl::Hit(CPoint point) {
    TVHITTESTINFO info;
    info.pt = point;
    info.flags = TVHT_NOWHERE;
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    if (!layout.rows.PtInRect(point)) return info;
    const int index = scroll_.top + (point.y - layout.rows.top) / layout.rowHeight;
    if (index < 0 || index >= static_cast<int>(rows.size())) return info;
    const VisibleRow& row = rows[static_cast<size_t>(index)];
    const Node& node = nodes_[row.id];
    const int x = point.x - layout.rows.left + scroll_.x;
    const int itemLeft = LevelIndent(row.level);
    const CImageList* images = images_[TVSIL_NORMAL];
    const int iconWidth = images ? images->GetImageSize().cx + 2 : 0;
    info.hItem = TreeItemFromId(row.id);
    if (x < itemLeft)
        info.flags = x >= itemLeft - indent_ && HasButton(node) && (GetStyle() & TVS_HASBUTTONS)
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
    const uintptr_t id = nextId_++;
    std::vector<uintptr_t>& siblings = SiblingsOf(parent);
    auto at = siblings.end();
    if (insert.hInsertAfter == TVI_FIRST) {
        at = siblings.begin();
    } else if (insert.hInsertAfter == TVI_SORT) {
        at = std::find_if(siblings.begin(), siblings.end(),
                          [&](uintptr_t s) { return LessNoCase(node.text, nodes_[s].text); });
    } else if (insert.hInsertAfter && insert.hInsertAfter != TVI_LAST) {
        auto after = std::find(siblings.begin(), siblings.end(), TreeItemId(insert.hInsertAfter));
        if (after != siblings.end()) at = after + 1;
    }
    siblings.insert(at, id);
    nodes_.emplace(id, std::move(node));
    Invalidate();
    return id;
}

void CTreeCtrl::DoDelete(uintptr_t id) {
    Node* node = Find(id);
    if (!node) return;
    for (uintptr_t child : std::vector<uintptr_t>(node->children)) DoDelete(child);
    std::erase(SiblingsOf(nodes_[id].parent), id);
    if (selected_ == id) selected_ = 0;
    nodes_.erase(id);
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
            return roots_.empty() ? 0 : roots_.front();
        case TVGN_CARET:
            return selected_;
        case TVGN_FIRSTVISIBLE: {
            const std::vector<VisibleRow> rows = VisibleRows();
            ComputeLayout(rows);
            return scroll_.top < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(scroll_.top)].id
                                                               : 0;
        }
        case TVGN_DROPHILITE:
            return 0;
        case TVGN_CHILD: {
            if (!id) return roots_.empty() ? 0 : roots_.front();
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
        if (IsAncestor(id, selected_)) DoSelect(id, TVC_UNKNOWN);
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
    if (id == selected_) return true;
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
    describe(change.itemOld, selected_);
    describe(change.itemNew, id);
    if (SendNotify(*this, change.hdr, TVN_SELCHANGING)) return false;
    if (!IsWindow(self) || (id && !Find(id))) return false;
    if (Node* old = Find(selected_)) old->state &= ~TVIS_SELECTED;
    selected_ = id;
    if (Node* now = Find(id)) {
        now->state |= TVIS_SELECTED;
        for (uintptr_t up = now->parent; up; up = nodes_[up].parent)
            if (!(nodes_[up].state & TVIS_EXPANDED)) DoExpand(up, TVE_EXPAND, false);
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
    if (row < scroll_.top) scroll_.top = row;
    if (row >= scroll_.top + layout.page) scroll_.top = row - layout.page + 1;
    Invalidate();
}

// ---- input

void CTreeCtrl::OnTap(UINT message, CPoint point) {
    const HWND self = m_hWnd;
    SetFocus();
    if (!IsWindow(self)) return;
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    if (scroll_.Tap(layout, point)) {
        if (scroll_.HoldsThumb()) SetCapture();
        Invalidate();
        return;
    }
    press_ = Hit(point);
    const uintptr_t id = TreeItemId(press_.hItem);
    if (press_.flags & TVHT_ONITEMBUTTON) {
        DoExpand(id, TVE_TOGGLE, true);
    } else if (press_.flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT)) {
        DoSelect(id, TVC_BYMOUSE);
        if (!IsWindow(self)) return;
        if (message == WM_LBUTTONDBLCLK) {
            NMHDR header;
            if (!SendNotify(*this, header, NM_DBLCLK) && IsWindow(self) && Find(id))
                DoExpand(id, TVE_TOGGLE, true);
            return;
        }
    }
    pressed_ = IsWindow(self);
}

void CTreeCtrl::OnKey(UINT key) {
    const HWND self = m_hWnd;
    NMHDR header;
    SendNotify(*this, header, TVN_KEYDOWN);
    if (!IsWindow(self) || roots_.empty()) return;
    const std::vector<VisibleRow> rows = VisibleRows();
    const int row = std::max(0, RowOf(selected_));
    const int last = static_cast<int>(rows.size()) - 1;
    const int page = ComputeLayout(rows).page;
    const auto selectRow = [&](int r) {
        DoSelect(rows[static_cast<size_t>(std::clamp(r, 0, last))].id, TVC_BYKEYBOARD);
    };
    Node* node = Find(selected_);
    switch (key) {
        case VK_UP:
            selectRow(selected_ ? row - 1 : 0);
            break;
        case VK_DOWN:
            selectRow(selected_ ? row + 1 : 0);
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
                DoExpand(selected_, TVE_EXPAND, true);
            else if (!node->children.empty())
                DoSelect(node->children.front(), TVC_BYKEYBOARD);
            break;
        case VK_LEFT:
            if (!node) break;
            if (node->state & TVIS_EXPANDED)
                DoExpand(selected_, TVE_COLLAPSE, true);
            else if (node->parent)
                DoSelect(node->parent, TVC_BYKEYBOARD);
            break;
    }
}

LRESULT CTreeCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const uintptr_t id = static_cast<uintptr_t>(lParam);
    switch (message) {
        case WM_PAINT: {
            CPaintDC dc(this);
            Paint(dc);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case TVM_INSERTITEM:
            return lParam ? static_cast<LRESULT>(DoInsert(*reinterpret_cast<const TVINSERTSTRUCT*>(lParam)))
                          : 0;
        case TVM_DELETEITEM:
            if (!lParam || reinterpret_cast<HTREEITEM>(lParam) == TVI_ROOT) {
                nodes_.clear();
                roots_.clear();
                selected_ = 0;
                scroll_.top = 0;
                Invalidate();
                return TRUE;
            }
            if (!Find(id)) return FALSE;
            DoDelete(id);
            Invalidate();
            return TRUE;
        case TVM_GETITEM:
            return lParam && DoGetItem(*reinterpret_cast<TVITEM*>(lParam));
        case TVM_SETITEM:
            return lParam && DoSetItem(*reinterpret_cast<const TVITEM*>(lParam));
        case TVM_GETITEMSTATE: {
            Node* node = Find(static_cast<uintptr_t>(wParam));
            return node ? node->state & static_cast<UINT>(lParam) : 0;
        }
        case TVM_GETCOUNT:
            return static_cast<LRESULT>(nodes_.size());
        case TVM_GETNEXTITEM:
            return static_cast<LRESULT>(DoGetNext(id, static_cast<UINT>(wParam)));
        case TVM_EXPAND:
            return DoExpand(id, static_cast<UINT>(wParam), false);
        case TVM_SELECTITEM:
            if (wParam == TVGN_CARET) return DoSelect(id, TVC_UNKNOWN);
            if (wParam == TVGN_FIRSTVISIBLE) {
                const int row = RowOf(id);
                if (row < 0) return FALSE;
                scroll_.top = row;
                ComputeLayout(VisibleRows());
                Invalidate();
                return TRUE;
            }
            return FALSE;
        case TVM_ENSUREVISIBLE: {
            Node* node = Find(id);
            if (!node) return FALSE;
            for (uintptr_t up = node->parent; up; up = nodes_[up].parent)
                if (!(nodes_[up].state & TVIS_EXPANDED)) DoExpand(up, TVE_EXPAND, false);
            DoEnsureVisible(id);
            return TRUE;
        }
        case TVM_SORTCHILDREN: {
            std::vector<uintptr_t>* children = &roots_;
            if (lParam && reinterpret_cast<HTREEITEM>(lParam) != TVI_ROOT) {
                Node* node = Find(id);
                if (!node) return FALSE;
                children = &node->children;
            }
            std::stable_sort(children->begin(), children->end(), [this](uintptr_t a, uintptr_t b) {
                return LessNoCase(nodes_[a].text, nodes_[b].text);
            });
            Invalidate();
            return TRUE;
        }
        case TVM_GETINDENT:
            return indent_;
        case TVM_SETINDENT:
            indent_ = std::max(static_cast<int>(wParam), kButtonSize + 4);
            Invalidate();
            return 0;
        case TVM_GETVISIBLECOUNT:
            return ComputeLayout(VisibleRows()).page;
        case TVM_HITTEST: {
            auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
            if (!info) return 0;
            const TVHITTESTINFO hit = Hit(info->pt);
            info->flags = hit.flags;
            info->hItem = hit.hItem;
            return static_cast<LRESULT>(TreeItemId(hit.hItem));
        }
        case TVM_GETITEMRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (!rect) return FALSE;
            const uintptr_t which = TreeItemId(*reinterpret_cast<HTREEITEM*>(rect));
            const std::vector<VisibleRow> rows = VisibleRows();
            const Layout layout = ComputeLayout(rows);
            const int row = RowOf(which);
            if (row < 0) return FALSE;
            const int y = layout.rows.top + (row - scroll_.top) * layout.rowHeight;
            CRect r(layout.rows.left, y, layout.rows.right, y + layout.rowHeight);
            if (wParam) {
                const CImageList* images = images_[TVSIL_NORMAL];
                r.left = layout.rows.left - scroll_.x + LevelIndent(rows[static_cast<size_t>(row)].level) +
                         (images ? images->GetImageSize().cx + 2 : 0);
                r.right = r.left + LabelWidth(nodes_[which]);
            }
            *rect = r;
            return TRUE;
        }
        case TVM_SETIMAGELIST: {
            const int which = static_cast<int>(wParam);
            if (which < 0 || which > 2) return 0;
            CImageList* old = images_[which];
            images_[which] = reinterpret_cast<CImageList*>(lParam);
            Invalidate();
            return reinterpret_cast<LRESULT>(old);
        }
        case TVM_GETIMAGELIST:
            return wParam <= 2 ? reinterpret_cast<LRESULT>(images_[wParam]) : 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnTap(message, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            return 0;
        case WM_MOUSEMOVE:
            if (scroll_.Drag(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) Invalidate();
            return 0;
        case WM_SETREDRAW:
            redraw_ = wParam != 0;
            if (redraw_) Invalidate();
            return 0;
        case WM_LBUTTONUP:
            if (scroll_.Release()) {
                ReleaseCapture();
                return 0;
            }
            if (pressed_) {
                pressed_ = false;
                NMHDR header;
                SendNotify(*this, header, NM_CLICK);
            }
            return 0;
        case WM_KEYDOWN:
            OnKey(static_cast<UINT>(wParam));
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            focused_ = message == WM_SETFOCUS;
            Invalidate();
            NMHDR header;
            SendNotify(*this, header, focused_ ? NM_SETFOCUS : NM_KILLFOCUS);
            return 0;
        }
        case WM_ENABLE:
            Invalidate();
            return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

// ---- painting

void CTreeCtrl::Paint(CDC& dc) {
    if (!redraw_) return;
    CRect client;
    GetClientRect(&client);
    DrawControlBorder(*this, dc, client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const std::vector<VisibleRow> rows = VisibleRows();
    const Layout layout = ComputeLayout(rows);
    const int count = static_cast<int>(rows.size());
    scroll_.Draw(dc, layout);
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    dc.IntersectClipRect(&layout.rows);
    for (int i = scroll_.top, y = layout.rows.top; i < count && y < layout.rows.bottom;
         ++i, y += layout.rowHeight)
        PaintRow(dc, layout, rows[static_cast<size_t>(i)], y);
    dc.SelectObject(old);
}

void CTreeCtrl::PaintRow(CDC& dc, const Layout& layout, const VisibleRow& row, int y) {
    const Node& node = nodes_[row.id];
    const DWORD style = GetStyle();
    const int left = layout.rows.left - scroll_.x;
    const int itemLeft = left + LevelIndent(row.level);
    const int midY = y + layout.rowHeight / 2;
    const COLORREF lineColor = GetSysColor(COLOR_BTNSHADOW);
    const auto dottedV = [&](int x, int from, int to) {
        for (int py = from; py < to; ++py)
            if (((py - from) & 1) == 0) dc.SetPixel(x, py, lineColor);
    };
    const auto dottedH = [&](int from, int to, int py) {
        for (int px = from; px < to; ++px)
            if (((px - from) & 1) == 0) dc.SetPixel(px, py, lineColor);
    };
    const bool rootLines = (style & TVS_LINESATROOT) != 0;
    if (style & TVS_HASLINES) {
        // Vertical lines of the ancestors that have siblings below.
        uintptr_t up = node.parent;
        for (int level = row.level - 1; level >= 0 && up; --level, up = nodes_[up].parent) {
            if (DoGetNext(up, TVGN_NEXT) && (level > 0 || rootLines)) {
                const int x = left + LevelIndent(level) - indent_ / 2;
                dottedV(x, y, y + layout.rowHeight);
            }
        }
        if (row.level > 0 || rootLines) {
            const int x = itemLeft - indent_ / 2;
            const bool first = DoGetNext(row.id, TVGN_PREVIOUS) == 0 && node.parent == 0;
            dottedV(x, first ? midY : y, DoGetNext(row.id, TVGN_NEXT) ? y + layout.rowHeight : midY + 1);
            dottedH(x, itemLeft - 1, midY);
        }
    }
    if ((style & TVS_HASBUTTONS) && HasButton(node) && (row.level > 0 || rootLines)) {
        const int cx = itemLeft - indent_ / 2;
        CRect box(cx - kButtonSize / 2, midY - kButtonSize / 2, cx + kButtonSize / 2 + 1,
                  midY + kButtonSize / 2 + 1);
        dc.FillSolidRect(&box, GetSysColor(COLOR_WINDOW));
        CBrush frame(lineColor);
        dc.FrameRect(&box, &frame);
        const COLORREF sign = GetSysColor(COLOR_WINDOWTEXT);
        for (int d = -2; d <= 2; ++d) {
            dc.SetPixel(cx + d, midY, sign);
            if (!(node.state & TVIS_EXPANDED)) dc.SetPixel(cx, midY + d, sign);
        }
    }
    int x = itemLeft;
    const bool isSelected = row.id == selected_;
    if (const CImageList* images = images_[TVSIL_NORMAL]) {
        const int image = isSelected ? node.selectedImage : node.image;
        images->Draw(&dc, image, CPoint(x + 1, y + (layout.rowHeight - images->GetImageSize().cy) / 2));
        x += images->GetImageSize().cx + 2;
    }
    CRect label(x, y, x + LabelWidth(node), y + layout.rowHeight);
    COLORREF ink = IsWindowEnabled() ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    if (isSelected && (focused_ || (style & TVS_SHOWSELALWAYS))) {
        COLORREF back = 0;
        SelectionColors(focused_, ink, back);
        dc.FillSolidRect(&label, back);
    }
    dc.SetTextColor(ink);
    CRect text = label;
    text.left += 2;
    dc.DrawText(node.text, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (isSelected && focused_) dc.DrawFocusRect(&label);
}
