#include "foundation/screens/IconButtonLayout.h"

#include <algorithm>

IconButtonLayout LayOutIconButton(const CRect& item, const CRect& client, int align, bool hasTitle,
                                  CSize icon, bool pressed) {
    IconButtonLayout out;
    out.caption = item;
    const LONG w = icon.cx, h = icon.cy;
    const LONG centredX = item.left + (item.Width() - w) / 2;
    const LONG centredY = item.top + (item.Height() - h) / 2;
    LONG x = centredX, y = centredY;
    if (hasTitle) {
        switch (align) {
            case kIconLeft:
                x = item.left + 3;
                out.caption.left += w + 3;
                break;
            case kIconAbove:
                y = 3;
                out.caption.top += h;
                break;
            default: {
                const LONG formerWidth = out.caption.Width();
                out.caption.left = 3;
                out.caption.right = formerWidth - w - 3;
                x = client.right - w - 3;
                break;
            }
        }
    } else if (align == kIconRight) {
        y = item.top;
    }
    if (pressed) {
        ++x;
        ++y;
    }
    out.icon = CRect(x, y, x + w, y + h);
    return out;
}

COLORREF LightenPerChannel(COLORREF c, int amount) {
    const auto up = [amount](int v) { return std::clamp(v + amount, 0, 255); };
    return RGB(up(GetRValue(c)), up(GetGValue(c)), up(GetBValue(c)));
}

CImage GreyedIcon(const CImage& icon) {
    CImage grey(icon.GetWidth(), icon.GetHeight());
    for (int y = 0; y < icon.GetHeight(); ++y)
        for (int x = 0; x < icon.GetWidth(); ++x) {
            if (icon.IsTransparent(x, y)) continue;
            const COLORREF c = icon.GetPixel(x, y);
            const int brightness = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
            const auto level = static_cast<BYTE>(128 + brightness / 2);
            grey.SetPixel(x, y, RGB(level, level, level));
        }
    return grey;
}
