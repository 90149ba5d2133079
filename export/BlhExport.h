#pragma once
// The points of the point file with the latitude and longitude of their raw records: 点名,B,L,H,
// antenna height in point-file order, GBK with CR LF. Name and antenna height are the point file's
// (the coordinate view may have changed them); B, L and the ellipsoidal height H (antenna phase
// centre) come from the point's raw record.
#include "export/PointExport.h"
#include "platform/text/CString.h"

enum class LatLonStyle {
    kDecimalDegrees = 0,  // nine decimals
    kPackedDms = 1,       // ddd.mmssssssss as the raw file keeps it
};

// A point's raw record is the raw line of the same fix (solution, RMS, satellites, PDOP, time and
// date, which no edit changes), the one of the same name when several share the fix, else the last
// of them. Raw header lines ("Rem ...") and torn lines are never a record. A point without a raw
// record is left out of the file and named in `leftOut`.
ExportText BuildBlhExport(const CString& pointFileText, const CString& rawFileText, LatLonStyle style);
