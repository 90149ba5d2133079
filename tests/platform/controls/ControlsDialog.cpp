#include "ControlsDialog.h"

#include <algorithm>

#include "platform/ui/ControlParts.h"
#include "platform/ui/DialogTemplate.h"

namespace {
const DialogControlTemplate kControls[] = {
    {WC_COMBOBOX, kDropList, 4, 4, 60, 60, L"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL},
    {WC_COMBOBOX, kDropDown, 70, 4, 60, 60, L"", CBS_DROPDOWN | WS_TABSTOP},
    {WC_LISTBOX, kListBox, 4, 20, 60, 30, L"", LBS_NOTIFY | WS_BORDER | WS_TABSTOP},
    {PROGRESS_CLASS, kProgress, 70, 20, 60, 8, L"", 0},
    {WC_LISTVIEW, kListView, 4, 54, 127, 45, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {WC_TREEVIEW, kTreeView, 4, 102, 60, 45, L"",
     TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {WC_TABCONTROL, kTabs, 70, 102, 60, 45, L"", WS_TABSTOP},
};
const DialogTemplate kControlsTemplate{kControlsDialogId, 135, 150, L"控件", kDialogStyle, kControls};
const DialogTemplateRegistration kRegister(kControlsTemplate);
}  // namespace

CControlsDlg::CControlsDlg() : CDialog(kControlsDialogId) {
    BindNotify(kListView, NM_CLICK, &CControlsDlg::OnListClick);
    BindNotify(kTreeView, TVN_ITEMEXPANDING, &CControlsDlg::OnTreeExpanding);
    BindControl(kDropList, CBN_SELCHANGE, &CControlsDlg::OnChoiceChanged);
}

void CControlsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, kListView, m_list);
    DDX_Control(pDX, kTreeView, m_tree);
    DDX_Control(pDX, kTabs, m_tabs);
    DDX_CBIndex(pDX, kDropList, m_nChoice);
    DDX_LBIndex(pDX, kListBox, m_nLine);
    DDX_Text(pDX, kDropDown, m_strTyped);
}

BOOL CControlsDlg::OnInitDialog() {
    for (const wchar_t* name : {L"单点解", L"差分解", L"浮点解", L"固定解"})
        SendDlgItemMessage(kDropList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessage(kDropDown, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"全部"));
    for (int i = 0; i < 12; ++i) {
        CString line;
        line.Format(L"设备%d", i);
        SendDlgItemMessage(kListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    // Made before the member attaches in the data exchange, which carries it over.
    TCITEM tab;
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(L"卫星");
    SendDlgItemMessage(kTabs, TCM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&tab));
    return CDialog::OnInitDialog();
}

BOOL CControlsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id >= kDropList && id <= kTabs) heard.push_back({id, HIWORD(wParam)});
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CControlsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    const int id = static_cast<int>(header->idFrom);
    if (id == kOwnerList && header->code == LVN_GETDISPINFO) {
        LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(lParam)->item;
        askedRows.push_back(item.iItem);
        CString text;
        text.Format(L"R%dC%d", item.iItem, item.iSubItem);
        CopyText(text, item.pszText, item.cchTextMax);
        if (item.mask & LVIF_IMAGE) item.iImage = item.iItem % 3;
        return TRUE;
    }
    Heard entry{id, header->code};
    if (id == kListView && (header->code == LVN_ITEMCHANGED || header->code == LVN_ITEMCHANGING)) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
        entry = {id, header->code, change->iItem, change->uNewState, change->uOldState};
    } else if (id == kListView && (header->code == NM_CLICK || header->code == NM_DBLCLK)) {
        entry.item = reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem;
    } else if (id == kTreeView && header->code != NM_SETFOCUS && header->code != NM_KILLFOCUS &&
               header->code != NM_CLICK && header->code != NM_DBLCLK && header->code != TVN_KEYDOWN) {
        auto* change = reinterpret_cast<NMTREEVIEW*>(lParam);
        entry.item = static_cast<int>(change->itemNew.lParam);
        entry.newState = change->action;
    }
    heard.push_back(entry);
    if (refuse.count({id, header->code})) {
        *result = TRUE;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CControlsDlg::OnListClick(NMHDR*, LRESULT*) {
    selectionAtClick = m_list.GetNextItem(-1, LVNI_SELECTED);
}

void CControlsDlg::OnTreeExpanding(NMHDR* header, LRESULT*) {
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    if (change->action != TVE_EXPAND || change->itemNew.lParam != fillOnExpand) return;
    HTREEITEM item = change->itemNew.hItem;
    for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetChildItem(item))
        m_tree.DeleteItem(child);
    for (const wchar_t* name : {L"甲", L"乙", L"丙"}) m_tree.InsertItem(name, item);
}

void CControlsDlg::OnChoiceChanged() {
    comboSelectionAtChange = static_cast<int>(SendDlgItemMessage(kDropList, CB_GETCURSEL));
}

std::vector<Heard> CControlsDlg::Of(int id, UINT code) const {
    std::vector<Heard> out;
    for (const Heard& h : heard)
        if (h.id == id && h.code == code) out.push_back(h);
    return out;
}

std::vector<UINT> CControlsDlg::CodesOf(int id) const {
    // The focus codes of each kind of control, left out.
    std::vector<UINT> focusCodes = {static_cast<UINT>(NM_SETFOCUS), static_cast<UINT>(NM_KILLFOCUS)};
    if (id == kDropList || id == kDropDown) focusCodes = {CBN_SETFOCUS, CBN_KILLFOCUS};
    if (id == kListBox) focusCodes = {LBN_SETFOCUS, LBN_KILLFOCUS};
    std::vector<UINT> out;
    for (const Heard& h : heard)
        if (h.id == id && std::find(focusCodes.begin(), focusCodes.end(), h.code) == focusCodes.end())
            out.push_back(h.code);
    return out;
}
