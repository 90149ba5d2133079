#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Button.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {
COLORREF ScreenAt(CPoint p) {
    return CDesktop::Get().Screen().colorAt(p.x, p.y);
}

void Fill(CWnd& wnd, COLORREF color) {
    CClientDC dc(&wnd);
    CRect r;
    wnd.GetClientRect(&r);
    dc.FillSolidRect(&r, color);
}

CWnd* GroupBoxOf(CWnd& dialog) {
    for (CWnd* child : dialog.GetChildren())
        if (dynamic_cast<CButton*>(child) && (child->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX) return child;
    return nullptr;
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
    EXPECT_NE(ScreenAt(CPoint(60, 60)), RGB(1, 2, 3));      // under the front dialog
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
    EXPECT_EQ(dlg.paints, 0);                // painting waits for the loop
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

// A group box draws only its frame and caption: the dialog's button face shows inside it, whatever
// was on the screen before, and the frame survives the dialog painting again.
TEST(Paint, DialogPaintsItsBackgroundInsideGroupBoxes) {
    CUiDriver ui;
    CDC screen(CDesktop::Get().Screen());
    const CRect all = CDesktop::Get().ScreenRect();
    screen.FillSolidRect(&all, RGB(1, 2, 3));
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));
    ui.Pump();
    CWnd* group = GroupBoxOf(dlg);
    ASSERT_NE(group, nullptr);
    CRect box;
    group->GetWindowRect(&box);
    const CPoint inside(box.CenterPoint().x, box.bottom - 4);
    const CPoint leftEdge(box.left, box.bottom - 6);
    EXPECT_EQ(ScreenAt(inside), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ScreenAt(leftEdge), GetSysColor(COLOR_BTNSHADOW));

    dlg.Invalidate();
    ui.Pump();
    EXPECT_EQ(ScreenAt(leftEdge), GetSysColor(COLOR_BTNSHADOW));

    // A shorter caption leaves nothing of the longer one above the frame line.
    group->SetWindowText(L"高");
    ui.Pump();
    int marks = 0;
    for (int x = box.left + 24; x < box.left + 60; ++x)
        for (int y = box.top; y < box.top + 5; ++y)
            marks += ScreenAt(CPoint(x, y)) != GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(marks, 0);
    dlg.DestroyWindow();
}

// A window going away shows the desktop colour at once only where no window lies: what a window
// lies over reaches the display when that window paints it again, never bare.
TEST(Paint, AWindowGoingAwayShowsTheDesktopOnlyWhereNothingLies) {
    struct DesktopPixels : IDisplay {
        int shown = 0;
        void Present(const Framebuffer& screen, const CRect& dirty) override {
            for (int y = dirty.top; y < dirty.bottom; ++y)
                for (int x = dirty.left; x < dirty.right; ++x)
                    shown += screen.colorAt(x, y) == GetSysColor(COLOR_BACKGROUND);
        }
    } display;
    struct Installed {
        explicit Installed(IDisplay& d) { CDesktop::Get().SetDisplay(&d); }
        ~Installed() { CDesktop::Get().SetDisplay(nullptr); }
    };
    CUiDriver ui;
    CTestDlg back, front;
    ASSERT_TRUE(back.Create(kTestDialogId));
    back.ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(front.Create(kTestDialogId));
    front.MoveWindow(20, 30, 120, 160);
    front.ShowWindow(SW_SHOW);
    ui.Pump();
    const Installed installed(display);
    ui.Pump();
    display.shown = 0;
    front.DestroyWindow();
    EXPECT_EQ(display.shown, 0);
    ui.Pump();
    EXPECT_EQ(ScreenAt(CPoint(60, 60)), ScreenAt(CPoint(200, 300)));  // the back dialog's face
    EXPECT_EQ(display.shown, 0);

    back.ShowWindow(SW_HIDE);
    ui.Pump();
    EXPECT_EQ(display.shown, 240 * 320);
    back.DestroyWindow();
}
