#pragma once
// Whether a field's text, as drawn on the screen, ends in the low dots of an ellipsis rather than a
// character cut at the field's edge.
#include <algorithm>
#include <map>

#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

// Whether the rightmost ink of the window is low dots: the ellipsis rather than a cut character.
inline bool EndsInDots(CWnd& wnd) {
    CRect r;
    wnd.GetWindowRect(&r);
    r.DeflateRect(2, 2);  // the edit's border
    const Framebuffer& screen = CDesktop::Get().Screen();
    std::map<COLORREF, int> counts;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ++counts[screen.colorAt(x, y)];
    const COLORREF background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                    return a.second < b.second;
                                })->first;
    int top = r.bottom, bottom = r.top, right = r.left;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (screen.colorAt(x, y) != background) {
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
                right = std::max(right, x + 1);
            }
    for (int y = top; y < bottom; ++y)
        if (screen.colorAt(right - 1, y) != background && y < (top + bottom) / 2) return false;
    return right > r.left;
}
