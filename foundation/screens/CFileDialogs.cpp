#include "foundation/screens/CFileDialogs.h"

#include "foundation/JobOwnFiles.h"
#include "foundation/ProgramFolder.h"
#include "foundation/screens/FileDialogRules.h"
#include "foundation/screens/FolderListing.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"

namespace {
constexpr const wchar_t* kInfoCaption = L"信息提示";

}  // namespace

CFolderTreeDlg::CFolderTreeDlg(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), startFolder_(kProgramFolder), rootFolder_(kProgramFolder) {}

// The device's root "\" stays itself.
CString CFolderTreeDlg::WithoutFinalSlash(const CString& folder) {
    CString trimmed = folder;
    trimmed.TrimRight(L"\\");
    return trimmed.IsEmpty() && !folder.IsEmpty() ? CString(L"\\") : trimmed;
}

void CFolderTreeDlg::ShowTree(UINT treeId, const std::vector<CString>& filters) {
    ShowWindow(SW_MAXIMIZE);
    tree_.SubclassDlgItem(treeId, this);
    for (const CString& filter : filters) tree_.AddFilter(filter);
    tree_.DisplayTree(rootFolder_, TRUE);
    // With nothing selected a typed name would land outside the folders shown.
    if (!tree_.SelectPath(startFolder_)) tree_.SelectItem(tree_.GetRootItem());
    // The folders first: the path field then shows its whole end, in "..." where it is too long.
    GotoDlgCtrl(&tree_);
}

CString CFolderTreeDlg::SelectedPath(NMHDR* header) const {
    return tree_.GetItemPath(reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem);
}

COpenFileDlg::COpenFileDlg(CWnd* parent) : CFolderTreeDlg(IDD, parent) {
    BindNotify(openfile::kTree, TVN_SELCHANGED, &COpenFileDlg::OnSelChanged);
}

void COpenFileDlg::AddFilter(const CString& pattern) {
    AddFileFilter(filters_, pattern);
}

BOOL COpenFileDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowTree(openfile::kTree, filters_);
    return FALSE;
}

void COpenFileDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, openfile::kPath, pathName_);
}

void COpenFileDlg::OnSelChanged(NMHDR* header, LRESULT*) {
    pathName_ = SelectedPath(header);
    UpdateData(FALSE);
}

void COpenFileDlg::OnOK() {
    UpdateData(TRUE);
    if (!IsExistingFile(pathName_)) {
        AfxMessageBox(L"未选择任何文件，请先选择文件!", MB_OK);
        return;
    }
    EndDialog(IDOK);
}

CFileSaveDlg::CFileSaveDlg(CWnd* parent) : CFolderTreeDlg(IDD, parent) {
    BindNotify(savefile::kTree, TVN_SELCHANGED, &CFileSaveDlg::OnSelChanged);
    BindControl(savefile::kName, EN_CHANGE, &CFileSaveDlg::OnNameChanged);
}

BOOL CFileSaveDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowTree(savefile::kTree, {filter_});
    return FALSE;
}

void CFileSaveDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, savefile::kPath, pathText_);
    DDX_Text(pDX, savefile::kName, fileName_);
}

void CFileSaveDlg::OnSelChanged(NMHDR* header, LRESULT*) {
    SaveSelectionChanged(SelectedPath(header), FilterExtension(filter_), pathText_, fileName_);
    SetDlgItemText(savefile::kPath, pathText_);
    // Only a new name is shown, so that typing in the name edit is not disturbed.
    CString shownName;
    GetDlgItemText(savefile::kName, shownName);
    if (shownName != fileName_) SetDlgItemText(savefile::kName, fileName_);
}

void CFileSaveDlg::OnNameChanged() {
    UpdateData(TRUE);
    pathText_ = ComposeSavePath(pathText_, fileName_, FilterExtension(filter_));
    SetDlgItemText(savefile::kPath, pathText_);
}

void CFileSaveDlg::OnOK() {
    UpdateData(TRUE);
    fileName_.Trim();
    const CString refusal = CheckSaveName(fileName_);
    CWnd* nameEdit = GetDlgItem(savefile::kName);
    if (!refusal.IsEmpty()) {
        MessageBox(refusal, kInfoCaption, MB_OK | MB_ICONINFORMATION);
        if (nameEdit) nameEdit->SetFocus();
        return;
    }
    // A folder chosen after the name was typed still gets the name.
    if (DirectoryExists(pathText_))
        pathText_ = ComposeSavePath(pathText_, fileName_, FilterExtension(filter_));
    pathName_ = pathText_;
    if (IsJobOwnFile(pathName_, keptOff_)) {
        MessageBox(kJobOwnNameRefusal, kInfoCaption, MB_OK | MB_ICONINFORMATION);
        if (nameEdit) nameEdit->SetFocus();
        return;
    }
    if (FileExists(pathName_) &&
        MessageBox(L"该文件已存在，要覆盖此文件吗?", kInfoCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        if (nameEdit) nameEdit->SetFocus();
        return;
    }
    EndDialog(IDOK);
}

CString ChooseFileToOpen(CWnd* parent, const CString& pattern, const CString& root, const CString& start) {
    COpenFileDlg open(parent);
    open.AddFilter(pattern);
    open.SetRootFolder(root);
    open.SetStartFolder(start);
    return open.DoModal() == IDOK ? open.GetPathName() : CString();
}

CString ChooseFileToSave(CWnd* parent, const CString& pattern, const CString& root, const CString& start) {
    CFileSaveDlg save(parent);
    save.SetFilter(pattern);
    save.SetRootFolder(root);
    save.SetStartFolder(start);
    return save.DoModal() == IDOK ? save.GetPathName() : CString();
}
