#include "platform/ui/Menu.h"

#include <gtest/gtest.h>

namespace {
const MenuItemTemplate kPopup[] = {{L"&1打开", 101}, {nullptr, 0}, {L"&2保存", 102, MF_GRAYED | MF_CHECKED}};
const MenuItemTemplate kTop[] = {{L"文件&F", 0, 0, kPopup}, {L"帮助", 103}};
const MenuTemplate kMenu{7001, kTop};
}  // namespace

TEST(Menu, LoadedTreeAnswersByPositionAndByCommand) {
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(7001));  // not registered yet
    ASSERT_TRUE(menu.LoadMenuIndirect(kMenu));
    ASSERT_EQ(menu.GetMenuItemCount(), 2u);
    EXPECT_EQ(menu.GetMenuItemID(0), kMenuError);  // a popup
    EXPECT_EQ(menu.GetMenuItemID(1), 103u);
    EXPECT_EQ(menu.GetMenuItemID(2), kMenuError);
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetMenuItemID(1), 0u);  // the separator
    EXPECT_EQ(menu.GetMenuState(102, MF_BYCOMMAND), MF_GRAYED | MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(102, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.CheckMenuItem(102, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(menu.GetMenuState(102, MF_BYCOMMAND), 0u);
    EXPECT_EQ(menu.EnableMenuItem(999, MF_GRAYED), kMenuError);
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, L"文件&F");
    EXPECT_EQ(MenuDisplayText(text), L"文件F");
    EXPECT_EQ(MenuDisplayText(L"A&&B"), L"A&B");
}

TEST(Menu, SettingAnItemsTextKeepsItsIdAndState) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenuIndirect(kMenu));
    ASSERT_TRUE(menu.SetMenuString(102, L"&2网络连接", MF_BYCOMMAND));
    CString text;
    menu.GetMenuString(102, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"&2网络连接");
    EXPECT_EQ(menu.GetSubMenu(0)->GetMenuItemID(2), 102u);
    EXPECT_EQ(menu.GetMenuState(102, MF_BYCOMMAND), MF_GRAYED | MF_CHECKED);
    ASSERT_TRUE(menu.SetMenuString(1, L"关于", MF_BYPOSITION));
    menu.GetMenuString(103, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"关于");
    EXPECT_FALSE(menu.SetMenuString(999, L"x", MF_BYCOMMAND));
    EXPECT_FALSE(menu.GetSubMenu(0)->SetMenuString(1, L"x", MF_BYPOSITION));  // a separator has no text
    EXPECT_FALSE(menu.SetMenuString(2, L"x", MF_BYPOSITION));
}
