// Parameters from control points: the plane similarity in closed form, the datum shift and the
// height-anomaly surface by least squares through the normal equations.
#include <algorithm>
#include <array>
#include <cmath>
#include "foundation/CMatrix.h"
#include "geodesy/CoordTransform.h"

namespace {
// Points closer than this (metres) to one point or one line cannot determine a rotation, a scale
// or a surface: rounding in the means must not turn them into enormous parameters.
constexpr double kCoincidentSpread = 1e-6;
// A layout this flat against its own size (a line of 10 km within 10 micrometres) counts as a line.
constexpr double kRelativeFlatness = 1e-9;

using Point3 = std::array<double, 3>;

double Distance(const Point3& a, const Point3& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// True when the points lie within kCoincidentSpread of one point, or of the line through their
// centroid and the point farthest from it. Checked before the normal equations, so that such a
// layout is reported to the caller instead of reaching the matrix inversion.
bool CoincidentOrCollinear(const std::vector<Point3>& points) {
    Point3 centroid{};
    for (const Point3& p : points)
        for (int axis = 0; axis < 3; ++axis) centroid[axis] += p[axis] / static_cast<double>(points.size());
    Point3 farthest = centroid;
    for (const Point3& p : points)
        if (Distance(p, centroid) > Distance(farthest, centroid)) farthest = p;
    const double reach = Distance(farthest, centroid);
    if (reach < kCoincidentSpread) return true;
    Point3 direction{};
    for (int axis = 0; axis < 3; ++axis) direction[axis] = (farthest[axis] - centroid[axis]) / reach;
    double offLine = 0.0;
    for (const Point3& p : points) {
        double along = 0.0;
        for (int axis = 0; axis < 3; ++axis) along += (p[axis] - centroid[axis]) * direction[axis];
        Point3 foot{};
        for (int axis = 0; axis < 3; ++axis) foot[axis] = centroid[axis] + along * direction[axis];
        offLine = std::max(offLine, Distance(p, foot));
    }
    return offLine < std::max(kCoincidentSpread, kRelativeFlatness * reach);
}

bool HeightLayoutDegenerate(const std::vector<SpacePointPair>& points) {
    std::vector<Point3> positions;
    for (const SpacePointPair& p : points) positions.push_back({p.v[4], p.v[5], 0.0});
    return CoincidentOrCollinear(positions);
}

// X = -(B^T B)^-1 B^T L. Empty when B^T B is singular: the solver reports a degenerate layout.
CMatrix SolveNormalEquations(const CMatrix& b, const CMatrix& l) {
    const CMatrix bt = b.Transpose();
    const CMatrix inverse = bt.Multiply(b).Inverse();
    if (!inverse.IsValid()) return CMatrix();
    return inverse.Multiply(bt).Multiply(l).Scale(-1.0);
}

// Fits A0 + A1 dx + A2 dy (+ A3 dx^2 + A4 dy^2 + A5 dx dy) to the anomalies. The coordinates are
// scaled to the points' spread so that the matrix's singularity test judges their layout rather
// than the unit of length; the coefficients are scaled back. False when the layout cannot
// determine the surface (points coincide or lie on one line).
bool FitHeightSurface(const std::vector<SpacePointPair>& points, int terms, double coefficients[6],
                      double& x0, double& y0) {
    const double count = static_cast<double>(points.size());
    double sumX = 0.0;
    double sumY = 0.0;
    for (const SpacePointPair& p : points) {
        sumX += p.v[4];
        sumY += p.v[5];
    }
    const double meanX = sumX / count;
    const double meanY = sumY / count;
    double spread = 0.0;
    for (const SpacePointPair& p : points) {
        spread = std::max({spread, std::fabs(p.v[4] - meanX), std::fabs(p.v[5] - meanY)});
    }
    if (spread == 0.0) spread = 1.0;

    const auto rows = static_cast<uint32_t>(points.size());
    CMatrix b(rows, static_cast<uint32_t>(terms));
    CMatrix l(rows, 1);
    for (uint32_t i = 0; i < rows; ++i) {
        const SpacePointPair& p = points[i];
        const double u = (p.v[4] - meanX) / spread;
        const double v = (p.v[5] - meanY) / spread;
        const double row[6] = {1.0, u, v, u * u, v * v, u * v};
        for (int j = 0; j < terms; ++j) b.SetAt(i, static_cast<uint32_t>(j), row[j]);
        l.SetAt(i, 0, p.v[3] - p.v[2]);
    }
    const CMatrix solution = SolveNormalEquations(b, l);
    if (!solution.IsValid()) return false;
    const double unit[6] = {1.0, spread, spread, spread * spread, spread * spread, spread * spread};
    for (int j = 0; j < 6; ++j)
        coefficients[j] = j < terms ? solution.GetAt(static_cast<uint32_t>(j), 0) / unit[j] : 0.0;
    x0 = meanX;
    y0 = meanY;
    return true;
}
}  // namespace

SolveStatus CCoordTransform::SolveFourParams() {
    if (m_arrFourPairs.empty()) return kSolveNothing;
    const double inverseCount = 1.0 / static_cast<double>(m_arrFourPairs.size());
    double meanSourceX = 0.0;
    double meanSourceY = 0.0;
    double meanTargetX = 0.0;
    double meanTargetY = 0.0;
    for (const PlanePointPair& p : m_arrFourPairs) {
        meanSourceX += p.sourceX;
        meanSourceY += p.sourceY;
        meanTargetX += p.targetX;
        meanTargetY += p.targetY;
    }
    meanSourceX *= inverseCount;
    meanSourceY *= inverseCount;
    meanTargetX *= inverseCount;
    meanTargetY *= inverseCount;

    double p = 0.0;
    double q = 0.0;
    double d = 0.0;
    double targetSpread = 0.0;
    for (PlanePointPair& pair : m_arrFourPairs) {
        pair.reducedSourceX = pair.sourceX - meanSourceX;
        pair.reducedSourceY = pair.sourceY - meanSourceY;
        pair.reducedTargetX = pair.targetX - meanTargetX;
        pair.reducedTargetY = pair.targetY - meanTargetY;
        p += pair.reducedSourceX * pair.reducedTargetY - pair.reducedTargetX * pair.reducedSourceY;
        q += pair.reducedTargetY * pair.reducedSourceY + pair.reducedTargetX * pair.reducedSourceX;
        d += pair.reducedSourceY * pair.reducedSourceY + pair.reducedSourceX * pair.reducedSourceX;
        targetSpread += pair.reducedTargetY * pair.reducedTargetY + pair.reducedTargetX * pair.reducedTargetX;
    }
    // One pair, or measured or known points all in one place: no rotation or scale can be seen.
    const double minimum = kCoincidentSpread * kCoincidentSpread;
    if (d * inverseCount <= minimum || targetSpread * inverseCount <= minimum) return kSolveDegenerate;

    m_dFourRotation = std::atan2(p, q);
    m_dFourScale = std::sqrt(q * q + p * p) / d;
    const double kc = m_dFourScale * std::cos(m_dFourRotation);
    const double ks = m_dFourScale * std::sin(m_dFourRotation);
    m_dFourShiftX = meanTargetX - kc * meanSourceX + ks * meanSourceY;
    m_dFourShiftY = meanTargetY - ks * meanSourceX - kc * meanSourceY;
    return kSolved;
}

SolveStatus CCoordTransform::SolveSevenParams() {
    const size_t count = m_arrSevenPairs.size();
    if (count == 0) return kSolveNothing;
    if (count <= 2) {
        double shift[3] = {};
        for (const SpacePointPair& p : m_arrSevenPairs) {
            for (int axis = 0; axis < 3; ++axis) shift[axis] += p.v[axis + 3] - p.v[axis];
        }
        const double inverseCount = count == 1 ? 1.0 : 0.5;
        m_dDX = shift[0] * inverseCount;
        m_dDY = shift[1] * inverseCount;
        m_dDZ = shift[2] * inverseCount;
        m_dEx = m_dEy = m_dEz = m_dM = 0.0;
        return kSolved;
    }
    std::vector<Point3> sources;
    for (const SpacePointPair& p : m_arrSevenPairs) sources.push_back({p.v[0], p.v[1], p.v[2]});
    if (CoincidentOrCollinear(sources)) return kSolveDegenerate;

    // Solved about the centroid c in units of the spread: the earth-centred coordinates as they are
    // make B^T B so badly scaled (1 against 1e13) that the matrix takes every layout for singular.
    // The least-squares solution is the same; the translation is carried back to the earth's centre.
    double c[3] = {};
    for (const SpacePointPair& p : m_arrSevenPairs) {
        for (int axis = 0; axis < 3; ++axis) c[axis] += p.v[axis];
    }
    for (double& mean : c) mean /= static_cast<double>(count);
    double spread = 0.0;
    for (const SpacePointPair& p : m_arrSevenPairs) {
        for (int axis = 0; axis < 3; ++axis) spread = std::max(spread, std::fabs(p.v[axis] - c[axis]));
    }
    if (spread == 0.0) spread = 1.0;

    const auto rows = static_cast<uint32_t>(3 * count);
    CMatrix b(rows, 7);
    CMatrix l(rows, 1);
    for (uint32_t i = 0; i < count; ++i) {
        const SpacePointPair& p = m_arrSevenPairs[i];
        const double x = (p.v[0] - c[0]) / spread;
        const double y = (p.v[1] - c[1]) / spread;
        const double z = (p.v[2] - c[2]) / spread;
        // Unknowns in the order dX, dY, dZ, m, ex, ey, ez.
        const double design[3][7] = {{1, 0, 0, x, 0, -z, y}, {0, 1, 0, y, z, 0, -x}, {0, 0, 1, z, -y, x, 0}};
        for (uint32_t axis = 0; axis < 3; ++axis) {
            for (uint32_t j = 0; j < 7; ++j) b.SetAt(3 * i + axis, j, design[axis][j]);
            l.SetAt(3 * i + axis, 0, p.v[axis] - p.v[axis + 3]);
        }
    }
    const CMatrix solution = SolveNormalEquations(b, l);
    if (!solution.IsValid()) return kSolveDegenerate;
    m_dM = solution.GetAt(3, 0) / spread;
    m_dEx = solution.GetAt(4, 0) / spread;
    m_dEy = solution.GetAt(5, 0) / spread;
    m_dEz = solution.GetAt(6, 0) / spread;
    m_dDX = solution.GetAt(0, 0) - m_dM * c[0] - (m_dEz * c[1] - m_dEy * c[2]);
    m_dDY = solution.GetAt(1, 0) - m_dM * c[1] - (-m_dEz * c[0] + m_dEx * c[2]);
    m_dDZ = solution.GetAt(2, 0) - m_dM * c[2] - (m_dEy * c[0] - m_dEx * c[1]);
    return kSolved;
}

SolveStatus CCoordTransform::SolveHeightFit() {
    const auto count = static_cast<int64_t>(m_arrHeightPoints.size());
    if (count == 0) return kSolveNothing;
    double coefficients[6] = {};
    double x0 = 0.0;
    double y0 = 0.0;
    const bool surface = count >= m_nSurfaceMinimum;
    if (!surface && count <= 2) {
        // A constant shift: the mean anomaly, about the centroid already stored.
        for (const SpacePointPair& p : m_arrHeightPoints) coefficients[0] += p.v[2] - p.v[3];
        coefficients[0] /= static_cast<double>(count);
        x0 = m_dX0;
        y0 = m_dY0;
    } else if (surface || count >= m_nPlaneMinimum) {
        if (HeightLayoutDegenerate(m_arrHeightPoints)) return kSolveDegenerate;
        if (!FitHeightSurface(m_arrHeightPoints, surface ? 6 : 3, coefficients, x0, y0))
            return kSolveDegenerate;
    } else {
        return kSolved;
    }
    SetHeightFitParams(coefficients[0], coefficients[1], coefficients[2], coefficients[3], coefficients[4],
                       coefficients[5], x0, y0);
    return kSolved;
}
