#pragma once
// Where an icon button puts its icon and caption, and its hover colour.
#include "platform/gdi/CImage.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Geometry.h"

enum IconAlign { kIconLeft = 0, kIconAbove = 1, kIconRight = 2 };

struct IconButtonLayout {
    CRect icon;
    CRect caption;
};

// item: the button's drawing rectangle; client: its client rectangle; pressed: a pressed push
// button (not a check box), which draws its icon one pixel down and right.
IconButtonLayout LayOutIconButton(const CRect& item, const CRect& client, int align, bool hasTitle,
                                  CSize icon, bool pressed);

// Each of red, green and blue raised by `amount`, stopping at 255.
COLORREF LightenPerChannel(COLORREF color, int amount);

// How an icon looks on a disabled button that has no icon of its own for it: each opaque pixel a
// light grey of its brightness, the transparent ones kept.
CImage GreyedIcon(const CImage& icon);
