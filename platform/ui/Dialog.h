#pragma once
// CDialog: a screen built from a dialog template.
//
// Writing a screen:
//
//   class CTimeZoneDlg : public CDialog {
//   public:
//       explicit CTimeZoneDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {
//           BindCommand(timezone::kApply, &CTimeZoneDlg::OnApply);      // a button or menu command
//           BindControl(timezone::kZone, EN_CHANGE, &CTimeZoneDlg::OnZoneEdited);  // a notification
//           BindMessage(WM_POSITION, &CTimeZoneDlg::OnPosition);     // the program's own message
//       }
//       static constexpr UINT IDD = timezone::IDD;  // ids named once, beside the template
//       int m_nTimeZone = 0;
//   protected:
//       void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, timezone::kZone, m_nTimeZone); }
//       BOOL OnInitDialog() override { CDialog::OnInitDialog(); ShowWindow(SW_MAXIMIZE); return TRUE; }
//       void OnOK() override { ...; CDialog::OnOK(); }  // reads the controls, ends with IDOK
//       void OnTimer(UINT_PTR id) override { ... }
//   };
//   CTimeZoneDlg dlg;  if (dlg.DoModal() == IDOK) use(dlg.m_nTimeZone);
//
// The template (DialogTemplate.h) is looked up by id when the dialog is created; its controls
// become child windows of their classes, reachable with GetDlgItem and subclassable with the
// program's own control classes (SubclassDlgItem or DDX_Control). IDOK and IDCANCEL reach OnOK
// and OnCancel unless bound; Enter presses the default button, Escape cancels, Tab and the arrow
// keys move the focus; the close box of the caption bar cancels.
#include "platform/messages/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    CDialog(const DialogTemplate& dialogTemplate, CWnd* parent);

    UINT GetTemplateId() const { return templateId_; }
    // Runs the dialog modally: the owner (the parent's top-level window, or the modal dialog on top
    // when a running one shuts that out) is disabled while it runs and gets the focus back after, and
    // the loop keeps timers, posted and sent messages flowing. Returns the EndDialog result, or -1
    // when it could not open.
    virtual INT_PTR DoModal();
    // Creates the dialog modelessly (shown when its template has WS_VISIBLE).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    // Ends a modal run with `result` (a modeless dialog only hides).
    void EndDialog(int result);
    BOOL IsModal() const { return modal_; }
    bool HasEnded() const { return ended_; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // TRUE: controls to members (validating); FALSE: members to controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void NextDlgCtrl();
    void PrevDlgCtrl();
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    UINT GetDefID() const;
    void MapDialogRect(LPRECT rect) const { MapDialogUnits(rect); }

    BOOL PreTranslateMessage(MSG* msg) override;
    // Keyboard navigation for messages to the dialog or its controls: TRUE when handled. A child
    // dialog (a tab page or a form in a frame) leaves it to the dialog around it.
    BOOL IsDialogMessage(MSG* msg);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void CreateControls(const DialogTemplate& dialogTemplate);
    void PressButton(UINT id);
    // Once shown: the focus that showing gave the dialog itself goes on to its first control (while
    // hidden, none of its controls could take it).
    void FocusFirstControl();

    UINT templateId_ = 0;
    const DialogTemplate* template_ = nullptr;
    CWnd* parent_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = -1;
    UINT defId_ = 0;
};

// Tests watch modal dialogs open (platform/testing); the watcher runs inside the modal run,
// after OnInitDialog and before the loop, and may end the dialog.
class IModalDialogObserver {
public:
    virtual ~IModalDialogObserver() = default;
    virtual void OnModalDialogShown(CDialog& dialog) = 0;
};
IModalDialogObserver* SetModalDialogObserver(IModalDialogObserver* observer);

// A template control hidden at first: WS_VISIBLE is otherwise implied.
constexpr DWORD kHiddenControl = 0x20000000;
