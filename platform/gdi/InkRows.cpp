#include "platform/gdi/InkRows.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/gdi/FontEngine.h"

namespace {

// Bits 0..count-1, count being 0..64.
uint64_t LowBits(int count) {
    return count >= 64 ? ~uint64_t(0) : (uint64_t(1) << count) - 1;
}

// For each mix of eight pixels, all ones in the lanes of the pixels that are ink.
struct InkLanes {
    alignas(16) uint32_t lanes[256][8];
    constexpr InkLanes() : lanes() {
        for (unsigned mix = 0; mix < 256; ++mix)
            for (unsigned k = 0; k < 8; ++k) lanes[mix][k] = (mix >> k) & 1 ? ~0u : 0u;
    }
};
constexpr InkLanes kInkLanes;

}  // namespace

bool InkRows::Fits(const Glyph& g) {
    return g.rowBits.size() == static_cast<size_t>(g.height);
}

InkRows::InkRows(const CRect& area) : area_(area), columns_(LowBits(area.Width())) {
    std::fill_n(ink_.begin(), area_.Height(), 0);
    std::fill_n(background_.begin(), area_.Height(), 0);
}

void InkRows::Mark(Rows& rows, const CRect& r) {
    const int left = std::max<int>(r.left, area_.left), right = std::min<int>(r.right, area_.right);
    if (left >= right) return;
    const uint64_t bits = LowBits(right - left) << (left - area_.left);
    const int top = std::max<int>(r.top, area_.top), bottom = std::min<int>(r.bottom, area_.bottom);
    for (int y = top; y < bottom; ++y) rows[static_cast<size_t>(y - area_.top)] |= bits;
}

void InkRows::AddGlyph(const Glyph& g, int x, int y) {
    const int shift = x - area_.left;
    if (shift >= kMaxWidth || shift <= -kMaxWidth) return;
    const int from = std::max<int>(0, area_.top - y), to = std::min<int>(g.height, area_.bottom - y);
    const uint64_t columns = columns_;
    for (int r = from; r < to; ++r) {
        // Blank rows are passed over, which also keeps this a word at a time: a wider access
        // would straddle the words the previous glyph has just written, and wait for them.
        const uint64_t bits = g.rowBits[static_cast<size_t>(r)];
        if (bits == 0) continue;
        ink_[static_cast<size_t>(y + r - area_.top)] |=
            (shift >= 0 ? bits << shift : bits >> -shift) & columns;
    }
}

void InkRows::Write(Framebuffer& fb, uint32_t ink, uint32_t background) const {
    // Eight pixels at a time in vector registers: lane k takes the ink where bit k of the mix is set.
    // Branches that depend on the ink alone would be mispredicted row after row.
    using Quad = uint32_t __attribute__((vector_size(16)));
    const Quad back = {background, background, background, background};
    const Quad flip = Quad{ink, ink, ink, ink} ^ back;
    auto lanes = [](uint64_t bits, int half) {
        Quad q;
        std::memcpy(&q, kInkLanes.lanes[bits & 255] + 4 * half, sizeof q);
        return q;
    };
    // Every pixel of the eight from `at` gets ink or background.
    auto eight = [&](uint32_t* at, uint64_t mix) {
        for (int half = 0; half < 2; ++half) {
            const Quad pixels = back ^ (flip & lanes(mix, half));
            std::memcpy(at + 4 * half, &pixels, sizeof pixels);
        }
    };
    // Only the covered ones of the eight, over what they held before; the others are put back.
    auto someOfEight = [&](uint32_t* at, const Quad(&before)[2], uint64_t mix, uint64_t cover) {
        for (int half = 0; half < 2; ++half) {
            const Quad pixels = back ^ (flip & lanes(mix, half));
            const Quad result = before[half] ^ ((before[half] ^ pixels) & lanes(cover, half));
            std::memcpy(at + 4 * half, &result, sizeof result);
        }
    };
    auto read = [](const uint32_t* at, Quad(&into)[2]) { std::memcpy(into, at, sizeof into); };
    // Rows covering the same pixels (the background of a line, row after row) share their layout.
    uint64_t shape = 0;
    int from = 0, to = 0;
    bool oneRun = false;
    for (int r = 0; r < area_.Height(); ++r) {
        const uint64_t inkBits = ink_[static_cast<size_t>(r)];
        const uint64_t covered = inkBits | background_[static_cast<size_t>(r)];
        if (covered != shape) {
            shape = covered;
            // An empty row is an empty span, written by neither way below.
            from = covered ? std::countr_zero(covered) : 0;
            to = 64 - std::countl_zero(covered);
            const uint64_t run = covered >> from;
            oneRun = (run & (run + 1)) == 0;
        }
        uint32_t* row = fb.row(area_.top + r) + area_.left;
        // Groups of eight from the first covered pixel, the last one overlapping the one before it.
        if (to - from >= 8 && oneRun) {
            for (int x = from; x < to - 8; x += 8) eight(row + x, inkBits >> x);
            eight(row + to - 8, inkBits >> (to - 8));
        } else if (to - from >= 8) {
            // The last group is read before the others are written: the pixels it shares with the
            // one before are left as they were or covered alike, and a read straddling a write
            // just made would wait for it.
            Quad last[2], before[2];
            read(row + to - 8, last);
            for (int x = from; x < to - 8; x += 8) {
                read(row + x, before);
                someOfEight(row + x, before, inkBits >> x, covered >> x);
            }
            someOfEight(row + to - 8, last, inkBits >> (to - 8), covered >> (to - 8));
        } else {
            for (uint64_t left = covered; left; left &= left - 1) {
                const int x = std::countr_zero(left);
                row[x] = (inkBits >> x) & 1 ? ink : background;
            }
        }
    }
}
