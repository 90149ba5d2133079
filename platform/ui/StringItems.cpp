#include "platform/ui/StringItems.h"

#include <cwctype>

#include "platform/ui/ControlParts.h"

namespace {
int CompareNoCase(const wchar_t* a, const wchar_t* b, size_t limit) {
    for (size_t i = 0; i < limit; ++i) {
        const wint_t x = std::towlower(static_cast<wint_t>(a[i]));
        const wint_t y = std::towlower(static_cast<wint_t>(b[i]));
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}
}  // namespace

int CStringItems::Add(const CString& text, bool sorted) {
    size_t at = items_.size();
    if (sorted) {
        at = 0;
        while (at < items_.size() && CompareNoCase(items_[at].text.c_str(), text.c_str(), SIZE_MAX) <= 0)
            ++at;
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), Item{text, 0});
    return static_cast<int>(at);
}

int CStringItems::Insert(int index, const CString& text) {
    if (index < 0) index = Count();
    if (index > Count()) return -1;
    items_.insert(items_.begin() + index, Item{text, 0});
    return index;
}

int CStringItems::Find(int start, const CString& text, bool exact) const {
    const int n = Count();
    if (n == 0) return -1;
    const int first = Valid(start) ? start + 1 : 0;
    const size_t length = static_cast<size_t>(text.GetLength());
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        const CString& candidate = items_[static_cast<size_t>(i)].text;
        if (exact ? CompareNoCase(candidate.c_str(), text.c_str(), SIZE_MAX) == 0
                  : CompareNoCase(candidate.c_str(), text.c_str(), length) == 0)
            return i;
    }
    return -1;
}

LRESULT CStringItems::Answer(Query query, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    if (query == Query::Find || query == Query::FindExact)
        return Find(index, CString(reinterpret_cast<const wchar_t*>(lParam)), query == Query::FindExact);
    if (!Valid(index)) return -1;
    Item& item = At(index);
    switch (query) {
        case Query::Text:
            return CopyText(item.text, reinterpret_cast<wchar_t*>(lParam), item.text.GetLength() + 1);
        case Query::TextLength:
            return item.text.GetLength();
        case Query::Data:
            return static_cast<LRESULT>(item.data);
        default:
            item.data = static_cast<uintptr_t>(lParam);
            return 0;
    }
}
