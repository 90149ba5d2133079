#include "foundation/DataFileRead.h"

#include "foundation/DamagedFileCopy.h"
#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace {
CString FileName(const CString& path) {
    return path.Mid(path.ReverseFind(L'\\') + 1);
}
}  // namespace

DataFileStatus ReadDataFile(const CString& path, std::string& bytes) {
    bytes.clear();
    if (path.IsEmpty() || !FileExists(path)) return DataFileStatus::kMissing;
    CFile file;
    if (file.Open(path.c_str(), CFile::modeRead) && file.GetLength() > kMaxDataFileBytes)
        return DataFileStatus::kTooLarge;
    return ReadWholeFile(path, bytes, kMaxDataFileBytes) ? DataFileStatus::kRead
                                                         : DataFileStatus::kUnreadable;
}

DataFileRead ReadDataLines(const CString& path, bool rewrittenWhole,
                           const std::function<void(const CString&)>& line) {
    if (path.IsEmpty() || !FileExists(path)) return {DataFileStatus::kMissing};
    CFile file;
    if (file.Open(path.c_str(), CFile::modeRead) && file.GetLength() > kMaxDataFileBytes)
        return {DataFileStatus::kTooLarge};
    file.Close();
    const bool read = ReadFileLines(
        path,
        [&](std::string_view bytes) {
            if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
            if (!bytes.empty()) line(FromGbk(bytes));
        },
        kMaxDataFileBytes);
    if (!read) return {DataFileStatus::kUnreadable};
    FileTail tail;
    const bool torn = rewrittenWhole && ReadFileTail(path, tail) && !tail.tornPiece.empty();
    return {DataFileStatus::kRead, torn ? size_t{1} : size_t{0}};
}

CString DataFileNotice(const CString& path, const DataFileRead& read) {
    if (read.status == DataFileStatus::kTooLarge)
        return Format(L"%s大于64MB,不能读取", FileName(path).c_str());
    if (read.Read() && read.skipped > 0)
        return Format(L"%s中有%d行已损坏,已跳过", FileName(path).c_str(), static_cast<int>(read.skipped));
    return CString();
}

CString KeepDamagedLibrary(const CString& path) {
    std::string bytes;
    if (ReadDataFile(path, bytes) != DataFileStatus::kRead) return CString();
    return KeepDamagedCopy(path, bytes);
}

CString DamagedLibraryNotice(const CString& path, const CString& copy) {
    return Format(L"%s已损坏,原文件保存为%s", FileName(path).c_str(), copy.c_str());
}
