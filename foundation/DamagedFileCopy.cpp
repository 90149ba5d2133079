#include "foundation/DamagedFileCopy.h"

#include <functional>
#include <string>
#include "platform/files/FileOps.h"
#include "platform/text/Format.h"

namespace {
// The first of the file's copy names that is free or whose copy `serves`.
CString FirstCopyName(const CString& path, const std::function<bool(const CString&)>& serves) {
    for (int number = 0;; ++number) {
        const CString copy = DamagedCopyPath(path, number);
        if (GetFileAttributes(copy) == INVALID_FILE_ATTRIBUTES || serves(copy)) return copy;
    }
}
}  // namespace

CString DamagedCopyPath(const CString& path, int number) {
    return number == 0 ? path + L".bad" : Format(L"%s.%d.bad", path.c_str(), number);
}

CString DamagedCopyNotice(const CString& path, const CString& copy, bool defaultsTaken) {
    const CString name = path.Mid(path.ReverseFind(L'\\') + 1);
    const wchar_t* const done =
        defaultsTaken ? L"不能使用的设置已换为默认值" : L"设置均已保留,不能识别的内容已删除";
    return Format(L"%s已损坏,%s,原文件保存为%s", name.c_str(), done, copy.c_str());
}

CString KeepDamagedCopy(const CString& path, std::string_view bytes) {
    bool same = false;
    const CString copy = FirstCopyName(path, [&](const CString& taken) {
        // A copy larger than these bytes is not read.
        std::string kept;
        same = ReadWholeFile(taken, kept, bytes.size()) && kept == bytes;
        return same;
    });
    return same || AtomicRewrite(copy, bytes) ? copy : CString();
}

CString MoveUnreadableAside(const CString& path) {
    const CString copy = FirstCopyName(path, [](const CString&) { return false; });
    return MoveFile(path, copy) ? copy : CString();
}

Keeping KeepCutBytes(const CString& path, std::string_view bytes) {
    const CString copy = DamagedCopyPath(path);
    const bool created = !FileExists(copy);
    return AppendWithoutSync(copy, bytes) && SyncFile(copy) && (!created || SyncFolderOf(copy))
               ? Keeping::Kept
               : Keeping::CannotKeep;
}
