#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"

namespace {
constexpr UINT kPageId = 904;
constexpr int kPageEdit = 4001;
constexpr int kPageRadio = 4002;
constexpr int kPageRadio2 = 4003;

const DialogControlTemplate kPageControls[] = {
    {L"EDIT", kPageEdit, 4, 4, 60, 12, L"", WS_BORDER | WS_TABSTOP},
    {L"BUTTON", kPageRadio, 4, 20, 40, 12, L"甲", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {L"BUTTON", kPageRadio2, 50, 20, 40, 12, L"乙", BS_AUTORADIOBUTTON},
};
const DialogTemplate kPage{kPageId, 120, 40, L"", WS_CHILD | WS_VISIBLE, kPageControls, 4, 110};
const DialogTemplateRegistration kRegister(kPage);

class CSheetDlg : public CTestDlg {
public:
    CDialog page;

protected:
    BOOL OnInitDialog() override {
        CTestDlg::OnInitDialog();
        page.Create(kPageId, this);
        return TRUE;
    }
};
}  // namespace

// A tab page's controls take part in the dialog's Tab order; Enter in them presses the
// dialog's default button, and arrows move within the page's groups.
TEST(DialogPage, PageControlsJoinTheDialogsNavigation) {
    CUiDriver ui;
    CSheetDlg dlg;
    std::vector<int> order;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ui.Click(dlg.page, kPageEdit);
        ASSERT_EQ(CWnd::GetFocus(), dlg.page.GetDlgItem(kPageEdit));
        for (int i = 0; i < 3; ++i) {
            ui.PressKey(VK_TAB);
            order.push_back(CWnd::GetFocus()->GetDlgCtrlID());
        }
        ui.Click(dlg.page, kPageRadio);
        ui.PressKey(VK_RIGHT);
        EXPECT_EQ(dlg.page.IsDlgButtonChecked(kPageRadio2), 1u);
        ui.Click(dlg.page, kPageEdit);
        ui.PressKey(VK_RETURN);
        EXPECT_TRUE(d.HasEnded());
        EXPECT_TRUE(dlg.page.IsWindowVisible());
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    // After the page's last item come the dialog's items that follow the page in creation order.
    EXPECT_EQ(order, (std::vector<int>{kPageRadio, kNameEdit, kAngleEdit}));
}
