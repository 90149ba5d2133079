#include "platform/ui/CommandBar.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kBarHeight = kCaptionHeight;
constexpr int kTitlePadding = 6;
constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr int kCheckWidth = 16;
constexpr int kArrowWidth = 14;

int TextWidth(CWnd& wnd, const CString& text) {
    CClientDC dc(&wnd);
    CFont* old = dc.SelectObject(wnd.GetFont());
    const int width = dc.GetTextExtent(text).cx;
    dc.SelectObject(old);
    return width;
}
}  // namespace

CRect PopupPlace(const CRect& opener, bool beside, CSize size, const CRect& screen) {
    CPoint at(opener.left, opener.bottom);
    if (beside) {
        at = CPoint(opener.right, opener.top);
        // Where the right has no room, to the left of the opener, so that the parent stays readable.
        if (at.x + size.cx > screen.right && opener.left - size.cx >= screen.left)
            at.x = opener.left - size.cx;
    }
    // Keep it on the screen.
    if (at.x + size.cx > screen.right) at.x = std::max(screen.left, screen.right - size.cx);
    if (at.y + size.cy > screen.bottom) at.y = std::max(screen.top, screen.bottom - size.cy);
    return CRect(at, size);
}

// ---- the bar

CCommandBar::CCommandBar() = default;

CCommandBar::~CCommandBar() {
    CloseMenus();
    if (m_hWnd) DestroyWindow();
}

BOOL CCommandBar::Create(CWnd* frame, DWORD style, UINT id) {
    if (!frame) return FALSE;
    CRect client;
    frame->GetClientRect(&client);
    return CWnd::Create(L"CommandBar", L"", style | WS_CHILD | WS_VISIBLE,
                        CRect(0, 0, client.Width(), kBarHeight), frame, id);
}

BOOL CCommandBar::InsertMenuBar(UINT menuId) {
    if (!menu_.LoadMenu(menuId)) return FALSE;
    Invalidate();
    return TRUE;
}

BOOL CCommandBar::AddAdornments(DWORD) {
    adornments_ = true;
    Invalidate();
    return TRUE;
}

int CCommandBar::GetHeight() const {
    return kBarHeight;
}

CRect CCommandBar::CloseBoxRect() const {
    CRect client;
    GetClientRect(&client);
    return CRect(client.right - kBarHeight, 0, client.right, kBarHeight);
}

CRect CCommandBar::TitleRect(int index) const {
    int left = 0;
    for (int i = 0; i < static_cast<int>(menu_.GetMenuItemCount()); ++i) {
        const int width = TextWidth(*const_cast<CCommandBar*>(this), MenuDisplayText(menu_.Items()[i].text)) +
                          2 * kTitlePadding;
        if (i == index) {
            CRect r(left, 0, left + width, kBarHeight);
            ClientToScreen(&r);
            return r;
        }
        left += width;
    }
    return CRect();
}

int CCommandBar::TitleAt(CPoint client) const {
    CPoint screen = client;
    ClientToScreen(&screen);
    for (int i = 0; i < static_cast<int>(menu_.GetMenuItemCount()); ++i)
        if (TitleRect(i).PtInRect(screen)) return i;
    return -1;
}

CPopupMenuWnd* CCommandBar::OpenPopup(size_t depth) const {
    return depth < popups_.size() ? popups_[depth].get() : nullptr;
}

void CCommandBar::CloseMenus() {
    while (!popups_.empty()) {
        popups_.back()->DestroyWindow();
        popups_.pop_back();
    }
    if (openTitle_ >= 0 && m_hWnd) Invalidate();
    openTitle_ = -1;
    CDesktop::Get().mouseDownFilter = nullptr;
    CDesktop::Get().keyFilter = nullptr;
}

void CCommandBar::OpenTitle(int index) {
    CloseMenus();
    CMenu* popup = menu_.GetSubMenu(index);
    if (!popup) {
        const UINT id = menu_.GetMenuItemID(index);
        if (id && id != kMenuError && !(menu_.GetMenuState(index, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)))
            ChooseCommand(id);
        return;
    }
    openTitle_ = index;
    Invalidate();
    const CRect title = TitleRect(index);
    OpenCascade(0, popup, title);
    // A tap outside the bar and its popups closes them and goes no further.
    CDesktop::Get().mouseDownFilter = [this](CWnd* target) {
        if (target == this) return false;
        for (auto& p : popups_)
            if (target == p.get()) return false;
        CloseMenus();
        return true;
    };
    CDesktop::Get().keyFilter = [this](UINT message, UINT key) { return OnMenuKey(message, key); };
}

bool CCommandBar::OnMenuKey(UINT message, UINT key) {
    if (message != WM_KEYDOWN || popups_.empty()) return true;
    if (key == VK_ESCAPE) {
        if (popups_.size() == 1) {
            CloseMenus();
        } else {
            popups_.back()->DestroyWindow();
            popups_.pop_back();
        }
    } else if (key >= '1' && key <= '9') {
        popups_.back()->ChooseDigit(static_cast<wchar_t>(key));
    }
    return true;
}

void CCommandBar::OpenCascade(size_t depth, CMenu* menu, const CRect& opener) {
    while (popups_.size() > depth) {
        popups_.back()->DestroyWindow();
        popups_.pop_back();
    }
    auto popup = std::make_unique<CPopupMenuWnd>(*this, *menu, depth);
    if (popup->Open(opener)) popups_.push_back(std::move(popup));
}

void CCommandBar::ChooseCommand(UINT id) {
    CloseMenus();
    if (CWnd* frame = GetParent()) frame->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
}

LRESULT CCommandBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CCommandBar> kRoutes[] = {
        {WM_QZ_COMMANDBAR_HEIGHT, &CCommandBar::OnGetHeight},
        {WM_PAINT, &CCommandBar::OnPaint},
        {WM_ERASEBKGND, &CCommandBar::OnEraseBackground},
        {WM_LBUTTONDOWN, &CCommandBar::OnTap},
        {WM_DESTROY, &CCommandBar::OnDestroy},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CCommandBar::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

// The close box asks the frame to close; a title opens its popup, or closes it when it is open.
LRESULT CCommandBar::OnTap(WPARAM, LPARAM lParam) {
    const CPoint at(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (adornments_ && CloseBoxRect().PtInRect(at)) {
        CloseMenus();
        if (CWnd* frame = GetParent()) frame->PostMessage(WM_CLOSE);
        return 0;
    }
    const int title = TitleAt(at);
    if (title >= 0 && title == openTitle_)
        CloseMenus();
    else if (title >= 0)
        OpenTitle(title);
    else
        CloseMenus();
    return 0;
}

LRESULT CCommandBar::OnDestroy(WPARAM, LPARAM) {
    CloseMenus();
    return 0;
}

void CCommandBar::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    dc.FillSolidRect(client.left, client.bottom - 1, client.Width(), 1, GetSysColor(COLOR_BTNSHADOW));
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < static_cast<int>(menu_.GetMenuItemCount()); ++i) {
        CRect title = TitleRect(i);
        ScreenToClient(&title);
        if (i == openTitle_)
            dc.Draw3dRect(&title, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        const bool grey = (menu_.GetMenuState(i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0;
        dc.SetTextColor(GetSysColor(grey ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
        dc.DrawText(MenuDisplayText(menu_.Items()[i].text), &title,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (adornments_) {
        const CRect box = CloseBoxRect();
        CPen pen(PS_SOLID, 2, GetSysColor(COLOR_BTNTEXT));
        CPen* oldPen = dc.SelectObject(&pen);
        dc.MoveTo(box.left + 8, box.top + 8);
        dc.LineTo(box.right - 8, box.bottom - 8);
        dc.MoveTo(box.right - 9, box.top + 8);
        dc.LineTo(box.left + 7, box.bottom - 8);
        dc.SelectObject(oldPen);
    }
    dc.SelectObject(old);
}

// ---- the popups

CPopupMenuWnd::CPopupMenuWnd(CCommandBar& bar, CMenu& menu, size_t depth)
    : bar_(bar), menu_(menu), depth_(depth) {}

BOOL CPopupMenuWnd::Open(const CRect& opener) {
    if (!CreateEx(0, L"Menu", L"", WS_POPUP | WS_BORDER, CRect(opener.TopLeft(), CSize(10, 10)), &bar_, 0))
        return FALSE;
    SetFont(bar_.GetFont(), FALSE);
    int width = 0, height = 0;
    for (const CMenu::Item& item : menu_.Items()) {
        height += (item.state & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
        width = std::max(width, TextWidth(*this, MenuDisplayText(item.text)));
    }
    width += kCheckWidth + kArrowWidth + 2;
    height += 2;
    const CRect at = PopupPlace(opener, depth_ > 0, CSize(width, height), CDesktop::Get().ScreenRect());
    SetWindowPos(nullptr, at.left, at.top, at.Width(), at.Height(), SWP_NOZORDER);
    ShowWindow(SW_SHOWNA);
    BringWindowToTop();
    return TRUE;
}

CRect CPopupMenuWnd::ItemClientRect(int index) const {
    CRect client;
    GetClientRect(&client);
    int top = 0;
    const auto& items = menu_.Items();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const int h = (items[i].state & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
        if (i == index) return CRect(0, top, client.right, top + h);
        top += h;
    }
    return CRect();
}

CRect CPopupMenuWnd::ItemRect(int index) const {
    CRect r = ItemClientRect(index);
    if (!r.IsRectEmpty()) ClientToScreen(&r);
    return r;
}

int CPopupMenuWnd::FindItem(const CString& displayText) const {
    const auto& items = menu_.Items();
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (!(items[i].state & MF_SEPARATOR) &&
            (MenuDisplayText(items[i].text) == MenuDisplayText(displayText)))
            return i;
    return -1;
}

void CPopupMenuWnd::ChooseDigit(wchar_t digit) {
    const auto& items = menu_.Items();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const CString& text = items[static_cast<size_t>(i)].text;
        if (text.GetLength() >= 2 && text[0] == L'&' && text[1] == digit) {
            Choose(i);
            return;
        }
    }
}

int CPopupMenuWnd::ItemAt(CPoint client) const {
    for (int i = 0; i < static_cast<int>(menu_.GetMenuItemCount()); ++i)
        if (ItemClientRect(i).PtInRect(client)) return i;
    return -1;
}

void CPopupMenuWnd::Choose(int index) {
    if (index < 0) return;
    const CMenu::Item& item = menu_.Items()[static_cast<size_t>(index)];
    if ((item.state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED))) return;
    if (item.popup) {
        // Beside the popup's frame, level with the item.
        CRect opener = ItemRect(index), frame;
        GetWindowRect(&frame);
        opener.left = frame.left;
        opener.right = frame.right;
        bar_.OpenCascade(depth_ + 1, item.popup.get(), opener);
        return;
    }
    bar_.ChooseCommand(item.id);
}

LRESULT CPopupMenuWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CPopupMenuWnd> kRoutes[] = {
        {WM_PAINT, &CPopupMenuWnd::OnPaint},         {WM_ERASEBKGND, &CPopupMenuWnd::OnEraseBackground},
        {WM_LBUTTONDOWN, &CPopupMenuWnd::OnPointAt}, {WM_MOUSEMOVE, &CPopupMenuWnd::OnPointAt},
        {WM_LBUTTONUP, &CPopupMenuWnd::OnButtonUp},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CPopupMenuWnd::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

// The stylus down or moving lights the item under it.
LRESULT CPopupMenuWnd::OnPointAt(WPARAM, LPARAM lParam) {
    const int at = ItemAt(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    if (at != highlighted_) {
        highlighted_ = at;
        Invalidate();
    }
    return 0;
}

LRESULT CPopupMenuWnd::OnButtonUp(WPARAM, LPARAM lParam) {
    Choose(ItemAt(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))));
    return 0;
}

void CPopupMenuWnd::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_MENU));
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    const auto& items = menu_.Items();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const CMenu::Item& item = items[static_cast<size_t>(i)];
        CRect r = ItemClientRect(i);
        if (item.state & MF_SEPARATOR) {
            const int y = r.top + r.Height() / 2;
            dc.FillSolidRect(r.left + 2, y, r.Width() - 4, 1, GetSysColor(COLOR_BTNSHADOW));
            dc.FillSolidRect(r.left + 2, y + 1, r.Width() - 4, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            continue;
        }
        const bool grey = (item.state & (MF_GRAYED | MF_DISABLED)) != 0;
        const bool lit = i == highlighted_ && !grey;
        if (lit) dc.FillSolidRect(&r, GetSysColor(COLOR_HIGHLIGHT));
        const COLORREF ink = GetSysColor(grey ? COLOR_GRAYTEXT : lit ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        dc.SetTextColor(ink);
        CRect text(r.left + kCheckWidth, r.top, r.right - kArrowWidth, r.bottom);
        dc.DrawText(MenuDisplayText(item.text), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        CPen pen(PS_SOLID, 1, ink);
        CPen* oldPen = dc.SelectObject(&pen);
        if (item.state & MF_CHECKED) {
            const int y = r.top + r.Height() / 2;
            dc.MoveTo(r.left + 4, y);
            dc.LineTo(r.left + 7, y + 3);
            dc.LineTo(r.left + 12, y - 3);
        }
        if (item.popup) {
            CBrush fill(ink);
            CBrush* oldBrush = dc.SelectObject(&fill);
            const int x = r.right - kArrowWidth + 4, y = r.top + r.Height() / 2;
            const POINT arrow[] = {{x, y - 4}, {x + 4, y}, {x, y + 4}};
            dc.Polygon(arrow, 3);
            dc.SelectObject(oldBrush);
        }
        dc.SelectObject(oldPen);
    }
    dc.SelectObject(old);
}
