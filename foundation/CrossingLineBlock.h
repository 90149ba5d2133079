#pragma once
// The crossing-line block of the job's store state: four words and a small record that the
// power-line survey screen sets from its line library, and that the 道亨 store dialog is handed when
// its first word is not 0. What the words and the record say belongs to that library, which is not
// built: the survey screen leaves the block as it is.
#include <array>
#include <cstdint>

#include "foundation/PointRecord.h"

struct CrossingLineBlock {
    std::array<int32_t, 4> words{};
    PointRecord record;

    bool IsSet() const { return words[0] != 0; }
};
