#include "stakeout/screens/StakeLibraryDialogs.h"

#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFileOpenModeDlg.h"
#include "platform/files/FileOps.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WaitCursor.h"
#include "resources/StakePointLibDlg.h"

std::optional<bool> AskOpenMode(CWnd& dialog) {
    CFileOpenModeDlg mode(&dialog);
    mode.DoModal();
    if (mode.m_nResult == CFileOpenModeDlg::kCancel) return std::nullopt;
    const bool overwrite = mode.m_nResult == CFileOpenModeDlg::kOverwrite;
    if (dialog.MessageBox(LoadStringResource(overwrite ? stakelib::kAskOverwrite : stakelib::kAskAppend),
                          LoadStringResource(stakelib::kOpenCaption), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return std::nullopt;
    return overwrite;
}

std::optional<CString> AskSavePath(CWnd& dialog, const wchar_t* filter, const CString& folder) {
    CFileSaveDlg save(&dialog);
    save.SetFilter(filter);
    save.SetStartFolder(folder);
    if (save.DoModal() != IDOK) return std::nullopt;
    return save.GetPathName();
}

bool RewriteOrTell(CWnd& dialog, const CString& path, const std::string& bytes) {
    CWaitCursor wait;
    if (AtomicRewrite(path, bytes)) return true;
    dialog.MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
    return false;
}

bool RewriteDamagedOrTell(CWnd& dialog, const CString& path, const std::string& bytes) {
    return KeepDamagedBeforeSave(dialog, path) && RewriteOrTell(dialog, path, bytes);
}

bool AskYes(CWnd& dialog, UINT question) {
    return dialog.MessageBox(LoadStringResource(question), L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool ShowPresetRow(CListCtrl& list, int row) {
    if (row < 0 || row >= list.GetItemCount()) return false;
    list.SetItemState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    list.EnsureVisible(row, FALSE);
    list.SetFocus();
    return true;
}
