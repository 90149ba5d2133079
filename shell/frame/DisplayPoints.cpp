#include "shell/frame/DisplayPoints.h"

bool FilePoints::Read(const CString& file, const PointFileWindow& window) {
    path = file;
    const bool read = ReadPointPositions(file, positions, window);
    grid.Build(positions);
    return read;
}

size_t DisplayPoints::FirstShown(int rule) const {
    const long long first = static_cast<long long>(undeleted_) - rule;
    return rule == -1 || first < 0 ? 0 : static_cast<size_t>(first);
}

PointRecord DisplayPoints::operator[](size_t i) const {
    if (i >= file_.positions.size()) return Kept(i);
    const PointPosition& at = file_.positions[i];
    if (!reader_) reader_ = std::make_unique<PointLineReader>(file_.path);
    PointRecord point;
    if (!reader_->Read(at.offset, point) || point.x != at.n || point.y != at.e) point = PointRecord{};
    point.x = at.n;
    point.y = at.e;
    return point;
}

CString DisplayPoints::Name(size_t i, LineBlock* ahead) const {
    if (i >= file_.positions.size()) return Kept(i).name;
    const PointPosition& at = file_.positions[i];
    if (!reader_) reader_ = std::make_unique<PointLineReader>(file_.path);
    PointRecord point;
    if (!reader_->ReadHead(at.offset, point, ahead) || point.x != at.n || point.y != at.e) return CString();
    return point.name;
}

void DisplayPoints::Clear() {
    const uint64_t generation = generation_;
    *this = DisplayPoints{};
    generation_ = generation + 1;
}

void DisplayPoints::Append(const PointRecord& point) {
    kept_.push_back(point);
    if (point.flag == 0) ++undeleted_;
}

void DisplayPoints::TakeFilePoints(FilePoints read) {
    undeleted_ += read.positions.size();
    file_ = std::move(read);
    reader_.reset();
    ++generation_;
    // Stores let go while the file was read lay beyond the rule, and so does every point read.
    front_ = keptDropped_ > 0 ? file_.positions.size() + keptDropped_ : 0;
}

void DisplayPoints::DropBefore(size_t index) {
    front_ = std::max(front_, std::min(index, size()));
    for (; file_.positions.size() + keptDropped_ < front_; ++keptDropped_) kept_.pop_front();
}
