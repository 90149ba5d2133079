#pragma once
// Message boxes as small modal dialogs: caption, icon, text and the buttons of the type (OK,
// OK/Cancel, Yes/No). InstallMessageBoxDialogs makes them the presenter of MessageBox and
// AfxMessageBox.
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// The template id a message box reports (tests recognise message boxes by it).
constexpr UINT kMessageBoxTemplateId = 0x7FF0;

class CMessageBoxDialog : public CDialog {
public:
    CMessageBoxDialog(CWnd* owner, const CString& text, const CString& caption, UINT type);
    const CString& Text() const { return text_; }
    const CString& Caption() const { return caption_; }
    UINT Type() const { return type_; }
    // The button ids in order (the first is the default).
    const std::vector<UINT>& ButtonIds() const { return buttonIds_; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    void DrawIcon(CDC& dc, const CRect& box);

    CString text_;
    CString caption_;
    UINT type_;
    std::vector<UINT> buttonIds_;
    CRect iconBox_;
};

// The string that names the program: the caption of AfxMessageBox unless SetAppName set one.
constexpr UINT kAppNameStringId = 61299;
void InstallMessageBoxDialogs();
