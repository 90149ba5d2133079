#pragma once
// A grid over the positions of a list of points, so that the points within a box are found through
// the cells it covers rather than by a look at every point.
#include <cstdint>
#include <vector>

#include "foundation/PointPositions.h"

// North from minN to maxN, east from minE to maxE, in metres.
struct GridBox {
    double minN = 0.0;
    double minE = 0.0;
    double maxN = 0.0;
    double maxE = 0.0;
};

class PointGrid {
public:
    // About four points a cell over the points' extent.
    void Build(const std::vector<PointPosition>& points);
    // Appends the indexes of the points whose cells the box covers, in no particular order (points
    // near the box are among them). False, with nothing appended, when those are more than a quarter
    // of all: a look at every point is then cheaper.
    bool Near(const GridBox& box, std::vector<uint32_t>& indexes) const;

private:
    double minN_ = 0.0;
    double minE_ = 0.0;
    double cell_ = 1.0;  // metres a side
    uint32_t columns_ = 0;
    uint32_t rows_ = 0;
    std::vector<uint32_t>
        first_;  // per cell, row by row, where its points start in order_; one more at the end
    std::vector<uint32_t> order_;  // the points' indexes by cell, each cell's in increasing order
};
