#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBoxDialog.h"
#include "tests/platform/ui/LabelsFit.h"

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
    EXPECT_EQ(buttons, (std::vector<std::vector<UINT>>{
                           {IDOK}, {IDOK}, {IDOK, IDCANCEL}, {IDCANCEL}, {IDYES, IDNO}, {IDNO}}));
    EXPECT_EQ(ownerEnabled, (std::vector<bool>{false, false, false}));
}

TEST(MessageBoxDialog, DriverRecordsTextCaptionAndTypeAndAnswersInOrder) {
    CUiDriver ui;
    ui.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(HWND(), L"数据文件名:", L"信息提示", MB_OKCANCEL | MB_ICONINFORMATION), IDCANCEL);
    ui.ExpectMessageBox(L"第二个", IDYES);
    EXPECT_EQ(MessageBox(HWND(), L"第二个", L"特别提示", MB_YESNO), IDYES);
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].caption, L"信息提示");
    EXPECT_EQ(ui.MessageBoxes()[0].type, MB_OKCANCEL | MB_ICONINFORMATION);
    EXPECT_EQ(ui.MessageBoxTexts()[1], L"第二个");
}

// Over a form of the same grey the box stands out by a raised frame; a one-line text stands level
// with the icon's middle.
TEST(MessageBoxDialog, RaisedFrameAndTextLevelWithTheIcon) {
    CUiDriver ui;
    CTestDlg form;
    ASSERT_TRUE(form.Create(kTestDialogId));
    ui.Pump();
    ui.OnModal(kMessageBoxTemplateId, [&](CDialog& box) {
        ui.Pump();
        CRect window, client, text;
        box.GetWindowRect(&window);
        box.GetClientRect(&client);
        box.ClientToScreen(&client);
        const Framebuffer& screen = CDesktop::Get().Screen();
        const int middle = client.CenterPoint().y;
        EXPECT_EQ(screen.colorAt(window.left + 1, middle), GetSysColor(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(screen.colorAt(window.right - 1, middle), GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(client.left - window.left, kModalFrameWidth);
        CWnd* label = box.GetWindow(GW_CHILD);
        ASSERT_NE(label, nullptr);
        label->GetWindowRect(&text);
        EXPECT_NEAR(text.CenterPoint().y, client.top + 8 + 16, 1);  // the 32-pixel icon below the margin
        ui.PressKey(VK_RETURN);
    });
    EXPECT_EQ(form.MessageBox(L"确实要覆盖吗?", L"提示", MB_YESNO | MB_ICONQUESTION), IDYES);
    form.DestroyWindow();
}

// A long message wraps at the box's width, a path in it too where it holds no blank, and the box
// grows downwards on the screen: no text is cut, with or without the icon.
TEST(MessageBoxDialog, LongTextsWrapWithinTheBox) {
    CUiDriver ui;
    const wchar_t* const texts[] = {
        L"创建qzs文件错误,请检查错误!",
        L"上次存储被中断,点K12+345.678未能补全,请检查存储空间!",
        L"stake.lnb已损坏,原文件保存为\\Program Files\\jobs\\DaQiaoBiaoDuan2026\\stake.lnb.bad",
    };
    const CRect screen = CDesktop::Get().ScreenRect();
    for (const wchar_t* text : texts) {
        for (UINT type : {MB_OK, MB_OKCANCEL | MB_ICONERROR}) {
            SCOPED_TRACE(::testing::Message() << type << " " << CString(text));
            ui.OnModal(kMessageBoxTemplateId, [&](CDialog& box) {
                CRect window;
                box.GetWindowRect(&window);
                EXPECT_TRUE(window.left >= 0 && window.top >= 0 && window.right <= screen.right &&
                            window.bottom <= screen.bottom);
                ExpectLabelsFit(box);
                ui.PressKey(VK_RETURN);
            });
            MessageBox(HWND(), text, L"提示", type);
        }
    }
}

// Every key a box answers, on each kind of box: Enter presses the button with the focus (the first
// at the start), Tab and the arrows move the focus round the buttons (never onto the text, from
// which Enter would press the first), Escape answers the last.
TEST(MessageBoxDialog, EachKeyOnEachKindOfBox) {
    struct Case {
        UINT type;
        std::vector<UINT> keys;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, {VK_RETURN}, IDOK},
        {MB_OK, {VK_TAB, VK_RETURN}, IDOK},
        {MB_OK, {VK_RIGHT, VK_RETURN}, IDOK},
        {MB_OK, {VK_ESCAPE}, IDOK},
        {MB_OKCANCEL, {VK_RETURN}, IDOK},
        {MB_OKCANCEL, {VK_TAB, VK_RETURN}, IDCANCEL},
        {MB_OKCANCEL, {VK_TAB, VK_TAB, VK_RETURN}, IDOK},
        {MB_OKCANCEL, {VK_RIGHT, VK_RETURN}, IDCANCEL},
        {MB_OKCANCEL, {VK_DOWN, VK_RETURN}, IDCANCEL},
        {MB_OKCANCEL, {VK_LEFT, VK_RETURN}, IDCANCEL},
        {MB_OKCANCEL, {VK_RIGHT, VK_LEFT, VK_RETURN}, IDOK},
        {MB_OKCANCEL, {VK_RIGHT, VK_RIGHT, VK_RETURN}, IDOK},
        {MB_OKCANCEL, {VK_LEFT, VK_LEFT, VK_RETURN}, IDOK},
        {MB_OKCANCEL, {VK_ESCAPE}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, {VK_RETURN}, IDYES},
        {MB_YESNO | MB_ICONQUESTION, {VK_TAB, VK_RETURN}, IDNO},
        {MB_YESNO | MB_ICONQUESTION, {VK_RIGHT, VK_RETURN}, IDNO},
        {MB_YESNO | MB_ICONQUESTION, {VK_UP, VK_RETURN}, IDNO},
        {MB_YESNO | MB_ICONQUESTION, {VK_TAB, VK_ESCAPE}, IDNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << ", " << c.keys.size() << " keys, first " << c.keys[0]);
        CUiDriver ui;
        ui.OnModal(kMessageBoxTemplateId, [&](CDialog&) {
            for (UINT key : c.keys) ui.PressKey(key);
        });
        EXPECT_EQ(MessageBox(HWND(), L"确实要覆盖吗?", L"提示", c.type), c.answer);
    }
}
