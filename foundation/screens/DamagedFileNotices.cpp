#include "foundation/screens/DamagedFileNotices.h"

#include "platform/messages/MessageBox.h"

bool TellDataFileRead(CWnd& window, const CString& path, const DataFileRead& read) {
    const CString notice = DataFileNotice(path, read);
    if (notice.IsEmpty()) return false;
    window.MessageBox(notice, L"提示", MB_OK | MB_ICONINFORMATION);
    return true;
}

bool KeepDamagedBeforeSave(CWnd& window, const CString& path) {
    const CString copy = KeepDamagedLibrary(path);
    if (copy.IsEmpty()) {
        window.MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    window.MessageBox(DamagedLibraryNotice(path, copy), L"提示", MB_OK | MB_ICONINFORMATION);
    return true;
}
