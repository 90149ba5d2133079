#include <atomic>
#include <functional>
#include <thread>

#include "ControlsFixture.h"
#include "platform/messages/Messages.h"
#include "platform/ui/ControlParts.h"

namespace {
void FillPoints(CListCtrl& list, int rows) {
    list.InsertColumn(0, L"点名", LVCFMT_CENTER, 60);
    list.InsertColumn(1, L"北坐标", LVCFMT_CENTER, 90);
    list.InsertColumn(2, L"东坐标", LVCFMT_CENTER, 90);
    for (int i = 0; i < rows; ++i) {
        CString name;
        name.Format(L"P%d", i);
        const int row = list.InsertItem(i, name, 0);
        list.SetItemText(row, 1, L"3345.123");
        list.SetItemText(row, 2, L"512.5");
    }
}

// The client point at the middle of a row's first cell.
CPoint RowPoint(CListCtrl& list, int row) {
    CRect rect;
    list.GetItemRect(row, &rect, LVIR_BOUNDS);
    return CPoint(rect.left + 10, rect.CenterPoint().y);
}
}  // namespace

TEST_F(ControlsTest, ListViewKeepsColumnsAndCellTexts) {
    FillPoints(dlg.m_list, 3);
    EXPECT_EQ(dlg.m_list.GetItemCount(), 3);
    EXPECT_EQ(dlg.m_list.GetItemText(1, 0), L"P1");
    EXPECT_EQ(dlg.m_list.GetItemText(2, 1), L"3345.123");
    EXPECT_EQ(dlg.m_list.GetItemText(2, 5), L"");
    EXPECT_EQ(dlg.m_list.GetColumnWidth(1), 90);
    // A column inserted in front moves the texts along with it.
    dlg.m_list.InsertColumn(0, L"编号", LVCFMT_LEFT, 30);
    EXPECT_EQ(dlg.m_list.GetItemText(1, 1), L"P1");
    EXPECT_EQ(dlg.m_list.GetItemText(1, 0), L"");
    dlg.m_list.DeleteColumn(0);
    EXPECT_EQ(dlg.m_list.GetItemText(1, 0), L"P1");
    // A row inserted in the middle pushes the later ones down; long texts come back whole.
    const CString longText(std::wstring(700, L'长').c_str());
    dlg.m_list.InsertItem(1, longText);
    EXPECT_EQ(dlg.m_list.GetItemText(1, 0), longText);
    EXPECT_EQ(dlg.m_list.GetItemText(2, 0), L"P1");
    EXPECT_FALSE(dlg.m_list.SetItemText(9, 0, L"x"));
}

TEST_F(ControlsTest, ListViewTapSelectsTheRowBeforeTheClickNotification) {
    FillPoints(dlg.m_list, 2);
    dlg.m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    dlg.heard.clear();
    ui.Tap(dlg.m_list, RowPoint(dlg.m_list, 1));
    EXPECT_EQ(dlg.selectionAtClick, 1);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_FOCUSED), 1);
    EXPECT_EQ(dlg.Of(kListView, LVN_ITEMCHANGED),
              (std::vector<Heard>{{kListView, LVN_ITEMCHANGED, 1, LVIS_SELECTED | LVIS_FOCUSED, 0}}));
    EXPECT_EQ(dlg.Of(kListView, NM_CLICK), (std::vector<Heard>{{kListView, NM_CLICK, 1}}));

    // The next tap moves the selection: the old row is told first.
    Pause();
    dlg.heard.clear();
    ui.Tap(dlg.m_list, RowPoint(dlg.m_list, 0));
    const std::vector<Heard> changes = dlg.Of(kListView, LVN_ITEMCHANGED);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].item, 1);
    EXPECT_EQ(changes[0].newState, LVIS_FOCUSED);
    EXPECT_EQ(changes[2].item, 0);
    EXPECT_EQ(dlg.m_list.GetSelectedCount(), 1u);

    // A tap below the last row clears the selection; the click names no row.
    Pause();
    ui.Tap(dlg.m_list, RowPoint(dlg.m_list, 1) + CPoint(0, 20));
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(dlg.Of(kListView, NM_CLICK).back().item, -1);
}

TEST_F(ControlsTest, ListViewSelectsOnlyOnTheFirstColumnWithoutFullRowSelect) {
    FillPoints(dlg.m_list, 3);
    CRect cell;
    dlg.m_list.GetItemRect(1, &cell, LVIR_BOUNDS);
    ui.Tap(dlg.m_list, CPoint(cell.left + 80, cell.CenterPoint().y));
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), -1);
    Pause();
    ui.Tap(dlg.m_list, CPoint(cell.left + 10, cell.CenterPoint().y));
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(dlg.m_list.HitTest(CPoint(cell.left + 80, cell.CenterPoint().y)), -1);
    dlg.m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(dlg.m_list.HitTest(CPoint(cell.left + 80, cell.CenterPoint().y)), 1);
}

TEST_F(ControlsTest, ListViewStatesFromTheProgramNotifyAndMayBeRefused) {
    FillPoints(dlg.m_list, 4);
    dlg.heard.clear();
    dlg.m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(dlg.Of(kListView, LVN_ITEMCHANGED).size(), 1u);
    // A single-selection list keeps one selected row and one focused row.
    dlg.m_list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(dlg.m_list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), 0u);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 3);
    // Setting a state a row already has says nothing.
    dlg.heard.clear();
    dlg.m_list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(dlg.heard.empty());

    dlg.refuse[{kListView, LVN_ITEMCHANGING}] = true;
    EXPECT_FALSE(dlg.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 3);
    EXPECT_TRUE(dlg.Of(kListView, LVN_ITEMCHANGED).empty());

    // Deleting a row above the selection keeps the same row selected.
    dlg.refuse.clear();
    dlg.m_list.DeleteItem(0);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(dlg.m_list.GetItemText(2, 0), L"P3");
    dlg.m_list.DeleteAllItems();
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), -1);
}

TEST_F(ControlsTest, ListViewScrollsToKeepTheChosenRowInSight) {
    FillPoints(dlg.m_list, 30);
    const int page = dlg.m_list.GetCountPerPage();
    ASSERT_GT(page, 1);
    ASSERT_LT(page, 30);
    EXPECT_EQ(dlg.m_list.GetTopIndex(), 0);
    dlg.m_list.EnsureVisible(20, FALSE);
    EXPECT_EQ(dlg.m_list.GetTopIndex(), 20 - page + 1);
    dlg.m_list.EnsureVisible(3, FALSE);
    EXPECT_EQ(dlg.m_list.GetTopIndex(), 3);

    // The arrow keys walk the selection and the view follows.
    dlg.m_list.SetFocus();
    dlg.m_list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    for (int i = 0; i < page; ++i) ui.PressKey(VK_DOWN);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 3 + page);
    EXPECT_EQ(dlg.m_list.GetTopIndex(), 4);
    ui.PressKey(VK_END);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 29);
    ui.PressKey(VK_HOME);
    EXPECT_EQ(dlg.m_list.GetTopIndex(), 0);
}

TEST_F(ControlsTest, ListViewDoubleTapSendsDoubleClick) {
    FillPoints(dlg.m_list, 3);
    CPoint at = RowPoint(dlg.m_list, 1);
    dlg.m_list.ClientToScreen(&at);
    ui.DoubleTap(at);
    EXPECT_EQ(dlg.Of(kListView, NM_DBLCLK), (std::vector<Heard>{{kListView, NM_DBLCLK, 1}}));
}

TEST_F(ControlsTest, ListViewIsFilledFromAWorkerThread) {
    dlg.m_list.InsertColumn(0, L"点名", LVCFMT_LEFT, 60);
    std::atomic<bool> done = false;
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            const int row = dlg.m_list.InsertItem(dlg.m_list.GetItemCount(), L"P");
            dlg.m_list.SetItemText(row, 0, L"Q");
        }
        done = true;
        PostMessage(dlg.m_hWnd, WM_NULL, 0, 0);
    });
    RunMessageLoop([&] { return !done.load(); });
    worker.join();
    EXPECT_EQ(dlg.m_list.GetItemCount(), 50);
    EXPECT_EQ(dlg.m_list.GetItemText(49, 0), L"Q");
}

TEST_F(ControlsTest, ListViewThumbDragsThroughTheRows) {
    FillPoints(dlg.m_list, 30);
    const int page = dlg.m_list.GetCountPerPage();
    CRect client;
    dlg.m_list.GetClientRect(&client);
    // The thumb starts just below the upper arrow of the bar along the right edge.
    CPoint grab(client.right - 1 - kScrollBarSize / 2, 1 + kScrollBarSize + 2);
    CPoint drop(grab.x, client.bottom - 1);
    dlg.m_list.ClientToScreen(&grab);
    dlg.m_list.ClientToScreen(&drop);
    ui.Drag(grab, drop);
    EXPECT_EQ(dlg.m_list.GetTopIndex(), 30 - page);
    EXPECT_TRUE(dlg.Of(kListView, NM_CLICK).empty());
    // Dragging is over with the lift: taps select rows again.
    Pause();
    ui.Tap(dlg.m_list, RowPoint(dlg.m_list, 29));
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 29);
}

TEST_F(ControlsTest, OwnerDataListAsksOnlyForTheRowsItDrawsOrReads) {
    CListCtrl owner;
    ASSERT_TRUE(owner.Create(WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA,
                             CRect(0, 0, 200, 120), &dlg, kOwnerList));
    owner.InsertColumn(0, L"点名", LVCFMT_CENTER, 60);
    owner.InsertColumn(1, L"北坐标", LVCFMT_CENTER, 90);
    owner.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    owner.SetItemCount(100000);
    EXPECT_EQ(owner.GetItemCount(), 100000);
    // Rows are counted, not inserted nor given texts.
    EXPECT_EQ(owner.InsertItem(0, L"P"), -1);
    EXPECT_FALSE(owner.SetItemText(3, 1, L"x"));

    owner.UpdateWindow();
    const int page = owner.GetCountPerPage();
    ASSERT_FALSE(dlg.askedRows.empty());
    EXPECT_LE(*std::max_element(dlg.askedRows.begin(), dlg.askedRows.end()), page);
    EXPECT_EQ(owner.GetItemText(73456, 1), L"R73456C1");
    LVITEM item;
    item.mask = LVIF_IMAGE;
    item.iItem = 5;
    ASSERT_TRUE(owner.GetItem(&item));
    EXPECT_EQ(item.iImage, 2);

    // States are the list's: selection, focus, the search for them and a tap, all without a scan.
    owner.SetItemState(99990, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(owner.GetNextItem(-1, LVNI_SELECTED), 99990);
    EXPECT_EQ(owner.GetNextItem(99990, LVNI_SELECTED), -1);
    EXPECT_EQ(owner.GetNextItem(100000, LVNI_SELECTED | LVNI_ABOVE), 99990);
    EXPECT_EQ(owner.GetSelectedCount(), 1u);
    CRect first;
    owner.GetItemRect(0, &first, LVIR_BOUNDS);
    ui.Tap(owner, CPoint(first.left + 10, first.CenterPoint().y));
    EXPECT_EQ(owner.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(owner.GetItemState(99990, LVIS_SELECTED | LVIS_FOCUSED), 0u);

    // Deleting a row above a selected one moves its state up; a shorter count drops states beyond it.
    owner.SetItemState(9, LVIS_SELECTED, LVIS_SELECTED);
    owner.DeleteItem(4);
    EXPECT_EQ(owner.GetItemCount(), 99999);
    EXPECT_EQ(owner.GetNextItem(-1, LVNI_SELECTED), 8);
    owner.SetItemCount(5);
    EXPECT_EQ(owner.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(owner.GetItemText(5, 0), L"");
    owner.DestroyWindow();
}

// From row 10 selected at the top of the view, each key moves the selection and the wheel moves
// only the view: what is selected and which row shows first afterwards.
TEST_F(ControlsTest, ListViewPagingKeysMoveTheSelectionAndTheWheelTheView) {
    FillPoints(dlg.m_list, 40);
    const int page = dlg.m_list.GetCountPerPage();
    ASSERT_LT(page, 20);
    CRect box;
    dlg.m_list.GetWindowRect(&box);
    const CPoint over = box.CenterPoint();
    struct Case {
        const char* what;
        std::function<void()> act;
        int selected;
        int top;
    };
    const Case cases[] = {
        {"page down", [&] { ui.PressKey(VK_NEXT); }, 10 + page, 11},
        {"page up", [&] { ui.PressKey(VK_PRIOR); }, 10 - page, 10 - page},
        {"end", [&] { ui.PressKey(VK_END); }, 39, 40 - page},
        {"home", [&] { ui.PressKey(VK_HOME); }, 0, 0},
        {"wheel towards the user", [&] { ui.Wheel(over, -1); }, 10, 10 + kWheelRows},
        {"wheel away, twice", [&] { ui.Wheel(over, 2); }, 10, 10 - 2 * kWheelRows},
        {"wheel far past the end", [&] { ui.Wheel(over, -30); }, 10, 40 - page},
    };
    dlg.m_list.SetFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dlg.m_list.SetItemState(10, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        dlg.m_list.EnsureVisible(0, FALSE);
        dlg.m_list.EnsureVisible(10 + page - 1, FALSE);
        ASSERT_EQ(dlg.m_list.GetTopIndex(), 10);
        c.act();
        EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), c.selected);
        EXPECT_EQ(dlg.m_list.GetSelectedCount(), 1u);
        EXPECT_EQ(dlg.m_list.GetTopIndex(), c.top);
    }
}
