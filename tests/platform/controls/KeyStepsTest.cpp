// Every step of every key, for each control that answers keys: from each item a key moves the
// selection by its step (a row, a page, to either end), stops at the first and last item, and tells
// the parent exactly when the selection moved.
#include <algorithm>
#include <functional>

#include "ControlsFixture.h"

namespace {

struct KeyStep {
    UINT key;
    int step;  // items; a step of kToEnd goes to the last, -kToEnd to the first
};
constexpr int kToEnd = 1000;

// One control under test: how to give it `count` items, choose one silently, read the choice and
// whether the parent heard a change.
struct KeyedControl {
    const char* name;
    std::function<int()> fill;  // returns the page in items
    std::function<void(int)> choose;
    std::function<int()> chosen;
    std::function<bool()> heardChange;
    std::vector<KeyStep> keys;
};

std::vector<KeyStep> ListKeys(int page) {
    return {{VK_UP, -1},     {VK_DOWN, 1},       {VK_PRIOR, -page},
            {VK_NEXT, page}, {VK_HOME, -kToEnd}, {VK_END, kToEnd}};
}

class KeyStepsTest : public ControlsTest {
protected:
    static constexpr int kCount = 12;

    void WalkEveryStep(KeyedControl& control) {
        SCOPED_TRACE(control.name);
        const int page = control.fill();
        ASSERT_GT(page, 1);
        ASSERT_LT(page, kCount);
        if (control.keys.empty()) control.keys = ListKeys(page);
        for (const KeyStep& k : control.keys) {
            for (int from = 0; from < kCount; ++from) {
                SCOPED_TRACE(testing::Message() << "key " << k.key << " from " << from);
                control.choose(from);
                ASSERT_EQ(control.chosen(), from);
                dlg.heard.clear();
                ui.PressKey(k.key);
                const int expected = std::clamp(from + k.step, 0, kCount - 1);
                EXPECT_EQ(control.chosen(), expected);
                EXPECT_EQ(control.heardChange(), expected != from);
            }
        }
    }

    bool Heard(int id, UINT code) const { return !dlg.Of(id, code).empty(); }
};

TEST_F(KeyStepsTest, ListBox) {
    auto& list = static_cast<CListBox&>(Item(kListBox));
    KeyedControl control{"list box",
                         [&] {
                             list.SetFocus();
                             // The rows one screen shows: the first row shown once the last is brought into
                             // view.
                             list.SetCurSel(kCount - 1);
                             return kCount - list.GetTopIndex();
                         },
                         [&](int i) { list.SetCurSel(i); },
                         [&] { return list.GetCurSel(); },
                         [&] { return Heard(kListBox, LBN_SELCHANGE); },
                         {}};
    WalkEveryStep(control);
}

TEST_F(KeyStepsTest, ListView) {
    CListCtrl& list = dlg.m_list;
    KeyedControl control{"list view",
                         [&] {
                             list.InsertColumn(0, L"点名", LVCFMT_LEFT, 60);
                             for (int i = 0; i < kCount; ++i) list.InsertItem(i, L"P");
                             list.SetFocus();
                             return list.GetCountPerPage();
                         },
                         [&](int i) {
                             for (int r = 0; r < kCount; ++r)
                                 list.SetItemState(r, 0, LVIS_SELECTED | LVIS_FOCUSED);
                             list.SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                         },
                         [&] { return list.GetNextItem(-1, LVNI_SELECTED); },
                         [&] { return Heard(kListView, LVN_ITEMCHANGED); },
                         {}};
    WalkEveryStep(control);
}

// Rows wider than the view: each right step moves them 16 pixels left until their right edge meets
// the view's, where it stops; each left step moves them back until their left edge is home.
TEST_F(KeyStepsTest, ListViewLeftAndRightScrollSideways) {
    CListCtrl& list = dlg.m_list;
    for (int column = 0; column < 3; ++column) list.InsertColumn(column, L"坐标", LVCFMT_LEFT, 150);
    list.InsertItem(0, L"P");
    list.SetFocus();
    CRect client;
    list.GetClientRect(&client);
    const auto rowLeft = [&] {
        CRect row(LVIR_BOUNDS, 0, 0, 0);
        list.GetItemRect(0, &row, LVIR_BOUNDS);
        return row.left;
    };
    const int home = rowLeft();
    for (const UINT key : {VK_RIGHT, VK_LEFT}) {
        SCOPED_TRACE(key);
        std::vector<int> moves;
        for (int before = rowLeft(); moves.size() < 50; before = rowLeft()) {
            ui.PressKey(key);
            moves.push_back(std::abs(rowLeft() - before));
            if (moves.back() == 0) break;
        }
        ASSERT_GE(moves.size(), 3u);
        EXPECT_EQ(moves.back(), 0);
        for (size_t i = 0; i + 2 < moves.size(); ++i) EXPECT_EQ(moves[i], 16) << i;
        EXPECT_GT(moves[moves.size() - 2], 0);
        EXPECT_LE(moves[moves.size() - 2], 16);
        if (key == VK_RIGHT) {
            // The last column's right edge on the view's, inside its border.
            EXPECT_LE(rowLeft() + 450, client.right);
            EXPECT_GE(rowLeft() + 450, client.right - 2);
        }
    }
    EXPECT_EQ(rowLeft(), home);
}

TEST_F(KeyStepsTest, TreeViewOfOneLevel) {
    CTreeCtrl& tree = dlg.m_tree;
    std::vector<HTREEITEM> items;
    KeyedControl control{
        "tree view",
        [&] {
            for (int i = 0; i < kCount; ++i) items.push_back(tree.InsertItem(L"项"));
            tree.SetFocus();
            return static_cast<int>(tree.GetVisibleCount());
        },
        [&](int i) { tree.SelectItem(items[static_cast<size_t>(i)]); },
        [&] {
            return static_cast<int>(std::find(items.begin(), items.end(), tree.GetSelectedItem()) -
                                    items.begin());
        },
        [&] { return Heard(kTreeView, TVN_SELCHANGED); },
        {}};
    WalkEveryStep(control);
}

// Right and left on each kind of tree item: right opens a closed parent, then goes to its first
// child; left closes an open parent, goes from a child to its parent, and a closed root or a leaf at
// the root stays.
TEST_F(KeyStepsTest, TreeViewRightAndLeftOnEachKindOfItem) {
    CTreeCtrl& tree = dlg.m_tree;
    const HTREEITEM parent = tree.InsertItem(L"甲");
    const HTREEITEM child = tree.InsertItem(L"乙", parent);
    tree.InsertItem(L"丙", parent);
    const HTREEITEM leaf = tree.InsertItem(L"丁");
    struct Case {
        const char* name;
        HTREEITEM from;
        bool open;  // the parent, before the key
        UINT key;
        HTREEITEM to;
        bool openAfter;
    };
    const Case cases[] = {
        {"right on a closed parent", parent, false, VK_RIGHT, parent, true},
        {"right on an open parent", parent, true, VK_RIGHT, child, true},
        {"right on a child", child, true, VK_RIGHT, child, true},
        {"right on a leaf at the root", leaf, false, VK_RIGHT, leaf, false},
        {"left on an open parent", parent, true, VK_LEFT, parent, false},
        {"left on a closed parent", parent, false, VK_LEFT, parent, false},
        {"left on a child", child, true, VK_LEFT, parent, true},
        {"left on a leaf at the root", leaf, false, VK_LEFT, leaf, false},
    };
    tree.SetFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tree.Expand(parent, c.open ? TVE_EXPAND : TVE_COLLAPSE);
        tree.SelectItem(c.from);
        ASSERT_EQ(tree.GetSelectedItem(), c.from);
        ui.PressKey(c.key);
        EXPECT_EQ(tree.GetSelectedItem(), c.to);
        EXPECT_EQ(tree.GetItemState(parent, TVIS_EXPANDED) != 0, c.openAfter);
    }
}

TEST_F(KeyStepsTest, TabControl) {
    CTabCtrl& tabs = dlg.m_tabs;
    KeyedControl control{"tabs",
                         [&] {
                             for (int i = 1; i < kCount; ++i) tabs.InsertItem(i, L"页");
                             tabs.SetFocus();
                             return 2;  // no paging keys: the page is unused
                         },
                         [&](int i) { tabs.SetCurSel(i); },
                         [&] { return tabs.GetCurSel(); },
                         [&] { return Heard(kTabs, TCN_SELCHANGE); },
                         {{VK_LEFT, -1}, {VK_RIGHT, 1}}};
    WalkEveryStep(control);
}

TEST_F(KeyStepsTest, ClosedDropList) {
    auto& combo = static_cast<CComboBox&>(Item(kDropList));
    KeyedControl control{"closed drop list",
                         [&] {
                             for (int i = combo.GetCount(); i < kCount; ++i) combo.AddString(L"椭球");
                             combo.SetFocus();
                             return 2;
                         },
                         [&](int i) { combo.SetCurSel(i); },
                         [&] { return combo.GetCurSel(); },
                         [&] { return Heard(kDropList, CBN_SELCHANGE); },
                         {{VK_UP, -1}, {VK_DOWN, 1}}};
    WalkEveryStep(control);
}

// In the dropped list the keys move the highlight from the chosen item, and Enter chooses it: each
// step opens the list afresh.
TEST_F(KeyStepsTest, DroppedList) {
    auto& combo = static_cast<CComboBox&>(Item(kDropList));
    for (int i = combo.GetCount(); i < kCount; ++i) combo.AddString(L"椭球");
    const int page = combo.DroppedRows();
    ASSERT_GT(page, 1);
    ASSERT_LT(page, kCount);
    for (const KeyStep& k : ListKeys(page)) {
        for (int from = 0; from < kCount; ++from) {
            SCOPED_TRACE(testing::Message() << "key " << k.key << " from " << from);
            combo.SetCurSel(from);
            Pause();
            ui.Click(dlg, kDropList);
            ASSERT_TRUE(combo.GetDroppedState());
            dlg.heard.clear();
            ui.PressKey(k.key);
            EXPECT_TRUE(combo.GetDroppedState());
            ui.PressKey(VK_RETURN);
            const int expected = std::clamp(from + k.step, 0, kCount - 1);
            EXPECT_FALSE(combo.GetDroppedState());
            EXPECT_EQ(combo.GetCurSel(), expected);
            EXPECT_EQ(Heard(kDropList, CBN_SELCHANGE), expected != from);
        }
    }
}

}  // namespace
