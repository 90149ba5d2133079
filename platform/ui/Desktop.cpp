#include "platform/ui/Desktop.h"

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/SysColors.h"
#include "platform/ui/WindowDC.h"
#include "platform/ui/Wnd.h"

namespace {
CRect Offset(CRect r, CPoint by) {
    r.OffsetRect(by.x, by.y);
    return r;
}

// Fills with `colour` the parts of `area` that none of `covers` lies over; answers their bounds.
CRect FillUncovered(CDC& dc, const CRect& area, std::span<const CRect> covers, COLORREF colour) {
    if (area.IsRectEmpty()) return CRect();
    if (covers.empty()) {
        dc.FillSolidRect(&area, colour);
        return area;
    }
    const CRect over = area & covers.front();
    if (over.IsRectEmpty()) return FillUncovered(dc, area, covers.subspan(1), colour);
    CRect filled;
    for (const CRect& part : {CRect(area.left, area.top, area.right, over.top),
                              CRect(area.left, over.bottom, area.right, area.bottom),
                              CRect(area.left, over.top, over.left, over.bottom),
                              CRect(over.right, over.top, area.right, over.bottom)})
        filled = filled | FillUncovered(dc, part, covers.subspan(1), colour);
    return filled;
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
    std::erase(modal_, hwnd);
    records_.erase(hwnd.id());
}

void CDesktop::AddTopLevel(HWND hwnd) {
    topLevels_.push_back(hwnd);
    Restack(HWND());
}

void CDesktop::BringToTop(HWND hwnd) {
    if (std::find(topLevels_.begin(), topLevels_.end(), hwnd) != topLevels_.end()) Restack(hwnd);
}

void CDesktop::CollectOwned(HWND top, std::vector<HWND>& tree) {
    if (std::find(tree.begin(), tree.end(), top) != tree.end()) return;
    tree.push_back(top);
    for (HWND h : topLevels_)
        if (const WindowRecord* r = Find(h); r && r->owner == top) CollectOwned(h, tree);
}

void CDesktop::RaiseOwned(HWND top) {
    std::vector<HWND> tree;
    CollectOwned(top, tree);
    std::erase_if(topLevels_, [&](HWND h) { return std::find(tree.begin(), tree.end(), h) != tree.end(); });
    topLevels_.insert(topLevels_.end(), tree.begin(), tree.end());
}

void CDesktop::Restack(HWND top) {
    const std::vector<HWND> before = topLevels_;
    if (top) RaiseOwned(top);
    for (HWND dialog : std::vector<HWND>(modal_)) RaiseOwned(dialog);
    // A window paints again where it now covers one that used to lie over it.
    auto oldIndex = [&](HWND h) { return std::find(before.begin(), before.end(), h) - before.begin(); };
    std::ptrdiff_t highestBelow = -1;
    for (HWND h : topLevels_) {
        const std::ptrdiff_t was = oldIndex(h);
        if (was < highestBelow)
            if (WindowRecord* r = Find(h)) InvalidateTree(*r);
        highestBelow = std::max(highestBelow, was);
    }
}

// ---- modal runs

void CDesktop::BeginModal(HWND dialog) {
    modal_.push_back(dialog);
    Restack(HWND());
}

void CDesktop::EndModal(HWND dialog) {
    std::erase(modal_, dialog);
}

bool CDesktop::IsShutOut(HWND hwnd) {
    if (modal_.empty() || !hwnd) return false;
    // In the innermost run's dialog, or owned by it however deep.
    HWND w = TopLevelOf(hwnd);
    for (size_t depth = 0; w && depth <= topLevels_.size(); ++depth) {
        if (w == modal_.back()) return false;
        const WindowRecord* r = Find(w);
        w = r ? r->owner : HWND();
    }
    return true;
}

HWND CDesktop::ModalOwnerFor(HWND requested) {
    const HWND top = requested ? TopLevelOf(requested) : active;
    if (!modal_.empty() && (!top || IsShutOut(top))) return modal_.back();
    return top;
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
    if (hwnd == focus || IsShutOut(hwnd)) return;
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
    if (topLevel == active || IsShutOut(topLevel)) return;
    const HWND old = active;
    active = topLevel;
    BringToTop(topLevel);
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
            if (*it != hwnd && r && (r->style & WS_VISIBLE) && !(r->style & WS_DISABLED) && !r->destroying &&
                !IsShutOut(*it)) {
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
    // The bare screen shows the desktop colour at once; every window over the area paints again.
    // What a window lies over keeps showing until it does: shown bare meanwhile, the whole screen
    // would flash the desktop colour while the command that closed a dialog runs on.
    const CRect area = screenRect & ScreenRect();
    if (area.IsRectEmpty()) return;
    std::vector<CRect> windows;
    for (HWND top : topLevels_)
        if (WindowRecord* r = Find(top); r && (r->style & WS_VISIBLE))
            windows.push_back(WindowScreenRect(*r));
    CDC dc(Screen());
    if (const CRect bare = FillUncovered(dc, area, windows, GetSysColor(COLOR_BACKGROUND));
        !bare.IsRectEmpty())
        Present(bare);
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
