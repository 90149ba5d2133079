#pragma once
// What the main map keeps of its markers' names from one paint to the next: the names its last
// markers read, and the width of every name a paint measured since the list was replaced. A marker
// found again takes its name back; one whose name was measured before is read again only where a
// name that wide finds room, so that a pan or a zoom reads few names it does not show.
#include <cstdint>
#include <vector>

#include "foundation/MapMarker.h"

class MarkerNameMemory {
public:
    // Before the markers of a list of `generation` are found afresh: takes the names `markers`
    // read when they were drawn from that list, else forgets all and makes room for the widths of
    // the list's points `front` to `end`.
    void Keep(std::vector<MapMarker>& markers, uint64_t generation, size_t front, size_t end);
    // A marker just found for the point its tag names, in increasing order of tags: the name it
    // read before, else the width its name was measured at.
    void Recall(MapMarker& marker);
    // After a paint: the widths its markers' names were measured at.
    void Learn(const std::vector<MapMarker>& markers);

private:
    struct Name {
        int32_t tag;
        CString name;
    };
    uint8_t* Width(int32_t tag);

    uint64_t generation_ = 0;
    std::vector<Name> names_;  // by increasing tag
    size_t next_ = 0;          // the first of names_ Recall has not passed
    size_t front_ = 0;
    std::vector<uint8_t> widths_;  // from front_: one more than a name's measured width, 0 unknown
};
