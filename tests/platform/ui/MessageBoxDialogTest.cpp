#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/MessageBoxDialog.h"

namespace {
// Shows a box from inside a modal dialog and reports what it could see meanwhile.
class CAskingDlg : public CTestDlg {
public:
    CAskingDlg() { BindCommand(kStartButton, &CAskingDlg::Ask); }
    int answer = 0;
    bool enabledDuringBox = true;
    UINT type = MB_OKCANCEL;

private:
    void Ask() { answer = MessageBox(L"确实要覆盖吗?", L"提示", type); }
};
}  // namespace

TEST(MessageBoxDialog, OwnerWaitsDisabledAndEachTypeHasItsButtons) {
    CUiDriver ui;
    CAskingDlg dlg;
    std::vector<std::vector<UINT>> buttons;
    std::vector<bool> ownerEnabled;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        for (UINT type : {MB_OK, MB_OKCANCEL, MB_YESNO | MB_ICONQUESTION}) {
            dlg.type = type;
            ui.OnModal(kMessageBoxTemplateId, [&](CDialog& box) {
                buttons.push_back(static_cast<CMessageBoxDialog&>(box).ButtonIds());
                ownerEnabled.push_back(d.IsWindowEnabled() != FALSE);
                ui.PressKey(VK_ESCAPE);
            });
            ui.Click(d, kStartButton);
            buttons.push_back({static_cast<UINT>(dlg.answer)});
        }
        EXPECT_TRUE(d.IsWindowEnabled());
        d.EndDialog(IDCANCEL);
    });
    // Scripts on the message-box template take precedence over the queued answers.
    dlg.DoModal();
    EXPECT_EQ(buttons, (std::vector<std::vector<UINT>>{{IDOK}, {IDOK}, {IDOK, IDCANCEL}, {IDCANCEL}, {IDYES, IDNO}, {IDNO}}));
    EXPECT_EQ(ownerEnabled, (std::vector<bool>{false, false, false}));
}

TEST(MessageBoxDialog, DriverRecordsTextCaptionAndTypeAndAnswersInOrder) {
    CUiDriver ui;
    ui.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(HWND(), L"数据文件名:", L"信息提示", MB_OKCANCEL | MB_ICONINFORMATION), IDCANCEL);
    EXPECT_EQ(MessageBox(HWND(), L"第二个", L"特别提示", MB_YESNO), IDYES);  // Enter: the first button
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].caption, L"信息提示");
    EXPECT_EQ(ui.MessageBoxes()[0].type, MB_OKCANCEL | MB_ICONINFORMATION);
    EXPECT_EQ(ui.MessageBoxTexts()[1], L"第二个");
}
