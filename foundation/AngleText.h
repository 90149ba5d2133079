#pragma once
// Angle texts of the dialogs and map screens.
#include <cstdint>
#include "platform/text/CString.h"

// Writes |angle| (decimal degrees) into text and returns it: style != 0 gives "30°30′00″",
// style 0 the packed "ddd.mmss". Seconds are truncated, except that 60 within 0.0001 carries.
CString& FormatDms(CString& text, double angle, int32_t style);
