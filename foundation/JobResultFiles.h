#pragma once
// The full names of the job's point file and of its sibling result files.
#include <string_view>

#include "foundation/CoordSysParams.h"
#include "foundation/DataFileAppend.h"
#include "platform/text/CString.h"

// The raw record file's "Rem BaseStation" line (without its CR LF): B, L, H, then the Cartesian and
// the grid coordinates and the station identifier, followed by one blank.
CString BaseStationLine(const BaseStationRec& base);
// Whether a raw-file line (its bytes, without the line end) is such a line whole: its nine numbers
// each with its blank, then the identifier and its blank.
bool HoldsBaseStationLine(std::string_view line);

class JobResultFiles {
public:
    // Data file = folder + file name; each sibling takes the data file's name with its own
    // extension (replacing the name's extension, or added after a "." when it has none).
    void SetResultFileNames(const CString& folder, const CString& fileName);

    // Appends a base-station line to the raw record file when that file exists (it is never
    // created for it), by the store's rule of the file's end (AppendLinesDurably, HoldsRawLine).
    LinesAppended AppendBaseStationLine(const BaseStationRec& base) const;

    const CString& DataFile() const { return dataFile_; }
    const CString& RawFile() const { return rawFile_; }  // *.blh
    const CString& LodFile() const { return lodFile_; }
    const CString& RefFile() const { return refFile_; }
    const CString& TowFile() const { return towFile_; }
    const CString& VskFile() const { return vskFile_; }

private:
    CString dataFile_;
    CString rawFile_;
    CString lodFile_;
    CString refFile_;
    CString towFile_;
    CString vskFile_;
};
