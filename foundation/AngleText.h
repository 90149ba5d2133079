#pragma once
// Angle texts of the dialogs and map screens.
#include <cstdint>
#include "platform/text/CString.h"

// Writes |angle| (decimal degrees) into text and returns it: style != 0 gives "30°30′00″",
// style 0 the packed "ddd.mmss". Seconds are truncated, except that 60 within 0.0001 carries.
CString& FormatDms(CString& text, double angle, int32_t style);
// A direction (degrees clockwise from north) the same way, in [0, 360): a direction just west of
// north shows 0 degrees, never 360.
CString& FormatDirectionDms(CString& text, double azimuth, int32_t style);
