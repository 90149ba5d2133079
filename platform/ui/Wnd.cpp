#include "platform/ui/Wnd.h"

#include <algorithm>
#include <cwchar>

#include "platform/gdi/SysColors.h"
#include "platform/messages/MessageBox.h"
#include "platform/threads/UiThread.h"
#include "platform/time/Clock.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {
CDesktop& Desk() {
    return CDesktop::Get();
}

HWND HandleFromParam(uintptr_t v) {
    return HWND(static_cast<uint32_t>(v));
}

CPoint PointFromParam(LPARAM l) {
    return CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l));
}
}  // namespace

const CWnd CWnd::wndTop;

CWnd::CWnd() = default;

CWnd::~CWnd() {
    *alive_ = false;
    if (m_hWnd) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    WindowRecord* r = hwnd ? Desk().Find(hwnd) : nullptr;
    return r ? r->object : nullptr;
}

// ---- creation and destruction

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    if (m_hWnd) return FALSE;
    if ((style & WS_CHILD) && (!parent || !parent->m_hWnd)) return FALSE;
    CDesktop& desk = Desk();
    m_hWnd = RegisterMessageTarget(this);
    WindowRecord& r = desk.Add(this, m_hWnd);
    record_ = &r;
    r.className = className ? className : L"";
    r.style = style;
    r.exStyle = exStyle;
    r.rect = rect;
    r.text = windowName ? windowName : L"";
    r.id = id;
    if (style & WS_CHILD) {
        r.parent = parent->m_hWnd;
        parent->record_->children.push_back(m_hWnd);
    } else {
        r.owner = parent ? parent->GetTopLevelParent()->m_hWnd : HWND();
        desk.AddTopLevel(m_hWnd);
    }
    const HWND self = m_hWnd;
    if (SendMessage(WM_CREATE) == -1) {
        if (IsWindow(self)) DestroyWindow();
        return FALSE;
    }
    if (!IsWindow(self)) return FALSE;
    if (r.style & WS_VISIBLE) {
        desk.InvalidateTree(r);
        if (!(style & WS_CHILD)) {
            desk.Shown(r);
            desk.Activate(m_hWnd);
        }
    }
    return TRUE;
}

BOOL CWnd::Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
    return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd || !record_ || record_->destroying) return FALSE;
    CDesktop& desk = Desk();
    WindowRecord* r = record_;
    const HWND self = m_hWnd;
    r->destroying = true;
    const bool wasShowing = desk.IsShowing(*r);
    const CRect screen = desk.WindowScreenRect(*r);

    SendMessage(WM_DESTROY);
    // Owned top-level windows and children go with it.
    for (HWND top : std::vector<HWND>(desk.TopLevels()))
        if (WindowRecord* t = desk.Find(top); t && t->owner == self)
            if (CWnd* w = t->object) w->DestroyWindow();
    r = desk.Find(self);
    for (HWND child : std::vector<HWND>(r->children))
        if (CWnd* c = FromHandle(child)) c->DestroyWindow();

    r = desk.Find(self);
    desk.Forget(self);
    if (r->IsChild())
        if (WindowRecord* p = desk.Find(r->parent)) std::erase(p->children, self);
    CWnd* object = r->object;
    const bool layerOwned = r->layerOwnsObject;
    desk.Remove(self);
    UnregisterMessageTarget(self);
    object->m_hWnd = HWND();
    object->record_ = nullptr;
    if (wasShowing) desk.Expose(screen);
    object->PostNcDestroy();
    if (layerOwned) delete object;
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    WindowRecord* r = Desk().Find(hwnd);
    if (m_hWnd || !r) return FALSE;
    CWnd* previous = r->object;
    if (previous) AdoptControlState(*previous);
    r->object = this;
    m_hWnd = hwnd;
    record_ = r;
    RebindMessageTarget(hwnd, this);
    if (previous) {
        previous->m_hWnd = HWND();
        previous->record_ = nullptr;
        if (r->layerOwnsObject) delete previous;
    }
    r->layerOwnsObject = false;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    CWnd* item = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item ? SubclassWindow(item->m_hWnd) : FALSE;
}

// ---- tree

CWnd* CWnd::GetParent() const {
    return record_ && record_->IsChild() ? FromHandle(record_->parent) : nullptr;
}

CWnd* CWnd::GetOwner() const {
    if (!record_) return nullptr;
    return record_->IsChild() ? GetParent() : FromHandle(record_->owner);
}

void CWnd::SetOwner(CWnd* owner) {
    if (record_ && !record_->IsChild()) record_->owner = owner ? owner->m_hWnd : HWND();
}

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* w = this;
    while (CWnd* p = w->GetParent()) w = p;
    return const_cast<CWnd*>(w);
}

CWnd* CWnd::GetWindow(UINT relation) const {
    if (!record_) return nullptr;
    if (relation == GW_CHILD)
        return record_->children.empty() ? nullptr : FromHandle(record_->children.front());
    if (relation == GW_OWNER) return record_->IsChild() ? nullptr : FromHandle(record_->owner);
    CWnd* parent = GetParent();
    if (!parent) return nullptr;
    const auto& siblings = parent->record_->children;
    auto it = std::find(siblings.begin(), siblings.end(), m_hWnd);
    switch (relation) {
        case GW_HWNDFIRST:
            return FromHandle(siblings.front());
        case GW_HWNDLAST:
            return FromHandle(siblings.back());
        case GW_HWNDNEXT:
            return it + 1 < siblings.end() ? FromHandle(*(it + 1)) : nullptr;
        case GW_HWNDPREV:
            return it != siblings.begin() ? FromHandle(*(it - 1)) : nullptr;
    }
    return nullptr;
}

std::vector<CWnd*> CWnd::GetChildren() const {
    std::vector<CWnd*> children;
    if (record_)
        for (HWND h : record_->children)
            if (CWnd* c = FromHandle(h)) children.push_back(c);
    return children;
}

CWnd* CWnd::GetDlgItem(int id) const {
    if (!record_) return nullptr;
    for (HWND h : record_->children)
        if (WindowRecord* c = Desk().Find(h); c && static_cast<int>(c->id) == id) return c->object;
    return nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return record_ ? static_cast<int>(record_->id) : 0;
}

int CWnd::SetDlgCtrlID(int id) {
    if (!record_) return 0;
    const int old = static_cast<int>(record_->id);
    record_->id = static_cast<UINT>(id);
    return old;
}

BOOL CWnd::IsChild(const CWnd* wnd) const {
    for (const CWnd* w = wnd ? wnd->GetParent() : nullptr; w; w = w->GetParent())
        if (w == this) return TRUE;
    return FALSE;
}

// ---- text and font

void CWnd::SetWindowText(const wchar_t* text) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L""));
}

void CWnd::GetWindowText(CString& text) const {
    text = record_ ? record_->text : CString();
}

int CWnd::GetWindowText(wchar_t* buffer, int maxCount) const {
    if (!buffer || maxCount <= 0) return 0;
    const CString text = record_ ? record_->text : CString();
    const int n = std::min(text.GetLength(), maxCount - 1);
    std::wmemcpy(buffer, text.c_str(), static_cast<size_t>(n));
    buffer[n] = L'\0';
    return n;
}

int CWnd::GetWindowTextLength() const {
    return record_ ? record_->text.GetLength() : 0;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

CFont* CWnd::GetFont() const {
    return record_ && record_->font ? record_->font : Desk().DialogFont();
}

CFont* CWnd::SelectWindowFont(CDC& dc) const {
    return dc.SelectObject(GetFont());
}

// ---- geometry

void CWnd::GetWindowRect(LPRECT rect) const {
    *rect = record_ ? Desk().WindowScreenRect(*record_) : CRect();
}

void CWnd::GetClientRect(LPRECT rect) const {
    const CRect c = record_ ? Desk().ClientRectInWindow(*record_) : CRect();
    *rect = CRect(0, 0, c.Width(), c.Height());
}

void CWnd::ClientToScreen(LPPOINT point) const {
    if (!record_) return;
    const CPoint origin = Desk().ClientScreenRect(*record_).TopLeft();
    point->x += origin.x;
    point->y += origin.y;
}

void CWnd::ClientToScreen(LPRECT rect) const {
    if (!record_) return;
    const CPoint origin = Desk().ClientScreenRect(*record_).TopLeft();
    static_cast<CRect*>(rect)->OffsetRect(origin.x, origin.y);
}

void CWnd::ScreenToClient(LPPOINT point) const {
    if (!record_) return;
    const CPoint origin = Desk().ClientScreenRect(*record_).TopLeft();
    point->x -= origin.x;
    point->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT rect) const {
    if (!record_) return;
    const CPoint origin = Desk().ClientScreenRect(*record_).TopLeft();
    static_cast<CRect*>(rect)->OffsetRect(-origin.x, -origin.y);
}

LRESULT CWnd::OnUiThread(const std::function<LRESULT()>& call) {
    if (!HasUiThread() || IsUiThread()) return call();
    return ::SendMessage(m_hWnd, WM_QZ_CALL, 0, reinterpret_cast<LPARAM>(&call));
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!IsUiThread() && HasUiThread())
        return static_cast<BOOL>(
            OnUiThread([&] { return static_cast<LRESULT>(SetWindowPos(insertAfter, x, y, cx, cy, flags)); }));
    if (!record_) return FALSE;
    CDesktop& desk = Desk();
    WindowRecord& r = *record_;
    const bool showing = desk.IsShowing(r);
    const CRect oldScreen = desk.WindowScreenRect(r);
    CRect rect = r.rect;
    if (!(flags & SWP_NOMOVE)) rect = CRect(CPoint(x, y), rect.Size());
    if (!(flags & SWP_NOSIZE)) rect = CRect(rect.TopLeft(), CSize(cx, cy));
    const bool resized = rect.Size() != r.rect.Size();
    const bool moved = !rect.EqualRect(r.rect);
    r.rect = rect;
    if (!(flags & SWP_NOZORDER) && (!insertAfter || insertAfter == &wndTop)) {
        if (r.IsChild()) {
            if (WindowRecord* p = desk.Find(r.parent)) {
                std::erase(p->children, m_hWnd);
                p->children.insert(p->children.begin(), m_hWnd);
            }
        } else {
            desk.BringToTop(m_hWnd);
        }
    }
    if (resized) {
        CRect client;
        GetClientRect(&client);
        SendMessage(WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
    }
    if (moved && showing && !(flags & SWP_NOREDRAW)) {
        desk.Expose(oldScreen);
        desk.InvalidateTree(r);
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow(SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    if (!record_) return;
    CRect area;
    if (record_->IsChild()) {
        GetParent()->GetClientRect(&area);
    } else {
        CWnd* owner = alternateOwner ? alternateOwner : GetOwner();
        if (owner && owner->IsWindowVisible())
            owner->GetWindowRect(&area);
        else
            area = Desk().ScreenRect();
    }
    const CRect& r = record_->rect;
    int x = area.left + (area.Width() - r.Width()) / 2;
    int y = area.top + (area.Height() - r.Height()) / 2;
    // Over an owner near the edge, a top-level window still stays on the screen.
    if (!record_->IsChild()) {
        const CRect screen = Desk().ScreenRect();
        x = std::max(screen.left, std::min(x, screen.right - r.Width()));
        y = std::max(screen.top, std::min(y, screen.bottom - r.Height()));
    }
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

CWnd* CWnd::WindowFromPoint(POINT screenPoint) {
    return Desk().WindowFromPoint(screenPoint);
}

CWnd* CWnd::ChildWindowFromPoint(POINT clientPoint) const {
    if (!record_) return nullptr;
    for (HWND h : record_->children)
        if (WindowRecord* c = Desk().Find(h); c && c->rect.PtInRect(clientPoint)) return c->object;
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(clientPoint) ? const_cast<CWnd*>(this) : nullptr;
}

// ---- state

BOOL CWnd::ShowWindow(int command) {
    if (!IsUiThread() && HasUiThread())
        return static_cast<BOOL>(OnUiThread([&] { return static_cast<LRESULT>(ShowWindow(command)); }));
    if (!record_) return FALSE;
    CDesktop& desk = Desk();
    WindowRecord& r = *record_;
    const bool wasVisible = (r.style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE && command != SW_MINIMIZE;
    const CRect oldScreen = desk.WindowScreenRect(r);
    bool geometryChanged = false;
    if (command == SW_MAXIMIZE) {
        CRect area = desk.ScreenRect();
        if (r.IsChild()) GetParent()->GetClientRect(&area);
        geometryChanged = !area.EqualRect(r.rect);
        r.maximized = true;
        SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(), SWP_NOZORDER | SWP_NOREDRAW);
    } else if (command == SW_RESTORE || command == SW_SHOWNORMAL) {
        r.maximized = false;
    }
    if (show != wasVisible) {
        if (show)
            r.style |= WS_VISIBLE;
        else
            r.style &= ~WS_VISIBLE;
        SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE);
    }
    if (!record_) return wasVisible;
    if (!show && wasVisible) {
        desk.Forget(m_hWnd);
        desk.Expose(oldScreen);
    } else if (show && (!wasVisible || geometryChanged)) {
        if (geometryChanged) desk.Expose(oldScreen);
        desk.InvalidateTree(r);
        if (!wasVisible && !r.IsChild()) desk.Shown(r);
    }
    if (show && !r.IsChild() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE) {
        desk.BringToTop(m_hWnd);
        desk.Activate(m_hWnd);
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return record_ && Desk().IsShowing(*record_);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (!IsUiThread() && HasUiThread())
        return static_cast<BOOL>(OnUiThread([&] { return static_cast<LRESULT>(EnableWindow(enable)); }));
    if (!record_) return FALSE;
    const bool wasDisabled = (record_->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable)
        record_->style &= ~WS_DISABLED;
    else
        record_->style |= WS_DISABLED;
    SendMessage(WM_ENABLE, enable);
    if (record_) Invalidate();
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return record_ && !(record_->style & WS_DISABLED);
}

BOOL CWnd::IsZoomed() const {
    return record_ && record_->maximized;
}

DWORD CWnd::GetStyle() const {
    return record_ ? record_->style : 0;
}

DWORD CWnd::GetExStyle() const {
    return record_ ? record_->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    if (!record_) return FALSE;
    const DWORD old = record_->style;
    record_->style = (old & ~remove) | add;
    if (old != record_->style) Desk().InvalidateTree(*record_);
    return old != record_->style;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
    if (!record_) return FALSE;
    const DWORD old = record_->exStyle;
    record_->exStyle = (old & ~remove) | add;
    if (old != record_->exStyle) Desk().InvalidateTree(*record_);
    return old != record_->exStyle;
}

BOOL CWnd::SetProp(const wchar_t* name, uintptr_t value) {
    if (!record_ || !name) return FALSE;
    record_->props[name] = value;
    return TRUE;
}

uintptr_t CWnd::GetProp(const wchar_t* name) const {
    if (!record_ || !name) return 0;
    auto it = record_->props.find(name);
    return it == record_->props.end() ? 0 : it->second;
}

uintptr_t CWnd::RemoveProp(const wchar_t* name) {
    if (!record_ || !name) return 0;
    auto it = record_->props.find(name);
    if (it == record_->props.end()) return 0;
    const uintptr_t value = it->second;
    record_->props.erase(it);
    return value;
}

// ---- focus, activation and capture

CWnd* CWnd::SetFocus() {
    CWnd* old = FromHandle(Desk().focus);
    if (m_hWnd) Desk().SetFocus(m_hWnd);
    return old;
}

CWnd* CWnd::GetFocus() {
    return FromHandle(Desk().focus);
}

CWnd* CWnd::SetCapture() {
    CWnd* old = FromHandle(Desk().capture);
    Desk().capture = m_hWnd;
    return old;
}

CWnd* CWnd::GetCapture() {
    return FromHandle(Desk().capture);
}

BOOL ReleaseCapture() {
    Desk().capture = HWND();
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point) {
    *point = Desk().cursor;
    return TRUE;
}

int GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return Desk().ScreenRect().Width();
    if (index == SM_CYSCREEN) return Desk().ScreenRect().Height();
    return 0;
}

CWnd* CWnd::GetActiveWindow() {
    return FromHandle(Desk().active);
}

CWnd* CWnd::SetActiveWindow() {
    CWnd* old = GetActiveWindow();
    if (m_hWnd) Desk().Activate(GetTopLevelParent()->m_hWnd);
    return old;
}

BOOL CWnd::SetForegroundWindow() {
    BringWindowToTop();
    SetActiveWindow();
    return m_hWnd ? TRUE : FALSE;
}

void CWnd::BringWindowToTop() {
    if (record_ && !record_->IsChild()) Desk().BringToTop(m_hWnd);
}

namespace {
bool CanTakeFocus(const CWnd* w) {
    return w->IsWindowVisible() && w->IsWindowEnabled();
}

bool IsDialogWindow(const CWnd* w) {
    return w->Record() && w->Record()->IsDialog();
}

bool IsChildDialog(const CWnd* w) {
    return IsDialogWindow(w) && (w->GetStyle() & WS_CHILD);
}

// The items of a dialog in tab order; the controls of a child dialog (a tab page) take its place,
// and those of the pages a control holds (a tab control's) follow the control.
void CollectTabItems(const CWnd* parent, std::vector<CWnd*>& items) {
    for (CWnd* child : parent->GetChildren()) {
        if (IsChildDialog(child)) {
            if (child->IsWindowVisible()) CollectTabItems(child, items);
            continue;
        }
        items.push_back(child);
        for (CWnd* page : child->GetChildren())
            if (IsChildDialog(page) && page->IsWindowVisible()) CollectTabItems(page, items);
    }
}
}  // namespace

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    std::vector<CWnd*> items;
    CollectTabItems(this, items);
    if (items.empty()) return nullptr;
    const int n = static_cast<int>(items.size());
    // Focus inside a control (the edit field of a drop-down combo) counts as on the control.
    auto at = items.end();
    for (CWnd* w = control; w && at == items.end(); w = w->GetParent())
        at = std::find(items.begin(), items.end(), w);
    int start = static_cast<int>(at - items.begin());
    if (start == n) start = previous ? 0 : n - 1;
    for (int step = 1; step <= n; ++step) {
        CWnd* w = items[static_cast<size_t>(((start + (previous ? -step : step)) % n + n) % n)];
        if ((w->GetStyle() & WS_TABSTOP) && CanTakeFocus(w)) return w;
    }
    return nullptr;
}

std::vector<CWnd*> CWnd::GetDlgGroup(CWnd* control) {
    CWnd* parent = control ? control->GetParent() : nullptr;
    if (!parent) return {control};
    const std::vector<CWnd*> items = parent->GetChildren();
    auto at = std::find(items.begin(), items.end(), control);
    auto first = at;
    while (first != items.begin() && !((*first)->GetStyle() & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != items.end() && !((*last)->GetStyle() & WS_GROUP)) ++last;
    return std::vector<CWnd*>(first, last);
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
    if (!control || !control->GetParent()) return nullptr;
    const std::vector<CWnd*> group = GetDlgGroup(control);
    const int n = static_cast<int>(group.size());
    const int start = static_cast<int>(std::find(group.begin(), group.end(), control) - group.begin());
    for (int step = 1; step < n; ++step) {
        CWnd* w = group[static_cast<size_t>(((start + (previous ? -step : step)) % n + n) % n)];
        if (CanTakeFocus(w)) return w;
    }
    return control;
}

// ---- painting

void CWnd::Invalidate(BOOL erase) {
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    if (!IsUiThread() && HasUiThread()) {
        OnUiThread([&] {
            InvalidateRect(rect, erase);
            return LRESULT(0);
        });
        return;
    }
    if (!record_) return;
    CRect client;
    GetClientRect(&client);
    Desk().Invalidate(*record_, rect ? CRect(rect) : client, erase != FALSE);
}

void CWnd::ValidateRect(LPCRECT rect) {
    if (!record_) return;
    // Only a rectangle covering all that is invalid validates: the invalid area stays one rectangle.
    CRect& invalid = record_->invalid;
    if (rect && !(rect->left <= invalid.left && rect->top <= invalid.top && rect->right >= invalid.right &&
                  rect->bottom >= invalid.bottom))
        return;
    invalid.SetRectEmpty();
    record_->erase = false;
}

BOOL CWnd::GetUpdateRect(LPRECT rect, BOOL) const {
    if (rect) *rect = record_ ? record_->invalid : CRect();
    return record_ && !record_->invalid.IsRectEmpty();
}

BOOL CWnd::RedrawWindow(LPCRECT rect) {
    InvalidateRect(rect, TRUE);
    UpdateWindow();
    return record_ ? TRUE : FALSE;
}

void CWnd::UpdateWindow() {
    if (record_ && !record_->invalid.IsRectEmpty() && IsWindowVisible()) SendMessage(WM_PAINT);
}

CDC* CWnd::GetDC() {
    return new CClientDC(this);
}

int CWnd::ReleaseDC(CDC* dc) {
    delete dc;
    return 1;
}

// ---- messages and timers

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback) {
    if (!record_) return 0;
    if (callback)
        record_->timerCallbacks[id] = callback;
    else
        record_->timerCallbacks.erase(id);
    return ::SetTimer(m_hWnd, id, elapseMs);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    if (record_) record_->timerCallbacks.erase(id);
    return ::KillTimer(m_hWnd, id);
}

void CWnd::NotifyParent(UINT code) {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND,
                            MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), static_cast<WORD>(code)),
                            static_cast<LPARAM>(m_hWnd.id()));
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) {
    return ::MessageBox(m_hWnd, text, caption ? caption : GetAppName().c_str(), type);
}

BOOL EnumWindows(BOOL (*proc)(HWND, LPARAM), LPARAM lParam) {
    const std::vector<HWND> tops = Desk().TopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (IsWindow(*it) && !proc(*it, lParam)) return FALSE;
    return TRUE;
}

uintptr_t GetProp(HWND hwnd, const wchar_t* name) {
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->GetProp(name) : 0;
}

// ---- dialog item helpers

void CWnd::SetDlgItemText(int id, const wchar_t* text) {
    if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    text.Empty();
    if (CWnd* item = GetDlgItem(id)) item->GetWindowText(text);
    return text.GetLength();
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    if (translated) *translated = FALSE;
    CString text;
    if (!GetDlgItem(id)) return 0;
    GetDlgItemText(id, text);
    text.Trim();
    const wchar_t* p = text.c_str();
    bool negative = false;
    if (isSigned && *p == L'-') {
        negative = true;
        ++p;
    }
    if (*p == L'\0') return 0;
    long long value = 0;
    for (; *p; ++p) {
        if (*p < L'0' || *p > L'9') return 0;
        value = value * 10 + (*p - L'0');
        if (value > (isSigned ? 2147483648LL : 4294967295LL)) return 0;
    }
    if (isSigned && !negative && value > 2147483647LL) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(negative ? -value : value);
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    CString text;
    if (isSigned)
        text.Format(L"%d", static_cast<int>(value));
    else
        text.Format(L"%u", value);
    SetDlgItemText(id, text);
}

void CWnd::CheckDlgButton(int id, UINT check) {
    SendDlgItemMessage(id, BM_SETCHECK, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    CWnd* item = GetDlgItem(id);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id) CheckDlgButton(id, id == checkId ? 1 : 0);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id)) return id;
    return 0;
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* item = GetDlgItem(id);
    return item ? item->SendMessage(message, wParam, lParam) : 0;
}

// ---- message handling

LRESULT CWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QZ_CALL) return (*reinterpret_cast<const std::function<LRESULT()>*>(lParam))();
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<bool> alive = alive_;
    const CurrentMessage saved = current_;
    current_ = {message, wParam, lParam};
    LRESULT result = 0;
    if (!RunBoundHandler(message, wParam, lParam, &result) && !OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    if (*alive) current_ = saved;
    return result;
}

bool CWnd::RunBoundHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto it = messageHandlers_.find(message);
    if (it == messageHandlers_.end()) return false;
    *result = it->second(wParam, lParam);
    return true;
}

LRESULT CWnd::Default() {
    return DefWindowProc(current_.message, current_.wParam, current_.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam)
        if (CWnd* control = FromHandle(HandleFromParam(static_cast<uintptr_t>(lParam)))) {
            LRESULT ignored = 0;
            if (control->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored)) return TRUE;
        }
    auto it = commandHandlers_.find({id, code});
    if (it != commandHandlers_.end()) {
        auto handler = it->second;
        handler();
        return TRUE;
    }
    if (code == 0 || code == 1)
        for (const RangeHandler& range : rangeHandlers_)
            if (id >= range.first && id <= range.last) {
                auto handler = range.handler;
                handler(id);
                return TRUE;
            }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return FALSE;
    if (CWnd* control = FromHandle(header->hwndFrom))
        if (control->OnChildNotify(WM_NOTIFY, header->idFrom, lParam, result)) return TRUE;
    auto it = notifyHandlers_.find({static_cast<UINT>(header->idFrom), header->code});
    if (it == notifyHandlers_.end()) return FALSE;
    auto handler = it->second;
    handler(header, result);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

HBRUSH CWnd::CtlColor(CDC*, UINT) {
    return nullptr;
}

void CWnd::DrawItem(LPDRAWITEMSTRUCT) {}

void CWnd::PreSubclassWindow() {}

void CWnd::AdoptControlState(CWnd&) {}

void CWnd::PostNcDestroy() {}

HBRUSH CWnd::SendCtlColor(CDC* dc, UINT ctlColorMessage) {
    CWnd* parent = GetParent();
    LRESULT brush = 0;
    if (parent)
        brush = parent->SendMessage(ctlColorMessage, reinterpret_cast<WPARAM>(dc),
                                    static_cast<LPARAM>(m_hWnd.id()));
    else
        brush =
            DefWindowProc(ctlColorMessage, reinterpret_cast<WPARAM>(dc), static_cast<LPARAM>(m_hWnd.id()));
    return reinterpret_cast<HBRUSH>(brush);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_COMMAND:
            return OnCommand(wParam, lParam) != FALSE;
        case WM_NOTIFY:
            return OnNotify(wParam, lParam, result) != FALSE;
        case WM_CREATE:
            *result = OnCreate();
            return true;
        case WM_DESTROY:
            OnDestroy();
            return true;
        case WM_CLOSE:
            OnClose();
            return true;
        case WM_PAINT:
            OnPaint();
            return true;
        case WM_ERASEBKGND:
            *result = OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
            return true;
        case WM_TIMER:
            if (record_)
                if (auto it = record_->timerCallbacks.find(wParam); it != record_->timerCallbacks.end()) {
                    it->second(m_hWnd, WM_TIMER, wParam, GetTickCount());
                    return true;
                }
            OnTimer(wParam);
            return true;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
                   HIWORD(static_cast<uintptr_t>(lParam)));
            return true;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            return true;
        case WM_SETFOCUS:
            OnSetFocus(FromHandle(HandleFromParam(wParam)));
            return true;
        case WM_KILLFOCUS:
            OnKillFocus(FromHandle(HandleFromParam(wParam)));
            return true;
        case WM_ENABLE:
            OnEnable(static_cast<BOOL>(wParam));
            return true;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wParam), PointFromParam(lParam));
            return true;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<UINT>(wParam), PointFromParam(lParam));
            return true;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<UINT>(wParam), PointFromParam(lParam));
            return true;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), PointFromParam(lParam));
            return true;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
                      HIWORD(static_cast<uintptr_t>(lParam)));
            return true;
        case WM_KEYUP:
            OnKeyUp(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
                    HIWORD(static_cast<uintptr_t>(lParam)));
            return true;
        case WM_CHAR:
            OnChar(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
                   HIWORD(static_cast<uintptr_t>(lParam)));
            return true;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            *result = reinterpret_cast<LRESULT>(OnCtlColor(
                reinterpret_cast<CDC*>(wParam), FromHandle(HandleFromParam(static_cast<uintptr_t>(lParam))),
                message - WM_CTLCOLORMSGBOX));
            return true;
        case WM_DRAWITEM:
            OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
            *result = TRUE;
            return true;
    }
    return false;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            CPaintDC dc(this);
            return 0;
        }
        case WM_ERASEBKGND: {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            if (!dc) return 0;
            CRect client;
            GetClientRect(&client);
            dc->FillRect(&client, GetSysColorBrush(COLOR_WINDOW));
            return 1;
        }
        case WM_SETTEXT:
            if (record_) {
                const wchar_t* text = reinterpret_cast<const wchar_t*>(lParam);
                record_->text = text ? text : L"";
                Invalidate();
                record_->frameDirty = true;
            }
            return TRUE;
        case WM_GETTEXT:
            return GetWindowText(reinterpret_cast<wchar_t*>(lParam), static_cast<int>(wParam));
        case WM_GETTEXTLENGTH:
            return GetWindowTextLength();
        case WM_MOUSEWHEEL:
            // A window that does not scroll hands the wheel to the one around it.
            if (record_ && record_->IsChild())
                if (CWnd* parent = GetParent()) return parent->SendMessage(message, wParam, lParam);
            return 0;
        case WM_SETFONT:
            if (record_) {
                record_->font = reinterpret_cast<CFont*>(wParam);
                if (lParam) Invalidate();
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(record_ ? record_->font : nullptr);
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC: {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            const bool white = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
            const int background = white ? COLOR_WINDOW : COLOR_BTNFACE;
            if (dc) {
                dc->SetTextColor(GetSysColor(white ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
                dc->SetBkColor(GetSysColor(background));
            }
            return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
        }
    }
    return 0;
}

// ---- default handlers

int CWnd::OnCreate() {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    if (wnd && wnd != this)
        if (HBRUSH brush = wnd->CtlColor(dc, ctlColor)) return brush;
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT drawItem) {
    if (!drawItem) return;
    if (CWnd* control = FromHandle(drawItem->hwndItem)) control->DrawItem(drawItem);
}
