#pragma once
// The find dialog's search over a list's points: case-blind substring match of the name,
// earliest match first.
#include <cstdint>
#include <vector>

#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

struct PointCandidate {
    PointRecord point;
    int32_t row = -1;            // the row in the caller's list
    int32_t matchPosition = -1;  // where the search text starts in the name
};

// Candidates whose name holds `text` (case-blind), ordered by match position with equal
// positions in candidate order. An empty text gives every candidate in order.
std::vector<PointCandidate> SearchPoints(const std::vector<PointCandidate>& candidates, const CString& text);
