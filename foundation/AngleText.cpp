#include "foundation/AngleText.h"

#include <cmath>

namespace {

struct Dms {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

Dms SplitDms(double angle) {
    // No angle of the program comes near the int range; an unusable value shows as 0.
    const double a = std::isfinite(angle) && std::fabs(angle) < 2.0e9 ? std::fabs(angle) : 0.0;
    double d = std::trunc(a);
    const double m = (a - d) * 60.0;
    double mi = std::trunc(m);
    double s = (m - mi) * 60.0;
    if (std::fabs(s - 60.0) < 0.0001) {
        s = 0.0;
        mi += 1.0;
        if (std::fabs(mi - 60.0) < 0.0001) {
            mi = 0.0;
            d += 1.0;
        }
    }
    return {static_cast<int>(d), static_cast<int>(mi), static_cast<int>(s)};
}

CString& WriteDms(CString& text, const Dms& a, int32_t style) {
    if (style != 0)
        text.Format(L"%d\u00B0%02d\u2032%02d\u2033", a.degrees, a.minutes, a.seconds);
    else
        text.Format(L"%d.%02d%02d", a.degrees, a.minutes, a.seconds);
    return text;
}

}  // namespace

CString& FormatDms(CString& text, double angle, int32_t style) {
    return WriteDms(text, SplitDms(angle), style);
}

CString& FormatDirectionDms(CString& text, double azimuth, int32_t style) {
    double a = std::isfinite(azimuth) ? std::fmod(azimuth, 360.0) : 0.0;
    if (a < 0.0) a += 360.0;
    Dms dms = SplitDms(a);
    // Just west of north carries into 360 degrees, which is north itself.
    if (dms.degrees >= 360) dms.degrees -= 360;
    return WriteDms(text, dms, style);
}
