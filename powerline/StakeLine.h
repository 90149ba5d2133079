#pragma once
// Where a power-line point lies on the current stake line: its mileage along the line, its offset
// from it and its height difference. The line library that chooses a stake line is not built, so
// the screens store along none until one is set.
#include <optional>

struct StakeLinePosition {
    double mileage = 0.0;
    double offset = 0.0;
    double heightDifference = 0.0;
};

// Column 34 of a point stored along the current stake line; any other point has 0 there.
inline constexpr int kAlongStakeLine = 3;

inline int Column34Value(const std::optional<StakeLinePosition>& line) {
    return line ? kAlongStakeLine : 0;
}
