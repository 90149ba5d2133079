#include "stakeout/StakeReadouts.h"

#include <algorithm>
#include <cmath>

#include "foundation/AngleText.h"

namespace {
constexpr double kZeroMove = 0.000001;
constexpr int kFieldChars = 10;

CString Number(double value) {
    CString text;
    text.Format(L"%.3f", value);
    return text;
}

// A distance of kFarthestStake or more (or none at all) gives kFarText.
CString Worded(const wchar_t* word, double value) {
    CString text;
    if (std::isfinite(value) && std::fabs(value) < kFarthestStake)
        text.Format(L"%s%.3f", word, value);
    else
        text.Format(L"%s%s", word, kFarText);
    return text;
}

CString Distance(double value) {
    return Worded(L"", value);
}

bool FarFromLine(const LineGuidance& g) {
    const double beyondEnd = g.footInside ? 0.0 : std::min(g.alongStart, g.alongEnd);
    return !(std::fabs(g.offset) < kFarthestStake && beyondEnd < kFarthestStake);
}

// Millimetres while they fit the field; a longer mileage gives up decimals, and one no field holds
// reads kFarText.
CString Mileage(double value) {
    CString text;
    for (int decimals = 3; decimals >= 0; --decimals) {
        text.Format(L"%.*f", decimals, value);
        if (text.GetLength() <= kFieldChars) return text;
    }
    return kFarText;
}

}  // namespace

CString SatelliteText(const CGpsState& fix) {
    CString text;
    if (fix.gloUsedCount >= 1 && fix.gloUsedCount <= 11)
        text.Format(L"%d+%d", fix.gpsUsedCount, fix.gloUsedCount);
    else
        text.Format(L"%d", fix.gpsUsedCount);
    return text;
}

bool SolutionOverLimits(const CGpsState& fix, const GeneralSettingsBlock& settings) {
    const ConnectionSettings& c = settings.connection;
    return c.nPDOPLimit != 0 && fix.solutionCode == kSolFixed &&
           (fix.pdop > c.dPDOPLimit || fix.rmsH > c.dRmshLimit || fix.rmsV > c.dRmsvLimit);
}

PointReadouts FormatPointReadouts(const PointRecord* target, const PointGuidance* guidance,
                                  const CGpsState& fix) {
    PointReadouts r;
    r.name = target ? target->name : CString(L"请选择放样点");
    if (guidance) {
        FormatDirectionDms(r.azimuth, guidance->azimuth, 1);
        r.distance = Distance(guidance->distance);
        r.dx = guidance->dN > 0 ? Worded(L"南", guidance->dN) : Worded(L"北", std::fabs(guidance->dN));
        r.dy = guidance->dE > 0 ? Worded(L"西", guidance->dE) : Worded(L"东", std::fabs(guidance->dE));
        r.dh = Number(guidance->dH);
    }
    r.solution = fix.solutionText;
    r.rmsH = Number(fix.rmsH);
    r.rmsV = Number(fix.rmsV);
    r.satellites = SatelliteText(fix);
    return r;
}

PointReadouts EmptyPointReadouts(const CGpsState& fix) {
    PointReadouts r;
    r.solution = fix.solutionText;
    return r;
}

CString LineReadouts::Status() const {
    return L"(" + satellites + L")" + solution;
}

void FormatLineReadouts(const LineSegRec* line, const LineGuidance& g, int32_t showPlumb,
                        const CGpsState& fix, LineReadouts& r) {
    r.name = line ? line->start.name + L"-" + line->end.name : CString(L"请选择放样线");
    if (g.computed) {
        if (g.footInside) {
            r.dx = g.dN > kZeroMove ? Worded(L"南", g.dN) : Worded(L"北", std::fabs(g.dN));
            r.dy = g.dE > kZeroMove ? Worded(L"西", g.dE) : Worded(L"东", std::fabs(g.dE));
        }
        r.offset = g.offset < kZeroMove ? Worded(L"右", std::fabs(g.offset)) : Worded(L"左", g.offset);
        r.startDistance = Distance(showPlumb ? g.alongStart : g.distStart);
        r.endDistance = Distance(showPlumb ? g.alongEnd : g.distEnd);
        r.mileage = FarFromLine(g) ? CString(kFarText) : Mileage(g.mileage);
    } else {
        r.dx = r.dy = r.offset = r.startDistance = r.endDistance = r.mileage = CString();
    }
    if (FixHasPosition(fix)) {
        r.solution = fix.solutionText;
        r.satellites = SatelliteText(fix);
        r.rmsH = Number(fix.rmsH);
        r.rmsV = Number(fix.rmsV);
    } else {
        r.solution = r.satellites = r.rmsH = r.rmsV = CString();
    }
}
