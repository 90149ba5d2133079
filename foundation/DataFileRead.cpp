#include "foundation/DataFileRead.h"

#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
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

CString DataFileNotice(const CString& path, const DataFileRead& read) {
    if (read.status == DataFileStatus::kTooLarge)
        return Format(L"%s大于64MB,不能读取", FileName(path).c_str());
    if (read.Read() && read.skipped > 0)
        return Format(L"%s中有%d行已损坏,已跳过", FileName(path).c_str(), static_cast<int>(read.skipped));
    return CString();
}

Keeping KeepDamagedLibrary(const CString& path) {
    std::string bytes;
    if (ReadDataFile(path, bytes) != DataFileStatus::kRead) return Keeping::CannotKeep;
    return KeepDamagedCopy(path, bytes);
}

CString DamagedLibraryNotice(const CString& path) {
    return Format(L"%s已损坏,原文件保存为%s", FileName(path).c_str(), DamagedCopyPath(path).c_str());
}
