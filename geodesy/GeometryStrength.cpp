// Linear error propagation through each solver's least-squares model: with the design B (the
// coordinates reduced to the points' centroid and divided by their spread, as the solvers do, so
// that the normal matrix stays well conditioned) the unknowns' cofactor matrix is Q = (BᵀB)⁻¹ and
// a converted position's variance is σ² J Q Jᵀ, J being the model's rows at that position. The
// layout's own σ comes from the residuals v = B Q Bᵀ l − l when there are spare observations.
#include "geodesy/GeometryStrength.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "foundation/CMatrix.h"

namespace {
constexpr double kInfinite = std::numeric_limits<double>::infinity();
// The site's circle is sampled this often; the error grows smoothly around it.
constexpr int kSiteDirections = 36;
constexpr double kPi = 3.14159265358979323846;

using Row = std::vector<double>;
using Vector3 = std::array<double, 3>;

GeometryEstimate Degenerate() {
    return GeometryEstimate{kInfinite, kInfinite, true};
}

// The observations of one model: each row of the design with its observed value (metres).
class Observations {
public:
    explicit Observations(uint32_t unknowns) : unknowns_(unknowns) {}
    void Add(const Row& row, double observed) {
        rows_.push_back(row);
        observed_.push_back(observed);
    }

    // Q = (BᵀB)⁻¹ and the unit error; false when the layout cannot determine the unknowns.
    bool Solve() {
        const auto count = static_cast<uint32_t>(rows_.size());
        CMatrix b(count, unknowns_);
        CMatrix l(count, 1);
        for (uint32_t i = 0; i < count; ++i) {
            for (uint32_t j = 0; j < unknowns_; ++j) b.SetAt(i, j, rows_[i][j]);
            l.SetAt(i, 0, observed_[i]);
        }
        const CMatrix bt = b.Transpose();
        q_ = bt.Multiply(b).Inverse();
        if (!q_.IsValid()) return false;
        sigma_ = kMeasurementError;
        if (count > unknowns_) {
            const CMatrix fitted = b.Multiply(q_.Multiply(bt).Multiply(l));
            double sum = 0.0;
            for (uint32_t i = 0; i < count; ++i) sum += std::pow(fitted.GetAt(i, 0) - l.GetAt(i, 0), 2);
            sigma_ = std::max(sigma_, std::sqrt(sum / (count - unknowns_)));
        }
        return true;
    }

    // σ² a Q aᵀ: the variance of the linear function `a` of the unknowns.
    double Variance(const Row& a) const {
        double sum = 0.0;
        for (uint32_t i = 0; i < unknowns_; ++i)
            for (uint32_t j = 0; j < unknowns_; ++j) sum += a[i] * q_.GetAt(i, j) * a[j];
        return sigma_ * sigma_ * std::max(sum, 0.0);
    }

private:
    uint32_t unknowns_;
    std::vector<Row> rows_;
    std::vector<double> observed_;
    CMatrix q_;
    double sigma_ = kMeasurementError;
};

// Centroid, spread (largest coordinate offset, the solvers' unit) and reach (distance to the
// farthest point) of planar or spatial points.
struct Layout {
    Vector3 centroid{};
    double spread = 1.0;
    double reach = 0.0;
};

Layout LayoutOf(const std::vector<Vector3>& points) {
    Layout layout;
    for (const Vector3& p : points)
        for (size_t axis = 0; axis < 3; ++axis)
            layout.centroid[axis] += p[axis] / static_cast<double>(points.size());
    double spread = 0.0;
    for (const Vector3& p : points) {
        double squared = 0.0;
        for (size_t axis = 0; axis < 3; ++axis) {
            const double offset = p[axis] - layout.centroid[axis];
            spread = std::max(spread, std::fabs(offset));
            squared += offset * offset;
        }
        layout.reach = std::max(layout.reach, std::sqrt(squared));
    }
    if (spread > 0.0) layout.spread = spread;
    return layout;
}

// The site's radius in the layout's units.
double SiteRadius(const Layout& layout) {
    return std::max(layout.reach, kMinSiteRadius) / layout.spread;
}

// Unit directions (cos, sin) round the site's circle.
std::vector<std::array<double, 2>> SiteDirections() {
    std::vector<std::array<double, 2>> directions;
    for (int k = 0; k < kSiteDirections; ++k) {
        const double a = 2.0 * kPi * k / kSiteDirections;
        directions.push_back({std::cos(a), std::sin(a)});
    }
    return directions;
}
}  // namespace

GeometryEstimate FourParamGeometry(const std::vector<PlanePointPair>& pairs) {
    if (pairs.size() < 2) return Degenerate();
    std::vector<Vector3> sources;
    for (const PlanePointPair& p : pairs) sources.push_back({p.sourceX, p.sourceY, 0.0});
    const Layout layout = LayoutOf(sources);
    // Unknowns: the two shifts and a = k cos θ, b = k sin θ about the centroid.
    Observations model(4);
    for (const PlanePointPair& p : pairs) {
        const double x = (p.sourceX - layout.centroid[0]) / layout.spread;
        const double y = (p.sourceY - layout.centroid[1]) / layout.spread;
        model.Add({1, 0, x, -y}, p.targetX);
        model.Add({0, 1, y, x}, p.targetY);
    }
    if (!model.Solve()) return Degenerate();
    const double r = SiteRadius(layout);
    GeometryEstimate estimate;
    for (const auto& [c, s] : SiteDirections()) {
        const double x = r * c, y = r * s;
        estimate.plane =
            std::max(estimate.plane, std::sqrt(model.Variance({1, 0, x, -y}) + model.Variance({0, 1, y, x})));
    }
    return estimate;
}

GeometryEstimate SevenParamGeometry(const std::vector<SpacePointPair>& pairs) {
    if (pairs.empty()) return Degenerate();
    std::vector<Vector3> sources;
    for (const SpacePointPair& p : pairs) sources.push_back({p.v[0], p.v[1], p.v[2]});
    const Layout layout = LayoutOf(sources);
    const bool translationsOnly = pairs.size() <= 2;
    Observations model(translationsOnly ? 3 : 7);
    const auto rows = [&](const Vector3& p) {
        const double x = p[0], y = p[1], z = p[2];
        if (translationsOnly) return std::array<Row, 3>{Row{1, 0, 0}, Row{0, 1, 0}, Row{0, 0, 1}};
        return std::array<Row, 3>{Row{1, 0, 0, x, 0, -z, y}, Row{0, 1, 0, y, z, 0, -x},
                                  Row{0, 0, 1, z, -y, x, 0}};
    };
    for (const SpacePointPair& p : pairs) {
        Vector3 reduced{};
        for (size_t axis = 0; axis < 3; ++axis)
            reduced[axis] = (p.v[axis] - layout.centroid[axis]) / layout.spread;
        const std::array<Row, 3> design = rows(reduced);
        for (size_t axis = 0; axis < 3; ++axis) model.Add(design[axis], p.v[axis] - p.v[axis + 3]);
    }
    if (!model.Solve()) return Degenerate();

    // The site lies in the horizon of the centroid: up along the centroid's radius (close enough to
    // the normal for an error estimate), east round the earth's axis.
    const Vector3& c = layout.centroid;
    const double radius = std::hypot(c[0], c[1], c[2]);
    const Vector3 up = radius > 0.0 ? Vector3{c[0] / radius, c[1] / radius, c[2] / radius} : Vector3{0, 0, 1};
    const double equatorial = std::hypot(up[0], up[1]);
    const Vector3 east =
        equatorial > 0.0 ? Vector3{-up[1] / equatorial, up[0] / equatorial, 0} : Vector3{0, 1, 0};
    const Vector3 north{up[1] * east[2] - up[2] * east[1], up[2] * east[0] - up[0] * east[2],
                        up[0] * east[1] - up[1] * east[0]};
    // The variance of a position's component along `unit`: the design rows weighted by it.
    const auto along = [&](const std::array<Row, 3>& design, const Vector3& unit) {
        Row a(design[0].size(), 0.0);
        for (size_t axis = 0; axis < 3; ++axis)
            for (size_t j = 0; j < a.size(); ++j) a[j] += unit[axis] * design[axis][j];
        return model.Variance(a);
    };
    const double r = SiteRadius(layout);
    GeometryEstimate estimate;
    for (const auto& [c, s] : SiteDirections()) {
        Vector3 p{};
        for (size_t axis = 0; axis < 3; ++axis) p[axis] = r * (c * north[axis] + s * east[axis]);
        const std::array<Row, 3> design = rows(p);
        estimate.plane = std::max(estimate.plane, std::sqrt(along(design, north) + along(design, east)));
        estimate.height = std::max(estimate.height, std::sqrt(along(design, up)));
    }
    return estimate;
}

GeometryEstimate HeightFitGeometry(const std::vector<SpacePointPair>& points, int terms) {
    if (points.empty() || terms < 1 || terms > 6) return Degenerate();
    std::vector<Vector3> marks;
    for (const SpacePointPair& p : points) marks.push_back({p.v[4], p.v[5], 0.0});
    const Layout layout = LayoutOf(marks);
    const auto row = [terms](double u, double v) {
        const Row full{1.0, u, v, u * u, v * v, u * v};
        return Row(full.begin(), full.begin() + terms);
    };
    Observations model(static_cast<uint32_t>(terms));
    for (const SpacePointPair& p : points)
        model.Add(
            row((p.v[4] - layout.centroid[0]) / layout.spread, (p.v[5] - layout.centroid[1]) / layout.spread),
            p.v[3] - p.v[2]);
    if (!model.Solve()) return Degenerate();
    const double r = SiteRadius(layout);
    GeometryEstimate estimate;
    for (const auto& [c, s] : SiteDirections())
        estimate.height = std::max(estimate.height, std::sqrt(model.Variance(row(r * c, r * s))));
    return estimate;
}
