#include "foundation/JobResultFiles.h"

#include <algorithm>
#include "foundation/SettingsFileWriter.h"
#include "platform/text/Format.h"

namespace {
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

bool JobResultFiles::AppendBaseStationLine(const BaseStationRec& base) const {
    SettingsFileWriter writer;
    if (!writer.BeginAppend(rawFile_)) return false;
    writer.Write(BaseStationLine(base) + L"\r\n");
    return writer.Commit();
}
