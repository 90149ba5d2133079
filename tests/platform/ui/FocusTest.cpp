// Where the keys go: a frame hands them to its form when shown, after a modal dialog, a message box
// or a modeless window closes, and after a tap; a tap inside a form whose control has the focus
// leaves it there.
#include <gtest/gtest.h>

#include <functional>

#include "TestDialogs.h"
#include "platform/messages/MessageBox.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Static.h"

namespace {
constexpr UINT kFormId = 941;
constexpr int kPlot = 5001;
constexpr int kZoom = 5002;

const DialogControlTemplate kFormControls[] = {
    {L"STATIC", kPlot, 0, 0, 120, 80, L"", SS_NOTIFY},
    {L"BUTTON", kZoom, 4, 90, 40, 14, L"放大", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kForm{kFormId, 120, 110, L"", WS_CHILD | WS_VISIBLE, kFormControls, 0, 20};
const DialogTemplateRegistration kRegister(kForm);

// The form counts key A however it reaches it: on itself or on one of its controls.
class CKeyForm : public CDialog {
public:
    CKeyForm() : CDialog(kFormId) {}
    int keysA = 0;

protected:
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message != WM_KEYDOWN || msg->wParam != 'A') return CDialog::PreTranslateMessage(msg);
        ++keysA;
        return TRUE;
    }
};

// A main window in the handheld's way: a frame that is no dialog, with a form as its view.
class CFrame : public CWnd {
public:
    CFrame() {
        CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 240, 320), nullptr, 0);
        form.Create(kFormId, this);
    }
    CKeyForm form;
};
}  // namespace

TEST(Focus, KeysReachTheFormAfterEveryWindowThatTookThem) {
    struct Case {
        const char* name;
        std::function<void(CUiDriver&, CFrame&)> act;
        int focus;  // the control expected to hold the focus after, or 0 for the form itself
    } cases[] = {
        {"the frame shown", [](CUiDriver&, CFrame&) {}, 0},
        {"a modal dialog closed",
         [](CUiDriver& ui, CFrame& frame) {
             CTestDlg modal(&frame);
             ui.OnModal(kTestDialogId, [](CDialog& d) { d.EndDialog(IDOK); });
             modal.DoModal();
         },
         0},
        {"a message box answered",
         [](CUiDriver& ui, CFrame& frame) {
             ui.AnswerMessageBox(IDOK);
             MessageBox(frame.m_hWnd, L"已存储", L"提示", MB_OK);
         },
         0},
        {"a modeless window closed",
         [](CUiDriver& ui, CFrame&) {
             CTestDlg warning;
             warning.Create(kTestDialogId);
             warning.ShowWindow(SW_SHOW);
             ui.PressKey(VK_ESCAPE);
             warning.DestroyWindow();
         },
         0},
        {"the focused control hidden, then the plot tapped",
         [](CUiDriver& ui, CFrame& frame) {
             frame.form.GetDlgItem(kZoom)->SetFocus();
             frame.form.GetDlgItem(kZoom)->ShowWindow(SW_HIDE);
             ui.Tap(*frame.form.GetDlgItem(kPlot), CPoint(10, 10));
         },
         0},
        {"the focused control hidden, no tap",
         [](CUiDriver&, CFrame& frame) {
             frame.form.GetDlgItem(kZoom)->SetFocus();
             frame.form.GetDlgItem(kZoom)->ShowWindow(SW_HIDE);
         },
         -1},
        {"the plot tapped while a control of the form has the focus",
         [](CUiDriver& ui, CFrame& frame) {
             frame.form.GetDlgItem(kZoom)->SetFocus();
             ui.Tap(*frame.form.GetDlgItem(kPlot), CPoint(10, 10));
         },
         kZoom},
        {"a modal dialog closed while a control of the form had the focus",
         [](CUiDriver& ui, CFrame& frame) {
             frame.form.GetDlgItem(kZoom)->SetFocus();
             CTestDlg modal(&frame);
             ui.OnModal(kTestDialogId, [](CDialog& d) { d.EndDialog(IDCANCEL); });
             modal.DoModal();
         },
         kZoom},
    };
    for (const Case& c : cases) {
        CUiDriver ui;
        CFrame frame;
        frame.ShowWindow(SW_SHOW);
        c.act(ui, frame);
        ui.PressKey('A');
        ui.PressKey('A');
        EXPECT_EQ(frame.form.keysA, 2) << c.name;
        CWnd* expected = c.focus > 0 ? frame.form.GetDlgItem(c.focus) : c.focus == 0 ? &frame.form : nullptr;
        EXPECT_EQ(CWnd::GetFocus(), expected) << c.name;
    }
}
