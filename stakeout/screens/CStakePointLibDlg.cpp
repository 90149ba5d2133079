#include "stakeout/screens/CStakePointLibDlg.h"

#include "foundation/DevicePathJoin.h"
#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CPointDlg.h"
#include "platform/files/FileOps.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/FoundationIcons.h"
#include "resources/StakePointLibDlg.h"
#include "stakeout/screens/StakeLibraryDialogs.h"

namespace {
using namespace stakelib;

struct Column {
    UINT heading;
    int width;
};
// Name, code, north, east, height.
constexpr Column kColumns[] = {
    {kNameHeading, 80}, {kCodeHeading, 100}, {kNorthHeading, 110}, {kEastHeading, 110}, {kHeightHeading, 70}};

StakeRow FromTexts(const PointTexts& t) {
    return {t.name, t.north, t.east, t.height, t.code};
}
}  // namespace

CStakePointLibDlg::CStakePointLibDlg(IStakeoutHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindCommand(kAdd, &CStakePointLibDlg::OnAdd);
    BindCommand(kEdit, &CStakePointLibDlg::OnEdit);
    BindCommand(kInsert, &CStakePointLibDlg::OnInsert);
    BindCommand(kDelete, &CStakePointLibDlg::OnDelete);
    BindCommand(kClear, &CStakePointLibDlg::OnClear);
    BindCommand(kOpen, &CStakePointLibDlg::OnOpen);
    BindCommand(kSave, &CStakePointLibDlg::OnSave);
    BindCommand(kExport, &CStakePointLibDlg::OnExport);
}

BOOL CStakePointLibDlg::OnInitDialog() {
    list_.SubclassDlgItem(kList, this);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        list_.InsertColumn(i, LoadStringResource(kColumns[i].heading), LVCFMT_CENTER, kColumns[i].width);
    images_.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    images_.Add(LoadIconResource(IDB_LIBRARY_POINT), RGB(255, 255, 255));
    list_.SetImageList(&images_, LVSIL_SMALL);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_TRACKSELECT);
    if (path_.IsEmpty() || !FileExists(path_))
        path_ = DefaultStakeLibrary(host_.JobFolder(), host_.JobFileName(), L"ptb");
    if (FileExists(path_)) {
        std::vector<StakeRow> rows;
        if (TellDataFileRead(*this, path_, ReadStakeRows(path_, StakeRowLayout::kLibrary, rows)))
            damaged_ = path_;
        for (const StakeRow& row : rows) AddRow(list_.GetItemCount(), row);
    }
    CDialog::OnInitDialog();
    std::vector<int> rowOfPoint;
    NamedStakePoints(Rows(), rowOfPoint);
    const bool preset = presetPoint_ >= 0 && presetPoint_ < static_cast<int>(rowOfPoint.size());
    return preset && ShowPresetRow(list_, rowOfPoint[static_cast<size_t>(presetPoint_)]) ? FALSE : TRUE;
}

void CStakePointLibDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kPath, path_);
}

void CStakePointLibDlg::AddRow(int at, const StakeRow& row) {
    list_.InsertItem(at, row.name, 0);
    SetRow(at, row);
}

void CStakePointLibDlg::SetRow(int at, const StakeRow& row) {
    list_.SetItemText(at, 0, row.name);
    list_.SetItemText(at, 1, row.code);
    list_.SetItemText(at, 2, row.x);
    list_.SetItemText(at, 3, row.y);
    list_.SetItemText(at, 4, row.h);
}

std::vector<StakeRow> CStakePointLibDlg::Rows() const {
    std::vector<StakeRow> rows;
    for (int i = 0; i < list_.GetItemCount(); ++i)
        rows.push_back({list_.GetItemText(i, 0), list_.GetItemText(i, 2), list_.GetItemText(i, 3),
                        list_.GetItemText(i, 4), list_.GetItemText(i, 1)});
    return rows;
}

int CStakePointLibDlg::SelectedRow() const {
    return list_.GetNextItem(-1, LVNI_SELECTED);
}

void CStakePointLibDlg::OnAdd() {
    CAddPointDlg dlg(&host_.CoordLibrary(), this);
    if (dlg.DoModal() != IDOK) return;
    AddRow(list_.GetItemCount(), FromTexts(dlg.texts));
    modified_ = true;
}

void CStakePointLibDlg::OnInsert() {
    const int selected = SelectedRow();
    if (selected < 0) return;
    CAddPointDlg dlg(&host_.CoordLibrary(), this);
    if (dlg.DoModal() != IDOK) return;
    AddRow(selected + 1, FromTexts(dlg.texts));
    modified_ = true;
}

void CStakePointLibDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) return;
    CEditPointDlg dlg(&host_.CoordLibrary(), this);
    dlg.texts = {list_.GetItemText(row, 0), list_.GetItemText(row, 2), list_.GetItemText(row, 3),
                 list_.GetItemText(row, 4), list_.GetItemText(row, 1)};
    if (dlg.DoModal() != IDOK) return;
    SetRow(row, FromTexts(dlg.texts));
    modified_ = true;
}

void CStakePointLibDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) {
        MessageBox(L"没有选中删除坐标，请先选中删除坐标！", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!AskYes(*this, kAskDelete)) return;
    list_.DeleteItem(row);
    modified_ = true;
}

void CStakePointLibDlg::OnClear() {
    if (list_.GetItemCount() == 0) return;
    if (AskYes(*this, kAskClear)) list_.DeleteAllItems();
    modified_ = true;
}

void CStakePointLibDlg::OnOpen() {
    COpenFileDlg open(this);
    open.AddFilter(L"*.xyh");
    open.AddFilter(L"*.ptb");
    open.SetRootFolder(host_.DataFolder());
    open.SetStartFolder(host_.DataFolder());
    if (open.DoModal() != IDOK || open.GetPathName().IsEmpty()) return;
    const CString path = open.GetPathName();
    CString extension = path.Right(3);
    extension.MakeLower();
    if (extension == L"xyh") {
        fileKind_ = 0;
    } else if (extension == L"ptb") {
        fileKind_ = 1;
        path_ = path;
        UpdateData(FALSE);
    }
    const std::optional<bool> overwrite = AskOpenMode(*this);
    if (!overwrite) return;
    if (*overwrite) list_.DeleteAllItems();
    ReadFile(path, fileKind_ == 1 ? StakeRowLayout::kLibrary : StakeRowLayout::kCoordFile);
}

void CStakePointLibDlg::ReadFile(const CString& path, StakeRowLayout layout) {
    std::vector<StakeRow> rows;
    const DataFileRead read = ReadStakeRows(path, layout, rows);
    if (TellDataFileRead(*this, path, read) && layout == StakeRowLayout::kLibrary) damaged_ = path;
    if (!read) return;
    for (const StakeRow& row : rows) AddRow(list_.GetItemCount(), row);
    modified_ = true;
}

void CStakePointLibDlg::OnSave() {
    const std::optional<CString> path = AskSavePath(*this, L"*.ptb", host_.JobFolder());
    if (!path) return;
    path_ = *path;
    UpdateData(FALSE);
    SaveLibrary();
}

bool CStakePointLibDlg::SaveLibrary() {
    UpdateData(TRUE);
    if (damaged_.CompareNoCase(path_) != 0) return RewriteOrTell(*this, path_, PtbBytes(Rows()));
    if (!RewriteDamagedOrTell(*this, path_, PtbBytes(Rows()))) return false;
    damaged_.Empty();
    return true;
}

void CStakePointLibDlg::OnExport() {
    CFileSaveDlg save(this);
    save.SetFilter(L"*.xyh");
    save.SetStartFolder(host_.DataFolder());
    save.SetRootFolder(host_.DataFolder());
    save.KeepOff(host_.JobOwnFiles());
    if (save.DoModal() != IDOK) return;
    RewriteOrTell(*this, save.GetPathName(), XyhExportBytes(Rows()));
}

void CStakePointLibDlg::OnOK() {
    UpdateData(TRUE);
    const int row = SelectedRow();
    if (row < 0 && !AskYes(*this, kAskNoChoice)) return;
    const std::vector<StakeRow> rows = Rows();
    std::vector<int> rowOfPoint;
    std::vector<PointRecord> points = NamedStakePoints(rows, rowOfPoint);
    if (modified_ && !SaveLibrary()) return;
    chosen_ = row >= 0;
    chosenPoint_ = -1;
    for (size_t i = 0; i < rowOfPoint.size(); ++i)
        if (rowOfPoint[i] == row) chosenPoint_ = static_cast<int>(i);
    rowCount_ = static_cast<int>(rows.size());
    points_ = std::move(points);
    EndDialog(IDOK);
}

void CStakePointLibDlg::OnCancel() {
    if (modified_ && AskYes(*this, kAskSaveChanges) && !SaveLibrary()) return;
    EndDialog(IDCANCEL);
}
