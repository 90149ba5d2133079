#include "foundation/DataFileAppend.h"

#include <vector>

#include "foundation/DamagedFileCopy.h"
#include "foundation/DevicePathJoin.h"
#include "foundation/NoticeLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/Format.h"

// A power loss can leave a file's unsynced end as NUL bytes; no line of ours holds one.
bool KeepsUnfinishedLine(std::string_view piece, DataFileAppend::LineCheck isLine) {
    if (piece.find('\0') != std::string_view::npos) return false;
    if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    return !piece.empty() && isLine(piece);
}

DataFileAppend::Prepared DataFileAppend::Prepare(const CString& path, LineCheck isLine) {
    path_ = path;
    lead_.clear();
    existed_ = FileExists(path);
    FileTail tail;
    if (!ReadFileTail(path, tail)) return Prepared::kFailed;
    length_ = tail.completeLength + tail.tornPiece.size();
    if (tail.tornPiece.empty()) return Prepared::kReady;
    if (KeepsUnfinishedLine(tail.tornPiece, isLine)) {
        lead_ = tail.tornPiece.back() == '\r' ? "\n" : "\r\n";
        return Prepared::kReady;
    }
    if (KeepCutBytes(path, tail.tornPiece) != Keeping::Kept || !TruncateDurably(path, tail.completeLength))
        return Prepared::kFailed;
    length_ = tail.completeLength;
    return Prepared::kCutAside;
}

std::string DataFileAppend::Appended(std::string_view lines) const {
    return lead_ + std::string(lines);
}

bool DataFileAppend::Append(std::string_view lines) {
    return AppendWithoutSync(path_, Appended(lines));
}

bool DataFileAppend::AppendSynced(std::string_view lines) {
    if (Append(lines) && SyncFile(path_) && (existed_ || SyncFolderOf(path_))) return true;
    Undo();
    return false;
}

bool DataFileAppend::Undo() {
    if (!existed_) return !FileExists(path_) || DeleteFile(path_);
    return TruncateDurably(path_, length_);
}

LinesAppended AppendLinesDurably(const CString& path, std::string_view lines,
                                 DataFileAppend::LineCheck isLine) {
    DataFileAppend file;
    const DataFileAppend::Prepared prepared = file.Prepare(path, isLine);
    return {prepared != DataFileAppend::Prepared::kFailed && file.AppendSynced(lines),
            prepared == DataFileAppend::Prepared::kCutAside};
}

CString CutAsideNotice(const CString& path) {
    return Format(L"%s末尾的损坏内容已移到%s", DeviceFileNameOf(path).c_str(),
                  DeviceFileNameOf(DamagedCopyPath(path)).c_str());
}

CString AppendNotice(const CString& path, const LinesAppended& appended, const CString& failure) {
    std::vector<CString> told;
    if (appended.cutAside) told.push_back(CutAsideNotice(path));
    if (!appended.written && !failure.IsEmpty()) told.push_back(failure);
    return NoticeLines(told);
}
