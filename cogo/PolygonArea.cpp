#include "cogo/PolygonArea.h"

#include <cmath>

namespace {
struct Segment {
    PlanePoint a;
    PlanePoint b;
};

// Twice the signed area of the triangle p, q, r.
double Turn(PlanePoint p, PlanePoint q, PlanePoint r) {
    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
}

bool Within(PlanePoint p, const Segment& s) {
    return std::fmin(s.a.x, s.b.x) - kCoincidentTolerance <= p.x &&
           p.x <= std::fmax(s.a.x, s.b.x) + kCoincidentTolerance &&
           std::fmin(s.a.y, s.b.y) - kCoincidentTolerance <= p.y &&
           p.y <= std::fmax(s.a.y, s.b.y) + kCoincidentTolerance;
}

// Segments that share any point, touching and overlapping included. A turn smaller than the
// tolerance times the other segment's length counts as collinear.
bool Meet(const Segment& s, const Segment& t) {
    const double ls = PlanDistance(s.a, s.b), lt = PlanDistance(t.a, t.b);
    const double d1 = Turn(s.a, s.b, t.a) / ls, d2 = Turn(s.a, s.b, t.b) / ls;
    const double d3 = Turn(t.a, t.b, s.a) / lt, d4 = Turn(t.a, t.b, s.b) / lt;
    const auto side = [](double d) { return std::fabs(d) < kCoincidentTolerance ? 0 : (d > 0 ? 1 : -1); };
    const int s1 = side(d1), s2 = side(d2), s3 = side(d3), s4 = side(d4);
    if (s1 * s2 < 0 && s3 * s4 < 0) return true;
    return (s1 == 0 && Within(t.a, s)) || (s2 == 0 && Within(t.b, s)) || (s3 == 0 && Within(s.a, t)) ||
           (s4 == 0 && Within(s.b, t));
}

// Neighbouring edges share their corner; they fold back when the next edge runs back along the
// previous one.
bool FoldsBack(PlanePoint p, PlanePoint corner, PlanePoint q) {
    const double turn = Turn(p, corner, q) / PlanDistance(p, corner);
    const double ahead = (corner.x - p.x) * (q.x - corner.x) + (corner.y - p.y) * (q.y - corner.y);
    return std::fabs(turn) < kCoincidentTolerance && ahead < 0.0;
}
}  // namespace

CogoStatus MeasurePolygon(const std::vector<PlanePoint>& corners, PolygonMeasure& out) {
    const size_t n = corners.size();
    if (n < 3) return CogoStatus::kTooFewPoints;
    std::vector<Segment> edges;
    for (size_t i = 0; i < n; ++i) {
        const PlanePoint a = corners[i], b = corners[(i + 1) % n];
        if (PlanDistance(a, b) < kCoincidentTolerance) return CogoStatus::kCoincidentPoints;
        edges.push_back({a, b});
    }
    for (size_t i = 0; i < n; ++i) {
        if (FoldsBack(corners[i], corners[(i + 1) % n], corners[(i + 2) % n]))
            return CogoStatus::kSelfCrossing;
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;  // the closing edge meets the first at corner 0
            if (Meet(edges[i], edges[j])) return CogoStatus::kSelfCrossing;
        }
    }
    // The shoelace sum about the first corner keeps grid magnitudes (millions of metres) from
    // swamping the products.
    double twice = 0.0, perimeter = 0.0;
    const PlanePoint o = corners[0];
    for (size_t i = 0; i < n; ++i) {
        const PlanePoint a = corners[i], b = corners[(i + 1) % n];
        twice += (a.x - o.x) * (b.y - o.y) - (b.x - o.x) * (a.y - o.y);
        perimeter += PlanDistance(a, b);
    }
    out.area = std::fabs(twice) / 2.0;
    out.perimeter = perimeter;
    return CogoStatus::kOk;
}
