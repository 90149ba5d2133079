// What the controls show, where behaviour depends on it: the selection colours with and
// without the focus, and the dropped list's place near the bottom of the screen.
#include "ControlsFixture.h"
#include "platform/gdi/SysColors.h"
#include "platform/ui/Desktop.h"

namespace {
COLORREF ScreenAt(CWnd& wnd, CPoint client) {
    CDesktop::Get().PaintAll();
    wnd.ClientToScreen(&client);
    return CDesktop::Get().Screen().colorAt(client.x, client.y);
}
}  // namespace

TEST_F(ControlsTest, ListViewShowsTheSelectionInHighlightOnlyWhileFocused) {
    dlg.m_list.InsertColumn(0, L"点名", LVCFMT_LEFT, 120);
    dlg.m_list.InsertItem(0, L"P1");
    dlg.m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    dlg.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    CRect row;
    dlg.m_list.GetItemRect(0, &row, LVIR_BOUNDS);
    const CPoint blank(row.left + 100, row.CenterPoint().y);

    dlg.m_list.SetFocus();
    EXPECT_EQ(ScreenAt(dlg.m_list, blank), GetSysColor(COLOR_HIGHLIGHT));
    Item(kDropList).SetFocus();
    EXPECT_EQ(ScreenAt(dlg.m_list, blank), GetSysColor(COLOR_BTNFACE));  // LVS_SHOWSELALWAYS
    dlg.m_list.ModifyStyle(LVS_SHOWSELALWAYS, 0);
    dlg.m_list.Invalidate();
    EXPECT_EQ(ScreenAt(dlg.m_list, blank), GetSysColor(COLOR_WINDOW));
}

TEST_F(ControlsTest, DropListOpensAboveTheBoxNearTheBottomOfTheScreen) {
    CComboBox low;
    CRect client;
    dlg.GetClientRect(&client);
    ASSERT_TRUE(low.Create(CBS_DROPDOWNLIST | WS_VISIBLE,
                           CRect(150, client.bottom - 20, 230, client.bottom + 80), &dlg, 1102));
    for (const wchar_t* item : {L"4800", L"9600", L"19200", L"38400", L"57600", L"115200"})
        low.AddString(item);
    CRect box;
    low.GetWindowRect(&box);
    low.ShowDropDown(TRUE);
    ui.Pump();
    CWnd* list = CWnd::WindowFromPoint(CPoint(box.left + 5, box.top - 5));
    ASSERT_NE(list, nullptr);
    EXPECT_NE(list, &dlg);
    CRect dropped;
    list->GetWindowRect(&dropped);
    EXPECT_EQ(dropped.bottom, box.top);
    low.ShowDropDown(FALSE);
    EXPECT_FALSE(low.GetDroppedState());
}
