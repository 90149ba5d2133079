#pragma once
// The names a point file holds, kept compactly enough for a season's file: each name is a 64-bit
// key, and keys that follow one another are kept as one run. A name that ends in a number without
// leading zeros (below 2^40) keys as its stem's 23-bit hash beside that number, so that a name and
// its successor (NextPointNameOf) are neighbouring keys and FirstFree passes over a run of held
// numbers in one step; any other name keys as a 63-bit hash of its bytes. Two names that share a key
// only make a free name look held: a proposal may skip it, never offer a held one. At most 8 bytes a
// name (a run takes 16 bytes for two names or more).
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/CString.h"

class HeldPointNames {
public:
    // A name as the file holds it (GBK, blanks trimmed). Names added in a row that follow one
    // another cost nothing more than the run they extend.
    void Add(std::string_view gbkName);
    bool Holds(const CString& name) const;
    // `name` when it is not held, else the first of its successors (step 1) that is not.
    CString FirstFree(const CString& name) const;
    size_t Bytes() const;

private:
    struct Run {
        uint64_t first;
        uint64_t count;
    };
    // The end of the run of held keys that holds `key` (the first key after it), or `key` when it is
    // not held.
    uint64_t EndOfRun(uint64_t key) const;
    // Sorts the keys added since the last merge in.
    void Merge() const;

    // Runs of two keys or more and single keys, sorted, disjoint and apart from one another; the
    // keys added since they were merged wait in `added_`, those added in a row as one run.
    mutable std::vector<Run> runs_;
    mutable std::vector<uint64_t> singles_;
    mutable std::vector<Run> added_;
};
