#pragma once
// The job's latitude/longitude library (<job>.WGS beside the job file): points given by packed
// degrees-minutes-seconds latitude and longitude, height, name and attribute, one per line as
// "name,B,L,H,attribute," with CR LF in the device's code page; cells are kept as text. Also the
// import of a raw record file (*.blh: name, B, L, ellipsoidal height, code, antenna height ...)
// as ground heights, and the search by name.
#include <vector>

#include "foundation/DataFileRead.h"
#include "platform/text/CString.h"

struct GeoRow {
    CString name;
    CString b;  // packed degrees-minutes-seconds
    CString l;
    CString h;
    CString attribute;

    bool operator==(const GeoRow&) const = default;
};

// The job file's name with "WGS" in place of its three-letter extension, in the job folder.
CString GeoLibraryPath(const CString& jobFolder, const CString& jobFileName);

// The job's library file and the folders its import dialog opens in.
struct GeoLibraryPlace {
    CString rootFolder;
    CString dataFolder;
    CString path;
};

// Appends the file's points (nothing when it cannot be read); a line whose latitude, longitude or
// height is no number is left out and counted.
DataFileRead ReadGeoLibrary(const CString& path, std::vector<GeoRow>& rows);
// Writes every point in place of the file; false (file as it was) when it was not written.
bool WriteGeoLibrary(const CString& path, const std::vector<GeoRow>& rows);
// Appends the file's points, skipping lines that start "Rem ": the height is field 3 less field 5
// ("%.3f"), so a raw record gives its ground height and a library line keeps its own. A line whose
// numbers are no numbers is left out and counted.
DataFileRead ImportGeoPoints(const CString& path, std::vector<GeoRow>& rows);

// Rows whose name holds `text` (exactly, case-sensitively), by the position of its first
// occurrence, then row order; every row when the text is empty.
std::vector<int> FindGeoRows(const std::vector<GeoRow>& rows, const CString& text);
