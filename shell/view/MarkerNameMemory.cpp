#include "shell/view/MarkerNameMemory.h"

#include <algorithm>
#include <limits>

void MarkerNameMemory::Keep(std::vector<MapMarker>& markers, uint64_t generation, size_t front, size_t end) {
    names_.clear();
    next_ = 0;
    if (generation == generation_) {
        for (MapMarker& m : markers)
            if (m.nameRead) names_.push_back({m.tag, std::move(m.name)});
        return;
    }
    generation_ = generation;
    front_ = front;
    // Points stored later have their names at hand: only those of the list so far are measured.
    widths_.assign(end > front ? end - front : 0, 0);
}

uint8_t* MarkerNameMemory::Width(int32_t tag) {
    const size_t index = static_cast<size_t>(tag);
    return tag >= 0 && index >= front_ && index - front_ < widths_.size() ? &widths_[index - front_]
                                                                          : nullptr;
}

void MarkerNameMemory::Recall(MapMarker& marker) {
    while (next_ < names_.size() && names_[next_].tag < marker.tag) ++next_;
    const uint8_t* width = Width(marker.tag);
    marker.nameWidth = width && *width > 0 ? static_cast<int16_t>(*width - 1) : -1;
    if (next_ < names_.size() && names_[next_].tag == marker.tag) {
        marker.name = std::move(names_[next_].name);
        marker.nameRead = true;
    } else {
        // A name measured empty draws nothing: it needs no reading.
        marker.nameRead = marker.nameWidth == 0;
    }
}

void MarkerNameMemory::Learn(const std::vector<MapMarker>& markers) {
    constexpr int kWidest = std::numeric_limits<uint8_t>::max() - 1;
    for (const MapMarker& m : markers)
        if (uint8_t* width = Width(m.tag); width && m.nameWidth >= 0)
            *width = static_cast<uint8_t>(std::min<int>(m.nameWidth, kWidest) + 1);
}
