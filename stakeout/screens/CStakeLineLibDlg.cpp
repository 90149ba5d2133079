#include "stakeout/screens/CStakeLineLibDlg.h"

#include "foundation/screens/CFileDialogs.h"
#include "platform/files/FileOps.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/StakeLineLibDlg.h"
#include "stakeout/LineTexts.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeGeometry.h"
#include "stakeout/screens/CStakeLineEditDlg.h"
#include "stakeout/screens/StakeLibraryDialogs.h"

namespace {
using namespace linelib;

CString Length(const LineSegRec& l) {
    return MileageText(PlanDistance(l.start.x, l.start.y, l.start.h, l.end.x, l.end.y, l.end.h));
}
}  // namespace

CStakeLineLibDlg::CStakeLineLibDlg(IStakeoutHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindCommand(kAdd, &CStakeLineLibDlg::OnAdd);
    BindCommand(kEdit, &CStakeLineLibDlg::OnEdit);
    BindCommand(kInsert, &CStakeLineLibDlg::OnInsert);
    BindCommand(kDelete, &CStakeLineLibDlg::OnDelete);
    BindCommand(kClear, &CStakeLineLibDlg::OnClear);
    BindCommand(kOpen, &CStakeLineLibDlg::OnOpen);
    BindCommand(kSave, &CStakeLineLibDlg::OnSave);
}

BOOL CStakeLineLibDlg::OnInitDialog() {
    list_.SubclassDlgItem(kList, this);
    list_.InsertColumn(0, LoadStringResource(kNameHeading), LVCFMT_CENTER, 110);
    list_.InsertColumn(1, LoadStringResource(kMileageHeading), LVCFMT_CENTER, 100);
    list_.InsertColumn(2, LoadStringResource(kLengthHeading), LVCFMT_CENTER, 100);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (fileName_.IsEmpty() || !FileExists(fileName_))
        fileName_ = DefaultStakeLibrary(host_.JobFolder(), host_.JobFileName(), L"lnb");
    ReadLines(fileName_);
    CDialog::OnInitDialog();
    return ShowPresetRow(list_, selectedIndex_) ? FALSE : TRUE;
}

void CStakeLineLibDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kFileName, fileName_);
}

void CStakeLineLibDlg::ShowRow(int index, bool insert) {
    const LineSegRec& l = lines_[static_cast<size_t>(index)];
    if (insert) list_.InsertItem(index, CString());
    list_.SetItemText(index, 0, l.start.name + L"-" + l.end.name);
    list_.SetItemText(index, 1, MileageText(l.startMileage));
    list_.SetItemText(index, 2, Length(l));
}

void CStakeLineLibDlg::ReadLines(const CString& path) {
    std::vector<LineSegRec> read;
    const DataFileRead result = ReadLineFile(path, false, read);
    if (TellDataFileRead(*this, path, result)) damaged_ = path;
    if (!result) return;
    for (const LineSegRec& l : read) {
        lines_.push_back(l);
        ShowRow(static_cast<int>(lines_.size() - 1), true);
    }
}

bool CStakeLineLibDlg::WriteLines() {
    if (damaged_.CompareNoCase(fileName_) != 0) return RewriteOrTell(*this, fileName_, LineFileBytes(lines_));
    if (!RewriteDamagedOrTell(*this, fileName_, LineFileBytes(lines_))) return false;
    damaged_.Empty();
    return true;
}

int CStakeLineLibDlg::SelectedRow() const {
    return list_.GetNextItem(-1, LVNI_SELECTED);
}

void CStakeLineLibDlg::OnAdd() {
    CStakeLineEditDlg editor(host_.CoordLibrary(), true, this);
    if (editor.DoModal() != IDOK) return;
    lines_.push_back(ParseLineTexts(editor.texts));
    ShowRow(static_cast<int>(lines_.size() - 1), true);
    modified_ = true;
}

void CStakeLineLibDlg::OnInsert() {
    CStakeLineEditDlg editor(host_.CoordLibrary(), true, this);
    if (editor.DoModal() != IDOK) return;
    const int selected = SelectedRow();
    const int at = selected < 0 ? static_cast<int>(lines_.size()) : selected;
    lines_.insert(lines_.begin() + at, ParseLineTexts(editor.texts));
    ShowRow(at, true);
    modified_ = true;
}

void CStakeLineLibDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) return;
    CStakeLineEditDlg editor(host_.CoordLibrary(), false, this);
    editor.texts = FormatLineTexts(lines_[static_cast<size_t>(row)]);
    if (editor.DoModal() != IDOK) return;
    modified_ = true;
    lines_[static_cast<size_t>(row)] = ParseLineTexts(editor.texts);
    ShowRow(row, false);
}

void CStakeLineLibDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (!AskYes(*this, kAskDelete)) return;
    list_.DeleteItem(row);
    lines_.erase(lines_.begin() + row);
    modified_ = true;
}

void CStakeLineLibDlg::OnClear() {
    if (list_.GetItemCount() == 0) return;
    if (AskYes(*this, kAskClear)) {
        list_.DeleteAllItems();
        lines_.clear();
    }
    modified_ = true;
}

void CStakeLineLibDlg::OnOpen() {
    COpenFileDlg open(this);
    open.AddFilter(L"*.lnb");
    open.SetRootFolder(host_.JobFolder());
    if (open.DoModal() != IDOK || open.GetPathName().IsEmpty()) return;
    const std::optional<bool> overwrite = AskOpenMode(*this);
    if (!overwrite) return;
    if (*overwrite) {
        list_.DeleteAllItems();
        lines_.clear();
        fileName_ = open.GetPathName();
        UpdateData(FALSE);
    }
    ReadLines(open.GetPathName());
}

void CStakeLineLibDlg::OnSave() {
    const std::optional<CString> path = AskSavePath(*this, L"*.lnb", host_.JobFolder());
    if (!path) return;
    fileName_ = *path;
    UpdateData(FALSE);
    WriteLines();
}

void CStakeLineLibDlg::OnOK() {
    UpdateData(TRUE);
    const int row = SelectedRow();
    if (row < 0 && !AskYes(*this, kAskNoChoice)) return;
    if (modified_ && !WriteLines()) return;
    selected_ = row >= 0;
    selectedIndex_ = row;
    EndDialog(IDOK);
}
