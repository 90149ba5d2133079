#include "platform/time/CivilTime.h"

namespace {
int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days of the first of a month; the era-based method of Howard Hinnant's date algorithms.
int64_t DaysOfFirst(int64_t year, int64_t month) {
    year -= month <= 2;
    const int64_t era = FloorDiv(year, 400);
    const int64_t yoe = year - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
    const int64_t m0 = static_cast<int64_t>(month) - 1;
    const int64_t y = year + FloorDiv(m0, 12);
    const int64_t m = m0 - FloorDiv(m0, 12) * 12 + 1;
    return DaysOfFirst(y, m) + day - 1;
}

int64_t CivilToSeconds(int year, int month, int day, int hour, int minute, int second) {
    return DaysFromCivil(year, month, day) * 86400 + static_cast<int64_t>(hour) * 3600 +
           static_cast<int64_t>(minute) * 60 + second;
}

bool SecondsToSystemTime(int64_t seconds, SYSTEMTIME* out) {
    const int64_t days = FloorDiv(seconds, 86400);
    const int64_t secOfDay = seconds - days * 86400;
    const int64_t z = days + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2);
    if (year < 1601 || year > 30827) return false;
    out->wYear = static_cast<WORD>(year);
    out->wMonth = static_cast<WORD>(month);
    out->wDay = static_cast<WORD>(day);
    out->wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    out->wHour = static_cast<WORD>(secOfDay / 3600);
    out->wMinute = static_cast<WORD>(secOfDay / 60 % 60);
    out->wSecond = static_cast<WORD>(secOfDay % 60);
    out->wMilliseconds = 0;
    return true;
}
