#include "foundation/JobResultFiles.h"

#include <algorithm>

#include "foundation/StoredPointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
// How a base-station line starts (BaseStationLine), and the numbers that follow before its identifier.
constexpr std::string_view kBaseStationHead = "Rem BaseStation  ";
constexpr int kBaseStationNumbers = 9;

CString WithExtension(const CString& path, const wchar_t* extension) {
    const int nameStart = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/')) + 1;
    const int dot = path.ReverseFind(L'.');
    const CString stem = dot >= nameStart ? path.Left(dot) : path;
    return stem + L"." + extension;
}
}  // namespace

void JobResultFiles::SetResultFileNames(const CString& folder, const CString& fileName) {
    dataFile_ = folder + fileName;
    rawFile_ = WithExtension(dataFile_, L"blh");
    lodFile_ = WithExtension(dataFile_, L"lod");
    refFile_ = WithExtension(dataFile_, L"ref");
    towFile_ = WithExtension(dataFile_, L"tow");
    vskFile_ = WithExtension(dataFile_, L"vsk");
}

CString BaseStationLine(const BaseStationRec& b) {
    return Format(L"Rem BaseStation  %.8f %.8f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %s ", b.szdBaseLat,
                  b.szdBaseLon, b.szdBaseHgt, b.szdBasePX, b.szdBasePY, b.szdBasePH, b.szdBaseX, b.szdBaseY,
                  b.szdBaseH, b.szBaseStationID.c_str());
}

bool HoldsBaseStationLine(std::string_view line) {
    if (!line.starts_with(kBaseStationHead) || !line.ends_with(' ')) return false;
    line.remove_prefix(kBaseStationHead.size());
    for (int i = 0; i < kBaseStationNumbers; ++i) {
        const size_t blank = line.find(' ');
        if (blank == std::string_view::npos || !IsFiniteNumber(line.substr(0, blank))) return false;
        line.remove_prefix(blank + 1);
    }
    return !line.empty();
}

LinesAppended JobResultFiles::AppendBaseStationLine(const BaseStationRec& base) const {
    if (rawFile_.IsEmpty() || !FileExists(rawFile_)) return {};
    return AppendLinesDurably(rawFile_, ToGbk(BaseStationLine(base) + L"\r\n"), HoldsRawLine);
}
