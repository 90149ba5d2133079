#include "calibration/screens/CPairListDlg.h"

#include "foundation/screens/CFileDialogs.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WaitCursor.h"
#include "resources/ParamComputeDlgs.h"

using namespace pairlist;

CPairListDlg::CPairListDlg(const PairListShape& shape, ICalibrationHost& host, CWnd* parent)
    : CDialog(shape.templateId, parent), host_(host), shape_(shape) {
    BindCommand(kAdd, &CPairListDlg::OnAdd);
    BindCommand(kDelete, &CPairListDlg::OnDelete);
    BindCommand(kEdit, &CPairListDlg::OnEdit);
    BindCommand(kClear, &CPairListDlg::OnClear);
    BindCommand(shape.openId, &CPairListDlg::OnOpen);
}

BOOL CPairListDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    list_.SubclassDlgItem(kList, this);
    list_.InsertColumn(0, LoadStringResource(kHeadingNumber), LVCFMT_CENTER, shape_.widths[0]);
    for (size_t i = 0; i < shape_.headings.size(); ++i)
        list_.InsertColumn(static_cast<int>(i) + 1, LoadStringResource(shape_.headings[i]), LVCFMT_CENTER,
                           shape_.widths[i + 1]);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    path_ = host_.JobFolder() + shape_.fileName;
    if (FileExists(path_)) Read(path_);
    UpdateData(FALSE);
    return TRUE;
}

void CPairListDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kPath, path_);
}

void CPairListDlg::Tell(const wchar_t* text) {
    MessageBox(text, L"提示", MB_OK | MB_ICONINFORMATION);
}

// The file's pairs go on top, numbered from 1; the rows already listed follow with their numbers.
void CPairListDlg::Read(const CString& path) {
    std::vector<PairFields> pairs;
    if (!ReadPairFile(path, static_cast<int>(shape_.headings.size()), pairs)) return;
    std::vector<Row> rows;
    for (size_t k = 0; k < pairs.size(); ++k)
        rows.push_back(Row{Format(L"%d", static_cast<int>(k) + 1), pairs[k]});
    rows.insert(rows.end(), rows_.begin(), rows_.end());
    rows_ = std::move(rows);
    ShowRows();
}

void CPairListDlg::ShowRows() {
    list_.DeleteAllItems();
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const Row& row = rows_[static_cast<size_t>(i)];
        list_.InsertItem(i, row.number);
        for (size_t column = 0; column < row.fields.size(); ++column)
            list_.SetItemText(i, static_cast<int>(column) + 1, row.fields[column]);
    }
}

int CPairListDlg::SelectedRow() const {
    return list_.GetNextItem(-1, LVNI_SELECTED);
}

std::vector<PairFields> CPairListDlg::Pairs() const {
    std::vector<PairFields> pairs;
    for (const Row& row : rows_) pairs.push_back(row.fields);
    return pairs;
}

void CPairListDlg::OnAdd() {
    PairFields fields(shape_.headings.size());
    if (!EnterPair(fields)) return;
    rows_.push_back(Row{Format(L"%d", static_cast<int>(rows_.size()) + 1), fields});
    modified_ = true;
    ShowRows();
}

void CPairListDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) return;
    PairFields fields = rows_[static_cast<size_t>(row)].fields;
    if (!EnterPair(fields)) return;
    rows_[static_cast<size_t>(row)].fields = fields;
    modified_ = true;
    ShowRows();
    list_.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

void CPairListDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (MessageBox(LoadStringResource(paramcomputetext::kConfirmDelete), L"提示",
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    rows_.erase(rows_.begin() + row);
    modified_ = true;
    ShowRows();
}

void CPairListDlg::OnClear() {
    if (rows_.empty()) return;
    modified_ = true;
    if (MessageBox(LoadStringResource(paramcomputetext::kConfirmClear), L"提示",
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    rows_.clear();
    ShowRows();
}

void CPairListDlg::OnOpen() {
    const CString chosen = ChooseFileToOpen(this, shape_.filter, host_.JobFolder(), host_.RootFolder());
    if (chosen.IsEmpty()) return;
    path_ = chosen;
    UpdateData(FALSE);
    Read(path_);
}

bool CPairListDlg::Save() {
    bool written = false;
    {
        CWaitCursor wait;
        written = WritePairFile(path_, Pairs());
    }
    if (!written) Tell(L"文件保存失败!");
    return written;
}

bool CPairListDlg::SaveIfModified() {
    UpdateData(TRUE);
    return !modified_ || Save();
}

void CPairListDlg::OnCancel() {
    UpdateData(TRUE);
    if (modified_ &&
        MessageBox(LoadStringResource(paramcomputetext::kSaveChanges), L"提示", MB_YESNO | MB_ICONQUESTION) ==
            IDYES &&
        !Save())
        return;
    EndDialog(IDCANCEL);
}
