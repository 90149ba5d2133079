#include <gtest/gtest.h>

#include "foundation/screens/CFindPointDlg.h"

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"

namespace {

PointRecord Point(const wchar_t* name, double n) {
    PointRecord p;
    p.name = name;
    p.x = n;
    p.y = 2;
    p.h = 3;
    p.code = L"c";
    return p;
}

std::vector<CString> Lines(CDialog& d) {
    auto& list = *dynamic_cast<CListBox*>(d.GetDlgItem(findpoint::kNames));
    std::vector<CString> lines;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        lines.push_back(text);
    }
    return lines;
}

}  // namespace

TEST(CFindPointDlgTest, SearchOrdersByMatchPositionAndKeepsFieldsWhenNothingMatches) {
    InitCommonControls();
    CUiDriver ui;
    CFindPointDlg dlg;
    dlg.AddCandidate(Point(L"BA1", 10), 4);
    dlg.AddCandidate(Point(L"A2", 20), 5);
    dlg.AddCandidate(Point(L"CA", 30), 6);
    int afterNoMatch = 0;
    ui.OnModal(CFindPointDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(Lines(d), (std::vector<CString>{L"BA1", L"A2", L"CA"}));
        EXPECT_EQ(dlg.m_nResult, 4);
        EXPECT_EQ(ui.GetText(d, findpoint::kNorth), L"10.0000");
        ui.SetText(d, findpoint::kSearchText, L"a");
        ui.Click(d, findpoint::kSearch);
        EXPECT_EQ(Lines(d), (std::vector<CString>{L"A2", L"BA1", L"CA"}));
        EXPECT_EQ(dlg.m_nResult, 5);
        ui.SetText(d, findpoint::kSearchText, L"zz");
        ui.Click(d, findpoint::kSearch);
        EXPECT_TRUE(Lines(d).empty());
        afterNoMatch = dlg.m_nResult;
        EXPECT_EQ(ui.GetText(d, findpoint::kNorth), L"20.0000");
        ui.SetText(d, findpoint::kSearchText, L"");
        ui.Click(d, findpoint::kSearch);
        auto& list = *dynamic_cast<CListBox*>(d.GetDlgItem(findpoint::kNames));
        list.SetCurSel(2);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(findpoint::kNames, LBN_SELCHANGE), 0);
        EXPECT_EQ(ui.GetText(d, findpoint::kNorth), L"30.0000");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(afterNoMatch, -1);
    EXPECT_EQ(dlg.m_nResult, 6);
}
