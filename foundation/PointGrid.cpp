#include "foundation/PointGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerCell = 4.0;
constexpr double kMostCells = 1 << 22;

uint32_t CellOf(double value, double origin, double cell, uint32_t count) {
    const double at = std::floor((value - origin) / cell);
    if (!(at > 0)) return 0;
    return at >= count ? count - 1 : static_cast<uint32_t>(at);
}

}  // namespace

void PointGrid::Build(const std::vector<PointPosition>& points) {
    *this = PointGrid{};
    if (points.empty()) return;
    double maxN = points.front().n, maxE = points.front().e;
    minN_ = maxN;
    minE_ = maxE;
    for (const PointPosition& p : points) {
        minN_ = std::min(minN_, p.n);
        maxN = std::max(maxN, p.n);
        minE_ = std::min(minE_, p.e);
        maxE = std::max(maxE, p.e);
    }
    const double spanN = maxN - minN_, spanE = maxE - minE_;
    const double cells =
        std::min(kMostCells, std::max(1.0, static_cast<double>(points.size()) / kPointsPerCell));
    if (spanN > 0 && spanE > 0)
        cell_ = std::sqrt(spanN * spanE / cells);
    else
        cell_ = std::max(spanN, spanE) / cells;
    // Cells far smaller than the extent's rounding, or a single spot, make one cell.
    if (!(cell_ > 0) || !std::isfinite(cell_)) cell_ = 1.0;
    columns_ = static_cast<uint32_t>(std::min(kMostCells, std::floor(spanE / cell_) + 1));
    rows_ = static_cast<uint32_t>(std::min(kMostCells / columns_, std::floor(spanN / cell_) + 1));
    first_.assign(static_cast<size_t>(columns_) * rows_ + 1, 0);
    std::vector<uint32_t> cellOf(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        cellOf[i] =
            CellOf(points[i].n, minN_, cell_, rows_) * columns_ + CellOf(points[i].e, minE_, cell_, columns_);
        ++first_[cellOf[i] + 1];
    }
    for (size_t c = 1; c < first_.size(); ++c) first_[c] += first_[c - 1];
    order_.resize(points.size());
    std::vector<uint32_t> next(first_.begin(), first_.end() - 1);
    for (size_t i = 0; i < points.size(); ++i) order_[next[cellOf[i]]++] = static_cast<uint32_t>(i);
}

bool PointGrid::Near(const GridBox& box, std::vector<uint32_t>& indexes) const {
    if (order_.empty() || box.maxN < minN_ || box.maxE < minE_ || box.minN > minN_ + cell_ * rows_ ||
        box.minE > minE_ + cell_ * columns_)
        return true;
    const uint32_t r0 = CellOf(box.minN, minN_, cell_, rows_), r1 = CellOf(box.maxN, minN_, cell_, rows_);
    const uint32_t c0 = CellOf(box.minE, minE_, cell_, columns_),
                   c1 = CellOf(box.maxE, minE_, cell_, columns_);
    size_t count = 0;
    for (uint32_t r = r0; r <= r1; ++r) count += first_[r * columns_ + c1 + 1] - first_[r * columns_ + c0];
    if (count > order_.size() / 4) return false;
    for (uint32_t r = r0; r <= r1; ++r)
        indexes.insert(indexes.end(), order_.begin() + first_[r * columns_ + c0],
                       order_.begin() + first_[r * columns_ + c1 + 1]);
    return true;
}
