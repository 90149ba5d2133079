#include "platform/ui/ListCtrl.h"

#include <algorithm>
#include <numeric>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kCellPadding = 3;

UINT AlignmentOf(int fmt) {
    switch (fmt & 3) {
        case LVCFMT_RIGHT:
            return DT_RIGHT;
        case LVCFMT_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}
}  // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTVIEW, L"", style | WS_CHILD, rect, parent, id);
}

void CListCtrl::AdoptControlState(CWnd& previous) {
    CRowControl::AdoptControlState(previous);
    if (auto* list = dynamic_cast<CListCtrl*>(&previous)) state_ = list->state_;
}

// ---- wrappers

int CListCtrl::InsertColumn(int column, const LVCOLUMN* info) {
    return static_cast<int>(
        Send(LVM_INSERTCOLUMN, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(info)));
}

int CListCtrl::InsertColumn(int column, const wchar_t* heading, int format, int width, int subItem) {
    LVCOLUMN info;
    info.mask = LVCF_FMT | LVCF_TEXT | (width >= 0 ? LVCF_WIDTH : 0) | (subItem >= 0 ? LVCF_SUBITEM : 0);
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<wchar_t*>(heading ? heading : L"");
    info.iSubItem = subItem;
    return InsertColumn(column, &info);
}

int CListCtrl::InsertItem(int index, const wchar_t* text) {
    return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int index, const wchar_t* text, int image) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
}

int CListCtrl::InsertItem(UINT mask, int index, const wchar_t* text, UINT state, UINT stateMask, int image,
                          LPARAM lParam) {
    LVITEM item;
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text ? text : L"");
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItem(int index, int subItem, UINT mask, const wchar_t* text, int image, UINT state,
                        UINT stateMask, LPARAM lParam) {
    LVITEM item;
    item.mask = mask;
    item.iItem = index;
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text ? text : L"");
    item.iImage = image;
    item.state = state;
    item.stateMask = stateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::SetItemText(int index, int subItem, const wchar_t* text) {
    LVITEM item;
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text ? text : L"");
    return Bool(LVM_SETITEMTEXT, index, &item);
}

int CListCtrl::GetItemText(int index, int subItem, wchar_t* buffer, int length) const {
    LVITEM item;
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = length;
    return static_cast<int>(
        Send(LVM_GETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int index, int subItem) const {
    for (int size = 256;; size *= 4) {
        std::wstring buffer(static_cast<size_t>(size), L'\0');
        const int n = GetItemText(index, subItem, buffer.data(), size);
        if (n < size - 1) return CString(buffer.c_str());
    }
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT stateMask) {
    LVITEM item;
    item.state = state;
    item.stateMask = stateMask;
    return SetItemState(index, &item);
}

BOOL CListCtrl::SetItemData(int index, uintptr_t data) {
    return SetItem(index, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(data));
}

uintptr_t CListCtrl::GetItemData(int index) const {
    LVITEM item;
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? static_cast<uintptr_t>(item.lParam) : 0;
}

BOOL CListCtrl::GetItemRect(int index, LPRECT rect, UINT code) const {
    if (!rect) return FALSE;
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(
        Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info;
    info.pt = point;
    const int index = HitTest(&info);
    if (flags) *flags = info.flags;
    return index;
}

// ---- layout

CListCtrl::Layout CListCtrl::ComputeLayout() {
    Layout l;
    const CRect inside = InsideBorder(*this);
    const int textRow = RowHeight(*this);
    l.rowHeight = textRow;
    if (const CImageList* small = state_.images[LVSIL_SMALL])
        l.rowHeight = std::max(l.rowHeight, small->GetImageSize().cy + 1);
    const int headerHeight = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : textRow + 4;
    l.totalWidth = std::accumulate(state_.columns.begin(), state_.columns.end(), 0,
                                   [](int sum, const Column& c) { return sum + c.width; });
    input_.scroll.Place(l, inside, headerHeight, RowCount());
    l.header = CRect(inside.left, inside.top, l.rows.right, l.rows.top);
    return l;
}

CRect CListCtrl::RowRect(const Layout& layout, int index) const {
    const CRowScroll& scroll = input_.scroll;
    const int y = layout.rows.top + (index - scroll.top) * layout.rowHeight;
    return CRect(layout.rows.left - scroll.x, y, layout.rows.left - scroll.x + layout.totalWidth,
                 y + layout.rowHeight);
}

int CListCtrl::ColumnAt(int x, const Layout& layout) const {
    int left = layout.rows.left - input_.scroll.x;
    for (size_t c = 0; c < state_.columns.size(); ++c) {
        if (x >= left && x < left + state_.columns[c].width) return static_cast<int>(c);
        left += state_.columns[c].width;
    }
    return -1;
}

LVHITTESTINFO CListCtrl::Hit(CPoint point) {
    LVHITTESTINFO info;
    info.pt = point;
    info.flags = LVHT_NOWHERE;
    const Layout layout = ComputeLayout();
    if (!layout.rows.PtInRect(point)) return info;
    const int index = input_.scroll.top + (point.y - layout.rows.top) / layout.rowHeight;
    const int column = ColumnAt(point.x, layout);
    if (!ValidRow(index) || column < 0) return info;
    info.iSubItem = column;
    if (column > 0 && !(state_.extendedStyle & LVS_EX_FULLROWSELECT)) return info;
    const CImageList* images = state_.images[LVSIL_SMALL];
    const int iconRight = layout.rows.left - input_.scroll.x + 2 + (images ? images->GetImageSize().cx : 0);
    info.flags = column == 0 && images && point.x < iconRight ? LVHT_ONITEMICON : LVHT_ONITEMLABEL;
    info.iItem = index;
    return info;
}

// ---- items and states

UINT CListCtrl::RowState(int index) const {
    if (!OwnerData()) return state_.rows[static_cast<size_t>(index)].state;
    const auto found = state_.ownerStates.find(index);
    return found == state_.ownerStates.end() ? 0 : found->second;
}

void CListCtrl::StoreRowState(int index, UINT state) {
    if (!OwnerData()) {
        state_.rows[static_cast<size_t>(index)].state = state;
    } else if (state) {
        state_.ownerStates[index] = state;
    } else {
        state_.ownerStates.erase(index);
    }
}

std::vector<int> CListCtrl::RowsHolding(UINT mask) const {
    std::vector<int> out;
    if (OwnerData()) {
        for (const auto& [index, state] : state_.ownerStates)
            if (state & mask) out.push_back(index);
        return out;
    }
    for (size_t i = 0; i < state_.rows.size(); ++i)
        if (state_.rows[i].state & mask) out.push_back(static_cast<int>(i));
    return out;
}

CString CListCtrl::AskCell(int index, int column, int* image) {
    wchar_t buffer[260] = {};
    NMLVDISPINFO info;
    info.item.mask = LVIF_TEXT | (image ? LVIF_IMAGE : 0);
    info.item.iItem = index;
    info.item.iSubItem = column;
    info.item.pszText = buffer;
    info.item.cchTextMax = static_cast<int>(std::size(buffer));
    SendNotify(*this, info.hdr, LVN_GETDISPINFO);
    if (image) *image = info.item.iImage;
    return CString(info.item.pszText ? info.item.pszText : L"");
}

CListCtrl::Row CListCtrl::RowContent(int index) {
    if (!OwnerData()) return state_.rows[static_cast<size_t>(index)];
    Row row;
    row.state = RowState(index);
    row.texts.resize(std::max<size_t>(state_.columns.size(), 1));
    for (size_t c = 0; c < row.texts.size(); ++c)
        row.texts[c] = AskCell(index, static_cast<int>(c), c == 0 ? &row.image : nullptr);
    return row;
}

int CListCtrl::DoInsertItem(const LVITEM& item) {
    if (item.iSubItem != 0 || OwnerData()) return -1;
    const int index = std::clamp(item.iItem, 0, static_cast<int>(state_.rows.size()));
    Row row;
    row.texts.resize(std::max<size_t>(state_.columns.size(), 1));
    if (item.mask & LVIF_TEXT) row.texts[0] = item.pszText ? item.pszText : L"";
    if (item.mask & LVIF_IMAGE) row.image = item.iImage;
    if (item.mask & LVIF_PARAM) row.data = item.lParam;
    state_.rows.insert(state_.rows.begin() + index, std::move(row));
    if (index < input_.scroll.top) ++input_.scroll.top;
    if ((item.mask & LVIF_STATE) && (item.stateMask & item.state))
        ChangeState(index, item.state, item.stateMask);
    Invalidate();
    return index;
}

bool CListCtrl::DoSetItem(const LVITEM& item) {
    if (!ValidRow(item.iItem) || item.iSubItem < 0) return false;
    if (OwnerData()) {
        // The parent owns texts, images and data; only states are the list's.
        if (item.mask != LVIF_STATE || item.iSubItem != 0) return false;
        return ChangeState(item.iItem, item.state, item.stateMask);
    }
    Row& row = state_.rows[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) {
        if (static_cast<size_t>(item.iSubItem) >= row.texts.size())
            row.texts.resize(static_cast<size_t>(item.iSubItem) + 1);
        row.texts[static_cast<size_t>(item.iSubItem)] = item.pszText ? item.pszText : L"";
    }
    if (item.iSubItem == 0) {
        if (item.mask & LVIF_IMAGE) row.image = item.iImage;
        if (item.mask & LVIF_PARAM) row.data = item.lParam;
        if (item.mask & LVIF_STATE) ChangeState(item.iItem, item.state, item.stateMask);
    }
    Invalidate();
    return true;
}

bool CListCtrl::DoGetItem(LVITEM& item) {
    if (!ValidRow(item.iItem) || item.iSubItem < 0) return false;
    if (OwnerData()) {
        int image = 0;
        const CString text = AskCell(item.iItem, item.iSubItem, &image);
        if (item.mask & LVIF_TEXT) CopyText(text, item.pszText, item.cchTextMax);
        if (item.mask & LVIF_IMAGE) item.iImage = image;
        if (item.mask & LVIF_PARAM) item.lParam = 0;
        if (item.mask & LVIF_STATE) item.state = RowState(item.iItem) & item.stateMask;
        return true;
    }
    const Row& row = state_.rows[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) {
        const size_t sub = static_cast<size_t>(item.iSubItem);
        CopyText(sub < row.texts.size() ? row.texts[sub] : CString(), item.pszText, item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE) item.iImage = row.image;
    if (item.mask & LVIF_PARAM) item.lParam = row.data;
    if (item.mask & LVIF_STATE) item.state = row.state & item.stateMask;
    return true;
}

bool CListCtrl::ChangeState(int index, UINT state, UINT mask, CPoint action) {
    if (!ValidRow(index)) return false;
    const UINT old = RowState(index);
    const UINT updated = (old & ~mask) | (state & mask);
    if (updated == old) return true;
    const HWND self = m_hWnd;
    NMLISTVIEW change;
    change.iItem = index;
    change.uNewState = updated;
    change.uOldState = old;
    change.uChanged = LVIF_STATE;
    change.ptAction = action;
    change.lParam = OwnerData() ? 0 : state_.rows[static_cast<size_t>(index)].data;
    if (SendNotify(*this, change.hdr, LVN_ITEMCHANGING)) return false;
    if (!IsWindow(self) || !ValidRow(index)) return false;
    // Only one row holds the focus; one selection at most in single-selection lists.
    if (updated & ~old & LVIS_FOCUSED) ClearOthers(index, LVIS_FOCUSED);
    if ((updated & ~old & LVIS_SELECTED) && (GetStyle() & LVS_SINGLESEL)) ClearOthers(index, LVIS_SELECTED);
    if (!IsWindow(self) || !ValidRow(index)) return false;
    StoreRowState(index, updated);
    Invalidate();
    SendNotify(*this, change.hdr, LVN_ITEMCHANGED);
    return true;
}

void CListCtrl::ClearOthers(int index, UINT mask) {
    for (const int i : RowsHolding(mask))
        if (i != index) ChangeState(i, 0, mask);
}

void CListCtrl::DeleteRow(int index) {
    if (OwnerData()) {
        std::map<int, UINT> kept;
        for (const auto& [row, state] : state_.ownerStates)
            if (row != index) kept.emplace(row > index ? row - 1 : row, state);
        state_.ownerStates = std::move(kept);
        --state_.ownerCount;
    } else {
        state_.rows.erase(state_.rows.begin() + index);
    }
    if (index < input_.scroll.top) --input_.scroll.top;
    Invalidate();
}

void CListCtrl::EnsureRowVisible(int index) {
    if (!ValidRow(index)) return;
    const Layout layout = ComputeLayout();
    int& top = input_.scroll.top;
    if (index < top) top = index;
    if (index >= top + layout.page) top = index - layout.page + 1;
    Invalidate();
}

void CListCtrl::ChooseRow(int index, CPoint action) {
    const HWND self = m_hWnd;
    for (const int i : RowsHolding(LVIS_SELECTED))
        if (i != index && IsWindow(self)) ChangeState(i, 0, LVIS_SELECTED, action);
    if (IsWindow(self) && ValidRow(index)) {
        ChangeState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, action);
        EnsureRowVisible(index);
    }
}

// ---- input

bool CListCtrl::TapRows(bool doubleTap, CPoint point) {
    const HWND self = m_hWnd;
    if (!ComputeLayout().rows.PtInRect(point)) return false;
    state_.press = Hit(point);
    ChooseRow(state_.press.iItem, point);
    if (!IsWindow(self)) return false;
    if (!doubleTap) return true;
    NMITEMACTIVATE activate;
    activate.iItem = state_.press.iItem;
    activate.iSubItem = state_.press.iSubItem;
    activate.ptAction = point;
    SendNotify(*this, activate.hdr, NM_DBLCLK);
    return false;
}

void CListCtrl::TapEnded() {
    NMITEMACTIVATE click;
    click.iItem = state_.press.iItem;
    click.iSubItem = state_.press.iSubItem;
    click.ptAction = state_.press.pt;
    SendNotify(*this, click.hdr, NM_CLICK);
}

void CListCtrl::FocusChanged() {
    NMHDR header;
    SendNotify(*this, header, input_.focused ? NM_SETFOCUS : NM_KILLFOCUS);
}

void CListCtrl::OnKey(UINT key) {
    const HWND self = m_hWnd;
    NMLVKEYDOWN down;
    down.wVKey = static_cast<WORD>(key);
    SendNotify(*this, down.hdr, LVN_KEYDOWN);
    if (!IsWindow(self) || RowCount() == 0) return;
    const int last = RowCount() - 1;
    const int focus = std::max(0, GetNextItem(-1, LVNI_FOCUSED));
    const int page = ComputeLayout().page;
    switch (key) {
        case VK_UP:
            ChooseRow(std::max(0, focus - 1), CPoint());
            break;
        case VK_DOWN:
            ChooseRow(GetNextItem(-1, LVNI_FOCUSED) < 0 ? 0 : std::min(last, focus + 1), CPoint());
            break;
        case VK_PRIOR:
            ChooseRow(std::max(0, focus - page), CPoint());
            break;
        case VK_NEXT:
            ChooseRow(std::min(last, focus + page), CPoint());
            break;
        case VK_HOME:
            ChooseRow(0, CPoint());
            break;
        case VK_END:
            ChooseRow(last, CPoint());
            break;
        case VK_LEFT:
        case VK_RIGHT:
            input_.scroll.x += key == VK_LEFT ? -kHorizontalScrollStep : kHorizontalScrollStep;
            ComputeLayout();
            Invalidate();
            break;
    }
}

// ---- messages

LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CListCtrl> kRoutes[] = {
        {LVM_INSERTCOLUMN, &CListCtrl::OnInsertColumn},
        {LVM_DELETECOLUMN, &CListCtrl::OnDeleteColumn},
        {LVM_GETCOLUMNWIDTH, &CListCtrl::OnGetColumnWidth},
        {LVM_SETCOLUMNWIDTH, &CListCtrl::OnSetColumnWidth},
        {LVM_GETCOLUMN, &CListCtrl::OnGetColumn},
        {LVM_SETCOLUMN, &CListCtrl::OnSetColumn},
        {LVM_INSERTITEM, &CListCtrl::OnInsertItem},
        {LVM_SETITEM, &CListCtrl::OnSetItem},
        {LVM_GETITEM, &CListCtrl::OnGetItem},
        {LVM_SETITEMTEXT, &CListCtrl::OnSetItemText},
        {LVM_GETITEMTEXT, &CListCtrl::OnGetItemText},
        {LVM_SETITEMSTATE, &CListCtrl::OnSetItemState},
        {LVM_GETITEMSTATE, &CListCtrl::OnGetItemState},
        {LVM_DELETEITEM, &CListCtrl::OnDeleteItem},
        {LVM_DELETEALLITEMS, &CListCtrl::OnDeleteAllItems},
        {LVM_GETITEMCOUNT, &CListCtrl::OnGetItemCount},
        {LVM_GETNEXTITEM, &CListCtrl::OnGetNextItem},
        {LVM_SETITEMCOUNT, &CListCtrl::OnSetItemCount},
        {LVM_GETSELECTEDCOUNT, &CListCtrl::OnGetSelectedCount},
        {LVM_ENSUREVISIBLE, &CListCtrl::OnEnsureVisible},
        {LVM_GETTOPINDEX, &CListCtrl::OnGetTopIndex},
        {LVM_GETCOUNTPERPAGE, &CListCtrl::OnGetCountPerPage},
        {LVM_SCROLL, &CListCtrl::OnScroll},
        {LVM_GETITEMRECT, &CListCtrl::OnGetItemRect},
        {LVM_HITTEST, &CListCtrl::OnHitTest},
        {LVM_SUBITEMHITTEST, &CListCtrl::OnSubItemHitTest},
        {LVM_SETEXTENDEDLISTVIEWSTYLE, &CListCtrl::OnSetExtendedStyle},
        {LVM_GETEXTENDEDLISTVIEWSTYLE, &CListCtrl::OnGetExtendedStyle},
        {LVM_SETIMAGELIST, &CListCtrl::OnSetImageList},
        {LVM_GETIMAGELIST, &CListCtrl::OnGetImageList},
        {WM_SETREDRAW, &CListCtrl::OnSetRedraw},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CRowControl::DefWindowProc(message, wParam, lParam);
}

LRESULT CListCtrl::OnInsertColumn(WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const LVCOLUMN*>(lParam);
    if (!info) return -1;
    Column column;
    if (info->mask & LVCF_TEXT) column.text = info->pszText ? info->pszText : L"";
    if (info->mask & LVCF_FMT) column.fmt = info->fmt;
    if ((info->mask & LVCF_WIDTH) && info->cx >= 0) {
        column.width = info->cx;
    } else {
        CDC dc;
        dc.SelectObject(GetFont());
        column.width = dc.GetTextExtent(column.text).cx + 2 * kCellPadding + 4;
    }
    const int at = std::clamp(static_cast<int>(wParam), 0, static_cast<int>(state_.columns.size()));
    state_.columns.insert(state_.columns.begin() + at, column);
    for (Row& row : state_.rows)
        if (static_cast<size_t>(at) <= row.texts.size()) row.texts.insert(row.texts.begin() + at, CString());
    Invalidate();
    return at;
}

LRESULT CListCtrl::OnDeleteColumn(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    if (!ValidColumn(index)) return FALSE;
    state_.columns.erase(state_.columns.begin() + index);
    for (Row& row : state_.rows)
        if (static_cast<size_t>(index) < row.texts.size()) row.texts.erase(row.texts.begin() + index);
    Invalidate();
    return TRUE;
}

LRESULT CListCtrl::OnGetColumnWidth(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    return ValidColumn(index) ? state_.columns[static_cast<size_t>(index)].width : 0;
}

LRESULT CListCtrl::OnSetColumnWidth(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    if (!ValidColumn(index)) return FALSE;
    state_.columns[static_cast<size_t>(index)].width = std::max(0, static_cast<int>(lParam));
    Invalidate();
    return TRUE;
}

LRESULT CListCtrl::OnGetColumn(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    auto* info = reinterpret_cast<LVCOLUMN*>(lParam);
    if (!info || !ValidColumn(index)) return FALSE;
    const Column& column = state_.columns[static_cast<size_t>(index)];
    if (info->mask & LVCF_FMT) info->fmt = column.fmt;
    if (info->mask & LVCF_WIDTH) info->cx = column.width;
    if (info->mask & LVCF_TEXT) CopyText(column.text, info->pszText, info->cchTextMax);
    if (info->mask & LVCF_SUBITEM) info->iSubItem = index;
    return TRUE;
}

LRESULT CListCtrl::OnSetColumn(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const auto* info = reinterpret_cast<const LVCOLUMN*>(lParam);
    if (!info || !ValidColumn(index)) return FALSE;
    Column& column = state_.columns[static_cast<size_t>(index)];
    if (info->mask & LVCF_FMT) column.fmt = info->fmt;
    if (info->mask & LVCF_WIDTH) column.width = std::max(0, info->cx);
    if (info->mask & LVCF_TEXT) column.text = info->pszText ? info->pszText : L"";
    Invalidate();
    return TRUE;
}

LRESULT CListCtrl::OnInsertItem(WPARAM, LPARAM lParam) {
    return lParam ? DoInsertItem(*reinterpret_cast<const LVITEM*>(lParam)) : -1;
}

LRESULT CListCtrl::OnSetItem(WPARAM, LPARAM lParam) {
    return lParam && DoSetItem(*reinterpret_cast<const LVITEM*>(lParam));
}

LRESULT CListCtrl::OnGetItem(WPARAM, LPARAM lParam) {
    return lParam && DoGetItem(*reinterpret_cast<LVITEM*>(lParam));
}

LRESULT CListCtrl::OnSetItemText(WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const LVITEM*>(lParam);
    if (!item) return FALSE;
    LVITEM text = *item;
    text.mask = LVIF_TEXT;
    text.iItem = static_cast<int>(wParam);
    return DoSetItem(text);
}

LRESULT CListCtrl::OnGetItemText(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    auto* item = reinterpret_cast<LVITEM*>(lParam);
    if (!item || !ValidRow(index) || item->iSubItem < 0) return 0;
    if (OwnerData()) return CopyText(AskCell(index, item->iSubItem), item->pszText, item->cchTextMax);
    const Row& row = state_.rows[static_cast<size_t>(index)];
    const size_t sub = static_cast<size_t>(item->iSubItem);
    return CopyText(sub < row.texts.size() ? row.texts[sub] : CString(), item->pszText, item->cchTextMax);
}

LRESULT CListCtrl::OnSetItemState(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const auto* item = reinterpret_cast<const LVITEM*>(lParam);
    if (!item) return FALSE;
    if (index != -1) return ChangeState(index, item->state, item->stateMask);
    const HWND self = m_hWnd;
    // Clearing a state touches only the rows that hold it.
    if (OwnerData() && !(item->state & item->stateMask)) {
        for (const int i : RowsHolding(item->stateMask))
            if (IsWindow(self)) ChangeState(i, 0, item->stateMask);
        return TRUE;
    }
    for (int i = 0; i < RowCount() && IsWindow(self); ++i) ChangeState(i, item->state, item->stateMask);
    return TRUE;
}

LRESULT CListCtrl::OnGetItemState(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    return ValidRow(index) ? RowState(index) & static_cast<UINT>(lParam) : 0;
}

LRESULT CListCtrl::OnDeleteItem(WPARAM wParam, LPARAM) {
    if (!ValidRow(static_cast<int>(wParam))) return FALSE;
    DeleteRow(static_cast<int>(wParam));
    return TRUE;
}

LRESULT CListCtrl::OnDeleteAllItems(WPARAM, LPARAM) {
    state_.rows.clear();
    state_.ownerCount = 0;
    state_.ownerStates.clear();
    input_.scroll.top = 0;
    Invalidate();
    return TRUE;
}

LRESULT CListCtrl::OnGetNextItem(WPARAM wParam, LPARAM lParam) {
    const UINT flags = static_cast<UINT>(lParam);
    const UINT wanted =
        (flags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (flags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
    const int step = (flags & LVNI_ABOVE) ? -1 : 1;
    const int start = static_cast<int>(wParam);
    if (OwnerData() && wanted) {
        const std::vector<int> holding = RowsHolding(wanted);
        const auto fits = [&](int i) { return (RowState(i) & wanted) == wanted; };
        if (step > 0) {
            for (const int i : holding)
                if (i > start && fits(i)) return i;
        } else {
            for (auto i = holding.rbegin(); i != holding.rend(); ++i)
                if (*i < start && fits(*i)) return *i;
        }
        return -1;
    }
    for (int i = start + step; i >= 0 && i < RowCount(); i += step)
        if ((RowState(i) & wanted) == wanted) return i;
    return -1;
}

LRESULT CListCtrl::OnGetSelectedCount(WPARAM, LPARAM) {
    return static_cast<LRESULT>(RowsHolding(LVIS_SELECTED).size());
}

LRESULT CListCtrl::OnSetItemCount(WPARAM wParam, LPARAM) {
    if (!OwnerData()) return FALSE;
    state_.ownerCount = std::max(0, static_cast<int>(wParam));
    state_.ownerStates.erase(state_.ownerStates.lower_bound(state_.ownerCount), state_.ownerStates.end());
    Invalidate();
    return TRUE;
}

LRESULT CListCtrl::OnEnsureVisible(WPARAM wParam, LPARAM) {
    if (!ValidRow(static_cast<int>(wParam))) return FALSE;
    EnsureRowVisible(static_cast<int>(wParam));
    return TRUE;
}

LRESULT CListCtrl::OnGetTopIndex(WPARAM, LPARAM) {
    ComputeLayout();
    return input_.scroll.top;
}

LRESULT CListCtrl::OnScroll(WPARAM wParam, LPARAM lParam) {
    const Layout layout = ComputeLayout();
    input_.scroll.x += static_cast<int>(static_cast<intptr_t>(wParam));
    input_.scroll.top += static_cast<int>(lParam) / layout.rowHeight;
    ComputeLayout();
    Invalidate();
    return TRUE;
}

LRESULT CListCtrl::OnGetItemRect(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect || !ValidRow(index)) return FALSE;
    const UINT code = static_cast<UINT>(rect->left);
    CRect r = RowRect(ComputeLayout(), index);
    const CImageList* small = state_.images[LVSIL_SMALL];
    const int iconWidth = small ? small->GetImageSize().cx + 2 : 0;
    const int firstWidth = state_.columns.empty() ? r.Width() : state_.columns[0].width;
    if (code == LVIR_ICON) r.right = r.left + iconWidth;
    if (code == LVIR_LABEL) {
        r.left += iconWidth;
        r.right = r.left - iconWidth + firstWidth;
    }
    *rect = r;
    return TRUE;
}

LRESULT CListCtrl::HitTestMessage(LPARAM lParam, bool subItems) {
    auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
    if (!info) return -1;
    const LVHITTESTINFO hit = Hit(info->pt);
    info->flags = hit.flags;
    info->iItem = hit.iItem;
    info->iSubItem = subItems ? hit.iSubItem : 0;
    return hit.iItem;
}

LRESULT CListCtrl::OnSetExtendedStyle(WPARAM wParam, LPARAM lParam) {
    const DWORD old = state_.extendedStyle;
    const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
    state_.extendedStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
    Invalidate();
    return old;
}

LRESULT CListCtrl::OnSetImageList(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    if (index < 0 || index > 2) return 0;
    CImageList* old = state_.images[index];
    state_.images[index] = reinterpret_cast<CImageList*>(lParam);
    Invalidate();
    return reinterpret_cast<LRESULT>(old);
}

LRESULT CListCtrl::OnGetImageList(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    return index >= 0 && index <= 2 ? reinterpret_cast<LRESULT>(state_.images[index]) : 0;
}

LRESULT CListCtrl::OnSetRedraw(WPARAM wParam, LPARAM) {
    state_.redraw = wParam != 0;
    if (state_.redraw) Invalidate();
    return 0;
}

// ---- painting

void CListCtrl::Paint(CDC& dc) {
    if (!state_.redraw) return;
    CRect client;
    GetClientRect(&client);
    DrawControlBorder(*this, dc, client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const Layout layout = ComputeLayout();
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    if (!layout.header.IsRectEmpty()) PaintHeader(dc, layout);
    const int count = RowCount();
    const int top = input_.scroll.top;
    input_.scroll.Draw(dc, layout);
    dc.IntersectClipRect(&layout.rows);
    for (int i = top; i < count && i < top + layout.page + 1; ++i) PaintRow(dc, layout, i);
    dc.SelectObject(old);
}

void CListCtrl::PaintHeader(CDC& dc, const Layout& layout) {
    dc.FillSolidRect(&layout.header, GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    int x = layout.header.left - input_.scroll.x;
    for (const Column& column : state_.columns) {
        CRect cell(x, layout.header.top, x + column.width, layout.header.bottom);
        x += column.width;
        if (cell.right <= layout.header.left || cell.left >= layout.header.right || column.width <= 0)
            continue;
        dc.Draw3dRect(&cell, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        CRect text = cell;
        // A heading that fits its cell but not the padding gives up padding before it is shortened.
        const int room = static_cast<int>(cell.Width() - dc.GetTextExtent(column.text).cx);
        text.DeflateRect(std::clamp(room / 2, 0, kCellPadding), 0);
        text = text & CRect(layout.header.left, text.top, layout.header.right, text.bottom);
        dc.DrawText(column.text, &text,
                    AlignmentOf(column.fmt) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (x < layout.header.right) {
        const CRect rest(x, layout.header.top, layout.header.right, layout.header.bottom);
        dc.Draw3dRect(&rest, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
}

void CListCtrl::PaintRow(CDC& dc, const Layout& layout, int index) {
    const Row row = RowContent(index);
    const CRect bounds = RowRect(layout, index);
    const bool focused = input_.focused;
    const bool showSelection = (row.state & LVIS_SELECTED) && (focused || (GetStyle() & LVS_SHOWSELALWAYS));
    const bool fullRow = (state_.extendedStyle & LVS_EX_FULLROWSELECT) != 0;
    if (showSelection && fullRow) {
        COLORREF ink = 0, back = 0;
        SelectionColors(focused, ink, back);
        dc.FillSolidRect(&bounds, back);
    }
    const std::vector<Column>& columns = state_.columns;
    int x = bounds.left;
    for (size_t c = 0; c < std::max<size_t>(columns.size(), 1); ++c) {
        const int width = columns.empty() ? bounds.Width() : columns[c].width;
        const CRect cell(x, bounds.top, x + width, bounds.bottom);
        x += width;
        if (cell.right <= layout.rows.left || cell.left >= layout.rows.right) continue;
        PaintCell(dc, row, c, cell, showSelection && (fullRow || c == 0));
    }
    if (focused && (row.state & LVIS_FOCUSED)) {
        CRect focus = bounds;
        if (!fullRow) focus.right = focus.left + (columns.empty() ? bounds.Width() : columns[0].width);
        dc.DrawFocusRect(&focus);
    }
}

// One cell of a row; `selected` cells of a row that is not selected whole get their own highlight.
void CListCtrl::PaintCell(CDC& dc, const Row& row, size_t column, CRect cell, bool selected) {
    const CImageList* images = state_.images[LVSIL_SMALL];
    CRect text = cell;
    if (column == 0 && images) {
        images->Draw(&dc, row.image,
                     CPoint(cell.left + 2, cell.top + (cell.Height() - images->GetImageSize().cy) / 2));
        text.left += images->GetImageSize().cx + 2;
    }
    COLORREF selectedInk = 0, selectedBack = 0;
    SelectionColors(input_.focused, selectedInk, selectedBack);
    if (selected && !(state_.extendedStyle & LVS_EX_FULLROWSELECT)) dc.FillSolidRect(&text, selectedBack);
    const COLORREF ink = IsWindowEnabled() ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    dc.SetTextColor(selected ? selectedInk : ink);
    text.DeflateRect(kCellPadding, 0);
    const CString& value = column < row.texts.size() ? row.texts[column] : CString();
    const int fmt = state_.columns.empty() ? LVCFMT_LEFT : state_.columns[column].fmt;
    dc.DrawText(value, &text, AlignmentOf(fmt) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (state_.extendedStyle & LVS_EX_GRIDLINES) {
        CBrush grid(GetSysColor(COLOR_BTNFACE));
        dc.FrameRect(&cell, &grid);
    }
}
