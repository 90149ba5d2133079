#include "ControlsFixture.h"

TEST_F(ControlsTest, TabMadeBeforeAttachingIsKeptAndTheFirstTabIsSelected) {
    EXPECT_EQ(dlg.m_tabs.GetItemCount(), 1);
    EXPECT_EQ(dlg.m_tabs.GetCurSel(), 0);
    wchar_t text[16] = {};
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 16;
    ASSERT_TRUE(dlg.m_tabs.GetItem(0, &item));
    EXPECT_STREQ(text, L"卫星");
}

TEST_F(ControlsTest, TabTapSwitchesWithNotificationsUnlessRefused) {
    dlg.m_tabs.InsertItem(1, L"位置");
    dlg.m_tabs.InsertItem(2, L"信息");
    CRect first, third;
    dlg.m_tabs.GetItemRect(0, &first);
    dlg.m_tabs.GetItemRect(2, &third);
    EXPECT_EQ(first.left, 2);
    EXPECT_LT(first.right, third.left + 1);
    CRect client;
    dlg.m_tabs.GetClientRect(&client);
    EXPECT_LE(third.right, client.right);  // tabs shrink to fit

    ui.Tap(dlg.m_tabs, third.CenterPoint());
    EXPECT_EQ(dlg.m_tabs.GetCurSel(), 2);
    EXPECT_EQ(dlg.m_tabs.GetCurFocus(), 2);
    EXPECT_EQ(dlg.CodesOf(kTabs), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));

    // Tapping the shown tab again says nothing.
    Pause();
    dlg.heard.clear();
    ui.Tap(dlg.m_tabs, third.CenterPoint());
    EXPECT_TRUE(dlg.heard.empty());

    dlg.refuse[{kTabs, TCN_SELCHANGING}] = true;
    Pause();
    ui.Tap(dlg.m_tabs, first.CenterPoint());
    EXPECT_EQ(dlg.m_tabs.GetCurSel(), 2);
    EXPECT_TRUE(dlg.Of(kTabs, TCN_SELCHANGE).empty());

    // The program's choice is silent and answers the previous tab.
    dlg.refuse.clear();
    dlg.heard.clear();
    EXPECT_EQ(dlg.m_tabs.SetCurSel(1), 2);
    EXPECT_EQ(dlg.m_tabs.SetCurSel(7), -1);
    EXPECT_TRUE(dlg.heard.empty());
    ui.PressKey(VK_LEFT);
    EXPECT_EQ(dlg.m_tabs.GetCurSel(), 0);
}

TEST_F(ControlsTest, ProgressHoldsItsPositionWithinTheRange) {
    auto& bar = dynamic_cast<CProgressCtrl&>(Item(kProgress));
    bar.SetRange(0, 80);
    EXPECT_EQ(bar.SetPos(40), 0);
    EXPECT_EQ(bar.OffsetPos(50), 40);
    EXPECT_EQ(bar.GetPos(), 80);
    bar.SetPos(-5);
    EXPECT_EQ(bar.GetPos(), 0);
    bar.SetStep(30);
    bar.StepIt();
    bar.StepIt();
    bar.StepIt();  // past the end it starts again from the beginning
    EXPECT_EQ(bar.GetPos(), 10);
    int lower = 0, upper = 0;
    bar.GetRange(lower, upper);
    EXPECT_EQ(upper, 80);
    // A narrower range pulls the position in.
    bar.SetPos(70);
    bar.SetRange32(0, 50);
    EXPECT_EQ(bar.GetPos(), 50);
}

TEST_F(ControlsTest, TabDeletionKeepsTheSelectedTabOrClearsIt) {
    dlg.m_tabs.InsertItem(1, L"位置");
    dlg.m_tabs.InsertItem(2, L"信息");
    dlg.m_tabs.SetCurSel(2);
    dlg.m_tabs.DeleteItem(0);
    EXPECT_EQ(dlg.m_tabs.GetCurSel(), 1);
    dlg.m_tabs.DeleteItem(1);
    EXPECT_EQ(dlg.m_tabs.GetCurSel(), -1);
    // The page area lies inside the frame below the tabs.
    CRect tab;
    dlg.m_tabs.GetItemRect(0, &tab);
    CRect page;
    dlg.m_tabs.GetClientRect(&page);
    dlg.m_tabs.AdjustRect(FALSE, &page);
    EXPECT_GT(page.top, tab.bottom);
    dlg.m_tabs.DeleteAllItems();
    EXPECT_EQ(dlg.m_tabs.GetItemCount(), 0);
}
