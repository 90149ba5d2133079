#include <gtest/gtest.h>

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommandBar.h"

namespace {
constexpr UINT kMenuId = 9128;
const MenuItemTemplate kOtherSettings[] = {
    {L"&1存储设置", 32782},
    {L"&2卫星限制", 32788, MF_GRAYED},
    {L"&3时区设置", 32789},
};
const MenuItemTemplate kSettings[] = {
    {L"&1坐标系统", 32772},
    {nullptr, 0},
    {L"&3其它设置", 0, 0, kOtherSettings},
    {L"&6电台设置", 32784},
};
const MenuItemTemplate kJob[] = {
    {L"&1新建工程", 32775},
    {L"&8退出(&X)", 57665},
};
const MenuItemTemplate kBar[] = {
    {L"工程&F", 0, 0, kJob},
    {L"设置&S", 0, 0, kSettings},
};
const MenuTemplate kMenu{kMenuId, kBar};
const MenuTemplateRegistration kRegister(kMenu);

class CFrame : public CWnd {
public:
    CFrame() {
        CreateEx(0, nullptr, L"衡川", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 320), nullptr, 0);
        bar.Create(this);
        bar.InsertMenuBar(kMenuId);
        bar.AddAdornments();
        BindCommandRange(32700, 57999, &CFrame::OnMenuCommand);
        BindMessage(WM_CHAR, &CFrame::OnChar);
    }
    void OnMenuCommand(UINT id) { commands.push_back(id); }
    LRESULT OnChar(WPARAM key, LPARAM) {
        typed.push_back(key);
        return 0;
    }
    CCommandBar bar;
    std::vector<UINT> commands;
    std::vector<WPARAM> typed;
};
}  // namespace

TEST(CommandBar, MenuCommandsReachTheFrameThroughCascades) {
    CUiDriver ui;
    CFrame frame;
    EXPECT_EQ(frame.bar.SendMessage(WM_QZ_COMMANDBAR_HEIGHT), 26);
    ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"设置S", L"3其它设置", L"3时区设置"}));
    EXPECT_EQ(frame.commands, std::vector<UINT>{32789});
    EXPECT_EQ(frame.bar.OpenPopup(), nullptr);

    // A greyed command does nothing and leaves the menu open; a tap elsewhere closes it unseen.
    ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"设置S", L"3其它设置", L"2卫星限制"}));
    EXPECT_EQ(frame.commands.size(), 1u);
    EXPECT_NE(frame.bar.OpenPopup(1), nullptr);
    ui.Tap(CPoint(200, 300));
    EXPECT_EQ(frame.bar.OpenPopup(), nullptr);

    frame.bar.GetMenu()->EnableMenuItem(32784, MF_GRAYED);
    frame.bar.GetMenu()->CheckMenuItem(32772, MF_CHECKED);
    EXPECT_EQ(frame.bar.GetMenu()->GetMenuState(32772, MF_BYCOMMAND), MF_CHECKED);
    ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"设置S", L"6电台设置"}));
    ui.Tap(CPoint(200, 300));
    ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"工程F", L"8退出(X)"}));
    EXPECT_EQ(frame.commands, (std::vector<UINT>{32789, 57665}));
}

TEST(CommandBar, CloseBoxClosesTheFrame) {
    CUiDriver ui;
    CFrame frame;
    ui.Tap(CPoint(230, 13));
    EXPECT_FALSE(frame.m_hWnd);
}

TEST(CommandBar, OpenMenuTakesEscapeAndDigits) {
    CUiDriver ui;
    CFrame frame;
    frame.SetFocus();
    ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"设置S"}));
    ui.PressKey('3');  // the cascade
    ASSERT_NE(frame.bar.OpenPopup(1), nullptr);
    ui.PressKey(VK_ESCAPE);  // back to the first popup
    EXPECT_EQ(frame.bar.OpenPopup(1), nullptr);
    ASSERT_NE(frame.bar.OpenPopup(0), nullptr);
    ui.PressKey('3');
    ui.PressKey('2');  // greyed
    ui.PressKey('9');  // no such item
    EXPECT_NE(frame.bar.OpenPopup(1), nullptr);
    ui.PressKey('3');
    EXPECT_EQ(frame.bar.OpenPopup(), nullptr);
    EXPECT_EQ(frame.commands, std::vector<UINT>{32789});

    ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"工程F"}));
    ui.PressKey(VK_ESCAPE);
    EXPECT_EQ(frame.bar.OpenPopup(), nullptr);
    // Keys the menu took type nothing; with the menu closed they reach the focus again.
    EXPECT_TRUE(frame.typed.empty());
    ui.PressKey('8');
    EXPECT_EQ(frame.typed, std::vector<WPARAM>{'8'});
    EXPECT_EQ(frame.commands.size(), 1u);
}
