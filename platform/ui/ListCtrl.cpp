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
    if (auto* list = dynamic_cast<CListCtrl*>(&previous)) {
        columns_ = list->columns_;
        rows_ = list->rows_;
        extendedStyle_ = list->extendedStyle_;
        std::copy(std::begin(list->images_), std::end(list->images_), images_);
        scroll_.top = list->scroll_.top;
        scroll_.x = list->scroll_.x;
        focused_ = list->focused_;
    }
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
    if (images_[LVSIL_SMALL])
        l.rowHeight = std::max(l.rowHeight, images_[LVSIL_SMALL]->GetImageSize().cy + 1);
    const int headerHeight = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : textRow + 4;
    l.totalWidth = std::accumulate(columns_.begin(), columns_.end(), 0,
                                   [](int sum, const Column& c) { return sum + c.width; });
    scroll_.Place(l, inside, headerHeight, static_cast<int>(rows_.size()));
    l.header = CRect(inside.left, inside.top, l.rows.right, l.rows.top);
    return l;
}

CRect CListCtrl::RowRect(const Layout& layout, int index) const {
    const int y = layout.rows.top + (index - scroll_.top) * layout.rowHeight;
    return CRect(layout.rows.left - scroll_.x, y, layout.rows.left - scroll_.x + layout.totalWidth,
                 y + layout.rowHeight);
}

int CListCtrl::ColumnAt(int x, const Layout& layout) const {
    int left = layout.rows.left - scroll_.x;
    for (size_t c = 0; c < columns_.size(); ++c) {
        if (x >= left && x < left + columns_[c].width) return static_cast<int>(c);
        left += columns_[c].width;
    }
    return -1;
}

LVHITTESTINFO CListCtrl::Hit(CPoint point) {
    LVHITTESTINFO info;
    info.pt = point;
    info.flags = LVHT_NOWHERE;
    const Layout layout = ComputeLayout();
    if (!layout.rows.PtInRect(point)) return info;
    const int index = scroll_.top + (point.y - layout.rows.top) / layout.rowHeight;
    const int column = ColumnAt(point.x, layout);
    if (!ValidRow(index) || column < 0) return info;
    info.iSubItem = column;
    if (column > 0 && !(extendedStyle_ & LVS_EX_FULLROWSELECT)) return info;
    const CImageList* images = images_[LVSIL_SMALL];
    const int iconRight = layout.rows.left - scroll_.x + 2 + (images ? images->GetImageSize().cx : 0);
    info.flags = column == 0 && images && point.x < iconRight ? LVHT_ONITEMICON : LVHT_ONITEMLABEL;
    info.iItem = index;
    return info;
}

// ---- items and states

int CListCtrl::DoInsertItem(const LVITEM& item) {
    if (item.iSubItem != 0) return -1;
    const int index = std::clamp(item.iItem, 0, static_cast<int>(rows_.size()));
    Row row;
    row.texts.resize(std::max<size_t>(columns_.size(), 1));
    if (item.mask & LVIF_TEXT) row.texts[0] = item.pszText ? item.pszText : L"";
    if (item.mask & LVIF_IMAGE) row.image = item.iImage;
    if (item.mask & LVIF_PARAM) row.data = item.lParam;
    rows_.insert(rows_.begin() + index, std::move(row));
    if (index < scroll_.top) ++scroll_.top;
    if ((item.mask & LVIF_STATE) && (item.stateMask & item.state))
        ChangeState(index, item.state, item.stateMask);
    Invalidate();
    return index;
}

bool CListCtrl::DoSetItem(const LVITEM& item) {
    if (!ValidRow(item.iItem) || item.iSubItem < 0) return false;
    Row& row = rows_[static_cast<size_t>(item.iItem)];
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
    const Row& row = rows_[static_cast<size_t>(item.iItem)];
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
    Row& row = rows_[static_cast<size_t>(index)];
    const UINT old = row.state;
    const UINT updated = (old & ~mask) | (state & mask);
    if (updated == old) return true;
    const HWND self = m_hWnd;
    NMLISTVIEW change;
    change.iItem = index;
    change.uNewState = updated;
    change.uOldState = old;
    change.uChanged = LVIF_STATE;
    change.ptAction = action;
    change.lParam = row.data;
    if (SendNotify(*this, change.hdr, LVN_ITEMCHANGING)) return false;
    if (!IsWindow(self) || !ValidRow(index)) return false;
    // Only one row holds the focus; one selection at most in single-selection lists.
    if (updated & ~old & LVIS_FOCUSED)
        for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
            if (i != index && (rows_[static_cast<size_t>(i)].state & LVIS_FOCUSED))
                ChangeState(i, 0, LVIS_FOCUSED);
    if ((updated & ~old & LVIS_SELECTED) && (GetStyle() & LVS_SINGLESEL))
        for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
            if (i != index && (rows_[static_cast<size_t>(i)].state & LVIS_SELECTED))
                ChangeState(i, 0, LVIS_SELECTED);
    if (!IsWindow(self) || !ValidRow(index)) return false;
    rows_[static_cast<size_t>(index)].state = updated;
    Invalidate();
    SendNotify(*this, change.hdr, LVN_ITEMCHANGED);
    return true;
}

void CListCtrl::DeleteRow(int index) {
    rows_.erase(rows_.begin() + index);
    if (index < scroll_.top) --scroll_.top;
    Invalidate();
}

void CListCtrl::EnsureRowVisible(int index) {
    if (!ValidRow(index)) return;
    const Layout layout = ComputeLayout();
    if (index < scroll_.top) scroll_.top = index;
    if (index >= scroll_.top + layout.page) scroll_.top = index - layout.page + 1;
    Invalidate();
}

void CListCtrl::ChooseRow(int index, CPoint action) {
    const HWND self = m_hWnd;
    for (int i = 0; i < static_cast<int>(rows_.size()) && IsWindow(self); ++i)
        if (i != index && (rows_[static_cast<size_t>(i)].state & LVIS_SELECTED))
            ChangeState(i, 0, LVIS_SELECTED, action);
    if (IsWindow(self) && ValidRow(index)) {
        ChangeState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, action);
        EnsureRowVisible(index);
    }
}

// ---- input

void CListCtrl::OnTap(UINT message, CPoint point) {
    const HWND self = m_hWnd;
    SetFocus();
    if (!IsWindow(self)) return;
    const Layout layout = ComputeLayout();
    if (scroll_.Tap(layout, point)) {
        if (scroll_.HoldsThumb()) SetCapture();
        Invalidate();
        return;
    }
    if (!layout.rows.PtInRect(point)) return;
    press_ = Hit(point);
    ChooseRow(press_.iItem, point);
    if (!IsWindow(self)) return;
    if (message == WM_LBUTTONDBLCLK) {
        NMITEMACTIVATE activate;
        activate.iItem = press_.iItem;
        activate.iSubItem = press_.iSubItem;
        activate.ptAction = point;
        SendNotify(*this, activate.hdr, NM_DBLCLK);
        return;
    }
    pressed_ = true;
}

void CListCtrl::OnKey(UINT key) {
    const HWND self = m_hWnd;
    NMLVKEYDOWN down;
    down.wVKey = static_cast<WORD>(key);
    SendNotify(*this, down.hdr, LVN_KEYDOWN);
    if (!IsWindow(self) || rows_.empty()) return;
    const int last = static_cast<int>(rows_.size()) - 1;
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
            scroll_.x += key == VK_LEFT ? -kHorizontalScrollStep : kHorizontalScrollStep;
            ComputeLayout();
            Invalidate();
            break;
    }
}

LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
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
        case LVM_INSERTCOLUMN: {
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
            const int at = std::clamp(index, 0, static_cast<int>(columns_.size()));
            columns_.insert(columns_.begin() + at, column);
            for (Row& row : rows_)
                if (static_cast<size_t>(at) <= row.texts.size())
                    row.texts.insert(row.texts.begin() + at, CString());
            Invalidate();
            return at;
        }
        case LVM_DELETECOLUMN:
            if (index < 0 || index >= static_cast<int>(columns_.size())) return FALSE;
            columns_.erase(columns_.begin() + index);
            for (Row& row : rows_)
                if (static_cast<size_t>(index) < row.texts.size()) row.texts.erase(row.texts.begin() + index);
            Invalidate();
            return TRUE;
        case LVM_GETCOLUMNWIDTH:
            return index >= 0 && index < static_cast<int>(columns_.size())
                       ? columns_[static_cast<size_t>(index)].width
                       : 0;
        case LVM_SETCOLUMNWIDTH:
            if (index < 0 || index >= static_cast<int>(columns_.size())) return FALSE;
            columns_[static_cast<size_t>(index)].width = std::max(0, static_cast<int>(lParam));
            Invalidate();
            return TRUE;
        case LVM_GETCOLUMN:
        case LVM_SETCOLUMN: {
            auto* info = reinterpret_cast<LVCOLUMN*>(lParam);
            if (!info || index < 0 || index >= static_cast<int>(columns_.size())) return FALSE;
            Column& column = columns_[static_cast<size_t>(index)];
            if (message == LVM_GETCOLUMN) {
                if (info->mask & LVCF_FMT) info->fmt = column.fmt;
                if (info->mask & LVCF_WIDTH) info->cx = column.width;
                if (info->mask & LVCF_TEXT) CopyText(column.text, info->pszText, info->cchTextMax);
                if (info->mask & LVCF_SUBITEM) info->iSubItem = index;
            } else {
                if (info->mask & LVCF_FMT) column.fmt = info->fmt;
                if (info->mask & LVCF_WIDTH) column.width = std::max(0, info->cx);
                if (info->mask & LVCF_TEXT) column.text = info->pszText ? info->pszText : L"";
                Invalidate();
            }
            return TRUE;
        }
        case LVM_INSERTITEM:
            return lParam ? DoInsertItem(*reinterpret_cast<const LVITEM*>(lParam)) : -1;
        case LVM_SETITEM:
            return lParam && DoSetItem(*reinterpret_cast<const LVITEM*>(lParam));
        case LVM_GETITEM:
            return lParam && DoGetItem(*reinterpret_cast<LVITEM*>(lParam));
        case LVM_SETITEMTEXT: {
            auto* item = reinterpret_cast<LVITEM*>(lParam);
            if (!item) return FALSE;
            LVITEM text = *item;
            text.mask = LVIF_TEXT;
            text.iItem = index;
            return DoSetItem(text);
        }
        case LVM_GETITEMTEXT: {
            auto* item = reinterpret_cast<LVITEM*>(lParam);
            if (!item || !ValidRow(index) || item->iSubItem < 0) return 0;
            const Row& row = rows_[static_cast<size_t>(index)];
            const size_t sub = static_cast<size_t>(item->iSubItem);
            return CopyText(sub < row.texts.size() ? row.texts[sub] : CString(), item->pszText,
                            item->cchTextMax);
        }
        case LVM_SETITEMSTATE: {
            auto* item = reinterpret_cast<LVITEM*>(lParam);
            if (!item) return FALSE;
            if (index != -1) return ChangeState(index, item->state, item->stateMask);
            const HWND self = m_hWnd;
            for (int i = 0; i < static_cast<int>(rows_.size()) && IsWindow(self); ++i)
                ChangeState(i, item->state, item->stateMask);
            return TRUE;
        }
        case LVM_GETITEMSTATE:
            return ValidRow(index) ? rows_[static_cast<size_t>(index)].state & static_cast<UINT>(lParam) : 0;
        case LVM_DELETEITEM:
            if (!ValidRow(index)) return FALSE;
            DeleteRow(index);
            return TRUE;
        case LVM_DELETEALLITEMS:
            rows_.clear();
            scroll_.top = 0;
            Invalidate();
            return TRUE;
        case LVM_GETITEMCOUNT:
            return static_cast<LRESULT>(rows_.size());
        case LVM_GETNEXTITEM: {
            const UINT flags = static_cast<UINT>(lParam);
            const UINT wanted =
                (flags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (flags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
            const int step = (flags & LVNI_ABOVE) ? -1 : 1;
            for (int i = index + step; i >= 0 && i < static_cast<int>(rows_.size()); i += step)
                if ((rows_[static_cast<size_t>(i)].state & wanted) == wanted) return i;
            return -1;
        }
        case LVM_GETSELECTEDCOUNT:
            return std::count_if(rows_.begin(), rows_.end(),
                                 [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; });
        case LVM_ENSUREVISIBLE:
            if (!ValidRow(index)) return FALSE;
            EnsureRowVisible(index);
            return TRUE;
        case LVM_GETTOPINDEX:
            ComputeLayout();
            return scroll_.top;
        case LVM_GETCOUNTPERPAGE:
            return ComputeLayout().page;
        case LVM_SCROLL: {
            const Layout layout = ComputeLayout();
            scroll_.x += static_cast<int>(static_cast<intptr_t>(wParam));
            scroll_.top += static_cast<int>(lParam) / layout.rowHeight;
            ComputeLayout();
            Invalidate();
            return TRUE;
        }
        case LVM_GETITEMRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (!rect || !ValidRow(index)) return FALSE;
            const UINT code = static_cast<UINT>(rect->left);
            const Layout layout = ComputeLayout();
            CRect r = RowRect(layout, index);
            const int iconWidth = images_[LVSIL_SMALL] ? images_[LVSIL_SMALL]->GetImageSize().cx + 2 : 0;
            const int firstWidth = columns_.empty() ? r.Width() : columns_[0].width;
            if (code == LVIR_ICON) r.right = r.left + iconWidth;
            if (code == LVIR_LABEL) {
                r.left += iconWidth;
                r.right = r.left - iconWidth + firstWidth;
            }
            *rect = r;
            return TRUE;
        }
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST: {
            auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
            if (!info) return -1;
            const LVHITTESTINFO hit = Hit(info->pt);
            info->flags = hit.flags;
            info->iItem = hit.iItem;
            info->iSubItem = message == LVM_SUBITEMHITTEST ? hit.iSubItem : 0;
            return hit.iItem;
        }
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            const DWORD old = extendedStyle_;
            const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
            extendedStyle_ = (extendedStyle_ & ~mask) | (static_cast<DWORD>(lParam) & mask);
            Invalidate();
            return old;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            return extendedStyle_;
        case LVM_SETIMAGELIST: {
            if (index < 0 || index > 2) return 0;
            CImageList* old = images_[index];
            images_[index] = reinterpret_cast<CImageList*>(lParam);
            Invalidate();
            return reinterpret_cast<LRESULT>(old);
        }
        case LVM_GETIMAGELIST:
            return index >= 0 && index <= 2 ? reinterpret_cast<LRESULT>(images_[index]) : 0;
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
                NMITEMACTIVATE click;
                click.iItem = press_.iItem;
                click.iSubItem = press_.iSubItem;
                click.ptAction = press_.pt;
                SendNotify(*this, click.hdr, NM_CLICK);
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

void CListCtrl::Paint(CDC& dc) {
    if (!redraw_) return;
    CRect client;
    GetClientRect(&client);
    DrawControlBorder(*this, dc, client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const Layout layout = ComputeLayout();
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    if (!layout.header.IsRectEmpty()) PaintHeader(dc, layout);
    const int count = static_cast<int>(rows_.size());
    scroll_.Draw(dc, layout);
    dc.IntersectClipRect(&layout.rows);
    for (int i = scroll_.top; i < count && i < scroll_.top + layout.page + 1; ++i) PaintRow(dc, layout, i);
    dc.SelectObject(old);
}

void CListCtrl::PaintHeader(CDC& dc, const Layout& layout) {
    dc.FillSolidRect(&layout.header, GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    int x = layout.header.left - scroll_.x;
    for (const Column& column : columns_) {
        CRect cell(x, layout.header.top, x + column.width, layout.header.bottom);
        x += column.width;
        if (cell.right <= layout.header.left || cell.left >= layout.header.right || column.width <= 0)
            continue;
        dc.Draw3dRect(&cell, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        CRect text = cell;
        text.DeflateRect(kCellPadding, 0);
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
    const Row& row = rows_[static_cast<size_t>(index)];
    const CRect bounds = RowRect(layout, index);
    const CImageList* images = images_[LVSIL_SMALL];
    const int iconWidth = images ? images->GetImageSize().cx + 2 : 0;
    const bool showSelection = (row.state & LVIS_SELECTED) && (focused_ || (GetStyle() & LVS_SHOWSELALWAYS));
    COLORREF selectedInk = 0;
    COLORREF selectedBack = 0;
    SelectionColors(focused_, selectedInk, selectedBack);
    const COLORREF ink = IsWindowEnabled() ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    const bool fullRow = (extendedStyle_ & LVS_EX_FULLROWSELECT) != 0;
    if (showSelection && fullRow) dc.FillSolidRect(&bounds, selectedBack);

    int x = bounds.left;
    for (size_t c = 0; c < std::max<size_t>(columns_.size(), 1); ++c) {
        const int width = columns_.empty() ? bounds.Width() : columns_[c].width;
        CRect cell(x, bounds.top, x + width, bounds.bottom);
        x += width;
        if (cell.right <= layout.rows.left || cell.left >= layout.rows.right) continue;
        CRect text = cell;
        if (c == 0 && images) {
            images->Draw(&dc, row.image,
                         CPoint(cell.left + 2, cell.top + (cell.Height() - images->GetImageSize().cy) / 2));
            text.left += iconWidth;
        }
        bool selectedCell = showSelection && fullRow;
        if (showSelection && !fullRow && c == 0) {
            dc.FillSolidRect(&text, selectedBack);
            selectedCell = true;
        }
        dc.SetTextColor(selectedCell ? selectedInk : ink);
        text.DeflateRect(kCellPadding, 0);
        const CString& value = c < row.texts.size() ? row.texts[c] : CString();
        const int fmt = columns_.empty() ? LVCFMT_LEFT : columns_[c].fmt;
        dc.DrawText(value, &text,
                    AlignmentOf(fmt) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (extendedStyle_ & LVS_EX_GRIDLINES) {
            CBrush grid(GetSysColor(COLOR_BTNFACE));
            dc.FrameRect(&cell, &grid);
        }
    }
    if (focused_ && (row.state & LVIS_FOCUSED)) {
        CRect focus = bounds;
        if (!fullRow) focus.right = focus.left + (columns_.empty() ? bounds.Width() : columns_[0].width);
        dc.DrawFocusRect(&focus);
    }
}
