#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {
COLORREF ScreenAt(CPoint p) { return CDesktop::Get().Screen().colorAt(p.x, p.y); }

void Fill(CWnd& wnd, COLORREF color) {
    CClientDC dc(&wnd);
    CRect r;
    wnd.GetClientRect(&r);
    dc.FillSolidRect(&r, color);
}
}  // namespace

// Drawing reaches only what of a window shows: not its children, not windows above it, not
// beyond its parent's client area.
TEST(Paint, WindowContextsDrawOnlyWhereTheWindowShows) {
    CUiDriver ui;
    CTestDlg back;
    ASSERT_TRUE(back.Create(kTestDialogId));
    back.ShowWindow(SW_MAXIMIZE);
    CTestDlg front;
    ASSERT_TRUE(front.Create(kTestDialogId));
    front.MoveWindow(0, 0, 120, 160);
    front.ShowWindow(SW_SHOW);
    ui.Pump();

    Fill(back, RGB(1, 2, 3));
    CRect edit;
    back.GetDlgItem(kHeightEdit)->GetWindowRect(&edit);
    EXPECT_EQ(ScreenAt(CPoint(238, 318)), RGB(1, 2, 3));
    EXPECT_NE(ScreenAt(CPoint(60, 60)), RGB(1, 2, 3));  // under the front dialog
    EXPECT_NE(ScreenAt(edit.CenterPoint()), RGB(1, 2, 3));  // a child of the back dialog

    // A child moved partly outside its parent draws only inside the parent's client area.
    CWnd* child = front.GetDlgItem(kNameEdit);
    child->MoveWindow(100, 40, 100, 20);
    ui.Pump();
    Fill(*child, RGB(9, 9, 9));
    CRect frontRect;
    front.GetWindowRect(&frontRect);
    EXPECT_EQ(ScreenAt(CPoint(frontRect.left + 110, frontRect.top + kCaptionHeight + 50)), RGB(9, 9, 9));
    EXPECT_NE(ScreenAt(CPoint(frontRect.right + 10, frontRect.top + kCaptionHeight + 50)), RGB(9, 9, 9));

    // Hiding the front dialog repaints what was under it.
    front.ShowWindow(SW_HIDE);
    Fill(back, RGB(1, 2, 3));
    EXPECT_EQ(ScreenAt(CPoint(60, 60)), RGB(1, 2, 3));
    back.GetDlgItem(kNameEdit)->ShowWindow(SW_HIDE);
    ui.Pump();
    front.DestroyWindow();
    back.DestroyWindow();
}

TEST(Paint, OnlyInvalidWindowsPaintAndHiddenOnesNever) {
    class CCountingDlg : public CTestDlg {
    public:
        int paints = 0;
        void OnPaint() override {
            ++paints;
            CTestDlg::OnPaint();
        }
    };
    CUiDriver ui;
    CCountingDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));  // it shows itself maximised
    EXPECT_EQ(dlg.paints, 0);  // painting waits for the loop
    ui.Pump();
    EXPECT_EQ(dlg.paints, 1);
    ui.Pump();
    EXPECT_EQ(dlg.paints, 1);
    CRect part(0, 0, 10, 10);
    dlg.InvalidateRect(&part);
    dlg.InvalidateRect(&part);
    ui.Pump();
    EXPECT_EQ(dlg.paints, 2);
    dlg.ShowWindow(SW_HIDE);
    dlg.Invalidate();
    ui.Pump();
    EXPECT_EQ(dlg.paints, 2);
    dlg.ShowWindow(SW_SHOW);
    ui.Pump();
    EXPECT_EQ(dlg.paints, 3);
    dlg.DestroyWindow();
}
