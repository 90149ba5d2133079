#pragma once
// The lines a stored point leaves in the job's files: the raw record line (*.blh, geodetic fix and
// the store mode's tail), the point-file line (*.xyh, 36 columns) and the coordinate-library line
// (*.lib). One builder per line and one reader of the point-file line, so every screen that writes
// or rewrites these files prints the same bytes. Lines are wide text ending in CR LF; the files
// hold them in GBK.
#include <optional>
#include <string_view>

#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "foundation/SurveyPointRec.h"
#include "platform/text/CString.h"

// What the raw line says of how the point was stored, after its 32 fields.
struct RawStoreTail {
    int mode = 0;  // 0 plain, 1 offset, 2 smoothing, 3 automatic
    // Offset: distance (m), height difference (m), angle (packed ddd.mmssss).
    double offsetDistance = 0.0;
    double offsetHeight = 0.0;
    double offsetAngle = 0.0;
    // Smoothing: the target, the epochs averaged and this epoch's number (from 1).
    int smoothTarget = 0;
    int smoothAchieved = 0;
    int epochIndex = 0;
    // Automatic: the condition value and the interval.
    int autoValue = 0;
    double autoInterval = 0.0;
};

// The point's texts go between commas unquoted: a "," or a line end in one of them would shift
// every later column, so such a point has no lines.
bool PointTextsStorable(const SurveyPointRec& point);

// Takes the fix into the point's columns 2-4 and 7-13 as the point file prints them: grid x, y,
// the ground height (grid h less the antenna height), solution, RMS, satellites, PDOP, date and
// time. A side stake (kind 2) also takes columns 27, 28 and 30 from its reference fields.
void TakeFix(SurveyPointRec& point, const CGpsState& fix);

// The point-file line of the point as it stands (36 columns, each followed by ",").
std::optional<CString> PointFileLine(const SurveyPointRec& point);

// Reads a point-file line (without its line end) back into every column of the record; the texts
// are kept as they stand, so the line rebuilt from the record is the line read. False when the
// line has fewer than 36 fields (the record is then untouched).
bool ReadPointFileLine(const CString& line, SurveyPointRec& point);
// The same for a line that holds a point however few its fields (a line written on a PC): the fields
// it lacks read as empty.
SurveyPointRec ReadListedPointLine(CString line);

// The raw record line of one epoch: the point's name, code, antenna height, kind, format and
// columns 17-33, the fix's geodetic position (latitude and longitude already packed ddd.mmssss)
// and quality, then the tail and the point's two trailing texts.
std::optional<CString> RawRecordLine(const SurveyPointRec& point, const CGpsState& fix, double packedLatitude,
                                     double packedLongitude, const RawStoreTail& tail);

// The two header lines a new raw file starts with: the program and its version, the base station.
CString RawFileHeader(const CString& program, const CString& version, const BaseStationRec& base);

// Whether a raw-file line (its bytes, without the line end) is an epoch's record as a store prints
// it: a name, then latitude, longitude and ellipsoidal height that are numbers, and the fix's
// fields through its date (field 12).
bool HoldsRawRecord(std::string_view line);
// Whether a raw-file line is one its readers take whole: a base-station line (HoldsBaseStationLine),
// another header line ("Rem ..."), or an epoch's record.
bool HoldsRawLine(std::string_view line);

// The coordinate-library line of a stored point: type kind + 1, name, x, y, ground height, code.
std::optional<CString> StoredLibraryLine(const SurveyPointRec& point);
