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
    if (auto* tab = dynamic_cast<CTabCtrl*>(&previous)) state_ = tab->state_;
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
    const int imageHeight = state_.images ? state_.images->GetImageSize().cy + 2 : 0;
    return std::max(RowHeight(*this), imageHeight) + 4;
}

std::vector<CRect> CTabCtrl::TabRects() {
    CRect client;
    GetClientRect(&client);
    CDC dc;
    dc.SelectObject(GetFont());
    std::vector<int> widths;
    int total = 0;
    for (const Tab& tab : state_.tabs) {
        int width = dc.GetTextExtent(tab.text).cx + 2 * kTabPadding;
        if (state_.images && tab.image >= 0) width += state_.images->GetImageSize().cx + 2;
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
    if (!Valid(index) || index == state_.selected) return;
    const HWND self = m_hWnd;
    NMHDR header;
    if (SendNotify(*this, header, TCN_SELCHANGING) || !IsWindow(self)) return;
    state_.selected = index;
    state_.focusTab = index;
    Invalidate();
    SendNotify(*this, header, TCN_SELCHANGE);
}

LRESULT CTabCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CTabCtrl> kRoutes[] = {
        {WM_PAINT, &CTabCtrl::OnPaint},
        {WM_ERASEBKGND, &CTabCtrl::OnEraseBackground},
        {WM_GETDLGCODE, &CTabCtrl::OnGetDlgCode},
        {TCM_INSERTITEM, &CTabCtrl::OnInsertItem},
        {TCM_DELETEITEM, &CTabCtrl::OnDeleteItem},
        {TCM_DELETEALLITEMS, &CTabCtrl::OnDeleteAllItems},
        {TCM_GETITEM, &CTabCtrl::OnGetItem},
        {TCM_SETITEM, &CTabCtrl::OnSetItem},
        {TCM_GETITEMCOUNT, &CTabCtrl::OnGetItemCount},
        {TCM_GETITEMRECT, &CTabCtrl::OnGetItemRect},
        {TCM_GETCURSEL, &CTabCtrl::OnGetCurSel},
        {TCM_SETCURSEL, &CTabCtrl::OnSetCurSel},
        {TCM_GETCURFOCUS, &CTabCtrl::OnGetCurFocus},
        {TCM_SETCURFOCUS, &CTabCtrl::OnSetCurFocus},
        {TCM_HITTEST, &CTabCtrl::OnHitTest},
        {TCM_ADJUSTRECT, &CTabCtrl::OnAdjustRect},
        {TCM_SETIMAGELIST, &CTabCtrl::OnSetImageList},
        {TCM_GETIMAGELIST, &CTabCtrl::OnGetImageList},
        {WM_LBUTTONDOWN, &CTabCtrl::OnTap},
        {WM_LBUTTONDBLCLK, &CTabCtrl::OnTap},
        {WM_KEYDOWN, &CTabCtrl::OnKeyDown},
        {WM_SETFOCUS, &CTabCtrl::OnSetFocus},
        {WM_KILLFOCUS, &CTabCtrl::OnKillFocus},
        {WM_ENABLE, &CTabCtrl::OnEnable},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CTabCtrl::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CTabCtrl::OnInsertItem(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const auto* item = reinterpret_cast<const TCITEM*>(lParam);
    if (!item || index < 0) return -1;
    Tab tab;
    if (item->mask & TCIF_TEXT) tab.text = item->pszText ? item->pszText : L"";
    if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
    if (item->mask & TCIF_PARAM) tab.data = item->lParam;
    const int at = std::min(index, static_cast<int>(state_.tabs.size()));
    state_.tabs.insert(state_.tabs.begin() + at, tab);
    if (state_.selected < 0)
        state_.selected = state_.focusTab = 0;
    else if (state_.selected >= at)
        ++state_.selected, state_.focusTab = state_.selected;
    Invalidate();
    return at;
}

LRESULT CTabCtrl::OnDeleteItem(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) return FALSE;
    state_.tabs.erase(state_.tabs.begin() + index);
    if (state_.selected == index)
        state_.selected = -1;
    else if (state_.selected > index)
        --state_.selected;
    state_.focusTab = state_.selected;
    Invalidate();
    return TRUE;
}

LRESULT CTabCtrl::OnDeleteAllItems(WPARAM, LPARAM) {
    state_.tabs.clear();
    state_.selected = state_.focusTab = -1;
    Invalidate();
    return TRUE;
}

LRESULT CTabCtrl::OnGetItem(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    auto* item = reinterpret_cast<TCITEM*>(lParam);
    if (!item || !Valid(index)) return FALSE;
    const Tab& tab = state_.tabs[static_cast<size_t>(index)];
    if (item->mask & TCIF_TEXT) CopyText(tab.text, item->pszText, item->cchTextMax);
    if (item->mask & TCIF_IMAGE) item->iImage = tab.image;
    if (item->mask & TCIF_PARAM) item->lParam = tab.data;
    return TRUE;
}

LRESULT CTabCtrl::OnSetItem(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const auto* item = reinterpret_cast<const TCITEM*>(lParam);
    if (!item || !Valid(index)) return FALSE;
    Tab& tab = state_.tabs[static_cast<size_t>(index)];
    if (item->mask & TCIF_TEXT) tab.text = item->pszText ? item->pszText : L"";
    if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
    if (item->mask & TCIF_PARAM) tab.data = item->lParam;
    Invalidate();
    return TRUE;
}

LRESULT CTabCtrl::OnGetItemRect(WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect || !Valid(index)) return FALSE;
    *rect = TabRects()[static_cast<size_t>(index)];
    return TRUE;
}

LRESULT CTabCtrl::OnSetCurSel(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) return -1;
    const int previous = state_.selected;
    state_.selected = state_.focusTab = index;
    Invalidate();
    return previous;
}

LRESULT CTabCtrl::OnSetCurFocus(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    if (!Valid(index)) return 0;
    if (index != state_.selected)
        Choose(index);
    else
        state_.focusTab = index;
    return 0;
}

LRESULT CTabCtrl::OnHitTest(WPARAM, LPARAM lParam) {
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

LRESULT CTabCtrl::OnAdjustRect(WPARAM wParam, LPARAM lParam) {
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect) return 0;
    // The frame is two pixels wide; the row of tabs stands above the page.
    const int grow = wParam ? 1 : -1;
    rect->left -= 2 * grow;
    rect->right += 2 * grow;
    rect->bottom += 2 * grow;
    rect->top -= (kRowTop + TabHeight() + 2) * grow;
    return 0;
}

LRESULT CTabCtrl::OnSetImageList(WPARAM, LPARAM lParam) {
    CImageList* old = state_.images;
    state_.images = reinterpret_cast<CImageList*>(lParam);
    Invalidate();
    return reinterpret_cast<LRESULT>(old);
}

LRESULT CTabCtrl::OnTap(WPARAM, LPARAM lParam) {
    const HWND self = m_hWnd;
    SetFocus();
    if (!IsWindow(self)) return 0;
    TCHITTESTINFO hit;
    hit.pt = CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    Choose(HitTest(&hit));
    return 0;
}

LRESULT CTabCtrl::OnKeyDown(WPARAM wParam, LPARAM) {
    if (wParam == VK_LEFT || wParam == VK_RIGHT) {
        const int next = state_.selected + (wParam == VK_LEFT ? -1 : 1);
        Choose(std::clamp(next, 0, static_cast<int>(state_.tabs.size()) - 1));
    }
    return 0;
}

LRESULT CTabCtrl::ChangeFocus(bool focused) {
    state_.focused = focused;
    Invalidate();
    return 0;
}

LRESULT CTabCtrl::OnEnable(WPARAM, LPARAM) {
    Invalidate();
    return 0;
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
        const bool isSelected = static_cast<int>(i) == state_.selected;
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
        const Tab& item = state_.tabs[i];
        if (state_.images && item.image >= 0) {
            const CSize size = state_.images->GetImageSize();
            state_.images->Draw(
                &dc, item.image,
                CPoint(text.left + kTabPadding / 2, text.top + (text.Height() - size.cy) / 2));
            text.left += size.cx + 2;
        }
        dc.DrawText(item.text, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (isSelected && state_.focused) {
            CRect focus = tab;
            focus.DeflateRect(3, 3, 3, 2);
            dc.DrawFocusRect(&focus);
        }
    }
    dc.SelectObject(old);
}
