#include "foundation/DamagedFileCopy.h"

#include <string>
#include "platform/files/FileOps.h"
#include "platform/text/Format.h"

CString DamagedCopyPath(const CString& path) {
    return path + L".bad";
}

CString DamagedCopyNotice(const CString& path, bool defaultsTaken) {
    const CString name = path.Mid(path.ReverseFind(L'\\') + 1);
    const wchar_t* const done =
        defaultsTaken ? L"不能使用的设置已换为默认值" : L"设置均已保留,不能识别的内容已删除";
    return Format(L"%s已损坏,%s,原文件保存为%s", name.c_str(), done, DamagedCopyPath(path).c_str());
}

Keeping KeepDamagedCopy(const CString& path, std::string_view bytes) {
    const CString copy = DamagedCopyPath(path);
    if (GetFileAttributes(copy) != INVALID_FILE_ATTRIBUTES) {
        std::string kept;
        return ReadWholeFile(copy, kept, kMaxSettingsFileBytes) && kept == bytes ? Keeping::KeptBefore
                                                                                 : Keeping::CannotKeep;
    }
    return AtomicRewrite(copy, bytes) ? Keeping::Kept : Keeping::CannotKeep;
}

Keeping MoveUnreadableAside(const CString& path) {
    return MoveFile(path, DamagedCopyPath(path)) ? Keeping::Kept : Keeping::CannotKeep;
}

Keeping KeepCutBytes(const CString& path, std::string_view bytes) {
    const CString copy = DamagedCopyPath(path);
    const bool created = !FileExists(copy);
    return AppendWithoutSync(copy, bytes) && SyncFile(copy) && (!created || SyncFolderOf(copy))
               ? Keeping::Kept
               : Keeping::CannotKeep;
}
