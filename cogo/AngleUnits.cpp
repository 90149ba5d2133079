#include "cogo/AngleUnits.h"

#include <cmath>

#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"

namespace {
constexpr long long kHundredthsPerDegree = 360000;

CString FormatHundredths(long long total, bool negative) {
    const long long degrees = total / kHundredthsPerDegree;
    const long long minutes = total / 6000 % 60;
    const long long seconds = total / 100 % 60;
    const long long hundredths = total % 100;
    return Format(L"%s%d.%02d%02d%02d", negative ? L"-" : L"", static_cast<int>(degrees),
                  static_cast<int>(minutes), static_cast<int>(seconds), static_cast<int>(hundredths));
}
}  // namespace

std::optional<double> PackedToDegrees(double packed) {
    if (!std::isfinite(packed) || !IsPackedAngle(packed)) return std::nullopt;
    return CCoordTransform().ConvertDmsAngle(packed, 1) * kRadToDeg;
}

CString FormatPackedAngle(double degrees) {
    const long long total = std::llround(std::fabs(degrees) * kHundredthsPerDegree);
    return FormatHundredths(total, degrees < 0.0 && total != 0);
}

CString FormatAzimuth(double degrees) {
    return FormatHundredths(
        std::llround(std::fabs(degrees) * kHundredthsPerDegree) % (360 * kHundredthsPerDegree), false);
}

CString FormatLength(double metres) {
    return Format(L"%.3f", metres);
}

CString FormatPackedPosition(double degrees) {
    return Format(L"%.8f", CCoordTransform().ConvertDmsAngle(degrees * kDegToRad, 0));
}
