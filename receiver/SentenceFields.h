#pragma once
// The pieces every sentence and log parser shares: NMEA framing and check, comma splitting, numbers.
#include <vector>

#include "platform/text/CString.h"

// The line from its first "$" on when its "*hh" check matches the XOR of the characters between "$" and
// "*"; false (and `sentence` untouched) when the "$" or "*" is missing or the check differs.
bool CheckNmeaFraming(const CString& line, CString* sentence);

// Exactly `count` fields of `text` split at `separator` (missing ones empty, further ones dropped);
// with a count below 0 every field.
std::vector<CString> SplitFields(const CString& text, wchar_t separator, int count = -1);

int FieldInt(const CString& field);
double FieldDouble(const CString& field);

// "ddmm.mmmm" (degreeDigits 2) or "dddmm.mmmm" (3) as decimal degrees; S and W make it negative.
double NmeaAngle(const CString& field, int degreeDigits, const CString& hemisphere);

// Hour of day after adding a zone, wrapped into 0 to 23 both ways.
int WrapHour(int hour);

// The whole part of a value, clamped to the int range (garbage fields must not overflow).
int TruncInt(double value);
