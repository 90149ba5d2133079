// The desktop's input: taps, keys and the wheel queued from any thread and routed on the UI thread,
// and the look every posted key and tap gets before its window does.
#include <cstdlib>

#include "platform/time/Clock.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

namespace {
constexpr UINT WM_QZ_INPUT = WM_USER - 2;
constexpr int kDoubleTapSlop = 4;

bool IsInputMessage(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_MOUSEWHEEL:
            return true;
    }
    return false;
}
}  // namespace

// One event at a time, as the device's input queue: the next is routed only after the messages that
// this one posted (a tap that opens a menu has opened it before the key that follows reaches it).
void CDesktop::QueueInput(const InputEvent& event) {
    bool wake = false;
    InputEvent stamped = event;
    stamped.tick = GetTickCount();
    {
        std::lock_guard lock(inputMutex_);
        stamped.serial = ++inputSerial_;
        input_.push_back(stamped);
        wake = !inputWakePosted_;
        inputWakePosted_ = true;
    }
    if (wake) ::PostMessage(self_, WM_QZ_INPUT, 0, 0);
}

void CDesktop::Shown(WindowRecord& r) {
    std::lock_guard lock(inputMutex_);
    r.shownAfterInput = inputSerial_;
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

// A tap is one piece: its moves and its lift go where its pen went down (the window holding the
// capture, else the window under the pen in the top-level window it went down on) and nowhere once
// a modal run shut that window out, so a tap that opened a window never acts in it. The second tap
// of a quick pair goes nowhere when the window now under it came into sight after the tap was
// given: the pair was meant for what the user saw, not for a window its first tap opened.
CWnd* CDesktop::MouseTarget(const InputEvent& event, const CPoint& screen) {
    const bool down = event.kind == InputEvent::Kind::kMouseDown;
    const bool ofTap = down || event.kind == InputEvent::Kind::kMouseUp || penDown_;
    if (capture && IsShutOut(capture)) capture = HWND();
    if (CWnd* captured = CWnd::FromHandle(capture)) return ofTap && !down && !tapTop_ ? nullptr : captured;
    CWnd* under = WindowFromPoint(screen);
    if (!under) return nullptr;
    if (down && mouseDownFilter) {
        auto filter = mouseDownFilter;  // the filter may clear itself
        if (filter(under)) return nullptr;
    }
    const HWND top = TopLevelOf(under->m_hWnd);
    if (IsShutOut(top) || !under->GetTopLevelParent()->IsWindowEnabled()) return nullptr;
    if (!down) return !ofTap || top == tapTop_ ? under : nullptr;
    const bool pairsWithLast = event.tick - lastDownTick_ <= kDoubleTapMs &&
                               std::abs(lastDownPoint_.x - screen.x) <= kDoubleTapSlop &&
                               std::abs(lastDownPoint_.y - screen.y) <= kDoubleTapSlop;
    return pairsWithLast && event.serial <= Find(top)->shownAfterInput ? nullptr : under;
}

void CDesktop::RouteMouse(const InputEvent& event) {
    const CPoint screen(event.x, event.y);
    cursor = screen;
    const bool hadCapture = static_cast<bool>(capture);
    CWnd* target = MouseTarget(event, screen);
    if (event.kind == InputEvent::Kind::kMouseUp) {
        penDown_ = false;
        tapTop_ = HWND();
    }
    if (event.kind == InputEvent::Kind::kMouseDown) {
        const bool isDouble = target && target->WantsDoubleClicks() && !lastDownWasDouble_ &&
                              lastDownWindow_ == target->m_hWnd &&
                              event.tick - lastDownTick_ <= kDoubleTapMs &&
                              std::abs(lastDownPoint_.x - screen.x) <= kDoubleTapSlop &&
                              std::abs(lastDownPoint_.y - screen.y) <= kDoubleTapSlop;
        penDown_ = true;
        tapTop_ = target ? TopLevelOf(target->m_hWnd) : HWND();
        lastDownWindow_ = target ? target->m_hWnd : HWND();
        lastDownTick_ = event.tick;
        lastDownPoint_ = screen;
        lastDownWasDouble_ = isDouble;
        if (!target) return;
        if (!hadCapture) {
            Activate(tapTop_);
            FocusOnTap(target->m_hWnd);
        }
        PostMouse(*target, isDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, screen);
        return;
    }
    if (!target) return;
    if (event.kind == InputEvent::Kind::kMouseMove) {
        // Handlers tell a drag from a hover by MK_LBUTTON.
        PostMouse(*target, WM_MOUSEMOVE, penDown_ ? MK_LBUTTON : 0, screen);
        return;
    }
    // A tap on the close box of a caption bar closes the window.
    const WindowRecord* r = target->Record();
    const CRect window = WindowScreenRect(*r);
    if (!hadCapture && !r->IsChild() && (r->style & WS_CAPTION) == WS_CAPTION &&
        CRect(window.right - kCaptionHeight, window.top, window.right, window.top + kCaptionHeight)
            .PtInRect(screen)) {
        target->PostMessage(WM_CLOSE);
        return;
    }
    PostMouse(*target, WM_LBUTTONUP, 0, screen);
}

void CDesktop::PostMouse(CWnd& target, UINT message, WPARAM flags, CPoint screen) {
    target.ScreenToClient(&screen);
    target.PostMessage(message, flags, MAKELPARAM(screen.x, screen.y));
}

// The wheel turns what holds the stylus (an open drop list), else what is under the pointer;
// a window that does not scroll hands it to its parent.
void CDesktop::RouteWheel(const InputEvent& event) {
    CWnd* target = CWnd::FromHandle(capture);
    if (!target) target = WindowFromPoint(CPoint(event.x, event.y));
    if (!target || IsShutOut(target->m_hWnd) || !target->GetTopLevelParent()->IsWindowEnabled()) return;
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
    // The keys go to the focus, or to the active window's key window, never into a window that a
    // modal run shut out.
    CWnd* target = IsShutOut(focus) ? nullptr : CWnd::FromHandle(focus);
    if (!target) target = CWnd::FromHandle(KeyWindowOf(active));
    if (!target || IsShutOut(target->m_hWnd)) return;
    target->PostMessage(message, event.key, 1);
}

bool CDesktop::FilterPosted(const MSG& msg) {
    // Input routed before a modal run began reaches no window that the run shut out: neither the
    // window nor its PreTranslateMessage acts behind the dialog.
    if (IsInputMessage(msg.message) && IsShutOut(msg.hwnd)) return true;
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
