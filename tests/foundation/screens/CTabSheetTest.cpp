#include <gtest/gtest.h>

#include "foundation/screens/CTabSheet.h"

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Edit.h"

namespace {

constexpr UINT kSheetId = 953;
constexpr UINT kPageId = 954;
constexpr int kTab = 1100;
constexpr UINT kPageEdit = 1001;

const DialogControlTemplate kSheetControls[] = {
    {WC_TABCONTROL, kTab, 2, 2, 131, 140, L"", WS_TABSTOP},
};
const DialogTemplate kSheet{kSheetId, 135, 166, L"页", kDialogStyle, kSheetControls};
const DialogTemplateRegistration kSheetRegistration(kSheet);
const DialogControlTemplate kPageControls[] = {
    {L"EDIT", kPageEdit, 4, 4, 60, 12, L"", WS_BORDER | WS_TABSTOP},
};
const DialogTemplate kPage{kPageId, 120, 100, L"", WS_CHILD, kPageControls};
const DialogTemplateRegistration kPageRegistration(kPage);

class CSheetDlg : public CDialog {
public:
    CSheetDlg() : CDialog(kSheetId, nullptr) {}
    CTabSheet sheet;
    CDialog input, result;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        sheet.SubclassDlgItem(kTab, this);
        sheet.AddPage(L"输入", &input, kPageId);
        sheet.AddPage(L"结果", &result, kPageId);
        sheet.Show();
        return TRUE;
    }
};

CPoint TabCentre(CTabSheet& sheet, int index) {
    CRect r;
    sheet.GetItemRect(index, &r);
    CPoint p = r.CenterPoint();
    sheet.ClientToScreen(&p);
    return p;
}

}  // namespace

TEST(CTabSheetTest, SixteenPagesAtMost) {
    CTabSheet sheet;
    CDialog pages[17];
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(sheet.AddPage(L"p", &pages[i], kPageId));
    EXPECT_FALSE(sheet.AddPage(L"p", &pages[16], kPageId));
    EXPECT_EQ(sheet.GetPageCount(), 16);
}

TEST(CTabSheetTest, PagesFollowTheTabsAndSelectPage) {
    InitCommonControls();
    CUiDriver ui;
    CSheetDlg dlg;
    ui.OnModal(kSheetId, [&](CDialog&) {
        CTabSheet& sheet = dlg.sheet;
        EXPECT_TRUE(dlg.input.IsWindowVisible());
        EXPECT_FALSE(dlg.result.IsWindowVisible());
        CRect item, page;
        sheet.GetItemRect(0, &item);
        dlg.input.GetWindowRect(&page);
        sheet.ScreenToClient(&page);
        EXPECT_EQ(page.top, item.bottom + 1);
        EXPECT_EQ(page.left, item.left);

        EXPECT_EQ(sheet.SetActivePage(-1), -1);
        EXPECT_EQ(sheet.SetActivePage(2), -1);
        sheet.SelectPage(0);
        EXPECT_EQ(sheet.GetCurrentPage(), 0);

        sheet.SelectPage(1);
        EXPECT_EQ(sheet.GetCurrentPage(), 1);
        EXPECT_EQ(sheet.GetCurSel(), 1);
        EXPECT_TRUE(dlg.result.IsWindowVisible());
        EXPECT_FALSE(dlg.input.IsWindowVisible());
        EXPECT_TRUE(dlg.result.IsChild(CWnd::GetFocus()) || CWnd::GetFocus() == &dlg.result);

        // Taps on the tabs: the visible page's tab changes nothing, the other one switches.
        ui.Tap(TabCentre(sheet, 1));
        EXPECT_EQ(sheet.GetCurrentPage(), 1);
        EXPECT_TRUE(dlg.result.IsWindowVisible());
        ui.Advance(1000);
        ui.Tap(TabCentre(sheet, 0));
        EXPECT_EQ(sheet.GetCurrentPage(), 0);
        EXPECT_TRUE(dlg.input.IsWindowVisible());
        EXPECT_FALSE(dlg.result.IsWindowVisible());
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// With the tabs focused, Left and Right move the selection and its page comes with it; Tab goes
// from the tabs into the page shown and back.
TEST(CTabSheetTest, ArrowKeysSwitchPagesAndTabReachesThePageShown) {
    InitCommonControls();
    CUiDriver ui;
    CSheetDlg dlg;
    ui.OnModal(kSheetId, [&](CDialog&) {
        CTabSheet& sheet = dlg.sheet;
        CWnd* inputEdit = dlg.input.GetDlgItem(kPageEdit);
        CWnd* resultEdit = dlg.result.GetDlgItem(kPageEdit);
        struct Step {
            const char* what;
            UINT key;
            int page;
            CWnd* focus;
        };
        const Step steps[] = {
            {"right", VK_RIGHT, 1, &sheet},
            {"right on the last tab", VK_RIGHT, 1, &sheet},
            {"tab into the page", VK_TAB, 1, resultEdit},
            {"tab back to the tabs", VK_TAB, 1, &sheet},
            {"left", VK_LEFT, 0, &sheet},
            {"tab into the first page", VK_TAB, 0, inputEdit},
        };
        sheet.SetFocus();
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            ui.PressKey(step.key);
            EXPECT_EQ(sheet.GetCurSel(), step.page);
            EXPECT_EQ(sheet.GetCurrentPage(), step.page);
            EXPECT_EQ(dlg.result.IsWindowVisible() != FALSE, step.page == 1);
            EXPECT_EQ(CWnd::GetFocus(), step.focus);
        }
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}
