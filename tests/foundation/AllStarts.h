#pragma once
// The line starts an index holds, as whole offsets to compare with a list.
#include <cstdint>
#include <vector>

#include "foundation/LineStarts.h"

inline std::vector<uint64_t> AllStarts(const LineStarts& starts) {
    std::vector<uint64_t> all;
    for (size_t i = 0; i < starts.size(); ++i) all.push_back(starts[i]);
    return all;
}
