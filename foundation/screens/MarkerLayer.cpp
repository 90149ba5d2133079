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
          last_(static_cast<size_t>(width_) * static_cast<size_t>(area.bottom - area.top), -1),
          centre_(last_.size(), 0) {}

    // The outline of the 5 x 5 box round the marker's point, which its closed square covers; true
    // for the first square round that point.
    bool Square(const MapMarker& m, int32_t index) {
        const int32_t x = m.x - area_.left, y = m.y - area_.top;
        uint8_t& centre = centre_[static_cast<size_t>(y) * width_ + x];
        const bool first = centre == 0;
        centre = 1;
        for (int32_t dx = -kHalf; dx <= kHalf; ++dx) {
            At(x + dx, y - kHalf) = index;
            At(x + dx, y + kHalf) = index;
        }
        for (int32_t dy = 1 - kHalf; dy < kHalf; ++dy) {
            At(x - kHalf, y + dy) = index;
            At(x + kHalf, y + dy) = index;
        }
        return first;
    }

    // Adds runs covering the pixels, within `box`, whose latest marker comes after `after`: those
    // of a row's runs two or more long, then the rest down their columns. A square alone is four.
    void Runs(const PixelRect& box, int32_t after, std::vector<PixelRun>& runs) {
        const PixelRect c{std::max(box.left, area_.left), std::max(box.top, area_.top),
                          std::min(box.right, area_.right), std::min(box.bottom, area_.bottom)};
        if (c.left >= c.right || c.top >= c.bottom) return;
        const int32_t width = c.right - c.left;
        single_.assign(static_cast<size_t>(width) * static_cast<size_t>(c.bottom - c.top), 0);
        const auto shown = [&](int32_t x, int32_t y) {
            return last_[static_cast<size_t>(y - area_.top) * width_ + (x - area_.left)] > after;
        };
        for (int32_t y = c.top; y < c.bottom; ++y) {
            for (int32_t x = c.left; x < c.right;) {
                if (!shown(x, y)) {
                    ++x;
                    continue;
                }
                const int32_t from = x;
                while (x < c.right && shown(x, y)) ++x;
                if (x - from > 1)
                    runs.push_back({from, y, x, y});
                else
                    single_[static_cast<size_t>(y - c.top) * width + (from - c.left)] = 1;
            }
        }
        const auto alone = [&](int32_t x, int32_t y) {
            return single_[static_cast<size_t>(y - c.top) * width + (x - c.left)] != 0;
        };
        for (int32_t x = c.left; x < c.right; ++x) {
            for (int32_t y = c.top; y < c.bottom;) {
                if (!alone(x, y)) {
                    ++y;
                    continue;
                }
                const int32_t from = y;
                while (y < c.bottom && alone(x, y)) ++y;
                runs.push_back({x, from, x, y});
            }
        }
    }

private:
    int32_t& At(int32_t x, int32_t y) { return last_[static_cast<size_t>(y) * width_ + x]; }

    PixelRect area_;
    int32_t width_;
    std::vector<int32_t> last_;
    std::vector<uint8_t> centre_;  // the points a square is drawn round
    std::vector<uint8_t> single_;  // pixels of a run one long, while runs are found
};

}  // namespace

bool MarkerLayer::Keeps(const CDC& dc) {
    const CPen* pen = dc.GetCurrentPen();
    return dc.GetROP2() == R2_COPYPEN && pen && pen->GetStyle() == PS_SOLID && pen->GetWidth() <= 1;
}

// A square drawn after a name is drawn over it; one drawn before is under it, or wiped where the
// name's box is painted. The squares are drawn first, then each name with the later squares over it;
// a pixel copied twice in the pen's colour is as once. The squares are kept as runs where they crowd
// together, else one by one, whichever draws fewer lines.
void MarkerLayer::Draw(CDC& dc, std::vector<MapMarker>& markers, LabelLayout& labels, const PixelRect& plot,
                       const NameReader& readName) {
    Forget();
    // The box the marker's name takes, if it finds one. A name not read yet is read only where a
    // name as wide as it is known to be (a pixel, when nothing is known) finds room: no wider name
    // finds room where a narrower one finds none.
    const auto place = [&](MapMarker& m) -> std::optional<PixelRect> {
        if (!m.nameRead) {
            if (!readName || !MarkerNameHasRoom(m, labels, std::max<int32_t>(m.nameWidth, 1))) return {};
            readName(m);
        }
        if (m.nameWidth < 0) m.nameWidth = static_cast<int16_t>(MarkerNameWidth(dc, m.name));
        return PlaceMarkerName(m, m.nameWidth, labels);
    };
    if (!Keeps(dc)) {
        const PointLabelFont font(dc);
        for (MapMarker& m : markers) {
            DrawMarkerSquare(dc, {m.x, m.y});
            if (const std::optional<PixelRect> box = place(m)) DrawLabelText(dc, m.name, *box);
        }
        return;
    }
    before_ = labels;
    const PixelRect area{plot.left - kHalf, plot.top - kHalf, plot.right + kHalf, plot.bottom + kHalf};
    LastDrawn last(area);
    std::vector<int32_t> namedBy;
    std::vector<PixelPoint> centres;
    {
        const PointLabelFont font(dc);
        for (size_t i = 0; i < markers.size(); ++i) {
            if (last.Square(markers[i], static_cast<int32_t>(i)))
                centres.push_back({markers[i].x, markers[i].y});
            if (const std::optional<PixelRect> box = place(markers[i])) {
                names_.push_back({markers[i].name, *box, 0, 0});
                namedBy.push_back(static_cast<int32_t>(i));
            }
        }
    }
    last.Runs(area, -1, squares_);
    if (centres.size() < squares_.size()) {
        squares_.clear();
        centres_ = std::move(centres);
    }
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
    centres_.clear();
    squares_.clear();
    names_.clear();
    over_.clear();
}

void MarkerLayer::Paint(CDC& dc) const {
    const auto draw = [&](const PixelRun& run) {
        // A line leaves out its end point.
        const POINT line[] = {{run.x, run.y}, {run.toX, run.toY}};
        dc.Polyline(line, 2);
    };
    for (const PixelPoint& centre : centres_) DrawMarkerSquare(dc, centre);
    for (const PixelRun& run : squares_) draw(run);
    const PointLabelFont font(dc);
    for (const Name& name : names_) {
        DrawLabelText(dc, name.text, name.box);
        for (size_t i = name.overFrom; i < name.overTo; ++i) draw(over_[i]);
    }
}
