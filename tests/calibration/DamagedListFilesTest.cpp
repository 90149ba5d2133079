// Damaged control-point files and lat/lon libraries, one table: each reader keeps every line it can
// read and leaves out and counts the rest; a file over 64 MiB is refused unread.
#include "calibration/ControlPointFile.h"
#include "calibration/GeoLibrary.h"
#include "tests/calibration/CalibrationJob.h"
#include "tests/foundation/DamagedFilesFixture.h"

namespace {

const DataFileReader kControlPoints = [](DataFileRead& read) {
    std::vector<ControlPointRow> rows;
    read = ReadControlPointFile(L"\\f", CalibrationJobConverter(), 0, rows);
    return rows.size();
};
const DataFileReader kGeoLibrary = [](DataFileRead& read) {
    std::vector<GeoRow> rows;
    read = ReadGeoLibrary(L"\\f", rows);
    return rows.size();
};
const DataFileReader kGeoImport = [](DataFileRead& read) {
    std::vector<GeoRow> rows;
    read = ImportGeoPoints(L"\\f", rows);
    return rows.size();
};

const DamagedFileCase kCases[] = {
    {"control points, torn and junk", kControlPoints,
     "P1,1,2,3,23.0,114.0,4,,,Y,Y,\r\nP2,5,6,x,24.0,114.0,8,0,0,N,Y,\r\n\x01\x02\r\nP3,9,9", 1, 3},
    {"control points, nan residual", kControlPoints, "P1,1,2,3,23.0,114.0,4,nan,0,Y,Y,\r\n", 0, 1},
    {"lat/lon library, junk", kGeoLibrary, "P1,23.1,113.2,12.5,c,\r\nP2,north,113,1,c,\r\nP3,23", 1, 2},
    {"lat/lon import, junk", kGeoImport,
     "Rem header\r\nK1,23.1,113.2,15.5,c,1.5\r\nK2,23.1,113.2,15.5,c,z\r\n", 1, 1},
};

class DamagedListFiles : public DamagedFilesTest {};

}  // namespace

TEST_F(DamagedListFiles, EveryReaderKeepsWhatItCanReadAndCountsTheRest) {
    ExpectEachKeepsWhatItCanRead(kCases);
    ExpectEachRefusesAnOversizedFile("P1,23.1,113.2,12.5,c,\r\n", {kControlPoints, kGeoLibrary, kGeoImport});
}
