#include "foundation/PointSearch.h"

#include <algorithm>

std::vector<PointCandidate> SearchPoints(const std::vector<PointCandidate>& candidates, const CString& text) {
    if (text.IsEmpty()) return candidates;
    CString needle = text;
    needle.MakeUpper();
    std::vector<PointCandidate> matches;
    for (const PointCandidate& c : candidates) {
        CString name = c.point.name;
        const int at = name.MakeUpper().Find(needle.c_str());
        if (at < 0) continue;
        matches.push_back(c);
        matches.back().matchPosition = at;
    }
    std::stable_sort(matches.begin(), matches.end(), [](const PointCandidate& a, const PointCandidate& b) {
        return a.matchPosition < b.matchPosition;
    });
    return matches;
}
