#include "platform/ui/Dialog.h"

#include <memory>

#include "platform/gdi/SysColors.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowClasses.h"

namespace {
IModalDialogObserver* g_observer = nullptr;

constexpr LRESULT DC_HASDEFID = 0x534B;

bool IsPushButton(CWnd* w) {
    return w && (w->SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}
}  // namespace

IModalDialogObserver* SetModalDialogObserver(IModalDialogObserver* observer) {
    IModalDialogObserver* previous = g_observer;
    g_observer = observer;
    return previous;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : templateId_(dialogTemplate.id), template_(&dialogTemplate), parent_(parent) {}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* t = template_ ? template_ : FindDialogTemplate(templateId_);
    if (!t || m_hWnd) return -1;
    CDesktop& desktop = CDesktop::Get();
    // Opened on a window that a running modal dialog shuts out (the frame under a screen), the
    // dialog belongs to that modal dialog, the one the user sees.
    CWnd* owner = CWnd::FromHandle(desktop.ModalOwnerFor(parent_ ? parent_->m_hWnd : HWND()));
    if (owner == this) owner = nullptr;
    const HWND ownerHwnd = owner ? owner->m_hWnd : HWND();
    const bool ownerWasEnabled = owner && owner->IsWindowEnabled();
    if (ownerWasEnabled) owner->EnableWindow(FALSE);

    modal_ = true;
    ended_ = false;
    result_ = -1;
    if (CreateIndirect(*t, owner)) {
        const HWND self = m_hWnd;
        desktop.BeginModal(self);
        if (!ended_ && !IsWindowVisible()) {
            ShowWindow(SW_SHOWNORMAL);
            FocusFirstControl();
        }
        if (!ended_ && g_observer) g_observer->OnModalDialogShown(*this);
        RunMessageLoop([&] { return !ended_ && IsWindow(self); });
        desktop.EndModal(self);
    }
    // The owner takes the keys back, the focus where it was in it, before the dialog goes.
    CWnd* ownerNow = CWnd::FromHandle(ownerHwnd);
    if (ownerWasEnabled && ownerNow) ownerNow->EnableWindow(TRUE);
    if (ownerNow) ownerNow->SetActiveWindow();
    if (m_hWnd) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
    modal_ = false;
    return result_;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (!t) return FALSE;
    templateId_ = templateId;
    parent_ = parent;
    return CreateIndirect(*t, parent);
}

BOOL CDialog::CreateIndirect(const DialogTemplate& t, CWnd* parent) {
    templateId_ = t.id;
    const bool child = (t.style & WS_CHILD) != 0;
    CRect client(t.x, t.y, t.x + t.cx, t.y + t.cy);
    MapDialogUnits(&client);
    // The window is the client area plus the caption bar and borders.
    WindowRecord probe;
    probe.style = t.style;
    probe.exStyle = t.exStyle;
    probe.rect = CRect(0, 0, 1000, 1000);
    const CRect inner = CDesktop::Get().ClientRectInWindow(probe);
    CRect rect(client.left, client.top, client.right + (1000 - inner.Width()),
               client.bottom + (1000 - inner.Height()));
    ended_ = false;
    if (!CreateEx(t.exStyle, kDialogClassName, t.caption, t.style & ~WS_VISIBLE, rect, parent,
                  child ? t.id : 0))
        return FALSE;
    const HWND self = m_hWnd;
    SetFont(CDesktop::Get().DialogFont(), FALSE);
    CreateControls(t);
    // DS_CENTER means the middle of the screen, whatever the owner.
    if (!child && (t.style & DS_CENTER)) {
        const CRect screen = CDesktop::Get().ScreenRect();
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(nullptr, screen.left + (screen.Width() - window.Width()) / 2,
                     screen.top + (screen.Height() - window.Height()) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    CWnd* first = GetNextDlgTabItem(nullptr);
    if (SendMessage(WM_INITDIALOG, first ? first->m_hWnd.id() : 0) && IsWindow(self) && !child)
        GotoDlgCtrl(GetNextDlgTabItem(nullptr));
    if (!IsWindow(self)) return FALSE;
    if ((t.style & WS_VISIBLE) && !ended_ && !IsWindowVisible()) {
        ShowWindow(SW_SHOWNORMAL);
        if (!child) FocusFirstControl();
    }
    return TRUE;
}

void CDialog::FocusFirstControl() {
    if (m_hWnd && GetFocus() == this) GotoDlgCtrl(GetNextDlgTabItem(nullptr));
}

void CDialog::CreateControls(const DialogTemplate& t) {
    CFont* font = CDesktop::Get().DialogFont();
    for (const DialogControlTemplate& c : t.controls) {
        CRect rect(c.x, c.y, c.x + c.cx, c.y + c.cy);
        MapDialogUnits(&rect);
        DWORD style = c.style | WS_CHILD;
        if (style & kHiddenControl)
            style &= ~(kHiddenControl | WS_VISIBLE);
        else
            style |= WS_VISIBLE;
        std::unique_ptr<CWnd> control = CreateWindowObject(c.className);
        if (!control->CreateEx(c.exStyle, c.className, c.text, style, rect, this, c.id)) continue;
        control->Record()->layerOwnsObject = true;
        CWnd* created = control.release();
        created->SetFont(font, FALSE);
    }
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (!modal_ && m_hWnd) ShowWindow(SW_HIDE);
    // Wakes a modal loop that is waiting for other threads.
    if (modal_ && m_hWnd) PostMessage(WM_QZ_WAKE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::NextDlgCtrl() {
    GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), FALSE));
}

void CDialog::PrevDlgCtrl() {
    GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), TRUE));
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (!control) return;
    control->SetFocus();
    // The focus may land inside the control (the edit field of a drop-down combo): its text is selected too.
    CWnd* focus = GetFocus();
    if (focus && (focus == control || control->IsChild(focus)) &&
        (focus->SendMessage(WM_GETDLGCODE) & DLGC_HASSETSEL))
        focus->SendMessage(EM_SETSEL, 0, -1);
}

void CDialog::SetDefID(UINT id) {
    defId_ = id;
}

UINT CDialog::GetDefID() const {
    if (defId_) return defId_;
    for (CWnd* child : GetChildren())
        if (child->SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON)
            return static_cast<UINT>(child->GetDlgCtrlID());
    return IDOK;
}

void CDialog::PressButton(UINT id) {
    CWnd* button = GetDlgItem(static_cast<int>(id));
    if (button && !button->IsWindowEnabled()) return;
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                button ? static_cast<LPARAM>(button->m_hWnd.id()) : 0);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    return IsDialogMessage(msg);
}

BOOL CDialog::IsDialogMessage(MSG* msg) {
    if (!m_hWnd || (msg->message != WM_KEYDOWN && msg->message != WM_CHAR)) return FALSE;
    // A child dialog (a tab page, a form) leaves navigation to the dialog around it.
    if (GetStyle() & WS_CHILD) return FALSE;
    CWnd* target = CWnd::FromHandle(msg->hwnd);
    if (!target || (target != this && !IsChild(target))) return FALSE;
    const LRESULT code = target->SendMessage(WM_GETDLGCODE, msg->wParam);
    const UINT key = static_cast<UINT>(msg->wParam);
    if (code & DLGC_WANTALLKEYS) return FALSE;
    if (msg->message == WM_CHAR) {
        // Enter, Escape and Tab work on the key press; their characters go nowhere.
        return (key == L'\r' || key == 0x1B || (key == L'\t' && !(code & DLGC_WANTTAB))) ? TRUE : FALSE;
    }
    switch (key) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) return FALSE;
            NextDlgCtrl();
            return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (code & DLGC_WANTARROWS) return FALSE;
            CWnd* next = GetNextDlgGroupItem(target, key == VK_LEFT || key == VK_UP);
            if (next && next != target) {
                GotoDlgCtrl(next);
                if (next->SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON) next->SendMessage(BM_CLICK);
            }
            return TRUE;
        }
        case VK_RETURN:
            if (IsPushButton(target) && target != this)
                PressButton(static_cast<UINT>(target->GetDlgCtrlID()));
            else
                PressButton(GetDefID());
            return TRUE;
        case VK_ESCAPE:
            PressButton(IDCANCEL);
            return TRUE;
    }
    return FALSE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    const UINT code = HIWORD(wParam);
    if (code != BN_CLICKED && code != 1) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
    }
    return FALSE;
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return true;
    }
    if (message == WM_QZ_WAKE) return true;
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            if (!dc) return 0;
            auto* brush = reinterpret_cast<CBrush*>(
                SendMessage(WM_CTLCOLORDLG, wParam, static_cast<LPARAM>(m_hWnd.id())));
            CRect client;
            GetClientRect(&client);
            dc->FillRect(&client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_CLOSE:
            PressButton(IDCANCEL);
            return 0;
        case DM_GETDEFID:
            return static_cast<LRESULT>(GetDefID()) | (DC_HASDEFID << 16);
        case DM_SETDEFID:
            SetDefID(static_cast<UINT>(wParam));
            return TRUE;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}
