#pragma once
// The points of the point file with their latitude and longitude: 点名,B,L,H,antenna height in
// point-file order, GBK with CR LF. Name and antenna height are the point file's (the coordinate
// view may have changed them); B, L and the ellipsoidal height H (antenna phase centre) are the
// stored point's own, taken from its raw records.
#include "export/PointExport.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/CString.h"

enum class LatLonStyle {
    kDecimalDegrees = 0,  // nine decimals
    kPackedDms = 1,       // ddd.mmssssssss as the raw file keeps it
};

// The job's grid the points were stored on: an offset point was measured on it from its fix.
struct StoredGrid {
    const CCoordTransform& converter;  // loaded with `params`
    const CoordSysParams& params;
};

// A point's raw record is the raw line of the same fix (solution, RMS, satellites, PDOP, time and
// date, which no edit changes), the one of the same name when several share the fix, else the last
// of them. Raw header lines ("Rem ...") and torn lines are never a record. A point without a raw
// record is left out of the file and named in `leftOut`.
// The position exported is the record's fix for a plain or automatic store; an offset store's fix
// moved by the record's distance, azimuth and height difference on the job's grid (as the store
// placed the point); a smoothing store's mean of the epochs its record closes.
ExportText BuildBlhExport(const CString& pointFileText, const CString& rawFileText, LatLonStyle style,
                          const StoredGrid& grid);
