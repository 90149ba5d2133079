#include "ControlsFixture.h"
#include "platform/gdi/SysColors.h"
#include "platform/ui/Desktop.h"

#include <functional>

namespace {
CComboBox& Combo(CWnd& control) {
    return dynamic_cast<CComboBox&>(control);
}
CListBox& List(CWnd& control) {
    return dynamic_cast<CListBox&>(control);
}

// Taps item `index` of the combo box's dropped list, which opens below the box.
void TapDroppedItem(CUiDriver& ui, CComboBox& combo, int index) {
    CRect box;
    combo.GetWindowRect(&box);
    CRect client;
    combo.GetClientRect(&client);
    const int row = client.Height() - 4;
    ui.Tap(CPoint(box.left + 10, box.bottom + 1 + row * index + row / 2));
}
}  // namespace

TEST_F(ControlsTest, DataExchangeMovesComboAndListIndexes) {
    EXPECT_EQ(Combo(Item(kDropList)).GetCurSel(), 1);
    CString shown;
    Item(kDropList).GetWindowText(shown);
    EXPECT_EQ(shown, L"差分解");
    EXPECT_EQ(List(Item(kListBox)).GetCurSel(), -1);

    Combo(Item(kDropList)).SetCurSel(3);
    List(Item(kListBox)).SetCurSel(5);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nChoice, 3);
    EXPECT_EQ(dlg.m_nLine, 5);
    // Setting an index from the program tells the screen nothing.
    EXPECT_TRUE(dlg.heard.empty());
}

TEST_F(ControlsTest, DropListOpensOnTapAndChoosesTheTappedItem) {
    CComboBox& combo = Combo(Item(kDropList));
    ui.Click(dlg, kDropList);
    EXPECT_TRUE(combo.GetDroppedState());
    Pause();
    TapDroppedItem(ui, combo, 2);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(dlg.comboSelectionAtChange, 2);
    CString shown;
    combo.GetWindowText(shown);
    EXPECT_EQ(shown, L"浮点解");
    EXPECT_EQ(dlg.CodesOf(kDropList),
              (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDOK, CBN_SELCHANGE, CBN_CLOSEUP}));

    // A tap outside the list closes it and changes nothing.
    dlg.heard.clear();
    Pause();
    ui.Click(dlg, kDropList);
    Pause();
    ui.Click(dlg, kProgress);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(dlg.CodesOf(kDropList), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ControlsTest, DropListArrowKeysChangeTheSelection) {
    CComboBox& combo = Combo(Item(kDropList));
    combo.SetFocus();
    ui.PressKey(VK_DOWN);
    EXPECT_EQ(combo.GetCurSel(), 2);
    ui.PressKey(VK_DOWN);
    ui.PressKey(VK_DOWN);  // stays on the last item, without a notification
    EXPECT_EQ(combo.GetCurSel(), 3);
    EXPECT_EQ(dlg.Of(kDropList, CBN_SELCHANGE).size(), 2u);
    // With the list dropped the arrows move the highlight and Enter chooses it.
    combo.ShowDropDown(TRUE);
    ui.PressKey(VK_UP);
    ui.PressKey(VK_RETURN);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.GetCurSel(), 2);

    // The focused box shows its text in the highlight; disabled, it shows none.
    ui.Pump();
    CRect box;
    combo.GetWindowRect(&box);
    const CPoint text(box.left + 5, box.CenterPoint().y);
    EXPECT_EQ(CDesktop::Get().Screen().colorAt(text.x, text.y), GetSysColor(COLOR_HIGHLIGHT));
    combo.EnableWindow(FALSE);
    ui.Pump();
    EXPECT_EQ(CDesktop::Get().Screen().colorAt(text.x, text.y), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ControlsTest, DropDownTypingIsTheComboText) {
    CComboBox& combo = Combo(Item(kDropDown));
    combo.SetFocus();
    ui.TypeText(L"25");
    EXPECT_EQ(dlg.Of(kDropDown, CBN_EDITCHANGE).size(), 2u);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strTyped, L"25");
    // Choosing the list item replaces the text; the program's text says nothing.
    combo.SetCurSel(0);
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_strTyped, L"全部");
    dlg.heard.clear();
    dlg.m_strTyped = L"100";
    dlg.UpdateData(FALSE);
    CString shown;
    combo.GetWindowText(shown);
    EXPECT_EQ(shown, L"100");
    EXPECT_TRUE(dlg.Of(kDropDown, CBN_EDITCHANGE).empty());
}

TEST_F(ControlsTest, ComboItemsSortFindAndDelete) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | CBS_SORT | WS_VISIBLE, CRect(10, 10, 100, 120), &dlg, 1100));
    CRect box;
    combo.GetWindowRect(&box);
    EXPECT_LT(box.Height(), 30);  // the created height is the dropped one
    combo.AddString(L"b");
    combo.AddString(L"C");
    combo.AddString(L"a");
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, L"a");
    EXPECT_EQ(combo.FindStringExact(-1, L"c"), 2);
    EXPECT_EQ(combo.FindString(0, L"A"), 0);  // the search wraps round
    EXPECT_EQ(combo.SelectString(-1, L"B"), 1);
    combo.DeleteString(0);
    EXPECT_EQ(combo.GetCurSel(), 0);
    combo.DeleteString(0);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetLBTextLen(5), CB_ERR);
    combo.SetItemData(0, 77);
    EXPECT_EQ(combo.GetItemData(0), 77u);
}

TEST_F(ControlsTest, ListBoxTapNotifiesAndDoubleTapToo) {
    CListBox& list = List(Item(kListBox));
    CRect client;
    list.GetClientRect(&client);
    ui.Tap(list, CPoint(10, 3));
    EXPECT_EQ(list.GetCurSel(), 0);
    Pause();
    CPoint second(10, 3 + client.Height() / 3);
    list.ClientToScreen(&second);
    ui.DoubleTap(second);
    EXPECT_GT(list.GetCurSel(), 0);
    EXPECT_EQ(dlg.CodesOf(kListBox), (std::vector<UINT>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK}));

    // Keys walk the lines and the list scrolls to keep the selection shown.
    ui.PressKey(VK_END);
    EXPECT_EQ(list.GetCurSel(), 11);
    EXPECT_GT(list.GetTopIndex(), 0);
    list.ResetContent();
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ControlsTest, ListBoxWithoutNotifyStyleStaysSilent) {
    CRect place;
    Item(kListBox).GetWindowRect(&place);
    dlg.ScreenToClient(&place);
    Item(kListBox).ShowWindow(SW_HIDE);
    CListBox quiet;
    ASSERT_TRUE(quiet.Create(WS_VISIBLE | WS_BORDER, place, &dlg, 1101));
    quiet.AddString(L"一");
    quiet.AddString(L"二");
    ui.Tap(quiet, CPoint(10, 3));
    EXPECT_EQ(quiet.GetCurSel(), 0);
    EXPECT_TRUE(dlg.Of(1101, LBN_SELCHANGE).empty());
    EXPECT_EQ(quiet.FindStringExact(-1, L"二"), 1);
}

TEST_F(ControlsTest, KeysInTheDropDownEditChooseItemsAndTabLeavesIt) {
    Item(kDropDown).SetFocus();
    EXPECT_EQ(CWnd::GetFocus()->GetParent(), &Item(kDropDown));
    ui.PressKey(VK_DOWN);
    EXPECT_EQ(Combo(Item(kDropDown)).GetCurSel(), 0);
    EXPECT_EQ(ui.GetText(dlg, kDropDown), L"全部");
    ui.PressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &Item(kListBox));
    // Tabbing back into the box selects the whole text of its edit field.
    dlg.PrevDlgCtrl();
    int start = -1, end = -1;
    static_cast<CEdit*>(CWnd::GetFocus())->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
    ui.PressKey(VK_TAB);
    ui.PressKey(VK_TAB);
    ui.PressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &Item(kTreeView));
}

// In a dropped list of 45 items, each action (on a list freshly dropped with item 0 chosen) leaves
// the list open with the highlight and the first row shown where the user expects.
TEST_F(ControlsTest, DroppedListTakesPagingKeysTheWheelAndItsScrollBar) {
    CComboBox& combo = Combo(Item(kDropList));
    for (int i = 4; i < 45; ++i) combo.AddString(L"椭球");
    combo.SetCurSel(0);
    CRect box;
    combo.GetWindowRect(&box);
    const int row = box.Height() - 4;
    const int rows = combo.DroppedRows();
    const int bottom = box.bottom + rows * row;  // the last pixel row inside the list's border
    const CPoint bar(box.right - 4, 0);
    struct Case {
        const char* what;
        std::function<void()> act;
        int chosen;  // by a tap on a row, or else by Enter
        bool open;   // after the action
    };
    const Case cases[] = {
        {"end", [&] { ui.PressKey(VK_END); }, 44, true},
        {"end then home", [&] { ui.PressKey(VK_END), ui.PressKey(VK_HOME); }, 0, true},
        {"page down twice", [&] { ui.PressKey(VK_NEXT), ui.PressKey(VK_NEXT); }, 2 * rows, true},
        {"end then page up", [&] { ui.PressKey(VK_END), ui.PressKey(VK_PRIOR); }, 44 - rows, true},
        {"wheel down, then a tap on the first row shown",
         [&] {
             ui.Wheel(CPoint(box.left + 10, box.bottom + 20), -2);
             ui.Tap(CPoint(box.left + 10, box.bottom + 1 + row / 2));
         },
         6, false},
        {"the bar's lower arrow, then the first row",
         [&] {
             ui.Tap(CPoint(bar.x, bottom - 3));
             Pause();
             ui.Tap(CPoint(bar.x, bottom - 3));
             ui.Tap(CPoint(box.left + 10, box.bottom + 1 + row / 2));
         },
         2, false},
        {"the bar's page area below the thumb, then the first row",
         [&] {
             ui.Tap(CPoint(bar.x, bottom - 20));
             ui.Tap(CPoint(box.left + 10, box.bottom + 1 + row / 2));
         },
         rows, false},
        {"the thumb dragged to the bottom, then the first row",
         [&] {
             ui.Drag(CPoint(bar.x, box.bottom + 20), CPoint(bar.x, bottom + 200));
             ui.Tap(CPoint(box.left + 10, box.bottom + 1 + row / 2));
         },
         45 - rows, false},
        {"the list's border", [&] { ui.Tap(CPoint(box.left + 10, bottom + 1)); }, 0, true},
        {"below the list", [&] { ui.Tap(CPoint(box.left + 10, bottom + 3)); }, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        combo.SetCurSel(0);
        Pause();
        ui.Click(dlg, kDropList);
        ASSERT_TRUE(combo.GetDroppedState());
        Pause();
        c.act();
        EXPECT_EQ(combo.GetDroppedState() != FALSE, c.open);
        if (combo.GetDroppedState()) ui.PressKey(VK_RETURN);
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_EQ(combo.GetCurSel(), c.chosen);
    }
}
