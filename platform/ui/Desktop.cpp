#include "platform/ui/Desktop.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/SysColors.h"
#include "platform/time/Clock.h"
#include "platform/ui/WindowDC.h"
#include "platform/ui/Wnd.h"

namespace {
constexpr UINT WM_QZ_INPUT = WM_USER - 2;
constexpr int kDoubleTapSlop = 4;

CRect Offset(CRect r, CPoint by) {
    r.OffsetRect(by.x, by.y);
    return r;
}
}  // namespace

CDesktop& CDesktop::Get() {
    static CDesktop desktop;
    return desktop;
}

CDesktop::CDesktop() {
    self_ = RegisterMessageTarget(this);
    SetMessageLoopHooks(this);
}

CDesktop::~CDesktop() {
    SetMessageLoopHooks(nullptr);
}

IDisplay& CDesktop::Display() {
    if (display_) return *display_;
    // Made when first wanted: a program with a window of its own never paints into it.
    if (!headless_) headless_ = std::make_unique<CHeadlessDisplay>();
    return *headless_;
}

void CDesktop::SetDisplay(IDisplay* display) {
    display_ = display;
    Expose(ScreenRect());
}

WindowRecord* CDesktop::Find(HWND hwnd) {
    auto it = records_.find(hwnd.id());
    return it == records_.end() ? nullptr : it->second.get();
}

WindowRecord& CDesktop::Add(CWnd* object, HWND hwnd) {
    auto record = std::make_unique<WindowRecord>();
    record->hwnd = hwnd;
    record->object = object;
    WindowRecord& r = *record;
    records_[hwnd.id()] = std::move(record);
    return r;
}

void CDesktop::Remove(HWND hwnd) {
    std::erase(topLevels_, hwnd);
    records_.erase(hwnd.id());
}

void CDesktop::BringToTop(HWND hwnd) {
    auto it = std::find(topLevels_.begin(), topLevels_.end(), hwnd);
    if (it == topLevels_.end() || it + 1 == topLevels_.end()) return;
    topLevels_.erase(it);
    topLevels_.push_back(hwnd);
    if (WindowRecord* r = Find(hwnd)) InvalidateTree(*r);
}

CRect CDesktop::WindowScreenRect(const WindowRecord& r) {
    if (!r.IsChild()) return r.rect;
    WindowRecord* parent = Find(r.parent);
    return parent ? Offset(r.rect, ClientScreenRect(*parent).TopLeft()) : r.rect;
}

CRect CDesktop::ClientRectInWindow(const WindowRecord& r) {
    CRect client(0, 0, r.rect.Width(), r.rect.Height());
    if (r.exStyle & WS_EX_DLGMODALFRAME) client.DeflateRect(kModalFrameWidth, kModalFrameWidth);
    if (!r.IsChild() && (r.style & WS_CAPTION) == WS_CAPTION) client.top += kCaptionHeight;
    // A caption bar includes the border bit; a plain border is one pixel.
    if ((r.style & WS_CAPTION) == WS_BORDER) client.DeflateRect(1, 1);
    if (r.exStyle & WS_EX_CLIENTEDGE) client.DeflateRect(2, 2);
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
    return client;
}

CRect CDesktop::ClientScreenRect(const WindowRecord& r) {
    return Offset(ClientRectInWindow(r), WindowScreenRect(r).TopLeft());
}

bool CDesktop::IsShowing(const WindowRecord& r) {
    for (const WindowRecord* w = &r; w;) {
        if (!(w->style & WS_VISIBLE)) return false;
        if (!w->IsChild()) return true;
        w = Find(w->parent);
    }
    return false;
}

HWND CDesktop::TopLevelOf(HWND hwnd) {
    HWND top = hwnd;
    while (WindowRecord* t = Find(top)) {
        if (!t->IsChild()) return top;
        top = t->parent;
    }
    return HWND();
}

HWND CDesktop::KeyWindowOf(HWND topLevel) {
    const WindowRecord* r = Find(topLevel);
    if (!r || r->IsChild() || r->IsDialog()) return topLevel;
    for (HWND child : r->children)
        if (const WindowRecord* c = Find(child);
            c && c->IsDialog() && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED) && !c->destroying)
            return child;
    return topLevel;
}

bool CDesktop::IsInside(HWND hwnd, HWND ancestor) {
    for (WindowRecord* r = Find(hwnd); r; r = r->IsChild() ? Find(r->parent) : nullptr)
        if (r->hwnd == ancestor) return true;
    return false;
}

void CDesktop::SetFocus(HWND hwnd) {
    hwnd = KeyWindowOf(hwnd);
    if (hwnd == focus) return;
    const HWND old = focus;
    focus = hwnd;
    if (const HWND top = TopLevelOf(hwnd)) {
        Find(top)->lastFocus = hwnd;
        if (top != active) Activate(top);
    }
    if (CWnd* o = CWnd::FromHandle(old)) o->SendMessage(WM_KILLFOCUS, hwnd.id());
    if (focus == hwnd)
        if (CWnd* n = CWnd::FromHandle(hwnd)) n->SendMessage(WM_SETFOCUS, old.id());
}

void CDesktop::Activate(HWND topLevel) {
    if (topLevel == active) return;
    const HWND old = active;
    active = topLevel;
    if (CWnd* o = CWnd::FromHandle(old)) o->SendMessage(WM_ACTIVATE, 0, static_cast<LPARAM>(topLevel.id()));
    if (CWnd* n = CWnd::FromHandle(topLevel)) n->SendMessage(WM_ACTIVATE, 1, static_cast<LPARAM>(old.id()));
    // The focus comes back to where it was in the window, or to the window itself.
    WindowRecord* r = Find(topLevel);
    if (r && active == topLevel && TopLevelOf(focus) != topLevel)
        SetFocus(TopLevelOf(r->lastFocus) == topLevel ? r->lastFocus : topLevel);
}

void CDesktop::Forget(HWND hwnd) {
    if (capture == hwnd) capture = HWND();
    if (lastDownWindow_ == hwnd) lastDownWindow_ = HWND();
    if (IsInside(focus, hwnd)) focus = HWND();
    if (active == hwnd) {
        active = HWND();
        for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
            WindowRecord* r = Find(*it);
            if (*it != hwnd && r && (r->style & WS_VISIBLE) && !(r->style & WS_DISABLED) && !r->destroying) {
                Activate(*it);
                break;
            }
        }
    }
}

void CDesktop::Invalidate(WindowRecord& r, const CRect& clientRect, bool erase) {
    const CRect inWindow = ClientRectInWindow(r);
    const CRect client(0, 0, inWindow.Width(), inWindow.Height());
    const CRect part = clientRect & client;
    if (part.IsRectEmpty()) return;
    // A window that shows its parent's background is erased by the parent, which paints it again after.
    if (erase && r.IsChild() && r.object && r.object->ShowsParentBackground())
        if (WindowRecord* parent = Find(r.parent)) {
            Invalidate(*parent, Offset(part, r.rect.TopLeft() + inWindow.TopLeft()), true);
            return;
        }
    r.invalid = r.invalid.IsRectEmpty() ? part : (r.invalid | part);
    r.erase = r.erase || erase;
}

void CDesktop::InvalidateTree(WindowRecord& r) {
    r.frameDirty = true;
    Invalidate(r, CRect(0, 0, r.rect.Width(), r.rect.Height()), true);
    for (HWND child : r.children)
        if (WindowRecord* c = Find(child)) InvalidateTree(*c);
}

void CDesktop::Expose(const CRect& screenRect) {
    // The bare screen shows the desktop colour; every window over the area paints again.
    const CRect area = screenRect & ScreenRect();
    if (area.IsRectEmpty()) return;
    CDC dc(Screen());
    dc.FillSolidRect(&area, GetSysColor(COLOR_BACKGROUND));
    Display().Present(area);
    std::function<void(WindowRecord&)> expose = [&](WindowRecord& r) {
        if (!(r.style & WS_VISIBLE)) return;
        const CRect window = WindowScreenRect(r);
        if ((window & area).IsRectEmpty()) return;
        const CRect client = ClientScreenRect(r);
        if (!(client & area).EqualRect(window & area)) r.frameDirty = true;
        CRect part = client & area;
        part.OffsetRect(-client.left, -client.top);
        Invalidate(r, part, true);
        for (HWND child : r.children)
            if (WindowRecord* c = Find(child)) expose(*c);
    };
    for (HWND top : topLevels_)
        if (WindowRecord* r = Find(top)) expose(*r);
}

bool CDesktop::PaintTree(HWND hwnd) {
    WindowRecord* r = Find(hwnd);
    if (!r || !(r->style & WS_VISIBLE) || r->destroying) return false;
    if (r->frameDirty || !r->invalid.IsRectEmpty()) {
        PaintWindow(*r);
        return true;
    }
    // The first child is on top: paint from the last.
    const std::vector<HWND> children = r->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (PaintTree(*it)) return true;
    return false;
}

void CDesktop::PaintWindow(WindowRecord& r) {
    const HWND hwnd = r.hwnd;
    if (r.frameDirty) {
        r.frameDirty = false;
        DrawFrame(r);
    }
    if (r.invalid.IsRectEmpty()) return;
    CWnd* wnd = r.object;
    wnd->SendMessage(WM_PAINT);
    // A window whose paint did not validate is not asked again and again.
    if (WindowRecord* after = Find(hwnd)) {
        after->invalid.SetRectEmpty();
        after->erase = false;
    }
}

bool CDesktop::PaintOne() {
    const std::vector<HWND> tops = topLevels_;
    for (HWND top : tops)
        if (PaintTree(top)) return true;
    return false;
}

void CDesktop::PaintAll() {
    while (PaintOne()) {
    }
}

void CDesktop::DrawFrame(WindowRecord& r) {
    const CRect window(0, 0, r.rect.Width(), r.rect.Height());
    const CRect client = ClientRectInWindow(r);
    if (client.EqualRect(window)) return;
    CWindowDC dc(r.object);
    CRect inner = window;
    // A raised frame sets a small popup (a message box) off a form of the same colour behind it.
    if (r.exStyle & WS_EX_DLGMODALFRAME) {
        dc.Draw3dRect(&inner, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        inner.DeflateRect(1, 1);
        dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        inner.DeflateRect(1, 1);
    }
    if (!r.IsChild() && (r.style & WS_CAPTION) == WS_CAPTION) {
        CRect bar(inner.left, inner.top, inner.right, inner.top + kCaptionHeight);
        dc.FillSolidRect(&bar, GetSysColor(COLOR_ACTIVECAPTION));
        CFont* old = dc.SelectObject(DialogFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
        CRect text = bar;
        text.left += 4;
        text.right -= kCaptionHeight;
        dc.DrawText(r.text, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        // The close box: a cross at the right end of the bar.
        CRect box(bar.right - kCaptionHeight + 4, bar.top + 4, bar.right - 4, bar.bottom - 4);
        CPen pen(PS_SOLID, 2, GetSysColor(COLOR_CAPTIONTEXT));
        CPen* oldPen = dc.SelectObject(&pen);
        dc.MoveTo(box.left + 3, box.top + 3);
        dc.LineTo(box.right - 3, box.bottom - 3);
        dc.MoveTo(box.right - 4, box.top + 3);
        dc.LineTo(box.left + 2, box.bottom - 3);
        dc.SelectObject(oldPen);
        dc.SelectObject(old);
        inner.top += kCaptionHeight;
    }
    if ((r.style & WS_CAPTION) == WS_BORDER) {
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(&inner, &black);
        inner.DeflateRect(1, 1);
    }
    if (r.exStyle & WS_EX_CLIENTEDGE) {
        dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        inner.DeflateRect(1, 1);
        dc.Draw3dRect(&inner, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    }
}

CFont* CDesktop::DialogFont() {
    if (!dialogFont_) {
        dialogFont_ = std::make_unique<CFont>();
        dialogFont_->CreatePointFont(90, L"宋体");
    }
    return dialogFont_.get();
}

// ---- input

// One event at a time, as the device's input queue: the next is routed only after the messages that
// this one posted (a tap that opens a menu has opened it before the key that follows reaches it).
void CDesktop::QueueInput(const InputEvent& event) {
    bool wake = false;
    {
        std::lock_guard lock(inputMutex_);
        input_.push_back(event);
        wake = !inputWakePosted_;
        inputWakePosted_ = true;
    }
    if (wake) ::PostMessage(self_, WM_QZ_INPUT, 0, 0);
}

LRESULT CDesktop::HandleMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_QZ_INPUT) return 0;
    InputEvent event;
    bool more = false;
    {
        std::lock_guard lock(inputMutex_);
        if (input_.empty()) {
            inputWakePosted_ = false;
            return 0;
        }
        event = input_.front();
        input_.pop_front();
        more = !input_.empty();
        inputWakePosted_ = more;
    }
    RouteInput(event);
    if (more) ::PostMessage(self_, WM_QZ_INPUT, 0, 0);
    return 0;
}

void CDesktop::RouteInput(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::kMouseDown:
        case InputEvent::Kind::kMouseMove:
        case InputEvent::Kind::kMouseUp:
            RouteMouse(event);
            break;
        case InputEvent::Kind::kWheel:
            RouteWheel(event);
            break;
        default:
            RouteKey(event);
    }
}

HWND CDesktop::HitTest(HWND hwnd, POINT screen) {
    WindowRecord* r = Find(hwnd);
    if (!r || !(r->style & WS_VISIBLE) || !WindowScreenRect(*r).PtInRect(screen)) return HWND();
    if (ClientScreenRect(*r).PtInRect(screen))
        for (HWND child : r->children) {
            WindowRecord* c = Find(child);
            if (!c || (c->style & WS_DISABLED) || !c->object || c->object->HitTransparent()) continue;
            if (HWND hit = HitTest(child, screen)) return hit;
        }
    return hwnd;
}

CWnd* CDesktop::WindowFromPoint(POINT screen) {
    for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it)
        if (HWND hit = HitTest(*it, screen)) return CWnd::FromHandle(hit);
    return nullptr;
}

void CDesktop::RouteMouse(const InputEvent& event) {
    if (event.kind != InputEvent::Kind::kMouseMove) penDown_ = event.kind == InputEvent::Kind::kMouseDown;
    const CPoint screen(event.x, event.y);
    cursor = screen;
    CWnd* target = CWnd::FromHandle(capture);
    if (!target) {
        target = WindowFromPoint(screen);
        if (!target) return;
        if (event.kind == InputEvent::Kind::kMouseDown && mouseDownFilter) {
            auto filter = mouseDownFilter;
            if (filter(target)) return;
        }
        CWnd* top = target->GetTopLevelParent();
        if (!top->IsWindowEnabled()) return;  // behind a modal dialog
        if (event.kind == InputEvent::Kind::kMouseDown && top->m_hWnd != active) {
            BringToTop(top->m_hWnd);
            Activate(top->m_hWnd);
        }
        if (event.kind == InputEvent::Kind::kMouseDown) FocusOnTap(target->m_hWnd);
    }
    CPoint client = screen;
    target->ScreenToClient(&client);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    // A tap on the close box of a caption bar closes the window.
    if (event.kind == InputEvent::Kind::kMouseUp && !capture) {
        WindowRecord* r = target->Record();
        const CRect window = WindowScreenRect(*r);
        if (!r->IsChild() && (r->style & WS_CAPTION) == WS_CAPTION &&
            CRect(window.right - kCaptionHeight, window.top, window.right, window.top + kCaptionHeight)
                .PtInRect(screen)) {
            target->PostMessage(WM_CLOSE);
            return;
        }
    }
    switch (event.kind) {
        case InputEvent::Kind::kMouseDown: {
            const DWORD now = GetTickCount();
            const bool isDouble = target->WantsDoubleClicks() && !lastDownWasDouble_ &&
                                  lastDownWindow_ == target->m_hWnd && now - lastDownTick_ <= kDoubleTapMs &&
                                  std::abs(lastDownPoint_.x - screen.x) <= kDoubleTapSlop &&
                                  std::abs(lastDownPoint_.y - screen.y) <= kDoubleTapSlop;
            lastDownWindow_ = target->m_hWnd;
            lastDownTick_ = now;
            lastDownPoint_ = screen;
            lastDownWasDouble_ = isDouble;
            target->PostMessage(isDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
            break;
        }
        case InputEvent::Kind::kMouseMove:
            // Handlers tell a drag from a hover by MK_LBUTTON.
            target->PostMessage(WM_MOUSEMOVE, penDown_ ? MK_LBUTTON : 0, at);
            break;
        default:
            target->PostMessage(WM_LBUTTONUP, 0, at);
    }
}

// The wheel turns what holds the stylus (an open drop list), else what is under the pointer;
// a window that does not scroll hands it to its parent.
void CDesktop::RouteWheel(const InputEvent& event) {
    CWnd* target = CWnd::FromHandle(capture);
    if (!target) target = WindowFromPoint(CPoint(event.x, event.y));
    if (!target || !target->GetTopLevelParent()->IsWindowEnabled()) return;
    const auto delta = static_cast<WORD>(static_cast<short>(static_cast<int>(event.key)));
    target->PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(event.x, event.y));
}

void CDesktop::FocusOnTap(HWND tapped) {
    const HWND keys = KeyWindowOf(TopLevelOf(tapped));
    if (IsInside(tapped, keys) && !IsInside(focus, keys)) SetFocus(keys);
}

void CDesktop::RouteKey(const InputEvent& event) {
    if (event.kind == InputEvent::Kind::kKeyDown) keysHeld_.insert(event.key);
    if (event.kind == InputEvent::Kind::kKeyUp) keysHeld_.erase(event.key);
    const UINT message = event.kind == InputEvent::Kind::kKeyDown ? WM_KEYDOWN
                         : event.kind == InputEvent::Kind::kKeyUp ? WM_KEYUP
                                                                  : WM_CHAR;
    if (keyFilter) {
        auto filter = keyFilter;  // the filter may clear itself
        if (filter(message, event.key)) {
            if (message == WM_KEYDOWN) swallowRoutedChar_ = true;
            return;
        }
    }
    if (message == WM_KEYDOWN) swallowRoutedChar_ = false;
    if (message == WM_CHAR && swallowRoutedChar_) {
        swallowRoutedChar_ = false;
        return;
    }
    CWnd* target = CWnd::FromHandle(focus);
    if (!target) target = CWnd::FromHandle(KeyWindowOf(active));
    if (!target) return;
    target->PostMessage(message, event.key, 1);
}

bool CDesktop::FilterPosted(const MSG& msg) {
    // A key press a window handled before dispatch is never translated, so it types no character.
    if (msg.message == WM_CHAR && swallowChar_) {
        swallowChar_ = false;
        return true;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) swallowChar_ = false;
    // Its character may arrive while the handling runs a modal dialog: it types nothing there either.
    if (msg.message == WM_KEYDOWN) swallowChar_ = true;
    const bool handled = PreTranslate(msg);
    if (msg.message == WM_KEYDOWN) swallowChar_ = handled;
    return handled;
}

bool CDesktop::PreTranslate(const MSG& msg) {
    CWnd* wnd = CWnd::FromHandle(msg.hwnd);
    if (!wnd) return false;
    MSG m = msg;
    for (CWnd* w = wnd; w; w = w->GetParent()) {
        const HWND hwnd = w->m_hWnd;
        if (w->PreTranslateMessage(&m)) return true;
        if (!IsWindow(hwnd)) return true;
    }
    return false;
}

void CDesktop::OnStalled() {
    if (onStalled) onStalled();
}
