// Packed degrees-minutes-seconds (ddd.mmssff) as typed and shown in every dialog, and the
// "ddd:mm:ss.ffff" angle text.
#include <cmath>
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
struct DmsParts {
    double degrees;
    double minutes;
    double seconds;
    double fraction;  // of a second
};

DmsParts SplitPacked(double value) {
    DmsParts d{};
    const double degreeFraction = std::modf(value, &d.degrees);
    const double minuteFraction = std::modf(degreeFraction * 100.0, &d.minutes);
    d.fraction = std::modf(minuteFraction * 100.0, &d.seconds);
    return d;
}

DmsParts SplitRadians(double value) {
    DmsParts d{};
    const double degreeFraction = std::modf(value * kRadToDeg + 1e-12, &d.degrees);
    const double minuteFraction = std::modf(degreeFraction * 60.0 + 1e-12, &d.minutes);
    d.fraction = std::modf(minuteFraction * 60.0 + 1e-12, &d.seconds);
    return d;
}

// 0.9999 of a second or more rounds up; 60 seconds and 60 minutes carry.
void Carry(DmsParts& d) {
    if (d.fraction * 10000.0 >= 9999.0) {
        d.seconds += 1.0;
        d.fraction = 0.0;
    }
    if (d.seconds >= 60.0) {
        d.minutes += 1.0;
        d.seconds = 0.0;
    }
    if (d.minutes >= 60.0) {
        d.degrees += 1.0;
        d.minutes = 0.0;
    }
}

// Truncation that stays defined for values no int can hold.
int TruncatedInt(double value) {
    return (value >= 0.0 && value < 2147483647.0) ? static_cast<int>(value) : 0;
}
}  // namespace

double CCoordTransform::ConvertDmsAngle(double value, int32_t mode) const {
    double sign = 1.0;
    if (value < 1e-10) {
        sign = -1.0;
        value = -value;
    }
    if (std::fabs(value) <= 1e-9) return 0.0;
    DmsParts d = mode != 0 ? SplitPacked(value) : SplitRadians(value);
    Carry(d);
    if (mode != 0)
        return sign * (d.degrees + d.minutes / 60.0 + (d.seconds + d.fraction) / 3600.0) * kDegToRad;
    const double packed = d.degrees + d.minutes * 0.01 + d.seconds * 0.0001 + d.fraction * 0.0001;
    // Ten decimals at most, rounded as the dialogs show them.
    return sign * ToDouble(Format(L"%.10f", packed));
}

CString FormatAngleText(double angle) {
    CString text;
    if (angle < 0.0) {
        text = L"-";
        angle = -angle;
    }
    double rest = angle * 180.0 * 0.31830988618380013;
    const int degrees = TruncatedInt(rest);
    rest = (rest - degrees) * 60.0;
    const int minutes = TruncatedInt(rest);
    rest = (rest - minutes) * 60.0;
    const int seconds = TruncatedInt(rest);
    const int fraction = TruncatedInt((rest - seconds) * 10000.0);
    text += Format(L"%03d:%02d:%02d.%04d", degrees, minutes, seconds, fraction);
    return text;
}
