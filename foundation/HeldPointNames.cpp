#include "foundation/HeldPointNames.h"

#include <algorithm>
#include <optional>
#include <string>

#include "foundation/PointNames.h"
#include "platform/text/CodePage.h"

namespace {
constexpr uint64_t kNumbered = uint64_t{1} << 63;
constexpr int kNumberBits = 40;
constexpr uint64_t kNumberLimit = uint64_t{1} << kNumberBits;
constexpr size_t kMaxDigits = 13;  // 10^13 > kNumberLimit
// Keys added out of order wait in a list this long (or a quarter of those merged) before they are
// sorted in: a lookup reads the list through.
constexpr size_t kAddedBeforeMerge = 1024;

uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return hash;
}

// The name's trailing number, when it has one without leading zeros below kNumberLimit; `stem` is
// what stands before it. ASCII digits are never part of a two-byte GBK character.
std::optional<uint64_t> TrailingNumber(std::string_view name, std::string_view& stem) {
    size_t digits = 0;
    while (digits < name.size() && name[name.size() - 1 - digits] >= '0' &&
           name[name.size() - 1 - digits] <= '9')
        ++digits;
    const std::string_view number = name.substr(name.size() - digits);
    if (digits == 0 || digits > kMaxDigits || (digits > 1 && number[0] == '0')) return std::nullopt;
    uint64_t value = 0;
    for (const char c : number) value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value >= kNumberLimit) return std::nullopt;
    stem = name.substr(0, name.size() - digits);
    return value;
}

uint64_t StemKey(std::string_view stem) {
    return kNumbered | ((Fnv1a(stem) >> (64 - 23)) << kNumberBits);
}

uint64_t KeyOf(std::string_view name) {
    std::string_view stem;
    if (const auto number = TrailingNumber(name, stem)) return StemKey(stem) + *number;
    return Fnv1a(name) >> 1;
}
}  // namespace

void HeldPointNames::Add(std::string_view gbkName) {
    const uint64_t key = KeyOf(gbkName);
    if (!added_.empty()) {
        Run& last = added_.back();
        // The same name again (a last line without its line end is read again) costs nothing.
        if (key >= last.first && key < last.first + last.count) return;
        if (key == last.first + last.count) {
            ++last.count;
            return;
        }
    }
    added_.push_back({key, 1});
    if (added_.size() >= std::max(kAddedBeforeMerge, (runs_.size() + singles_.size()) / 4)) Merge();
}

void HeldPointNames::Merge() const {
    if (added_.empty()) return;
    const auto byFirst = [](const Run& a, const Run& b) { return a.first < b.first; };
    std::sort(added_.begin(), added_.end(), byFirst);
    // The three sorted lists walked together into runs that neither overlap nor touch.
    std::vector<Run> runs;
    std::vector<uint64_t> singles;
    singles.reserve(singles_.size() + added_.size());  // merging never makes more of them
    Run open{0, 0};
    const auto close = [&] {
        if (open.count == 1) singles.push_back(open.first);
        if (open.count > 1) runs.push_back(open);
    };
    const auto take = [&](const Run& run) {
        if (open.count > 0 && run.first <= open.first + open.count) {
            open.count = std::max(open.first + open.count, run.first + run.count) - open.first;
            return;
        }
        close();
        open = run;
    };
    size_t r = 0, s = 0, a = 0;
    while (r < runs_.size() || s < singles_.size() || a < added_.size()) {
        const uint64_t fromRun = r < runs_.size() ? runs_[r].first : UINT64_MAX;
        const uint64_t fromSingle = s < singles_.size() ? singles_[s] : UINT64_MAX;
        const uint64_t fromAdded = a < added_.size() ? added_[a].first : UINT64_MAX;
        if (fromRun <= fromSingle && fromRun <= fromAdded && r < runs_.size())
            take(runs_[r++]);
        else if (fromSingle <= fromAdded && s < singles_.size())
            take({singles_[s++], 1});
        else
            take(added_[a++]);
    }
    close();
    runs.shrink_to_fit();
    singles.shrink_to_fit();
    runs_ = std::move(runs);
    singles_ = std::move(singles);
    added_.clear();
    added_.shrink_to_fit();
}

uint64_t HeldPointNames::EndOfRun(uint64_t key) const {
    if (added_.size() > kAddedBeforeMerge) Merge();
    // Each step moves past one stretch of held keys: merged runs and singles never touch, but keys
    // added since may join them.
    for (bool moved = true; moved;) {
        moved = false;
        const auto run = std::upper_bound(runs_.begin(), runs_.end(), key,
                                          [](uint64_t k, const Run& r) { return k < r.first; });
        if (run != runs_.begin() && key < std::prev(run)->first + std::prev(run)->count) {
            key = std::prev(run)->first + std::prev(run)->count;
            moved = true;
        }
        if (std::binary_search(singles_.begin(), singles_.end(), key)) {
            ++key;
            moved = true;
        }
        for (const Run& added : added_)
            if (key >= added.first && key < added.first + added.count) {
                key = added.first + added.count;
                moved = true;
            }
    }
    return key;
}

bool HeldPointNames::Holds(const CString& name) const {
    const uint64_t key = KeyOf(ToGbk(name));
    return EndOfRun(key) != key;
}

CString HeldPointNames::FirstFree(const CString& name) const {
    for (CString free = name;;) {
        const std::string bytes = ToGbk(free);
        const uint64_t key = KeyOf(bytes);
        const uint64_t end = EndOfRun(key);
        if (end == key) return free;
        std::string_view stem;
        const auto number = TrailingNumber(bytes, stem);
        if (!number || end - StemKey(stem) >= kNumberLimit) {
            // A name without a number of its own (or past the numbers keyed): its successor is
            // keyed anew.
            free = NextPointNameOf(free, 1);
            continue;
        }
        // The keys up to `end` are the name's successors, held one after another.
        CString next = free.Left(free.GetLength() - static_cast<int>(bytes.size() - stem.size()));
        for (const char c : std::to_string(end - StemKey(stem))) next += static_cast<wchar_t>(c);
        return next;
    }
}

size_t HeldPointNames::Bytes() const {
    return (runs_.capacity() + added_.capacity()) * sizeof(Run) + singles_.capacity() * sizeof(uint64_t);
}
