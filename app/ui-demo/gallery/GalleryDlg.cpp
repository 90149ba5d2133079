#include "app/ui-demo/gallery/GalleryDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {
using G = CGalleryDlg;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 3, 4, 19, 10, L"椭球:", SS_LEFT},
    {WC_COMBOBOX, G::IDC_DATUM, 22, 2, 50, 70, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 76, 4, 19, 10, L"通道:", SS_LEFT},
    {WC_COMBOBOX, G::IDC_CHANNEL, 95, 2, 37, 70, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 6, 25, 19, 10, L"点名:", SS_LEFT},
    {L"EDIT", G::IDC_NAME, 26, 23, 40, 11, L"K12", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", G::IDC_AUTOSTORE, 72, 24, 58, 10, L"自动存储", BS_AUTOCHECKBOX | WS_TABSTOP},
    {WC_LISTVIEW, G::IDC_SATELLITES, 2, 41, 131, 45, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {WC_TREEVIEW, G::IDC_FOLDERS, 2, 89, 74, 40, L"",
     TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {WC_LISTBOX, G::IDC_DEVICES, 78, 89, 55, 40, L"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {WC_TABCONTROL, G::IDC_PAGES, 2, 131, 131, 17, L"", WS_TABSTOP},
    {PROGRESS_CLASS, G::IDC_PROGRESS, 2, 152, 60, 9, L"", 0},
    {L"BUTTON", G::IDC_ADD, 66, 150, 32, 13, L"加一", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"STATIC", G::IDC_COUNT, 101, 152, 32, 10, L"次数: 0", SS_LEFT},
    // Last, so that it lies below the controls it frames.
    {L"BUTTON", IDC_STATIC, 2, 14, 131, 24, L"测站", BS_GROUPBOX},
};
const DialogTemplate kTemplate{G::IDD, 135, 166, L"控件一览", kDialogStyle, kControls};
const DialogTemplateRegistration kRegister(kTemplate);

// A 16 x 16 satellite mark: a filled disc in the system's colour.
void DrawDisc(CImage& strip, int left, COLORREF color) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15;
            if (dx * dx + dy * dy <= 12 * 12) strip.SetPixel(left + x, y, color);
        }
}

// A 16 x 16 folder and page, drawn by rows.
void DrawFolder(CImage& strip, int left) {
    for (int y = 3; y < 14; ++y)
        for (int x = 1; x < 15; ++x) {
            if (y == 3 && x > 6) continue;
            const bool edge = y == 3 || y == 13 || x == 1 || x == 14 || (y == 4 && x > 6);
            strip.SetPixel(left + x, y, edge ? RGB(128, 96, 0) : RGB(240, 200, 64));
        }
}

void DrawPage(CImage& strip, int left) {
    for (int y = 1; y < 15; ++y)
        for (int x = 3; x < 13; ++x) {
            const bool edge = y == 1 || y == 14 || x == 3 || x == 12;
            const bool line = !edge && y % 3 == 0 && x > 4 && x < 11;
            strip.SetPixel(left + x, y, edge || line ? RGB(64, 64, 64) : RGB(255, 255, 255));
        }
}
}  // namespace

CGalleryDlg::CGalleryDlg(std::function<void(int)> onCount, std::function<void(const CString&)> onNameChanged)
    : CDialog(IDD), onCount_(std::move(onCount)), onNameChanged_(std::move(onNameChanged)) {
    BindControl(IDC_NAME, EN_CHANGE, &CGalleryDlg::OnNameChanged);
    BindCommand(IDC_ADD, &CGalleryDlg::OnAdd);
}

void CGalleryDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SATELLITES, m_satellites);
    DDX_Control(pDX, IDC_FOLDERS, m_folders);
    DDX_Control(pDX, IDC_PAGES, m_pages);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
}

BOOL CGalleryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    auto* datum = static_cast<CComboBox*>(GetDlgItem(IDC_DATUM));
    for (const wchar_t* name : {L"北京54", L"西安80", L"WGS84", L"CGCS2000"}) datum->AddString(name);
    datum->SetCurSel(3);
    auto* channel = static_cast<CComboBox*>(GetDlgItem(IDC_CHANNEL));
    for (const wchar_t* name : {L"全部", L"1", L"2", L"3"}) channel->AddString(name);
    channel->SetCurSel(0);
    auto* devices = static_cast<CListBox*>(GetDlgItem(IDC_DEVICES));
    for (const wchar_t* name : {L"基准站", L"移动站A", L"移动站B", L"手簿蓝牙", L"电台"})
        devices->AddString(name);
    devices->SetCurSel(1);
    for (const wchar_t* title : {L"卫星", L"位置", L"信息", L"设置"})
        m_pages.InsertItem(m_pages.GetItemCount(), title);
    m_progress.SetRange(0, 100);
    m_progress.SetPos(40);
    CheckDlgButton(IDC_AUTOSTORE, BST_CHECKED);
    FillSatellites();
    FillFolders();
    return TRUE;
}

void CGalleryDlg::FillSatellites() {
    CImage strip(32, 16);
    DrawDisc(strip, 0, RGB(0, 0, 255));
    DrawDisc(strip, 16, RGB(0, 160, 0));
    satelliteImages_.Create(16, 16, ILC_MASK, 0, 1);
    satelliteImages_.Add(strip);
    m_satellites.SetImageList(&satelliteImages_, LVSIL_SMALL);
    m_satellites.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_TRACKSELECT);
    m_satellites.InsertColumn(0, L"卫星号", LVCFMT_CENTER, 44);
    m_satellites.InsertColumn(1, L"高度角", LVCFMT_CENTER, 42);
    m_satellites.InsertColumn(2, L"方位角", LVCFMT_CENTER, 42);
    m_satellites.InsertColumn(3, L"信噪比", LVCFMT_CENTER, 42);
    m_satellites.InsertColumn(4, L"类型", LVCFMT_CENTER, 60);
    const struct {
        int number, elevation, azimuth, signal;
        bool glonass;
    } rows[] = {{3, 67, 45, 48, false},   {7, 42, 128, 44, false}, {16, 25, 290, 39, false},
                {22, 12, 201, 33, false}, {4, 55, 310, 41, true},  {13, 31, 77, 36, true}};
    for (const auto& r : rows) {
        CString text;
        text.Format(L"%02d", r.number);
        const int row = m_satellites.InsertItem(m_satellites.GetItemCount(), text, r.glonass ? 1 : 0);
        text.Format(L"%02d", r.elevation);
        m_satellites.SetItemText(row, 1, text);
        text.Format(L"%03d", r.azimuth);
        m_satellites.SetItemText(row, 2, text);
        text.Format(L"%02d", r.signal);
        m_satellites.SetItemText(row, 3, text);
        m_satellites.SetItemText(row, 4, r.glonass ? L"GLONASS" : L"GPS");
    }
    m_satellites.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CGalleryDlg::FillFolders() {
    CImage strip(32, 16);
    DrawPage(strip, 0);
    DrawFolder(strip, 16);
    folderImages_.Create(16, 16, ILC_MASK, 0, 1);
    folderImages_.Add(strip);
    m_folders.SetImageList(&folderImages_, TVSIL_NORMAL);
    HTREEITEM root = m_folders.InsertItem(L"我的设备", 1, 1);
    HTREEITEM jobs = m_folders.InsertItem(L"作业", 1, 1, root);
    m_folders.InsertItem(L"Program Files", 1, 1, root);
    m_folders.InsertItem(L"道路.qzs", 0, 0, jobs);
    m_folders.InsertItem(L"桥梁.qzs", 0, 0, jobs);
    m_folders.Expand(root, TVE_EXPAND);
    m_folders.Expand(jobs, TVE_EXPAND);
    m_folders.SelectItem(jobs);
}

void CGalleryDlg::OnAdd() {
    ++count_;
    CString text;
    text.Format(L"次数: %d", count_);
    SetDlgItemText(IDC_COUNT, text);
    m_progress.SetPos((40 + 10 * count_) % 110);
    if (onCount_) onCount_(count_);
}

void CGalleryDlg::OnNameChanged() {
    CString name;
    GetDlgItemText(IDC_NAME, name);
    if (onNameChanged_) onNameChanged_(name);
}
