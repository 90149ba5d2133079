#include <gtest/gtest.h>

#include "app/ui-demo/gallery/GalleryDlg.h"
#include "platform/gdi/Png.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"

TEST(Gallery, EveryControlShowsOnOneScreenAndTheCounterCounts) {
    InitCommonControls();
    CUiDriver ui;
    std::vector<int> reported;
    CGalleryDlg dlg([&](int count) { reported.push_back(count); });
    ASSERT_TRUE(dlg.Create(CGalleryDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    ui.Pump();

    // Every control lies inside the screen, and none overlaps another one.
    const CRect screen = CDesktop::Get().ScreenRect();
    std::vector<CRect> placed;
    for (CWnd* control : dlg.GetChildren()) {
        CRect r;
        control->GetWindowRect(&r);
        EXPECT_TRUE((r & screen) == r) << control->GetDlgCtrlID();
        const bool frame =
            dynamic_cast<CButton*>(control) && (control->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX;
        if (frame) continue;
        for (const CRect& other : placed) EXPECT_TRUE((r & other).IsRectEmpty()) << control->GetDlgCtrlID();
        placed.push_back(r);
    }
    EXPECT_EQ(dlg.m_satellites.GetItemCount(), 6);
    EXPECT_EQ(dlg.m_satellites.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(dlg.m_folders.GetCount(), 5u);
    EXPECT_EQ(dlg.m_pages.GetItemCount(), 4);

    ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/gallery.png"));

    ui.Click(dlg, CGalleryDlg::IDC_ADD);
    ui.Advance(1000);
    ui.Click(dlg, CGalleryDlg::IDC_ADD);
    EXPECT_EQ(reported, (std::vector<int>{1, 2}));
    EXPECT_EQ(ui.GetText(dlg, CGalleryDlg::IDC_COUNT), L"次数: 2");
    EXPECT_EQ(dlg.m_progress.GetPos(), 60);
    dlg.DestroyWindow();
}
