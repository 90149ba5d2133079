#include "foundation/screens/MarkerLayer.h"

#include <algorithm>

#include "foundation/screens/PointLabels.h"

namespace {

constexpr int32_t kHalf = 2;  // a square's outline lies this far from its point

// The latest marker drawing each pixel of an area (or -1).
class LastDrawn {
public:
    explicit LastDrawn(const PixelRect& area)
        : area_(area),
          width_(area.right - area.left),
          last_(static_cast<size_t>(width_) * static_cast<size_t>(area.bottom - area.top), -1) {}

    // The outline of the 5 x 5 box round the marker's point, which its closed square covers.
    void Square(const MapMarker& m, int32_t index) {
        const int32_t x = m.x - area_.left, y = m.y - area_.top;
        for (int32_t dx = -kHalf; dx <= kHalf; ++dx) {
            At(x + dx, y - kHalf) = index;
            At(x + dx, y + kHalf) = index;
        }
        for (int32_t dy = 1 - kHalf; dy < kHalf; ++dy) {
            At(x - kHalf, y + dy) = index;
            At(x + kHalf, y + dy) = index;
        }
    }

    // Adds the runs, within `box`, of the pixels whose latest marker comes after `after`.
    void Runs(const PixelRect& box, int32_t after, std::vector<PixelRun>& runs) const {
        const int32_t left = std::max(box.left, area_.left), right = std::min(box.right, area_.right);
        for (int32_t y = std::max(box.top, area_.top); y < std::min(box.bottom, area_.bottom); ++y) {
            const int32_t* row = &last_[static_cast<size_t>(y - area_.top) * width_];
            for (int32_t x = left; x < right;) {
                if (row[x - area_.left] <= after) {
                    ++x;
                    continue;
                }
                const int32_t from = x;
                while (x < right && row[x - area_.left] > after) ++x;
                runs.push_back({y, from, x});
            }
        }
    }

private:
    int32_t& At(int32_t x, int32_t y) { return last_[static_cast<size_t>(y) * width_ + x]; }

    PixelRect area_;
    int32_t width_;
    std::vector<int32_t> last_;
};

}  // namespace

bool MarkerLayer::Keeps(const CDC& dc) {
    const CPen* pen = dc.GetCurrentPen();
    return dc.GetROP2() == R2_COPYPEN && pen && pen->GetStyle() == PS_SOLID && pen->GetWidth() <= 1;
}

// A square drawn after a name is drawn over it; one drawn before is under it, or wiped where the
// name's box is painted. The squares are drawn first, then each name with the later squares over it.
void MarkerLayer::Draw(CDC& dc, const std::vector<MapMarker>& markers, LabelLayout& labels,
                       const PixelRect& plot) {
    Forget();
    if (!Keeps(dc)) {
        DrawPointLabels(dc, markers, labels);
        return;
    }
    before_ = labels;
    const PixelRect area{plot.left - kHalf, plot.top - kHalf, plot.right + kHalf, plot.bottom + kHalf};
    LastDrawn last(area);
    std::vector<int32_t> namedBy;
    {
        const PointLabelFont font(dc);
        for (size_t i = 0; i < markers.size(); ++i) {
            last.Square(markers[i], static_cast<int32_t>(i));
            if (const std::optional<PixelRect> box = PlaceMarkerName(dc, markers[i], labels)) {
                names_.push_back({markers[i].name, *box, 0, 0});
                namedBy.push_back(static_cast<int32_t>(i));
            }
        }
    }
    last.Runs(area, -1, squares_);
    for (size_t j = 0; j < names_.size(); ++j) {
        names_[j].overFrom = over_.size();
        last.Runs(names_[j].box, namedBy[j], over_);
        names_[j].overTo = over_.size();
    }
    after_ = labels;
    kept_ = true;
    Paint(dc);
}

bool MarkerLayer::DrawAgain(CDC& dc, LabelLayout& labels) const {
    if (!kept_ || !Keeps(dc) || !(labels == before_)) return false;
    labels = after_;
    Paint(dc);
    return true;
}

void MarkerLayer::Forget() {
    kept_ = false;
    squares_.clear();
    names_.clear();
    over_.clear();
}

void MarkerLayer::Paint(CDC& dc) const {
    const auto draw = [&](const PixelRun& run) {
        // A line leaves out its end point.
        const POINT line[] = {{run.left, run.y}, {run.right, run.y}};
        dc.Polyline(line, 2);
    };
    for (const PixelRun& run : squares_) draw(run);
    const PointLabelFont font(dc);
    for (const Name& name : names_) {
        DrawLabelText(dc, name.text, name.box);
        for (size_t i = name.overFrom; i < name.overTo; ++i) draw(over_[i]);
    }
}
