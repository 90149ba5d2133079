#include "calibration/screens/CGeoCoordLibDlg.h"

#include "calibration/screens/EntryRefusals.h"
#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFileOpenModeDlg.h"
#include "foundation/screens/DamagedFileNotices.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WaitCursor.h"

namespace {
using namespace geolib;
constexpr int kWidths[5] = {80, 110, 110, 70, 70};

}  // namespace

CGeoCoordLibDlg::CGeoCoordLibDlg(const GeoLibraryPlace& place, CWnd* parent)
    : CDialog(IDD, parent), rootFolder_(place.rootFolder), dataFolder_(place.dataFolder), path_(place.path) {
    BindCommand(kAdd, &CGeoCoordLibDlg::OnAdd);
    BindCommand(kEdit, &CGeoCoordLibDlg::OnEdit);
    BindCommand(kDelete, &CGeoCoordLibDlg::OnDelete);
    BindCommand(kClear, &CGeoCoordLibDlg::OnClear);
    BindCommand(kOpen, &CGeoCoordLibDlg::OnOpen);
    BindCommand(kFind, &CGeoCoordLibDlg::OnFind);
}

BOOL CGeoCoordLibDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    CenterWindow();
    list_.SubclassDlgItem(kList, this);
    for (int i = 0; i < 5; ++i)
        list_.InsertColumn(i, LoadStringResource(kHeadings[i]), LVCFMT_CENTER, kWidths[i]);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (FileExists(path_)) {
        const DataFileRead read = ReadGeoLibrary(path_, rows_);
        if (read.status == DataFileStatus::kUnreadable)
            MessageBox(L"经纬度坐标库读取失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        else
            damaged_ = TellDataFileRead(*this, path_, read);
    }
    ShowRows();
    return TRUE;
}

int CGeoCoordLibDlg::Ask(UINT textId, const wchar_t* caption, UINT type) {
    return MessageBox(LoadStringResource(textId), caption, type);
}

void CGeoCoordLibDlg::ShowRows() {
    list_.DeleteAllItems();
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const GeoRow& row = rows_[static_cast<size_t>(i)];
        list_.InsertItem(i, row.name);
        list_.SetItemText(i, 1, row.b);
        list_.SetItemText(i, 2, row.l);
        list_.SetItemText(i, 3, row.h);
        list_.SetItemText(i, 4, row.attribute);
    }
}

int CGeoCoordLibDlg::SelectedRow() const {
    return list_.GetNextItem(-1, LVNI_SELECTED);
}

void CGeoCoordLibDlg::Select(int row) {
    list_.SetFocus();
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.EnsureVisible(row, FALSE);
}

void CGeoCoordLibDlg::OnAdd() {
    CGeoPointDlg dlg(geopoint::IDD_ADD, GeoRow{}, this);
    if (dlg.DoModal() != IDOK) return;
    rows_.push_back(dlg.values);
    modified_ = true;
    ShowRows();
}

void CGeoCoordLibDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) return;
    CGeoPointDlg dlg(geopoint::IDD_EDIT, rows_[static_cast<size_t>(row)], this);
    if (dlg.DoModal() != IDOK) return;
    rows_[static_cast<size_t>(row)] = dlg.values;
    modified_ = true;
    ShowRows();
    Select(row);
}

void CGeoCoordLibDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (Ask(geolibtext::kConfirmDelete, L"提示", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    rows_.erase(rows_.begin() + row);
    modified_ = true;
    ShowRows();
}

void CGeoCoordLibDlg::OnClear() {
    if (rows_.empty()) return;
    if (Ask(geolibtext::kConfirmClear, L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES) rows_.clear();
    modified_ = true;
    ShowRows();
}

void CGeoCoordLibDlg::OnOpen() {
    COpenFileDlg open(this);
    open.AddFilter(L"*.blh");
    open.AddFilter(L"*.WGS");
    open.SetRootFolder(dataFolder_);
    open.SetStartFolder(rootFolder_);
    if (open.DoModal() != IDOK || open.GetPathName().IsEmpty()) return;
    CFileOpenModeDlg mode(this);
    mode.DoModal();
    const CString caption = LoadStringResource(geolibtext::kOpenCaption);
    std::vector<GeoRow> rows = rows_;
    if (mode.m_nResult == CFileOpenModeDlg::kOverwrite) {
        if (Ask(geolibtext::kConfirmOverwrite, caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
        rows.clear();
    } else if (mode.m_nResult == CFileOpenModeDlg::kAppend) {
        if (Ask(geolibtext::kConfirmAppend, caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    } else {
        return;
    }
    // A file that cannot be read leaves the list as it was.
    const DataFileRead read = ImportGeoPoints(open.GetPathName(), rows);
    if (read.status == DataFileStatus::kUnreadable || read.status == DataFileStatus::kMissing) {
        MessageBox(L"文件打开失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (TellDataFileRead(*this, open.GetPathName(), read) && !read) return;
    rows_ = std::move(rows);
    modified_ = true;
    ShowRows();
}

void CGeoCoordLibDlg::OnFind() {
    CFindGeoCoordDlg dlg(rows_, this);
    if (dlg.DoModal() != IDOK || dlg.m_nResult < 0) return;
    Select(dlg.m_nResult);
}

bool CGeoCoordLibDlg::Save() {
    if (damaged_ && !KeepDamagedBeforeSave(*this, path_)) return false;
    bool written = false;
    {
        CWaitCursor wait;
        written = WriteGeoLibrary(path_, rows_);
    }
    if (!written) MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
    if (written) damaged_ = false;
    return written;
}

void CGeoCoordLibDlg::OnOK() {
    const int row = SelectedRow();
    if (row < 0) {
        Ask(geolibtext::kNoneSelected, L"提示", MB_OK | MB_ICONQUESTION);
        return;
    }
    if (modified_ && !Save()) return;
    const GeoRow& chosen = rows_[static_cast<size_t>(row)];
    m_choice = GeoPointChoice{true, chosen.name, chosen.b, chosen.l, chosen.h, chosen.attribute};
    EndDialog(IDOK);
}

void CGeoCoordLibDlg::OnCancel() {
    if (modified_ && Ask(geolibtext::kSaveLibrary, L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES && !Save())
        return;
    EndDialog(IDCANCEL);
}

// ---- add and edit

CGeoPointDlg::CGeoPointDlg(UINT templateId, const GeoRow& row, CWnd* parent)
    : CDialog(templateId, parent), values(row) {}

void CGeoPointDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, geopoint::kName, values.name);
    DDX_Text(pDX, geopoint::kB, values.b);
    DDX_Text(pDX, geopoint::kL, values.l);
    DDX_Text(pDX, geopoint::kH, values.h);
    DDX_Text(pDX, geopoint::kAttribute, values.attribute);
}

void CGeoPointDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace geopoint;
    if (!AcceptEntryFields(*this, {{kName, values.name}, {kAttribute, values.attribute}},
                           {{kB, values.b}, {kL, values.l}, {kH, values.h}}))
        return;
    EndDialog(IDOK);
}

// ---- find

CFindGeoCoordDlg::CFindGeoCoordDlg(const std::vector<GeoRow>& rows, CWnd* parent)
    : CDialog(IDD, parent), rows_(rows) {
    BindCommand(geofind::kSearch, &CFindGeoCoordDlg::OnSearch);
    BindControl(geofind::kNames, LBN_SELCHANGE, &CFindGeoCoordDlg::OnSelChange);
}

BOOL CFindGeoCoordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    names_.SubclassDlgItem(geofind::kNames, this);
    shown_ = FindGeoRows(rows_, CString());
    ShowEntries();
    return TRUE;
}

void CFindGeoCoordDlg::ShowFields(int row) {
    const GeoRow& entry = rows_[static_cast<size_t>(row)];
    SetDlgItemText(geofind::kB, Format(L"%.10f", ToDouble(entry.b)));
    SetDlgItemText(geofind::kL, Format(L"%.10f", ToDouble(entry.l)));
    SetDlgItemText(geofind::kH, Format(L"%.10f", ToDouble(entry.h)));
    SetDlgItemText(geofind::kCode, entry.attribute);
}

// No name holding the text: the list is empty, the fields are cleared and OK selects nothing.
void CFindGeoCoordDlg::ShowEntries() {
    names_.ResetContent();
    for (int row : shown_) names_.AddString(rows_[static_cast<size_t>(row)].name);
    m_nResult = -1;
    if (shown_.empty()) {
        for (UINT id : {geofind::kB, geofind::kL, geofind::kH, geofind::kCode}) SetDlgItemText(id, L"");
        return;
    }
    names_.SetCurSel(0);
    ShowFields(shown_.front());
    m_nResult = shown_.front();
}

void CFindGeoCoordDlg::OnSearch() {
    CString text;
    GetDlgItemText(geofind::kText, text);
    shown_ = FindGeoRows(rows_, text);
    ShowEntries();
}

void CFindGeoCoordDlg::OnSelChange() {
    const int line = names_.GetCurSel();
    if (line < 0 || line >= static_cast<int>(shown_.size())) return;
    ShowFields(shown_[static_cast<size_t>(line)]);
    m_nResult = shown_[static_cast<size_t>(line)];
}

GeoPointChoice PickFromGeoLibrary(const ICalibrationHost& host, CWnd* parent) {
    return PickFromGeoLibrary(
        {host.RootFolder(), host.DataFolder(), GeoLibraryPath(host.JobFolder(), host.JobFileName())}, parent);
}

GeoPointChoice PickFromGeoLibrary(const GeoLibraryPlace& place, CWnd* parent) {
    CGeoCoordLibDlg dlg(place, parent);
    return dlg.DoModal() == IDOK ? dlg.m_choice : GeoPointChoice{};
}
