#include "foundation/screens/CCoordLibDlg.h"

#include "foundation/FrameServices.h"
#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFilterSetDlg.h"
#include "foundation/screens/CFindPointDlg.h"
#include "foundation/screens/CPointDlg.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/StringTable.h"
#include "resources/FoundationIcons.h"

namespace {
using namespace coordlib;
constexpr UINT kCommandButtons[] = {kAdd, kEdit, kDelete, kClear, kImport, kFind, kFilter, IDOK};
constexpr UINT WM_FILL_CHUNK = WM_USER + 890;
// Rows listed per pass of the message loop: small enough to keep taps and paints flowing.
constexpr size_t kRowsPerChunk = 400;

struct Column {
    UINT heading;
    int width;
};
constexpr Column kColumns[] = {{kNumberHeading, 50}, {kNameHeading, 80},   {kNorthHeading, 110},
                               {kEastHeading, 110},  {kHeightHeading, 70}, {kCodeHeading, 120},
                               {kTypeHeading, 120}};

void SetScreenMode(int mode) {
    if (IFoundationFrame* frame = FoundationFrame()) frame->ScreenMode() = mode;
}
}  // namespace

CCoordLibDlg::CCoordLibDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kAdd, &CCoordLibDlg::OnAdd);
    BindCommand(kEdit, &CCoordLibDlg::OnEdit);
    BindCommand(kDelete, &CCoordLibDlg::OnDelete);
    BindCommand(kClear, &CCoordLibDlg::OnClear);
    BindCommand(kImport, &CCoordLibDlg::OnImport);
    BindCommand(kFind, &CCoordLibDlg::OnFind);
    BindCommand(kFilter, &CCoordLibDlg::OnFilter);
    BindMessage(WM_FILL_CHUNK, &CCoordLibDlg::OnFillChunk);
}

BOOL CCoordLibDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    SetScreenMode(kScreenModeCoordLibrary);
    list_.SubclassDlgItem(kList, this);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        list_.InsertColumn(i, LoadStringResource(kColumns[i].heading), LVCFMT_CENTER, kColumns[i].width);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_TRACKSELECT);
    images_.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    images_.Add(LoadIconResource(IDB_LIBRARY_POINT), RGB(255, 255, 255));
    list_.SetImageList(&images_, LVSIL_SMALL);
    ShowLoadingState(false);
    if (IFoundationFrame* frame = FoundationFrame())
        libraryPath_ = CoordLibPath(frame->JobFolder(), frame->JobFileName());
    OpenLibrary();
    return TRUE;
}

void CCoordLibDlg::OpenLibrary() {
    list_.DeleteAllItems();
    library_.Clear();
    library_.SetModified(false);
    loadedLines_.clear();
    // A library that is there but cannot be read must never be replaced by the empty list.
    if (!libraryPath_.IsEmpty() && GetFileAttributes(libraryPath_) != INVALID_FILE_ATTRIBUTES &&
        !LoadFile(libraryPath_, CoordLibLayout::kLibrary, true)) {
        libraryUnreadable_ = true;
        MessageBox(L"坐标管理库文件读取失败,修改将不能保存!", L"提示", MB_OK | MB_ICONERROR);
    }
}

bool CCoordLibDlg::LoadFile(const CString& path, CoordLibLayout layout, bool initialLoad) {
    std::vector<CString> lines;
    if (!ReadCoordLibFile(path, lines)) return false;
    if (!initialLoad) library_.SetModified(true);
    StartFill(library_.AppendLines(lines, layout));
    if (initialLoad) loadedLines_ = std::move(lines);
    return true;
}

void CCoordLibDlg::StartFill(std::vector<CoordLibRow> rows) {
    if (rows.empty()) return;
    pending_ = std::move(rows);
    nextPending_ = 0;
    ShowLoadingState(true);
    PostMessage(WM_FILL_CHUNK);
}

void CCoordLibDlg::AppendRow(const CoordLibRow& row) {
    const int at = list_.InsertItem(list_.GetItemCount(), row[0], 0);
    for (int column = 1; column < static_cast<int>(row.size()); ++column)
        list_.SetItemText(at, column, row[static_cast<size_t>(column)]);
}

LRESULT CCoordLibDlg::OnFillChunk(WPARAM, LPARAM) {
    const size_t end = std::min(pending_.size(), nextPending_ + kRowsPerChunk);
    for (; nextPending_ < end; ++nextPending_) AppendRow(pending_[nextPending_]);
    if (nextPending_ < pending_.size()) {
        SetDlgItemText(kLoadingText,
                       Format(L"%d / %d", static_cast<int>(nextPending_), static_cast<int>(pending_.size())));
        PostMessage(WM_FILL_CHUNK);
        return 0;
    }
    pending_.clear();
    ShowLoadingState(false);
    return 0;
}

void CCoordLibDlg::ShowLoadingState(bool loading) {
    loading_ = loading;
    if (CWnd* status = GetDlgItem(kLoadingText)) {
        status->SetWindowText(L"");
        status->ShowWindow(loading ? SW_SHOW : SW_HIDE);
    }
    for (UINT id : kCommandButtons)
        if (CWnd* button = GetDlgItem(id)) button->ShowWindow(loading ? SW_HIDE : SW_SHOW);
}

int CCoordLibDlg::SelectedRow() const {
    return list_.GetNextItem(-1, LVNI_SELECTED);
}

void CCoordLibDlg::OnAdd() {
    CAddPointDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    AppendRow(library_.Add(dlg.Texts()));
}

void CCoordLibDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) return;
    CEditPointDlg dlg(this);
    dlg.SetTexts({list_.GetItemText(row, 1), list_.GetItemText(row, 2), list_.GetItemText(row, 3),
                  list_.GetItemText(row, 4), list_.GetItemText(row, 5)});
    const int32_t index = ToInt(list_.GetItemText(row, 0));
    if (dlg.DoModal() != IDOK) return;
    const PointTexts texts = dlg.Texts();
    library_.Edit(index, texts);
    const CString* cells[5] = {&texts.name, &texts.north, &texts.east, &texts.height, &texts.code};
    for (int column = 1; column <= 5; ++column) list_.SetItemText(row, column, *cells[column - 1]);
}

void CCoordLibDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (AfxMessageBox(L"确实要删除该项吗?", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const int32_t index = ToInt(list_.GetItemText(row, 0));
    list_.DeleteItem(row);
    library_.Delete(index);
}

void CCoordLibDlg::OnClear() {
    if (list_.GetItemCount() == 0) return;
    if (AfxMessageBox(L"确实要清除所有数据吗?", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    list_.DeleteAllItems();
    library_.Clear();
}

void CCoordLibDlg::OnImport() {
    COpenFileDlg open(this);
    open.AddFilter(L"*.lib");
    open.AddFilter(L"*.xyh");
    if (IFoundationFrame* frame = FoundationFrame()) {
        open.SetRootFolder(frame->DataFolder());
        open.SetStartFolder(frame->DataFolder());
    }
    if (open.DoModal() != IDOK || open.GetPathName().IsEmpty()) return;
    CoordLibLayout layout{};
    if (!CoordLibLayoutOfPath(open.GetPathName(), layout)) return;
    if (MessageBox(L"确定将文件中的数据加入坐标管理库吗?", L"信息提示", MB_OKCANCEL | MB_ICONQUESTION) !=
        IDOK)
        return;
    LoadFile(open.GetPathName(), layout, false);
}

void CCoordLibDlg::OnFind() {
    CFindPointDlg find(this);
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        PointRecord point;
        point.name = list_.GetItemText(row, 1);
        point.x = ToDouble(list_.GetItemText(row, 2));
        point.y = ToDouble(list_.GetItemText(row, 3));
        point.h = ToDouble(list_.GetItemText(row, 4));
        point.code = list_.GetItemText(row, 5);
        find.AddCandidate(point, row);
    }
    if (find.DoModal() != IDOK || find.m_nResult == -1) return;
    list_.SetFocus();
    list_.SetItemState(find.m_nResult, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    list_.EnsureVisible(find.m_nResult, TRUE);
    list_.SetFocus();
}

void CCoordLibDlg::OnFilter() {
    CFilterSetDlg filter(this);
    for (int type = 0; type < 5; ++type)
        filter.m_nShow[static_cast<size_t>(type)] = library_.Shown(type) ? 1 : 0;
    if (filter.DoModal() != IDOK) return;
    bool changed = false;
    for (int type = 0; type < 5; ++type) {
        const bool shown = filter.m_nShow[static_cast<size_t>(type)] != 0;
        changed |= shown != library_.Shown(type);
        library_.SetShown(type, shown);
    }
    if (!changed) return;
    list_.DeleteAllItems();
    StartFill(library_.VisibleRows());
}

bool CCoordLibDlg::SaveFile() {
    const CoordLibSave saved = libraryUnreadable_
                                   ? CoordLibSave::kFailed
                                   : SaveCoordLibFile(libraryPath_, loadedLines_, library_.Records());
    switch (saved) {
        case CoordLibSave::kSaved:
            library_.SetModified(false);
            return true;
        case CoordLibSave::kChangedSinceLoaded:
            MessageBox(L"文件已被修改,请重新打开!", L"提示", MB_OK | MB_ICONINFORMATION);
            OpenLibrary();
            return false;
        case CoordLibSave::kFailed:
            break;
    }
    MessageBox(L"坐标管理库文件保存失败!", L"提示", MB_OK | MB_ICONERROR);
    return false;
}

void CCoordLibDlg::Close(int result) {
    SetScreenMode(kScreenModeNormal);
    EndDialog(result);
}

void CCoordLibDlg::OnOK() {
    if (loading_) return;
    const int row = SelectedRow();
    if (row < 0) {
        MessageBox(L"没有选中任何点，退出请按退出按钮", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_strName = list_.GetItemText(row, 1);
    m_strNorth = list_.GetItemText(row, 2);
    m_strEast = list_.GetItemText(row, 3);
    m_strHeight = list_.GetItemText(row, 4);
    m_strCode = list_.GetItemText(row, 5);
    m_nChosen = 1;
    if (library_.Modified() && !SaveFile()) {
        m_nChosen = 0;
        return;
    }
    Close(IDOK);
}

void CCoordLibDlg::OnCancel() {
    if (loading_) return;
    if (library_.Modified() &&
        MessageBox(L"数据已修改,保存修改的数据吗?", L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES &&
        !SaveFile())
        return;
    Close(IDCANCEL);
}

bool PickFromCoordLibrary(CWnd* parent, PointTexts& chosen) {
    CCoordLibDlg dlg(parent);
    if (dlg.DoModal() != IDOK || !dlg.m_nChosen) return false;
    chosen = {dlg.m_strName, dlg.m_strNorth, dlg.m_strEast, dlg.m_strHeight, dlg.m_strCode};
    return true;
}
