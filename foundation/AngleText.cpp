#include "foundation/AngleText.h"

#include <cmath>

CString& FormatDms(CString& text, double angle, int32_t style) {
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
    const int di = static_cast<int>(d), mn = static_cast<int>(mi), se = static_cast<int>(s);
    if (style != 0)
        text.Format(L"%d\u00B0%02d\u2032%02d\u2033", di, mn, se);
    else
        text.Format(L"%d.%02d%02d", di, mn, se);
    return text;
}
