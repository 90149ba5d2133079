#include "foundation/LineStarts.h"

#include <algorithm>
#include <iterator>

void LineStarts::push_back(uint64_t start) {
    if (runs_.empty() || start - runs_.back().base > UINT32_MAX) runs_.push_back({steps_.size(), start});
    steps_.push_back(static_cast<uint32_t>(start - runs_.back().base));
}

void LineStarts::pop_back() {
    steps_.pop_back();
    if (runs_.back().first == steps_.size()) runs_.pop_back();
}

uint64_t LineStarts::operator[](size_t i) const {
    if (runs_.size() == 1) return runs_.front().base + steps_[i];
    const auto run = std::prev(std::upper_bound(runs_.begin(), runs_.end(), i,
                                                [](size_t at, const Run& r) { return at < r.first; }));
    return run->base + steps_[i];
}

void LineStarts::ReserveLikely(uint64_t bytesSeen, uint64_t totalBytes) {
    if (bytesSeen == 0 || totalBytes <= bytesSeen) return;
    const uint64_t likely = size() * totalBytes / bytesSeen;
    steps_.reserve(static_cast<size_t>(likely + likely / 32 + 16));
}

void LineStarts::FitRoom() {
    if (steps_.capacity() > steps_.size() + steps_.size() / 8) steps_.shrink_to_fit();
}
