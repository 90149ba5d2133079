#include "survey/screens/CCoordViewDlg.h"

#include "platform/ui/StringTable.h"
#include "platform/ui/WaitCursor.h"
#include "survey/screens/CDataEditDlg.h"

namespace {
using namespace coordview;

struct Column {
    UINT heading;  // from the string table, or 0 for the literal
    const wchar_t* literal;
    int width;
};
const Column kColumns[kCoordViewColumns] = {
    // Name and kind narrower than the others, so that the north coordinate shows whole beside them.
    {kNameHeading, nullptr, 76},
    {0, L"点类型", 48},
    {kNorthHeading, nullptr, 100},
    {kEastHeading, nullptr, 100},
    {kHeightHeading, nullptr, 80},
    {kCodeHeading, nullptr, 100},
    {0, L"道亨点", 100},
    {0, L"里程", 80},
    {0, L"偏距", 80},
    {kFeatureHeading, nullptr, 80},
    {0, L"杆型|物宽", 80},
    {0, L"角度|物长", 80},
    {0, L"量高", 80},
    {0, L"地质", 80},
    {0, L"备注", 80},
    {0, L"高差", 80},
    {kAntennaHeading, nullptr, 80},
    {0, L"RMSH", 80},
    {0, L"RMSV", 80},
};
enum : int { kNameColumn = 0, kNorthColumn = 2, kEastColumn = 3, kHeightColumn = 4 };
constexpr UINT_PTR kFollowTimer = 1;
constexpr UINT kFollowMs = 1000;
}  // namespace

CCoordViewDlg::CCoordViewDlg(ISurveyHost& host, CWnd* parent)
    : CDialog(IDD, parent), host_(host), rows_(host.LendCoordViewRows()) {
    BindCommand(kEdit, &CCoordViewDlg::OnEdit);
    BindCommand(kDelete, &CCoordViewDlg::OnDelete);
    BindNotify(kList, LVN_ITEMCHANGED, &CCoordViewDlg::OnItemChanged);
    BindNotify(kList, LVN_GETDISPINFO, &CCoordViewDlg::OnGetDispInfo);
}

CCoordViewDlg::~CCoordViewDlg() {
    if (rows_) host_.GiveBackCoordViewRows(std::move(rows_));
}

void CCoordViewDlg::PostNcDestroy() {
    if (rows_) host_.GiveBackCoordViewRows(std::move(rows_));
    CDialog::PostNcDestroy();
}

void CCoordViewDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, kList, list_);
    DDX_Text(pDX, kName, name_);
    DDX_Text(pDX, kY, y_);
    DDX_Text(pDX, kX, x_);
    DDX_Text(pDX, kH, h_);
}

BOOL CCoordViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    for (int i = 0; i < kCoordViewColumns; ++i) {
        const Column& c = kColumns[i];
        list_.InsertColumn(i, c.heading ? LoadStringResource(c.heading) : CString(c.literal), LVCFMT_CENTER,
                           c.width);
    }
    images_.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 1);
    images_.Add(CoordViewRowImages(), RGB(255, 255, 255));
    list_.SetImageList(&images_, LVSIL_SMALL);
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_TRACKSELECT);
    path_ = host_.PointFilePath();
    ReadFile();
    SetTimer(kFollowTimer, kFollowMs);
    return TRUE;
}

void CCoordViewDlg::ReadFile() {
    PointFileRows::Read read;
    {
        CWaitCursor wait;
        read = rows_->Open(path_, host_.StoreFiles().journal);
    }
    if (read == PointFileRows::Read::kUnreadable) MessageBox(L"打开文件错误!", L"提示", MB_OK | MB_ICONERROR);
    FillList();
    host_.TellSkippedLines(path_, rows_->Skipped());
}

void CCoordViewDlg::OnTimer(UINT_PTR id) {
    if (id != kFollowTimer) return CDialog::OnTimer(id);
    if (changing_) return;
    if (const int joined = rows_->TakeStored(); joined > 0)
        ShowJoined(joined, list_.GetNextItem(-1, LVNI_SELECTED));
}

void CCoordViewDlg::ShowJoined(int joined, int selected) {
    cachedRow_ = -1;
    list_.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    list_.SetItemCount(rows_->Count());
    if (selected >= 0) {
        list_.SetItemState(selected + joined, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list_.EnsureVisible(selected + joined, FALSE);
    }
    list_.Invalidate();
}

void CCoordViewDlg::FillList() {
    cachedRow_ = -1;
    list_.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    list_.SetItemCount(rows_->Count());
    if (rows_->Count() == 0) return;
    list_.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.EnsureVisible(0, FALSE);
}

const CoordViewRow& CCoordViewDlg::Cells(int row) {
    if (row != cachedRow_) {
        const SurveyPointRec point = rows_->Record(row);
        cached_ = CoordViewCells(point);
        cachedImage_ = CoordViewImage(point);
        cachedRow_ = row;
    }
    return cached_;
}

void CCoordViewDlg::OnGetDispInfo(NMHDR* header, LRESULT*) {
    LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(header)->item;
    if (item.iItem < 0 || item.iItem >= rows_->Count() || item.iSubItem < 0 ||
        item.iSubItem >= kCoordViewColumns)
        return;
    const CoordViewRow& cells = Cells(item.iItem);
    if (item.mask & LVIF_TEXT)
        item.pszText = const_cast<wchar_t*>(cells[static_cast<size_t>(item.iSubItem)].c_str());
    if (item.mask & LVIF_IMAGE) item.iImage = cachedImage_;
}

void CCoordViewDlg::ShowRow(int row) {
    if (row < 0) {
        name_ = x_ = y_ = h_ = CString();
    } else {
        const CoordViewRow& cells = Cells(row);
        name_ = cells[kNameColumn];
        x_ = cells[kNorthColumn];
        y_ = cells[kEastColumn];
        h_ = cells[kHeightColumn];
    }
    UpdateData(FALSE);
}

// Whatever changed the selection (a tap, a key, a change to the file), the texts below show it.
void CCoordViewDlg::OnItemChanged(NMHDR* header, LRESULT* result) {
    const NMLISTVIEW& change = *reinterpret_cast<NMLISTVIEW*>(header);
    *result = 0;
    if (!(change.uChanged & LVIF_STATE) || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) return;
    ShowRow(change.uNewState & LVIS_SELECTED ? change.iItem : list_.GetNextItem(-1, LVNI_SELECTED));
}

bool CCoordViewDlg::ChangeDone(PointFileRows::Change change) {
    switch (change) {
        case PointFileRows::Change::kDone:
            host_.ReloadDisplayPoints();
            return true;
        case PointFileRows::Change::kChangedSinceRead:
            MessageBox(L"文件已被修改,请重新打开!", L"提示", MB_OK | MB_ICONINFORMATION);
            ReadFile();
            return false;
        case PointFileRows::Change::kUnstorableText:
            MessageBox(L"点名和属性中不能有逗号,请重新输入!", L"提示", MB_OK | MB_ICONINFORMATION);
            return false;
        case PointFileRows::Change::kWriteFailed:
            MessageBox(L"打开文件失败", L"提示", MB_OK | MB_ICONERROR);
            return false;
    }
    return false;
}

void CCoordViewDlg::OnDelete() {
    const int row = list_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    changing_ = true;
    if (MessageBox(LoadStringResource(kDeleteQuestion), L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        PointFileRows::Change change;
        {
            CWaitCursor wait;
            change = rows_->Delete(row);
        }
        if (ChangeDone(change)) ShowJoined(rows_->JoinedByLastChange(), -1);
    }
    changing_ = false;
}

void CCoordViewDlg::OnEdit() {
    const int row = list_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    changing_ = true;
    CDataEditDlg edit(rows_->Record(row), this);
    if (edit.DoModal() == IDOK) {
        PointFileRows::Change change;
        {
            CWaitCursor wait;
            change = rows_->Replace(row, edit.Record());
        }
        // Points stored meanwhile joined at the top: the edited one moved down by as many rows.
        if (ChangeDone(change)) ShowJoined(rows_->JoinedByLastChange(), row);
    }
    changing_ = false;
}

void ShowCoordView(ISurveyHost& host) {
    CCoordViewDlg view(host);
    view.DoModal();
}
