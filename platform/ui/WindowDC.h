#pragma once
// Device contexts of a window. Each draws into a private copy of the window's area and, when it
// goes away, copies back only what of the window shows: not under windows above it, not over its
// children (a window never paints its children's pixels). So a window may draw on a child's DC
// while it paints, and a plot drawn that way survives the parent's own paint.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/CDC.h"

class CWnd;

class CWindowSurfaceDC : public CDC {
public:
    ~CWindowSurfaceDC() override;
    // The window's area on the screen that this context covers.
    const CRect& ScreenArea() const { return screenArea_; }
    // Copies what was drawn so far to the screen (the destructor does it too).
    void Flush();

protected:
    // clientArea: the client area (else the whole window); clipChildren leaves the children out.
    CWindowSurfaceDC(CWnd* wnd, bool clientArea, bool clipChildren);

    // The copy and its visibility mask.
    struct Surface;

private:
    static std::vector<std::unique_ptr<Surface>>& Spares();
    std::unique_ptr<Surface> surface_;
    CRect screenArea_;
};

class CClientDC : public CWindowSurfaceDC {
public:
    explicit CClientDC(CWnd* wnd) : CWindowSurfaceDC(wnd, true, true) {}
};

// The whole window, caption bar and borders included.
class CWindowDC : public CWindowSurfaceDC {
public:
    explicit CWindowDC(CWnd* wnd) : CWindowSurfaceDC(wnd, false, true) {}
};

struct PAINTSTRUCT {
    CDC* hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

// Painting in OnPaint: clipped to what was invalid, which it validates; erases the background
// first (WM_ERASEBKGND) when the invalidation asked for it.
class CPaintDC : public CWindowSurfaceDC {
public:
    explicit CPaintDC(CWnd* wnd);
    PAINTSTRUCT m_ps;
};
