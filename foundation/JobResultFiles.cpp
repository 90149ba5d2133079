#include "foundation/JobResultFiles.h"

#include <algorithm>

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
