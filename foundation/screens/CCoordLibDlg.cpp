#include "foundation/screens/CCoordLibDlg.h"

#include <numeric>
#include <tuple>

#include "foundation/CoordLibraryHost.h"
#include "foundation/StoreJournal.h"
#include "foundation/screens/CFileDialogs.h"
#include "foundation/screens/CFilterSetDlg.h"
#include "foundation/screens/CFindPointDlg.h"
#include "foundation/screens/CPointDlg.h"
#include "foundation/screens/DamagedFileNotices.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Numbers.h"
#include "platform/ui/StringTable.h"
#include "resources/FoundationIcons.h"

namespace {
using namespace coordlib;
constexpr UINT kCommandButtons[] = {kAdd, kEdit, kDelete, kClear, kImport, kFind, kFilter, IDOK};
constexpr UINT WM_FILL_LIST = WM_USER + 890;

struct Column {
    UINT heading;
    int width;
};
constexpr Column kColumns[] = {{kNumberHeading, 50}, {kNameHeading, 80},   {kNorthHeading, 110},
                               {kEastHeading, 110},  {kHeightHeading, 70}, {kCodeHeading, 120},
                               {kTypeHeading, 120}};
}  // namespace

CCoordLibDlg::CCoordLibDlg(ICoordLibraryHost& frame, CWnd* parent) : CDialog(IDD, parent), frame_(frame) {
    BindCommand(kAdd, &CCoordLibDlg::OnAdd);
    BindCommand(kEdit, &CCoordLibDlg::OnEdit);
    BindCommand(kDelete, &CCoordLibDlg::OnDelete);
    BindCommand(kClear, &CCoordLibDlg::OnClear);
    BindCommand(kImport, &CCoordLibDlg::OnImport);
    BindCommand(kFind, &CCoordLibDlg::OnFind);
    BindCommand(kFilter, &CCoordLibDlg::OnFilter);
    BindNotify(kList, LVN_GETDISPINFO, &CCoordLibDlg::OnGetDispInfo);
    BindMessage(WM_FILL_LIST, &CCoordLibDlg::OnFillList);
}

BOOL CCoordLibDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    list_.SubclassDlgItem(kList, this);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        list_.InsertColumn(i, LoadStringResource(kColumns[i].heading), LVCFMT_CENTER, kColumns[i].width);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_TRACKSELECT);
    images_.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    images_.Add(LoadIconResource(IDB_LIBRARY_POINT), RGB(255, 255, 255));
    list_.SetImageList(&images_, LVSIL_SMALL);
    ShowLoadingState(false);
    libraryPath_ = CoordLibPath(frame_.JobFolder(), frame_.JobFileName());
    OpenLibrary();
    return TRUE;
}

void CCoordLibDlg::OpenLibrary() {
    list_.DeleteAllItems();
    listed_.clear();
    ListChanged();
    std::string bytes;
    // A library that is there but cannot be read must never be replaced by the empty list.
    const bool there = !libraryPath_.IsEmpty() && GetFileAttributes(libraryPath_) != INVALID_FILE_ATTRIBUTES;
    const DataFileRead read = there ? ReadCoordLibFile(libraryPath_, bytes) : DataFileRead{};
    if (!read) {
        library_.Open(std::string());
        libraryUnreadable_ = true;
        if (!TellDataFileRead(*this, libraryPath_, read))
            MessageBox(L"坐标管理库文件读取失败,修改将不能保存!", L"提示", MB_OK | MB_ICONERROR);
        return;
    }
    library_.Open(std::move(bytes));
    damaged_ = TellDataFileRead(*this, libraryPath_, {DataFileStatus::kRead, library_.Skipped()});
    listed_.resize(static_cast<size_t>(library_.Count()));
    std::iota(listed_.begin(), listed_.end(), 0);
    StartFill();
}

void CCoordLibDlg::StartFill() {
    if (static_cast<int>(listed_.size()) == list_.GetItemCount()) return;
    ShowLoadingState(true);
    PostMessage(WM_FILL_LIST);
}

LRESULT CCoordLibDlg::OnFillList(WPARAM, LPARAM) {
    list_.SetItemCount(static_cast<int>(listed_.size()));
    ShowLoadingState(false);
    return 0;
}

const CoordLibRow& CCoordLibDlg::Cells(int row) {
    if (row != cachedRow_) {
        cached_ = library_.Row(listed_[static_cast<size_t>(row)]);
        cachedRow_ = row;
    }
    return cached_;
}

void CCoordLibDlg::ListChanged() {
    cachedRow_ = -1;
    list_.Invalidate();
}

void CCoordLibDlg::OnGetDispInfo(NMHDR* header, LRESULT*) {
    LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(header)->item;
    if (item.iItem < 0 || item.iItem >= static_cast<int>(listed_.size()) || item.iSubItem < 0 ||
        item.iSubItem >= static_cast<int>(std::tuple_size_v<CoordLibRow>))
        return;
    if (item.mask & LVIF_TEXT)
        item.pszText = const_cast<wchar_t*>(Cells(item.iItem)[static_cast<size_t>(item.iSubItem)].c_str());
    if (item.mask & LVIF_IMAGE) item.iImage = 0;
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
    CAddPointDlg dlg(nullptr, this);
    if (dlg.DoModal() != IDOK) return;
    listed_.push_back(library_.Add(dlg.texts));
    list_.SetItemCount(static_cast<int>(listed_.size()));
}

void CCoordLibDlg::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) return;
    CEditPointDlg dlg(nullptr, this);
    const CoordLibRow& cells = Cells(row);
    dlg.texts = {cells[1], cells[2], cells[3], cells[4], cells[5]};
    if (dlg.DoModal() != IDOK) return;
    library_.Edit(listed_[static_cast<size_t>(row)], dlg.texts);
    ListChanged();
}

void CCoordLibDlg::OnDelete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (AfxMessageBox(L"确实要删除该项吗?", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    library_.Delete(listed_[static_cast<size_t>(row)]);
    listed_.erase(listed_.begin() + row);
    ListChanged();
    list_.DeleteItem(row);
}

void CCoordLibDlg::OnClear() {
    if (list_.GetItemCount() == 0) return;
    if (AfxMessageBox(L"确实要清除所有数据吗?", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    listed_.clear();
    ListChanged();
    list_.DeleteAllItems();
    library_.Clear();
}

void CCoordLibDlg::OnImport() {
    COpenFileDlg open(this);
    open.AddFilter(L"*.lib");
    open.AddFilter(L"*.xyh");
    open.SetRootFolder(frame_.DataFolder());
    open.SetStartFolder(frame_.DataFolder());
    if (open.DoModal() != IDOK || open.GetPathName().IsEmpty()) return;
    CoordLibLayout layout{};
    if (!CoordLibLayoutOfPath(open.GetPathName(), layout)) return;
    if (MessageBox(L"确定将文件中的数据加入坐标管理库吗?", L"信息提示", MB_OKCANCEL | MB_ICONQUESTION) !=
        IDOK)
        return;
    std::string bytes;
    const DataFileRead read = ReadCoordLibFile(open.GetPathName(), bytes);
    if (!read) {
        TellDataFileRead(*this, open.GetPathName(), read);
        return;
    }
    for (int32_t index = library_.Import(std::move(bytes), layout); index < library_.Count(); ++index)
        listed_.push_back(index);
    TellDataFileRead(*this, open.GetPathName(), {DataFileStatus::kRead, library_.Skipped()});
    StartFill();
}

void CCoordLibDlg::OnFind() {
    CFindPointDlg find(this);
    for (int row = 0; row < list_.GetItemCount(); ++row) {
        const CoordLibRow cells = library_.Row(listed_[static_cast<size_t>(row)]);
        PointRecord point;
        point.name = cells[1];
        point.x = ToDouble(cells[2]);
        point.y = ToDouble(cells[3]);
        point.h = ToDouble(cells[4]);
        point.code = cells[5];
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
        filter.shown[static_cast<size_t>(type)] = library_.Shown(type) ? 1 : 0;
    if (filter.DoModal() != IDOK) return;
    bool changed = false;
    for (int type = 0; type < 5; ++type) {
        const bool shown = filter.shown[static_cast<size_t>(type)] != 0;
        changed |= shown != library_.Shown(type);
        library_.SetShown(type, shown);
    }
    if (!changed) return;
    listed_ = library_.Rebuild();
    ListChanged();
    list_.DeleteAllItems();
    StartFill();
}

bool CCoordLibDlg::SaveFile() {
    if (damaged_ && !libraryUnreadable_) {
        if (!KeepDamagedBeforeSave(*this, libraryPath_)) return false;
        damaged_ = false;
    }
    // Where the journal's stores begin their library lines would not hold after the rewrite.
    const bool settled = !SettleStoreJournal(StoreJournalPath(frame_.JobFolder(), frame_.JobFileName()));
    const CoordLibSave saved =
        libraryUnreadable_ || !settled ? CoordLibSave::kFailed : library_.Save(libraryPath_);
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
    EndDialog(result);
}

void CCoordLibDlg::OnOK() {
    if (loading_) return;
    const int row = SelectedRow();
    if (row < 0) {
        MessageBox(L"没有选中任何点，退出请按退出按钮", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const CoordLibRow& cells = Cells(row);
    m_strName = cells[1];
    m_strNorth = cells[2];
    m_strEast = cells[3];
    m_strHeight = cells[4];
    m_strCode = cells[5];
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

bool PickFromCoordLibrary(ICoordLibraryHost& frame, CWnd* parent, PointTexts& chosen) {
    CCoordLibDlg dlg(frame, parent);
    if (dlg.DoModal() != IDOK || !dlg.m_nChosen) return false;
    chosen = {dlg.m_strName, dlg.m_strNorth, dlg.m_strEast, dlg.m_strHeight, dlg.m_strCode};
    return true;
}
