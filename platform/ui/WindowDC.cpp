#include "platform/ui/WindowDC.h"

#include <algorithm>

#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

namespace {
CRect ScreenAreaOf(CWnd* wnd, bool clientArea) {
    CDesktop& desktop = CDesktop::Get();
    WindowRecord* r = wnd ? wnd->Record() : nullptr;
    if (!r) return CRect();
    return clientArea ? desktop.ClientScreenRect(*r) : desktop.WindowScreenRect(*r);
}

int AtLeastOne(int v) {
    return std::max(v, 1);
}
}  // namespace

struct CWindowSurfaceDC::Surface {
    Surface(int w, int h) : buffer(w, h) {}
    Framebuffer buffer;
    std::vector<uint8_t> visible;
};

// Surfaces of contexts that are gone, kept for the next ones of their size: a repaint of the map
// takes two of a few hundred kilobytes each, which the allocator would otherwise map and unmap
// every time. The last two are kept: a plot's paint holds two contexts at once.
std::vector<std::unique_ptr<CWindowSurfaceDC::Surface>>& CWindowSurfaceDC::Spares() {
    thread_local std::vector<std::unique_ptr<Surface>> spares;
    return spares;
}

CWindowSurfaceDC::CWindowSurfaceDC(CWnd* wnd, bool clientArea, bool clipChildren)
    : screenArea_(ScreenAreaOf(wnd, clientArea)) {
    CDesktop& desktop = CDesktop::Get();
    Framebuffer& screen = desktop.Screen();
    const int w = AtLeastOne(screenArea_.Width()), h = AtLeastOne(screenArea_.Height());
    std::vector<std::unique_ptr<Surface>>& spares = Spares();
    const auto spare = std::find_if(spares.begin(), spares.end(), [&](const std::unique_ptr<Surface>& s) {
        return s->buffer.width() == w && s->buffer.height() == h;
    });
    const bool reused = spare != spares.end();
    if (reused) {
        surface_ = std::move(*spare);
        spares.erase(spare);
    } else {
        surface_ = std::make_unique<Surface>(w, h);
    }
    Framebuffer& buffer = surface_->buffer;
    // What the screen's copy below leaves out starts white, as in a new surface.
    const auto whiten = [&] {
        if (reused) buffer.fill(RGB(255, 255, 255));
    };
    std::vector<uint8_t>& visible = surface_->visible;
    visible.assign(static_cast<size_t>(w) * h, 0);
    Attach(buffer, CRect(0, 0, w, h));

    WindowRecord* r = wnd ? wnd->Record() : nullptr;
    if (!r || screenArea_.IsRectEmpty() || !desktop.IsShowing(*r)) {
        whiten();
        return;
    }

    // What of the area shows: inside every ancestor's client area and the screen...
    CRect shown = screenArea_ & desktop.ScreenRect();
    const WindowRecord* topLevel = r;
    for (WindowRecord* a = r; a->IsChild();) {
        a = desktop.Find(a->parent);
        if (!a) {
            whiten();
            return;
        }
        shown = shown & desktop.ClientScreenRect(*a);
        topLevel = a;
    }
    auto mark = [&](const CRect& screenRect, uint8_t value) {
        const CRect part = screenRect & shown;
        for (int y = part.top; y < part.bottom; ++y)
            std::fill_n(visible.begin() + (y - screenArea_.top) * w + (part.left - screenArea_.left),
                        part.Width(), value);
    };
    mark(shown, 1);
    // ...less the children (a group box shows the parent's background, so the parent paints under it)...
    if (clipChildren)
        for (HWND child : r->children)
            if (WindowRecord* c = desktop.Find(child);
                c && (c->style & WS_VISIBLE) && !(c->object && c->object->ShowsParentBackground()))
                mark(desktop.WindowScreenRect(*c), 0);
    // ...less the top-level windows above.
    const auto& tops = desktop.TopLevels();
    auto it = std::find(tops.begin(), tops.end(), topLevel->hwnd);
    if (it != tops.end())
        for (++it; it != tops.end(); ++it)
            if (WindowRecord* above = desktop.Find(*it); above && (above->style & WS_VISIBLE))
                mark(desktop.WindowScreenRect(*above), 0);

    if ((screenArea_ & desktop.ScreenRect()) != screenArea_) whiten();
    // The part of each row that lies on the screen starts as the screen shows it.
    const int from = std::max(0, -screenArea_.left), to = std::min(w, screen.width() - screenArea_.left);
    for (int y = 0; y < h && from < to; ++y) {
        const int sy = screenArea_.top + y;
        if (sy < 0 || sy >= screen.height()) continue;
        const uint32_t* source = screen.row(sy) + screenArea_.left;
        std::copy(source + from, source + to, buffer.row(y) + from);
    }
}

CWindowSurfaceDC::~CWindowSurfaceDC() {
    Flush();
    constexpr size_t kSparesKept = 2;
    std::vector<std::unique_ptr<Surface>>& spares = Spares();
    if (spares.size() == kSparesKept) spares.erase(spares.begin());
    spares.push_back(std::move(surface_));
}

void CWindowSurfaceDC::Flush() {
    CDesktop& desktop = CDesktop::Get();
    Framebuffer& screen = desktop.Screen();
    const Framebuffer& buffer = surface_->buffer;
    const std::vector<uint8_t>& visible = surface_->visible;
    const int w = buffer.width(), h = buffer.height();
    CRect dirty;
    for (int y = 0; y < h; ++y) {
        const uint8_t* vis = visible.data() + static_cast<size_t>(y) * w;
        const int sy = screenArea_.top + y;
        uint32_t* target = sy >= 0 && sy < screen.height() ? screen.row(sy) + screenArea_.left : nullptr;
        const uint32_t* source = buffer.row(y);
        int first = -1, last = -1;
        // Each run of visible pixels is copied from its first to its last changed pixel.
        for (int x = 0; x < w && target;) {
            if (!vis[x]) {
                ++x;
                continue;
            }
            const int end = static_cast<int>(std::find(vis + x, vis + w, 0) - vis);
            // Most rows of a drawing come back unchanged: one block compare passes them.
            if (std::equal(source + x, source + end, target + x)) {
                x = end;
                continue;
            }
            int a = x;
            while (a < end && target[a] == source[a]) ++a;
            if (a < end) {
                int b = end - 1;
                while (target[b] == source[b]) --b;
                std::copy(source + a, source + b + 1, target + a);
                if (first < 0) first = a;
                last = b;
            }
            x = end;
        }
        if (first >= 0) {
            const CRect line(screenArea_.left + first, sy, screenArea_.left + last + 1, sy + 1);
            dirty = dirty.IsRectEmpty() ? line : (dirty | line);
        }
    }
    if (!dirty.IsRectEmpty()) desktop.Present(dirty);
}

CPaintDC::CPaintDC(CWnd* wnd) : CWindowSurfaceDC(wnd, true, true) {
    WindowRecord* r = wnd ? wnd->Record() : nullptr;
    m_ps.hdc = this;
    if (!r) return;
    CRect client;
    wnd->GetClientRect(&client);
    m_ps.rcPaint = r->invalid.IsRectEmpty() ? client : r->invalid;
    m_ps.fErase = r->erase ? TRUE : FALSE;
    r->invalid.SetRectEmpty();
    r->erase = false;
    IntersectClipRect(&m_ps.rcPaint);
    // This paint covers the children that show its background: they draw their marks again after it.
    CDesktop& desktop = CDesktop::Get();
    for (HWND child : r->children)
        if (WindowRecord* c = desktop.Find(child); c && c->object && c->object->ShowsParentBackground()) {
            CRect area = CRect(m_ps.rcPaint) & c->rect;
            area.OffsetRect(-c->rect.left, -c->rect.top);
            desktop.Invalidate(*c, area, false);
        }
    if (m_ps.fErase) wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(this)));
}
