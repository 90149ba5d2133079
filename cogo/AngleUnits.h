#pragma once
// Angles as the tools take and show them: packed degrees-minutes-seconds ddd.mmssss, read with
// the geodesy engine's rules and shown to a hundredth of a second; lengths "%.3f".
#include <optional>

#include "platform/text/CString.h"

// Decimal degrees of a packed angle; nullopt when its minutes or seconds reach 60.
std::optional<double> PackedToDegrees(double packed);
// "ddd.mmssss" rounded to 0.01", with "-" before a negative angle.
CString FormatPackedAngle(double degrees);
// As FormatPackedAngle for a direction: 359°59'59.995" and more show as 0.000000.
CString FormatAzimuth(double degrees);
CString FormatLength(double metres);
// Latitude or longitude as packed ddd.mmssssssss, "%.8f" (a ten-thousandth of a second), as the
// program shows positions.
CString FormatPackedPosition(double degrees);
