#include "foundation/DamagedFileCopy.h"

#include <string>
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"

namespace {
void TellKept(const CString& path) {
    const CString name = path.Mid(path.ReverseFind(L'\\') + 1);
    AfxMessageBox(Format(L"%s已损坏,不能使用的设置已换为默认值,原文件保存为%s", name.c_str(),
                         DamagedCopyPath(path).c_str()),
                  MB_ICONINFORMATION | MB_OK);
}
}  // namespace

CString DamagedCopyPath(const CString& path) {
    return path + L".bad";
}

Keeping KeepDamagedCopy(const CString& path, std::string_view bytes) {
    const CString copy = DamagedCopyPath(path);
    if (GetFileAttributes(copy) != INVALID_FILE_ATTRIBUTES) {
        std::string kept;
        return ReadWholeFile(copy, kept, kMaxSettingsFileBytes) && kept == bytes ? Keeping::KeptBefore
                                                                                 : Keeping::CannotKeep;
    }
    if (!AtomicRewrite(copy, bytes)) return Keeping::CannotKeep;
    TellKept(path);
    return Keeping::Kept;
}

Keeping MoveUnreadableAside(const CString& path) {
    if (!MoveFile(path, DamagedCopyPath(path))) return Keeping::CannotKeep;
    TellKept(path);
    return Keeping::Kept;
}
