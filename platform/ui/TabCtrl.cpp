#include "platform/ui/TabCtrl.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kTabPadding = 6;
constexpr int kRowLeft = 2;
constexpr int kRowTop = 2;
}  // namespace

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_TABCONTROL, L"", style | WS_CHILD, rect, parent, id);
}

void CTabCtrl::AdoptControlState(CWnd& previous) {
    if (auto* tab = dynamic_cast<CTabCtrl*>(&previous)) {
        tabs_ = tab->tabs_;
        selected_ = tab->selected_;
        focusTab_ = tab->focusTab_;
        images_ = tab->images_;
        focused_ = tab->focused_;
    }
}

LONG CTabCtrl::InsertItem(int index, const wchar_t* text) {
    return InsertItem(TCIF_TEXT, index, text, -1, 0);
}

LONG CTabCtrl::InsertItem(int index, const wchar_t* text, int image) {
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, index, text, image, 0);
}

LONG CTabCtrl::InsertItem(UINT mask, int index, const wchar_t* text, int image, LPARAM lParam) {
    TCITEM item;
    item.mask = mask;
    item.pszText = const_cast<wchar_t*>(text ? text : L"");
    item.iImage = image;
    item.lParam = lParam;
    return InsertItem(index, &item);
}

int CTabCtrl::TabHeight() {
    const int imageHeight = images_ ? images_->GetImageSize().cy + 2 : 0;
    return std::max(RowHeight(*this), imageHeight) + 4;
}

std::vector<CRect> CTabCtrl::TabRects() {
    CRect client;
    GetClientRect(&client);
    CDC dc;
    dc.SelectObject(GetFont());
    std::vector<int> widths;
    int total = 0;
    for (const Tab& tab : tabs_) {
        int width = dc.GetTextExtent(tab.text).cx + 2 * kTabPadding;
        if (images_ && tab.image >= 0) width += images_->GetImageSize().cx + 2;
        widths.push_back(width);
        total += width;
    }
    const int room = client.Width() - 2 * kRowLeft;
    std::vector<CRect> rects;
    int x = kRowLeft;
    for (size_t i = 0; i < widths.size(); ++i) {
        int width = widths[i];
        if (total > room && total > 0) {
            // Shrink in proportion; the last tab takes what rounding left over.
            width = i + 1 == widths.size() ? kRowLeft + room - x : widths[i] * room / total;
        }
        rects.emplace_back(x, kRowTop, x + width, kRowTop + TabHeight());
        x += width;
    }
    return rects;
}

void CTabCtrl::Choose(int index) {
    if (!Valid(index) || index == selected_) return;
    const HWND self = m_hWnd;
    NMHDR header;
    if (SendNotify(*this, header, TCN_SELCHANGING) || !IsWindow(self)) return;
    selected_ = index;
    focusTab_ = index;
    Invalidate();
    SendNotify(*this, header, TCN_SELCHANGE);
}

LRESULT CTabCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
            return DLGC_WANTARROWS;
        case TCM_INSERTITEM: {
            const auto* item = reinterpret_cast<const TCITEM*>(lParam);
            if (!item || index < 0) return -1;
            Tab tab;
            if (item->mask & TCIF_TEXT) tab.text = item->pszText ? item->pszText : L"";
            if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
            if (item->mask & TCIF_PARAM) tab.data = item->lParam;
            const int at = std::min(index, static_cast<int>(tabs_.size()));
            tabs_.insert(tabs_.begin() + at, tab);
            if (selected_ < 0)
                selected_ = focusTab_ = 0;
            else if (selected_ >= at)
                ++selected_, focusTab_ = selected_;
            Invalidate();
            return at;
        }
        case TCM_DELETEITEM:
            if (!Valid(index)) return FALSE;
            tabs_.erase(tabs_.begin() + index);
            if (selected_ == index)
                selected_ = -1;
            else if (selected_ > index)
                --selected_;
            focusTab_ = selected_;
            Invalidate();
            return TRUE;
        case TCM_DELETEALLITEMS:
            tabs_.clear();
            selected_ = focusTab_ = -1;
            Invalidate();
            return TRUE;
        case TCM_GETITEM:
        case TCM_SETITEM: {
            auto* item = reinterpret_cast<TCITEM*>(lParam);
            if (!item || !Valid(index)) return FALSE;
            Tab& tab = tabs_[static_cast<size_t>(index)];
            if (message == TCM_GETITEM) {
                if (item->mask & TCIF_TEXT) CopyText(tab.text, item->pszText, item->cchTextMax);
                if (item->mask & TCIF_IMAGE) item->iImage = tab.image;
                if (item->mask & TCIF_PARAM) item->lParam = tab.data;
            } else {
                if (item->mask & TCIF_TEXT) tab.text = item->pszText ? item->pszText : L"";
                if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
                if (item->mask & TCIF_PARAM) tab.data = item->lParam;
                Invalidate();
            }
            return TRUE;
        }
        case TCM_GETITEMCOUNT:
            return static_cast<LRESULT>(tabs_.size());
        case TCM_GETITEMRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (!rect || !Valid(index)) return FALSE;
            *rect = TabRects()[static_cast<size_t>(index)];
            return TRUE;
        }
        case TCM_GETCURSEL:
            return selected_;
        case TCM_SETCURSEL: {
            if (!Valid(index)) return -1;
            const int previous = selected_;
            selected_ = focusTab_ = index;
            Invalidate();
            return previous;
        }
        case TCM_GETCURFOCUS:
            return focusTab_;
        case TCM_SETCURFOCUS:
            if (Valid(index)) {
                if (index != selected_)
                    Choose(index);
                else
                    focusTab_ = index;
            }
            return 0;
        case TCM_HITTEST: {
            auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
            if (!info) return -1;
            const std::vector<CRect> rects = TabRects();
            for (size_t i = 0; i < rects.size(); ++i)
                if (rects[i].PtInRect(info->pt)) {
                    info->flags = TCHT_ONITEM;
                    return static_cast<LRESULT>(i);
                }
            info->flags = TCHT_NOWHERE;
            return -1;
        }
        case TCM_ADJUSTRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (!rect) return 0;
            const int top = kRowTop + TabHeight();
            if (wParam) {
                rect->left -= 2;
                rect->right += 2;
                rect->bottom += 2;
                rect->top -= top + 2;
            } else {
                rect->left += 2;
                rect->right -= 2;
                rect->bottom -= 2;
                rect->top += top + 2;
            }
            return 0;
        }
        case TCM_SETIMAGELIST: {
            CImageList* old = images_;
            images_ = reinterpret_cast<CImageList*>(lParam);
            Invalidate();
            return reinterpret_cast<LRESULT>(old);
        }
        case TCM_GETIMAGELIST:
            return reinterpret_cast<LRESULT>(images_);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const HWND self = m_hWnd;
            SetFocus();
            if (!IsWindow(self)) return 0;
            TCHITTESTINFO hit;
            hit.pt = CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            Choose(HitTest(&hit));
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_LEFT || wParam == VK_RIGHT) {
                const int next = selected_ + (wParam == VK_LEFT ? -1 : 1);
                Choose(std::clamp(next, 0, static_cast<int>(tabs_.size()) - 1));
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focused_ = message == WM_SETFOCUS;
            Invalidate();
            return 0;
        case WM_ENABLE:
            Invalidate();
            return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CTabCtrl::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const std::vector<CRect> rects = TabRects();
    const int bodyTop = kRowTop + TabHeight();
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    // The page frame, raised.
    CRect body(client.left, bodyTop, client.right, client.bottom);
    dc.Draw3dRect(&body, light, dark);
    body.DeflateRect(1, 1);
    dc.Draw3dRect(&body, GetSysColor(COLOR_3DLIGHT), shadow);

    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    for (size_t i = 0; i < rects.size(); ++i) {
        const bool isSelected = static_cast<int>(i) == selected_;
        CRect tab = rects[i];
        if (isSelected)
            tab.InflateRect(2, 2, 2, 1);
        else
            tab.top += 1;
        dc.FillSolidRect(tab.left, tab.top, tab.Width(), tab.Height() + (isSelected ? 1 : 0),
                         GetSysColor(COLOR_BTNFACE));
        // Left and top in light, right in shadow; the selected tab opens into the page.
        dc.FillSolidRect(tab.left, tab.top + 2, 1, tab.Height() - 2 + (isSelected ? 1 : 0), light);
        dc.FillSolidRect(tab.left + 2, tab.top, tab.Width() - 4, 1, light);
        dc.SetPixel(tab.left + 1, tab.top + 1, light);
        dc.FillSolidRect(tab.right - 1, tab.top + 2, 1, tab.Height() - 2, dark);
        dc.FillSolidRect(tab.right - 2, tab.top + 1, 1, tab.Height() - 1, shadow);
        CRect text = tab;
        text.top += 1;
        const Tab& item = tabs_[i];
        if (images_ && item.image >= 0) {
            const CSize size = images_->GetImageSize();
            images_->Draw(&dc, item.image,
                          CPoint(text.left + kTabPadding / 2, text.top + (text.Height() - size.cy) / 2));
            text.left += size.cx + 2;
        }
        dc.DrawText(item.text, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (isSelected && focused_) {
            CRect focus = tab;
            focus.DeflateRect(3, 3, 3, 2);
            dc.DrawFocusRect(&focus);
        }
    }
    dc.SelectObject(old);
}
