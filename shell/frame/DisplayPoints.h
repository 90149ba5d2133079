#pragma once
// The points the main map shows, as the map needs them: each one's grid position, and the rest of it
// (name, height, code) read from its line of the point file when asked for; the points stored in
// this run are kept whole. An index keeps its point for the list's life, so that the front can be let
// go once the display rule shows it no more.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "foundation/PointGrid.h"
#include "foundation/PointPositions.h"

// What a read of a point file gives the map: the points' positions and a grid over them.
struct FilePoints {
    CString path;
    std::vector<PointPosition> positions;
    PointGrid grid;
    // The points LoadPointFile keeps for `window`; false when the file cannot be read.
    bool Read(const CString& file, const PointFileWindow& window);
};

class DisplayPoints {
public:
    DisplayPoints() = default;
    DisplayPoints(DisplayPoints&&) = default;
    DisplayPoints& operator=(DisplayPoints&&) = default;

    // Every point the list has had since it was last cleared, those let go included.
    size_t size() const { return file_.positions.size() + keptDropped_ + kept_.size(); }
    bool empty() const { return size() == 0; }
    // The first index the list still holds.
    size_t Front() const { return front_; }
    // The first index the display rule lets through: the newest `rule` undeleted points, all for -1.
    // Deleted points are counted by their place in the list, as the map always has.
    size_t FirstShown(int rule) const;

    // Of an index the list holds: the position, whether it is a deleted point, the whole point.
    double North(size_t i) const { return i < file_.positions.size() ? file_.positions[i].n : Kept(i).x; }
    double East(size_t i) const { return i < file_.positions.size() ? file_.positions[i].e : Kept(i).y; }
    bool Deleted(size_t i) const { return i >= file_.positions.size() && Kept(i).flag != 0; }
    // A point whose line can no longer be read (or now holds another point) comes with its position
    // and no name.
    PointRecord operator[](size_t i) const;
    // Its name alone, read from the start of its line: empty as above. A caller asking for names in
    // increasing index order keeps `ahead` between them, and the file is read a block at a time.
    CString Name(size_t i, LineBlock* ahead = nullptr) const;

    void Clear();
    // A point stored in this run joins at the end.
    void Append(const PointRecord& point);
    // The points read from a point file go in front of those appended since the list was cleared.
    void TakeFilePoints(FilePoints read);
    // What lies before `index` is never asked for again.
    void DropBefore(size_t index);
    // Changes whenever the indexes come to mean other points (a clear, a file read in front).
    uint64_t Generation() const { return generation_; }

    // The held points from `from` on whose positions lie in the box, in increasing index order:
    // visit(index, north, east).
    template <typename Visit>
    void ForEachIn(const GridBox& box, size_t from, Visit visit) const;

private:
    const PointRecord& Kept(size_t i) const { return kept_[i - file_.positions.size() - keptDropped_]; }
    static bool Inside(const GridBox& box, double n, double e) {
        return n >= box.minN && n <= box.maxN && e >= box.minE && e <= box.maxE;
    }

    FilePoints file_;
    std::deque<PointRecord> kept_;
    size_t keptDropped_ = 0;
    size_t front_ = 0;
    size_t undeleted_ = 0;
    uint64_t generation_ = 0;
    mutable std::unique_ptr<PointLineReader> reader_;
    mutable std::vector<uint32_t> near_;
};

template <typename Visit>
void DisplayPoints::ForEachIn(const GridBox& box, size_t from, Visit visit) const {
    from = std::max(from, front_);
    const std::vector<PointPosition>& file = file_.positions;
    near_.clear();
    if (from < file.size() && file_.grid.Near(box, near_)) {
        std::erase_if(near_, [&](uint32_t i) { return i < from || !Inside(box, file[i].n, file[i].e); });
        std::sort(near_.begin(), near_.end());
        for (uint32_t i : near_) visit(size_t{i}, file[i].n, file[i].e);
    } else {
        for (size_t i = from; i < file.size(); ++i)
            if (Inside(box, file[i].n, file[i].e)) visit(i, file[i].n, file[i].e);
    }
    for (size_t i = std::max(from, file.size() + keptDropped_); i < size(); ++i)
        if (const PointRecord& p = Kept(i); Inside(box, p.x, p.y)) visit(i, p.x, p.y);
}
