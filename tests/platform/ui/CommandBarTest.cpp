#include <gtest/gtest.h>

#include <algorithm>

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommandBar.h"
#include "platform/ui/WindowDC.h"
#include "resources/MainMenu.h"

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

// A popup goes under its title or beside its parent's item, to the right where there is room and
// else to the left, so that the parent stays in view; only what the screen leaves no room for is
// moved over. A 240 x 320 screen and a popup of 100 x 60.
TEST(CommandBar, PopupsOpenWhereTheyLeaveTheirParentInView) {
    const CRect screen(0, 0, 240, 320);
    struct Case {
        CRect opener;
        bool beside;
        CPoint topLeft;
    } cases[] = {
        {{10, 0, 40, 26}, false, {10, 26}},      // under the title
        {{180, 0, 220, 26}, false, {140, 26}},   // a title at the right: moved left to fit
        {{0, 40, 140, 60}, true, {140, 40}},     // beside the item: the right fits exactly
        {{100, 40, 141, 60}, true, {0, 40}},     // a pixel short on the right: to the left, exactly
        {{150, 40, 220, 60}, true, {50, 40}},    // to the left
        {{99, 40, 141, 60}, true, {140, 40}},    // no side has room: kept on the screen, over its item
        {{0, 280, 120, 300}, true, {120, 260}},  // near the bottom: moved up
    };
    for (const Case& c : cases) {
        const CRect at = PopupPlace(c.opener, c.beside, CSize(100, 60), screen);
        EXPECT_EQ(at.TopLeft(), c.topLeft) << c.opener.left << "," << c.opener.right << "," << c.opener.top;
        EXPECT_EQ(at.Size(), CSize(100, 60));
    }
}

namespace {
// The right end of the widest item text of a popup, in screen pixels: items are drawn after a check
// column of 16 pixels.
int TextsRight(CPopupMenuWnd& popup) {
    CClientDC dc(&popup);
    CFont* old = dc.SelectObject(popup.GetFont());
    int widest = 0;
    for (const CMenu::Item& item : popup.Menu().Items())
        widest = std::max(widest, static_cast<int>(dc.GetTextExtent(MenuDisplayText(item.text)).cx));
    dc.SelectObject(old);
    CRect client;
    popup.GetClientRect(&client);
    popup.ClientToScreen(&client);
    return client.left + 16 + widest;
}
}  // namespace

// Every cascade of the program's menu, opened by a tap, leaves the texts of its parent readable: it
// opens beside the parent, and where neither side has the room it covers no more than the parent's
// arrow column.
TEST(CommandBar, NoCascadeOfTheMainMenuCoversItsParentsTexts) {
    CUiDriver ui;
    CFrame frame;
    ASSERT_TRUE(frame.bar.InsertMenuBar(mainmenu::IDR));
    int cascades = 0;
    for (int title = 0; title < static_cast<int>(frame.bar.GetMenu()->GetMenuItemCount()); ++title) {
        ui.Tap(frame.bar.TitleRect(title).CenterPoint());
        CPopupMenuWnd* parent = frame.bar.OpenPopup(0);
        ASSERT_NE(parent, nullptr);
        const auto& items = parent->Menu().Items();
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            if (!items[static_cast<size_t>(i)].popup) continue;
            ui.Tap(parent->ItemRect(i).CenterPoint());
            CPopupMenuWnd* cascade = frame.bar.OpenPopup(1);
            ASSERT_NE(cascade, nullptr) << title << "/" << i;
            CRect parentRect, cascadeRect;
            parent->GetWindowRect(&parentRect);
            cascade->GetWindowRect(&cascadeRect);
            EXPECT_TRUE(cascadeRect.right <= parentRect.left || cascadeRect.left >= TextsRight(*parent))
                << title << "/" << i << ": (" << parentRect.left << "," << parentRect.right << ") ("
                << cascadeRect.left << "," << cascadeRect.right << ")";
            ++cascades;
        }
        frame.bar.CloseMenus();
    }
    EXPECT_EQ(cascades, 4);
}

// Each key on each popup: a digit picks its item (a command closes the menus, a cascade opens, a
// greyed or missing item keeps the popup open), Esc closes the last popup, and any other key is
// taken without effect.
TEST(CommandBar, EveryKeyOnEachPopup) {
    struct Case {
        bool inCascade;  // pressed in 设置's cascade 其它设置, else in 设置
        UINT key;
        size_t openAfter;  // popups open after the key
        UINT command;      // the command it chose, or 0
    } cases[] = {
        {false, '1', 0, 32772}, {false, '2', 1, 0},       {false, '3', 2, 0},    {false, '4', 1, 0},
        {false, '5', 1, 0},     {false, '6', 0, 32784},   {false, '7', 1, 0},    {false, '8', 1, 0},
        {false, '9', 1, 0},     {false, VK_ESCAPE, 0, 0}, {false, 'A', 1, 0},    {false, VK_RETURN, 1, 0},
        {true, '1', 0, 32782},  {true, '2', 2, 0},        {true, '3', 0, 32789}, {true, '4', 2, 0},
        {true, '9', 2, 0},      {true, VK_ESCAPE, 1, 0},  {true, 'A', 2, 0},     {true, VK_DOWN, 2, 0},
    };
    CUiDriver ui;
    CFrame frame;
    frame.SetFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.inCascade ? "cascade " : "popup ") << c.key);
        frame.commands.clear();
        ASSERT_TRUE(ui.ChooseMenu(frame.bar, {L"设置S"}));
        if (c.inCascade) ui.PressKey('3');
        ui.PressKey(c.key);
        size_t open = 0;
        while (frame.bar.OpenPopup(open)) ++open;
        EXPECT_EQ(open, c.openAfter);
        EXPECT_EQ(frame.commands, c.command ? std::vector<UINT>{c.command} : std::vector<UINT>{});
        EXPECT_TRUE(frame.typed.empty());
        frame.bar.CloseMenus();
    }
}
