#include "calibration/screens/CCalcTransParamDlg.h"

#include "calibration/ControlPointFile.h"
#include "calibration/screens/ControlPointEntryDlgs.h"
#include "calibration/screens/ControlPointSmallDlgs.h"
#include "calibration/screens/GeometryPrompt.h"
#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/DamagedFileNotices.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/WaitCursor.h"

namespace {
using namespace ctrlpoint;
constexpr int kColumnWidths[11] = {50, 100, 100, 65, 100, 100, 65, 60, 60, 60, 60};
constexpr const wchar_t* kHeightLineNotice = L"高程拟合点共线或重合,已改用高程平移";
constexpr const wchar_t* kPlaneCoincidentNotice = L"平面控制点重合,无法求四参数,已改用平面平移";
constexpr const wchar_t* kSaveFailed = L"文件保存失败!";

CString* Cells(ControlPointRow& row, int column) {
    CString* cells[11] = {&row.name, &row.knownN,     &row.knownE,   &row.knownH,   &row.rawN,     &row.rawE,
                          &row.rawH, &row.horizontal, &row.vertical, &row.usePlane, &row.useHeight};
    return cells[column];
}

// The file dialogs' trees select a folder by its path without the closing "\".
bool NameHasExtension(const CString& path) {
    const int slash = path.ReverseFind(L'\\');
    return path.Mid(slash + 1).Find(L'.') >= 0;
}
}  // namespace

CCalcTransParamDlg::CCalcTransParamDlg(ICalibrationHost& host, CWnd* parent)
    : CDialog(IDD, parent), host_(host) {
    BindCommand(kAdd, &CCalcTransParamDlg::OnAdd);
    BindCommand(kDelete, &CCalcTransParamDlg::OnDelete);
    BindCommand(kEdit, &CCalcTransParamDlg::OnEdit);
    BindCommand(kToggleUse, &CCalcTransParamDlg::OnToggleUse);
    BindCommand(kOpen, &CCalcTransParamDlg::OnOpen);
    BindCommand(kSave, &CCalcTransParamDlg::OnSave);
    BindCommand(kSettings, &CCalcTransParamDlg::OnSettings);
}

BOOL CCalcTransParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    list_.SubclassDlgItem(kList, this);
    for (int i = 0; i < 11; ++i)
        list_.InsertColumn(i, LoadStringResource(kHeadingName + static_cast<UINT>(i)), LVCFMT_CENTER,
                           kColumnWidths[i]);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    path_ = host_.CoordParams().heightFit.szConF;
    if (!path_.IsEmpty() && FileExists(path_)) Load(path_);
    Solve();
    return TRUE;
}

int CCalcTransParamDlg::Ask(UINT textId, UINT type) {
    return MessageBox(LoadStringResource(textId), L"提示", type);
}

void CCalcTransParamDlg::Load(const CString& path) {
    const DataFileRead read = ReadControlPointFile(path, host_.CalibrationConverter(),
                                                   host_.CoordParams().projection.nTouYin, table_.Rows());
    if (read.status == DataFileStatus::kUnreadable || read.status == DataFileStatus::kMissing)
        MessageBox(L"控制点文件读取失败!", L"提示", MB_OK | MB_ICONINFORMATION);
    else if (TellDataFileRead(*this, path, read))
        damaged_ = path;
}

void CCalcTransParamDlg::Solve() {
    const ConnectionSettings& settings = host_.Settings().connection;
    const ControlPointSolution& solution =
        table_.Solve(settings.nPlaneNihe, settings.nCurveNihe, host_.Memory(), host_.CoordParams());
    RememberModes();
    ShowRows();
    if (solution.planeDegenerate && !toldPlaneCoincident_) {
        toldPlaneCoincident_ = true;
        MessageBox(kPlaneCoincidentNotice, L"提示", MB_OK | MB_ICONINFORMATION);
    }
    if (solution.heightDegenerate && !toldHeightLine_) {
        toldHeightLine_ = true;
        MessageBox(kHeightLineNotice, L"提示", MB_OK | MB_ICONINFORMATION);
    }
}

void CCalcTransParamDlg::RememberModes() {
    CalibrationMemory memory = host_.Memory();
    memory.planeMode = table_.Solution().planeMode;
    memory.heightMode = table_.Solution().heightMode;
    host_.Remember(memory);
}

void CCalcTransParamDlg::ShowRows() {
    const int selected = SelectedRow();
    list_.DeleteAllItems();
    for (int i = 0; i < static_cast<int>(table_.Rows().size()); ++i) {
        ControlPointRow& row = table_.Rows()[static_cast<size_t>(i)];
        list_.InsertItem(i, row.name);
        for (int column = 1; column < 11; ++column) list_.SetItemText(i, column, *Cells(row, column));
    }
    if (selected >= 0 && selected < list_.GetItemCount())
        list_.SetItemState(selected, LVIS_SELECTED, LVIS_SELECTED);
}

int CCalcTransParamDlg::SelectedRow() const {
    return list_.m_hWnd ? list_.GetNextItem(-1, LVNI_SELECTED) : -1;
}

void CCalcTransParamDlg::OnAdd() {
    CAddKnownPointDlg known(host_.CoordLibrary(), this);
    if (known.DoModal() != IDOK) return;
    CAddRawPointDlg source(host_, this);
    if (source.DoModal() != IDOK) return;
    modified_ = true;
    CRawPointAntDlg raw(source.kind, source.raw, host_.Antenna(), this);
    if (raw.DoModal() != IDOK) return;
    ControlPointRow row;
    row.name = known.values.name;
    row.knownN = known.values.x;
    row.knownE = known.values.y;
    row.knownH = known.values.h;
    row.rawN = raw.values.x;
    row.rawE = raw.values.y;
    row.rawH = Format(L"%.3f", ToDouble(raw.values.h) - raw.Vertical());
    table_.Rows().push_back(row);
    Solve();
}

void CCalcTransParamDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (Ask(ctrlpointtext::kConfirmDelete, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    modified_ = true;
    table_.Rows().erase(table_.Rows().begin() + row);
    list_.SetItemState(row, 0, LVIS_SELECTED);
    Solve();
}

void CCalcTransParamDlg::OnEdit() {
    const int index = SelectedRow();
    if (index < 0) return;
    ControlPointRow& row = table_.Rows()[static_cast<size_t>(index)];
    CEditCtrlPointDlg dlg(host_, this);
    for (int column = 0; column < 7; ++column) dlg.texts[static_cast<size_t>(column)] = *Cells(row, column);
    if (dlg.DoModal() != IDOK) return;
    modified_ = true;
    for (int column = 0; column < 7; ++column) *Cells(row, column) = dlg.texts[static_cast<size_t>(column)];
    Solve();
}

void CCalcTransParamDlg::OnToggleUse() {
    const int index = SelectedRow();
    if (index < 0) return;
    ControlPointRow& row = table_.Rows()[static_cast<size_t>(index)];
    CPointAttrDlg dlg(this);
    dlg.values = {row.name, row.usePlane == L"Y", row.useHeight == L"Y"};
    if (dlg.DoModal() != IDOK) return;
    modified_ = true;
    row.usePlane = dlg.values.usePlane ? L"Y" : L"N";
    row.useHeight = dlg.values.useHeight ? L"Y" : L"N";
    Solve();
}

void CCalcTransParamDlg::OnOpen() {
    if (modified_) {
        Ask(ctrlpointtext::kUnsavedChanges, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const CString chosen = ChooseFileToOpen(this, L"*.cot", host_.JobFolder(), host_.RootFolder());
    if (chosen.IsEmpty()) return;
    table_.Rows().clear();
    path_ = chosen;
    Load(path_);
    Solve();
}

bool CCalcTransParamDlg::AcceptOverLimit() {
    if (table_.Solution().WithinLimits()) return true;
    COverLimitDlg prompt(table_.OverLimitText(), this);
    return prompt.DoModal() == IDOK;
}

bool CCalcTransParamDlg::SaveFile() {
    if (!AcceptOverLimit()) return false;
    CString path = ChooseFileToSave(this, L"*.cot", host_.RootFolder(), host_.JobFolder());
    if (path.IsEmpty()) return false;
    if (!NameHasExtension(path)) path += L".cot";
    if (damaged_.CompareNoCase(path) == 0 && !KeepDamagedBeforeSave(*this, path)) return false;
    bool written = false;
    {
        CWaitCursor wait;
        written = WriteControlPointFile(path, table_.Rows(), host_.CalibrationConverter(),
                                        host_.CoordParams().projection.nTouYin);
    }
    if (!written) {
        MessageBox(kSaveFailed, L"提示", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    path_ = path;
    damaged_.Empty();
    Ask(ctrlpointtext::kSaved, MB_OK);
    modified_ = false;
    return true;
}

void CCalcTransParamDlg::OnSettings() {
    GeneralSettingsBlock settings = host_.Settings();
    CParamSettingsDlg dlg(this);
    dlg.values = {settings.connection.nPlaneNihe, settings.connection.nCurveNihe};
    if (dlg.DoModal() != IDOK) return;
    settings.connection.nPlaneNihe = dlg.values.planeIndex;
    settings.connection.nCurveNihe = dlg.values.surfaceIndex;
    if (!host_.SaveSettings(settings)) {
        MessageBox(kSaveFailed, L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    Solve();
}

void CCalcTransParamDlg::OnOK() {
    if (modified_) {
        Ask(ctrlpointtext::kUnsavedChanges, MB_OK | MB_ICONINFORMATION);
        SaveFile();
        return;
    }
    const ControlPointSolution& solution = table_.Solution();
    const bool nothingUsable = solution.planeMode == kPlaneNone && solution.heightMode == kHeightNone;
    if (table_.Rows().empty() || nothingUsable) {
        if (Ask(ctrlpointtext::kNoControlPoints, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
        table_.ForgetModes();
        RememberModes();
    }
    if (!AcceptOverLimit()) return;
    if (!AcceptGeometry(this, solution.geometry)) return;
    EndDialog(IDOK);
}

void CCalcTransParamDlg::OnCancel() {
    if (modified_ && Ask(ctrlpointtext::kUnsavedChanges, MB_YESNO | MB_ICONQUESTION) == IDYES) return;
    EndDialog(IDCANCEL);
}
