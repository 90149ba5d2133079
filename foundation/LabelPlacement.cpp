#include "foundation/LabelPlacement.h"

#include <algorithm>

PixelRect LabelBox(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest, const PixelRect& plot) {
    const int32_t width = std::clamp(textWidth, 0, widest);
    PixelRect box{at.x + gap, at.y - kLabelHeight / 2, at.x + gap + width, at.y + kLabelHeight / 2};
    // To the left only where that side has the room.
    if (box.right > plot.right && at.x - gap - width >= plot.left) {
        box.left = at.x - gap - width;
        box.right = at.x - gap;
    }
    if (box.top < plot.top) {
        box.bottom += plot.top - box.top;
        box.top = plot.top;
    } else if (box.bottom > plot.bottom) {
        box.top -= box.bottom - plot.bottom;
        box.bottom = plot.bottom;
    }
    return box;
}

void LabelLayout::Reset(const PixelRect& plot) {
    plot_ = plot;
    const int32_t width = std::max(0, plot.right - plot.left);
    const int32_t height = std::max(0, plot.bottom - plot.top);
    wordsPerRow_ = (static_cast<size_t>(width) + 63) / 64;
    taken_.assign(wordsPerRow_ * static_cast<size_t>(height), 0);
}

void LabelLayout::Reserve(const PixelRect& box) {
    Take(box);
}

std::array<PixelRect, 2> LabelLayout::Sides(PixelPoint at, int32_t gap, int32_t textWidth,
                                            int32_t widest) const {
    const PixelRect first = LabelBox(at, gap, textWidth, widest, plot_);
    const int32_t width = first.right - first.left;
    PixelRect other = first;
    if (first.left > at.x) {
        other.left = at.x - gap - width;
        other.right = at.x - gap;
    } else {
        other.left = at.x + gap;
        other.right = at.x + gap + width;
    }
    return {first, other};
}

bool LabelLayout::Fits(const PixelRect& box) const {
    return box.left >= plot_.left && box.right <= plot_.right && Free(box);
}

std::optional<PixelRect> LabelLayout::Place(PixelPoint at, int32_t gap, int32_t textWidth, int32_t widest) {
    for (const PixelRect& box : Sides(at, gap, textWidth, widest)) {
        if (!Fits(box)) continue;
        Take(box);
        return box;
    }
    return std::nullopt;
}

// A wider name's box on either side holds the narrower one's, so a box that fits on neither side
// means no wider name fits.
bool LabelLayout::HasRoom(PixelPoint at, int32_t gap, int32_t width) const {
    const std::array<PixelRect, 2> sides = Sides(at, gap, width, width);
    return Fits(sides[0]) || Fits(sides[1]);
}

PixelRect LabelLayout::Clipped(const PixelRect& box) const {
    return {std::max(box.left, plot_.left) - plot_.left, std::max(box.top, plot_.top) - plot_.top,
            std::min(box.right, plot_.right) - plot_.left, std::min(box.bottom, plot_.bottom) - plot_.top};
}

// Calls visit(word, mask) for each word of the bitmap that a box's pixels lie in, with the bits of
// the box; stops at the first visit that answers false, and answers whether none did.
template <class Words, class Visit>
bool LabelLayout::EachWord(Words& words, const PixelRect& box, Visit visit) const {
    const PixelRect c = Clipped(box);
    for (int32_t y = c.top; y < c.bottom; ++y) {
        for (int32_t x = c.left; x < c.right;) {
            const int32_t bit = x % 64;
            const int32_t count = std::min(64 - bit, c.right - x);
            const uint64_t mask = (count == 64 ? ~uint64_t{0} : ((uint64_t{1} << count) - 1)) << bit;
            if (!visit(words[static_cast<size_t>(y) * wordsPerRow_ + static_cast<size_t>(x / 64)], mask))
                return false;
            x += count;
        }
    }
    return true;
}

bool LabelLayout::Free(const PixelRect& box) const {
    return EachWord(taken_, box, [](uint64_t word, uint64_t mask) { return (word & mask) == 0; });
}

void LabelLayout::Take(const PixelRect& box) {
    EachWord(taken_, box, [](uint64_t& word, uint64_t mask) {
        word |= mask;
        return true;
    });
}
