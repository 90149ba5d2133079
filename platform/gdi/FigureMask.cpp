#include "platform/gdi/FigureMask.h"

#include <algorithm>

FigureMask::FigureMask(const CRect& bounds)
    : bounds_(bounds.IsRectEmpty() ? CRect() : bounds),
      cells_(static_cast<size_t>(bounds_.Width()) * bounds_.Height(), None) {}

void FigureMask::Span(int y, int x0, int x1, Kind kind) {
    if (y < bounds_.top || y >= bounds_.bottom) return;
    x0 = std::max<int>(x0, bounds_.left);
    x1 = std::min<int>(x1, bounds_.right - 1);
    if (x0 > x1) return;
    // Written as a plain maximum over the row so that it becomes a few vector instructions.
    uint8_t* cell = cells_.data() + Index(x0, y);
    const auto mark = static_cast<uint8_t>(kind);
    for (int i = 0; i <= x1 - x0; ++i) cell[i] = std::max(cell[i], mark);
}
