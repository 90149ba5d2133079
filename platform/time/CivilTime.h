#pragma once
// Calendar arithmetic on the proleptic Gregorian calendar, independent of the host's time zone.
#include <cstdint>

#include "platform/time/Clock.h"

// Days since 1970-01-01 of a date. Out-of-range months and days carry over as a calendar
// conversion does (month 13 is January of the next year, day 32 of January is 1 February).
int64_t DaysFromCivil(int year, int month, int day);

// Seconds since 1970-01-01 00:00:00 of a civil time; every field may be out of range and carries.
int64_t CivilToSeconds(int year, int month, int day, int hour, int minute, int second);

// Breaks seconds since 1970 down into a date and time of day with the day of the week (0 Sunday).
// False (and `out` untouched) when the year falls outside 1601..30827, the range SYSTEMTIME holds.
bool SecondsToSystemTime(int64_t seconds, SYSTEMTIME* out);
