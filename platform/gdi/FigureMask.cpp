#include "platform/gdi/FigureMask.h"

#include <algorithm>

FigureMask::FigureMask(const CRect& bounds)
    : bounds_(bounds.IsRectEmpty() ? CRect() : bounds),
      cells_(static_cast<size_t>(bounds_.Width()) * bounds_.Height(), None) {}

void FigureMask::Span(int y, int x0, int x1, Kind kind) {
    if (y < bounds_.top || y >= bounds_.bottom) return;
    x0 = std::max<int>(x0, bounds_.left);
    x1 = std::min<int>(x1, bounds_.right - 1);
    for (int x = x0; x <= x1; ++x) Mark(cells_[Index(x, y)], kind);
}
