#pragma once
// The items of a list box or of a combo box's list: texts with a value each, optionally kept in
// sorted order, found by prefix or whole text without regard to case.
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class CStringItems {
public:
    struct Item {
        CString text;
        uintptr_t data = 0;
    };

    int Count() const { return static_cast<int>(items_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const Item& At(int index) const { return items_[static_cast<size_t>(index)]; }
    Item& At(int index) { return items_[static_cast<size_t>(index)]; }
    // At the end, or in sorted place; the index it took.
    int Add(const CString& text, bool sorted);
    // Before `index`, or at the end for -1; -1 when the index is beyond the end.
    int Insert(int index, const CString& text);
    void Remove(int index) { items_.erase(items_.begin() + index); }
    void Clear() { items_.clear(); }
    // The first item after `start` (searching on from the top, round to `start`) whose text
    // begins with `text`, or equals it when `exact`; -1 when none does.
    int Find(int start, const CString& text, bool exact) const;

    // The messages of a list box and a combo box that read or set one item: its text into the
    // caller's buffer, its length, a find from an index by prefix or whole text, its value.
    enum class Query { Text, TextLength, Find, FindExact, Data, SetData };
    // The answer to `query` with the message's parameters; -1 for an index that names no item.
    LRESULT Answer(Query query, WPARAM wParam, LPARAM lParam);

private:
    std::vector<Item> items_;
};
