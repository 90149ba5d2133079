#include "foundation/StringRoutines.h"

#include <utility>

void SortStringArrayNoCase(std::vector<CString>& strings) {
    if (strings.size() < 2) return;
    // Neighbour swaps keep strings that compare equal in their order.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 0; i + 1 < strings.size(); ++i) {
            if (strings[i].CompareNoCase(strings[i + 1]) > 0) {
                std::swap(strings[i], strings[i + 1]);
                swapped = true;
            }
        }
    }
}

std::optional<int> ReverseFindChar(const wchar_t* text, wchar_t ch) {
    if (!text) return std::nullopt;
    int end = 0;
    while (text[end]) ++end;
    for (int i = end; i >= 0; --i)
        if (text[i] == ch) return i;
    return std::nullopt;
}
