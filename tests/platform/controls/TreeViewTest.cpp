#include "ControlsFixture.h"

namespace {
// Inserts a folder that shows a button before it has children, as folders filled on demand do.
HTREEITEM InsertFolder(CTreeCtrl& tree, const wchar_t* name, LPARAM data, HTREEITEM parent = TVI_ROOT) {
    TVINSERTSTRUCT insert;
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<wchar_t*>(name);
    insert.item.lParam = data;
    insert.item.cChildren = 1;
    return tree.InsertItem(&insert);
}

CPoint ButtonPoint(CTreeCtrl& tree, HTREEITEM item) {
    CRect label;
    tree.GetItemRect(item, &label, TRUE);
    return CPoint(label.left - static_cast<int>(tree.GetIndent()) / 2, label.CenterPoint().y);
}

CPoint LabelPoint(CTreeCtrl& tree, HTREEITEM item) {
    CRect label;
    tree.GetItemRect(item, &label, TRUE);
    return label.CenterPoint();
}
}  // namespace

TEST_F(ControlsTest, TreeTapOnButtonExpandsOnDemandAndCollapses) {
    HTREEITEM root = InsertFolder(dlg.m_tree, L"根目录", dlg.fillOnExpand);
    EXPECT_TRUE(dlg.m_tree.ItemHasChildren(root));
    EXPECT_EQ(dlg.m_tree.GetChildItem(root), nullptr);

    ui.Tap(dlg.m_tree, ButtonPoint(dlg.m_tree, root));
    EXPECT_EQ(
        dlg.Of(kTreeView, TVN_ITEMEXPANDING),
        (std::vector<Heard>{{kTreeView, TVN_ITEMEXPANDING, static_cast<int>(dlg.fillOnExpand), TVE_EXPAND}}));
    EXPECT_EQ(dlg.Of(kTreeView, TVN_ITEMEXPANDED).size(), 1u);
    EXPECT_TRUE(dlg.m_tree.GetItemState(root, TVIS_EXPANDED));
    HTREEITEM first = dlg.m_tree.GetChildItem(root);
    EXPECT_EQ(dlg.m_tree.GetItemText(first), L"甲");
    EXPECT_EQ(dlg.m_tree.GetItemText(dlg.m_tree.GetNextSiblingItem(first)), L"乙");
    EXPECT_EQ(dlg.m_tree.GetNextVisibleItem(root), first);

    // Collapsing by a tap notifies too and hides the children.
    Pause();
    dlg.heard.clear();
    ui.Tap(dlg.m_tree, ButtonPoint(dlg.m_tree, root));
    EXPECT_EQ(dlg.Of(kTreeView, TVN_ITEMEXPANDED).at(0).newState, TVE_COLLAPSE);
    EXPECT_FALSE(dlg.m_tree.GetItemState(root, TVIS_EXPANDED));
    EXPECT_EQ(dlg.m_tree.GetNextVisibleItem(root), nullptr);
}

TEST_F(ControlsTest, TreeExpandFromTheProgramNotifiesOnlyUntilItIsReset) {
    HTREEITEM root = InsertFolder(dlg.m_tree, L"根目录", dlg.fillOnExpand);
    EXPECT_TRUE(dlg.m_tree.Expand(root, TVE_EXPAND));
    EXPECT_EQ(dlg.Of(kTreeView, TVN_ITEMEXPANDING).size(), 1u);
    dlg.m_tree.Expand(root, TVE_COLLAPSE);
    dlg.m_tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(dlg.Of(kTreeView, TVN_ITEMEXPANDING).size(), 1u);

    // Collapse with reset empties the item; the next expansion fills it again.
    dlg.m_tree.Expand(root, TVE_COLLAPSE | TVE_COLLAPSERESET);
    EXPECT_EQ(dlg.m_tree.GetChildItem(root), nullptr);
    EXPECT_EQ(dlg.m_tree.GetCount(), 1u);
    InsertFolder(dlg.m_tree, L"", 0, root);
    dlg.m_tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(dlg.Of(kTreeView, TVN_ITEMEXPANDING).size(), 2u);
    EXPECT_EQ(dlg.m_tree.GetCount(), 4u);

    // An item without children and without the children flag does not expand.
    HTREEITEM leaf = dlg.m_tree.InsertItem(L"文件.txt", root);
    EXPECT_FALSE(dlg.m_tree.Expand(leaf, TVE_EXPAND));
}

TEST_F(ControlsTest, TreeExpansionAndSelectionCanBeRefused) {
    HTREEITEM root = InsertFolder(dlg.m_tree, L"根目录", dlg.fillOnExpand);
    dlg.refuse[{kTreeView, TVN_ITEMEXPANDING}] = true;
    EXPECT_FALSE(dlg.m_tree.Expand(root, TVE_EXPAND));
    EXPECT_FALSE(dlg.m_tree.GetItemState(root, TVIS_EXPANDED));
    EXPECT_TRUE(dlg.Of(kTreeView, TVN_ITEMEXPANDED).empty());

    dlg.refuse.clear();
    dlg.refuse[{kTreeView, TVN_SELCHANGING}] = true;
    EXPECT_FALSE(dlg.m_tree.SelectItem(root));
    EXPECT_EQ(dlg.m_tree.GetSelectedItem(), nullptr);
}

TEST_F(ControlsTest, TreeSelectionByTapKeysAndProgram) {
    HTREEITEM root = InsertFolder(dlg.m_tree, L"根目录", dlg.fillOnExpand);
    dlg.m_tree.Expand(root, TVE_EXPAND);
    HTREEITEM second = dlg.m_tree.GetNextSiblingItem(dlg.m_tree.GetChildItem(root));
    dlg.heard.clear();
    ui.Tap(dlg.m_tree, LabelPoint(dlg.m_tree, second));
    EXPECT_EQ(dlg.m_tree.GetSelectedItem(), second);
    const std::vector<Heard> changed = dlg.Of(kTreeView, TVN_SELCHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].newState, TVC_BYMOUSE);
    EXPECT_EQ(dlg.CodesOf(kTreeView), (std::vector<UINT>{TVN_SELCHANGING, TVN_SELCHANGED, NM_CLICK}));

    ui.PressKey(VK_DOWN);
    EXPECT_EQ(dlg.m_tree.GetItemText(dlg.m_tree.GetSelectedItem()), L"丙");
    ui.PressKey(VK_LEFT);  // a child without children goes to its parent
    EXPECT_EQ(dlg.m_tree.GetSelectedItem(), root);
    ui.PressKey(VK_LEFT);  // an expanded item collapses
    EXPECT_FALSE(dlg.m_tree.GetItemState(root, TVIS_EXPANDED));
    ui.PressKey(VK_RIGHT);
    EXPECT_TRUE(dlg.m_tree.GetItemState(root, TVIS_EXPANDED));

    // Selecting a hidden item opens its parents; collapsing a parent takes the selection up.
    HTREEITEM deep = dlg.m_tree.InsertItem(L"深", dlg.m_tree.GetChildItem(root));
    EXPECT_TRUE(dlg.m_tree.SelectItem(deep));
    EXPECT_TRUE(dlg.m_tree.GetItemState(dlg.m_tree.GetChildItem(root), TVIS_EXPANDED));
    dlg.m_tree.Expand(root, TVE_COLLAPSE);
    EXPECT_EQ(dlg.m_tree.GetSelectedItem(), root);
}

TEST_F(ControlsTest, TreeItemsOfDeletedBranchesAreForgotten) {
    HTREEITEM root = InsertFolder(dlg.m_tree, L"根目录", dlg.fillOnExpand);
    dlg.m_tree.Expand(root, TVE_EXPAND);
    HTREEITEM child = dlg.m_tree.GetChildItem(root);
    dlg.m_tree.SelectItem(child);
    dlg.m_tree.SetItemData(child, 42);
    EXPECT_EQ(dlg.m_tree.GetItemData(child), 42u);
    dlg.m_tree.DeleteItem(root);
    EXPECT_EQ(dlg.m_tree.GetCount(), 0u);
    EXPECT_EQ(dlg.m_tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(dlg.m_tree.GetItemText(child), L"");
    EXPECT_FALSE(dlg.m_tree.SetItemText(child, L"x"));
    EXPECT_EQ(dlg.m_tree.GetParentItem(child), nullptr);
}

TEST_F(ControlsTest, TreeSortedInsertAndSortChildrenIgnoreCase) {
    HTREEITEM b = dlg.m_tree.InsertItem(L"beta", TVI_ROOT, TVI_SORT);
    dlg.m_tree.InsertItem(L"Alpha", TVI_ROOT, TVI_SORT);
    dlg.m_tree.InsertItem(L"gamma", TVI_ROOT, TVI_FIRST);
    EXPECT_EQ(dlg.m_tree.GetItemText(dlg.m_tree.GetRootItem()), L"gamma");
    dlg.m_tree.SortChildren(TVI_ROOT);
    EXPECT_EQ(dlg.m_tree.GetItemText(dlg.m_tree.GetRootItem()), L"Alpha");
    EXPECT_EQ(dlg.m_tree.GetNextSiblingItem(dlg.m_tree.GetRootItem()), b);
}

TEST_F(ControlsTest, TreeHitTestTellsButtonIconLabelAndIndent) {
    CImageList images;
    images.Create(16, 16, ILC_MASK, 0, 1);
    images.Add(CImage(32, 16));
    dlg.m_tree.SetImageList(&images, TVSIL_NORMAL);
    HTREEITEM root = InsertFolder(dlg.m_tree, L"根", 0);
    HTREEITEM child = dlg.m_tree.InsertItem(L"子", root);
    dlg.m_tree.Expand(root, TVE_EXPAND);
    CRect label;
    dlg.m_tree.GetItemRect(child, &label, TRUE);
    UINT flags = 0;
    EXPECT_EQ(dlg.m_tree.HitTest(label.CenterPoint(), &flags), child);
    EXPECT_EQ(flags, TVHT_ONITEMLABEL);
    dlg.m_tree.HitTest(CPoint(label.left - 8, label.CenterPoint().y), &flags);
    EXPECT_EQ(flags, TVHT_ONITEMICON);
    dlg.m_tree.HitTest(CPoint(label.left - 26, label.CenterPoint().y), &flags);
    EXPECT_EQ(flags, TVHT_ONITEMINDENT);  // a child without children has no button
    // The button sits half an indent left of the icon.
    CRect rootLabel;
    dlg.m_tree.GetItemRect(root, &rootLabel, TRUE);
    const CPoint button(rootLabel.left - 18 - static_cast<int>(dlg.m_tree.GetIndent()) / 2,
                        rootLabel.CenterPoint().y);
    EXPECT_EQ(dlg.m_tree.HitTest(button, &flags), root);
    EXPECT_EQ(flags, TVHT_ONITEMBUTTON);
    EXPECT_NE(dlg.m_tree.HitTest(CPoint(2, 300)), child);
    EXPECT_EQ(dlg.m_tree.GetPrevVisibleItem(child), root);
    EXPECT_EQ(dlg.m_tree.GetFirstVisibleItem(), root);
}
