#include "geodesy/ControlPointSolve.h"

#include <cmath>

#include "geodesy/CoordTransform.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
// Residuals are kept as the list shows them: to the millimetre. A value that is not finite stays
// so, and the limit check counts it as over.
double Millimetres(double value) {
    return std::isfinite(value) ? ToDouble(Format(L"%.3f", value)) : value;
}

bool OverLimit(double residual, double limit) {
    return !(std::fabs(residual) <= limit);
}

// Mean of known minus raw over the used pairs, north, east and height.
struct MeanShift {
    double n = 0.0;
    double e = 0.0;
    double h = 0.0;
};

MeanShift MeanDifference(const std::vector<ControlPointPair>& pairs, bool plane) {
    MeanShift mean;
    int count = 0;
    for (const ControlPointPair& p : pairs) {
        if (plane ? !p.usePlane : !p.useHeight) continue;
        mean.n += p.knownN - p.rawN;
        mean.e += p.knownE - p.rawE;
        mean.h += p.knownH - p.rawH;
        ++count;
    }
    if (count > 0) {
        mean.n /= count;
        mean.e /= count;
        mean.h /= count;
    }
    return mean;
}

void SolvePlane(const std::vector<ControlPointPair>& pairs, int used, ControlPointSolution& s) {
    if (used == 0) return;
    CCoordTransform converter;
    if (used >= 2) {
        for (const ControlPointPair& p : pairs)
            if (p.usePlane)
                converter.m_arrFourPairs.push_back(PlanePointPair{p.rawN, p.rawE, p.knownN, p.knownE});
        if (converter.SolveFourParams() == kSolved) {
            s.planeMode = kPlaneFour;
            s.fourShiftN = converter.m_dFourShiftX;
            s.fourShiftE = converter.m_dFourShiftY;
            s.fourRotation = converter.m_dFourRotation;
            s.fourScale = converter.m_dFourScale;
            s.geometry.plane = FourParamGeometry(converter.m_arrFourPairs).plane;
            converter.SetFourParams(1, s.fourShiftN, s.fourShiftE, s.fourRotation, s.fourScale);
            for (size_t i = 0; i < pairs.size(); ++i) {
                double n = pairs[i].rawN, e = pairs[i].rawE;
                converter.ApplyFourParams(n, e);
                s.horizontal[i] = Millimetres(std::hypot(n - pairs[i].knownN, e - pairs[i].knownE));
            }
            return;
        }
        s.planeDegenerate = true;
    }
    const MeanShift mean = MeanDifference(pairs, true);
    s.planeMode = kPlaneShift;
    s.shiftN = mean.n;
    s.shiftE = mean.e;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const ControlPointPair& p = pairs[i];
        s.horizontal[i] = Millimetres(std::hypot(p.rawN + s.shiftN - p.knownN, p.rawE + s.shiftE - p.knownE));
    }
}

void SolveHeight(const std::vector<ControlPointPair>& pairs, int used, int planeIndex, int surfaceIndex,
                 ControlPointSolution& s) {
    if (used == 0) return;
    if (used > planeIndex + 2) {
        CCoordTransform converter;
        converter.SetMinPointCounts(planeIndex + 3, surfaceIndex + 6);
        for (const ControlPointPair& p : pairs)
            if (p.useHeight)
                converter.m_arrHeightPoints.push_back(
                    SpacePointPair{{0.0, 0.0, p.rawH, p.knownH, p.knownN, p.knownE}});
        if (converter.SolveHeightFit() == kSolved) {
            s.heightMode = kHeightFit;
            for (int j = 0; j < 6; ++j) s.heightFit[j] = converter.m_dA[j];
            s.heightX0 = converter.m_dX0;
            s.heightY0 = converter.m_dY0;
            const int terms = used >= surfaceIndex + 6 ? 6 : 3;
            s.geometry.height = HeightFitGeometry(converter.m_arrHeightPoints, terms).height;
            for (size_t i = 0; i < pairs.size(); ++i) {
                double anomaly = 0.0;
                converter.ApplyHeightFit(pairs[i].knownN, pairs[i].knownE, anomaly);
                s.vertical[i] = Millimetres(Millimetres(pairs[i].rawH - anomaly) - pairs[i].knownH);
            }
            return;
        }
        s.heightDegenerate = true;
    }
    s.heightMode = kHeightShift;
    s.shiftH = MeanDifference(pairs, false).h;
    for (size_t i = 0; i < pairs.size(); ++i)
        s.vertical[i] = Millimetres(pairs[i].rawH + s.shiftH - pairs[i].knownH);
}
}  // namespace

ControlPointSolution SolveControlPoints(const std::vector<ControlPointPair>& pairs, int planeIndex,
                                        int surfaceIndex) {
    ControlPointSolution s;
    s.horizontal.assign(pairs.size(), 0.0);
    s.vertical.assign(pairs.size(), 0.0);
    int planeUsed = 0;
    int heightUsed = 0;
    for (const ControlPointPair& p : pairs) {
        planeUsed += p.usePlane ? 1 : 0;
        heightUsed += p.useHeight ? 1 : 0;
    }
    SolvePlane(pairs, planeUsed, s);
    SolveHeight(pairs, heightUsed, planeIndex, surfaceIndex, s);
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (OverLimit(s.horizontal[i], kPlaneResidualLimit)) s.planeOver.push_back(static_cast<int>(i) + 1);
        if (OverLimit(s.vertical[i], kHeightResidualLimit)) s.heightOver.push_back(static_cast<int>(i) + 1);
    }
    return s;
}
