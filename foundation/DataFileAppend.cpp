#include "foundation/DataFileAppend.h"

#include "platform/files/FileOps.h"

bool DataFileAppend::Prepare(const CString& path) {
    path_ = path;
    existed_ = FileExists(path);
    FileTail tail;
    if (!ReadFileTail(path, tail)) return false;
    length_ = tail.completeLength;
    return tail.tornPiece.empty() || TruncateDurably(path, length_);
}

bool DataFileAppend::Append(std::string_view bytes) {
    return AppendWithoutSync(path_, bytes);
}

bool DataFileAppend::Undo() {
    if (!existed_) return !FileExists(path_) || DeleteFile(path_);
    return TruncateDurably(path_, length_);
}
