#include <gtest/gtest.h>

#include "foundation/screens/CFileOpenModeDlg.h"
#include "foundation/screens/CFilterSetDlg.h"
#include "platform/testing/UiDriver.h"

TEST(FileOpenModeDlgTest, EachButtonGivesItsChoice) {
    CUiDriver ui;
    const std::pair<UINT, int> cases[] = {{openmode::kAppend, CFileOpenModeDlg::kAppend},
                                          {openmode::kOverwrite, CFileOpenModeDlg::kOverwrite}};
    for (const auto& [button, mode] : cases) {
        CFileOpenModeDlg dlg;
        ui.OnModal(CFileOpenModeDlg::IDD, [&](CDialog& d) { ui.Click(d, button); });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nResult, mode);
    }
    CFileOpenModeDlg dlg;
    dlg.m_nResult = CFileOpenModeDlg::kAppend;
    ui.OnModal(CFileOpenModeDlg::IDD, [&](CDialog&) { ui.PressKey(VK_ESCAPE); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nResult, CFileOpenModeDlg::kCancel);
}

TEST(FilterSetDlgTest, ChecksShowAndReturnTheFlags) {
    CUiDriver ui;
    CFilterSetDlg dlg;
    dlg.shown = {1, 1, 0, 1, 1};
    ui.OnModal(CFilterSetDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(filterset::kReference), 0u);
        EXPECT_EQ(d.IsDlgButtonChecked(filterset::kSideStake), 1u);
        ui.Click(d, filterset::kReference);
        ui.Click(d, filterset::kTypedIn);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.shown, (std::array<int, 5>{0, 1, 1, 1, 1}));
}
