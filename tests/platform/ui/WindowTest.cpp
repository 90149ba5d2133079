#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "TestDialogs.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Static.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr UINT WM_PLOT_PAINTED = WM_USER + 889;

// A plot control: paints its background, then tells its window.
class CPlotStatic : public CStatic {
public:
    int paints = 0;

protected:
    void OnPaint() override {
        ++paints;
        Default();
        GetParent()->SendMessage(WM_PLOT_PAINTED);
    }
};

class CPlotDlg : public CTestDlg {
public:
    CPlotDlg() { BindMessage(WM_PLOT_PAINTED, &CPlotDlg::OnPlotPainted); }
    CPlotStatic plot;
    int paints = 0;

protected:
    BOOL OnInitDialog() override {
        CTestDlg::OnInitDialog();
        plot.SubclassDlgItem(IDC_STATIC_FIRST_LABEL, this);
        return TRUE;
    }
    void OnPaint() override {
        ++paints;
        CPaintDC dc(this);
        CClientDC plotDc(&plot);
        CRect r;
        plot.GetClientRect(&r);
        plotDc.FillSolidRect(&r, RGB(255, 0, 0));
    }

private:
    LRESULT OnPlotPainted(WPARAM, LPARAM) {
        InvalidateRect(nullptr, FALSE);
        return 0;
    }
    static constexpr UINT IDC_STATIC_FIRST_LABEL = IDC_STATIC;
};
}  // namespace

TEST(Window, PaintNotifyInvalidateCycleEnds) {
    CUiDriver ui;
    CPlotDlg dlg;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ui.Pump();
        EXPECT_EQ(dlg.plot.paints, 1);
        EXPECT_EQ(dlg.paints, 2);  // its first paint, then once for the plot's notice
        // The window's drawing on the plot survives its own paint.
        CRect r;
        dlg.plot.GetWindowRect(&r);
        EXPECT_EQ(CDesktop::Get().Screen().colorAt(r.CenterPoint().x, r.CenterPoint().y), RGB(255, 0, 0));
        // Invalidating the window alone does not repaint the plot.
        d.Invalidate();
        ui.Pump();
        EXPECT_EQ(dlg.plot.paints, 1);
        EXPECT_EQ(dlg.paints, 3);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(Window, DeadHandleOfADestroyedDialogReceivesNothing) {
    CUiDriver ui;
    auto* dlg = new CTestDlg;
    ASSERT_TRUE(dlg->Create(kTestDialogId));
    const HWND hwnd = dlg->m_hWnd;
    const HWND edit = dlg->GetDlgItem(kNameEdit)->m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(hwnd), dlg);
    delete dlg;
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
    EXPECT_EQ(CWnd::FromHandle(edit), nullptr);
    EXPECT_EQ(SendMessage(hwnd, WM_COMMAND, IDOK, 0), 0);
    EXPECT_EQ(SendMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x")), 0);
    EXPECT_FALSE(PostMessage(hwnd, WM_CLOSE, 0, 0));
    ui.Pump();
}

TEST(Window, SubclassedTemplateControlKeepsItsStateAndNotifications) {
    class CCountingButton : public CButton {
    public:
        int clicks = 0;
        BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
            if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
            return FALSE;
        }
    };
    CUiDriver ui;
    CTestDlg dlg;
    CCountingButton check;
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        ASSERT_TRUE(check.SubclassDlgItem(kCheck, &d));
        EXPECT_EQ(d.GetDlgItem(kCheck), &check);
        EXPECT_EQ(check.GetCheck(), 1);  // the framework's object had it checked
        ui.Click(d, kCheck);
        EXPECT_EQ(check.GetCheck(), 0);
        EXPECT_EQ(check.clicks, 1);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_FALSE(check.m_hWnd);
}

TEST(Window, HiddenAndDisabledWindowsTakeNoTapsAndTheOwnerWaitsBehindAModalDialog) {
    CUiDriver ui;
    CTestDlg owner;
    ASSERT_TRUE(owner.Create(kTestDialogId));
    owner.ShowWindow(SW_SHOW);
    ui.ExpectMessageBox(L"开始存储吗?", IDYES);
    ui.Click(owner, kStartButton);
    EXPECT_EQ(owner.starts, 2);
    owner.GetDlgItem(kStartButton)->EnableWindow(FALSE);
    ui.Click(owner, kStartButton);
    owner.GetDlgItem(kStartButton)->EnableWindow(TRUE);
    owner.GetDlgItem(kStartButton)->ShowWindow(SW_HIDE);
    ui.Click(owner, kStartButton);
    EXPECT_EQ(owner.starts, 2);
    owner.GetDlgItem(kStartButton)->ShowWindow(SW_SHOW);

    CTestDlg modal(&owner);
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        EXPECT_FALSE(owner.IsWindowEnabled());
        d.MoveWindow(0, 0, 100, 100);
        ui.Click(owner, kStartButton);  // outside the modal dialog, on its disabled owner
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(owner.starts, 2);
    owner.DestroyWindow();
}

TEST(Window, DoubleTapOnAButtonClicksTwice) {
    CUiDriver ui;
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));
    dlg.ShowWindow(SW_SHOW);
    ui.ExpectMessageBox(L"开始存储吗?", IDNO);
    ui.ExpectMessageBox(L"开始存储吗?", IDNO);
    CRect r;
    dlg.GetDlgItem(kStartButton)->GetWindowRect(&r);
    ui.DoubleTap(r.CenterPoint());
    EXPECT_EQ(dlg.starts, 2);
}

TEST(Window, ScreenshotWritesThePaintedScreen) {
    CUiDriver ui;
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));
    dlg.ShowWindow(SW_MAXIMIZE);
    const std::string path = std::string(QZ_BINARY_DIR) + "/ui_screenshot.png";
    ASSERT_TRUE(ui.Screenshot(path));
    // The caption bar is painted in the caption colour.
    EXPECT_EQ(CDesktop::Get().Screen().colorAt(120, 2), GetSysColor(COLOR_ACTIVECAPTION));
}

// A loader thread shows and hides buttons and sets texts; the UI thread does the work.
TEST(Window, WorkerCallsRunOnTheUiThread) {
    CUiDriver ui;
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));
    dlg.ShowWindow(SW_SHOW);
    std::atomic<bool> done{false};
    CWnd* ok = dlg.GetDlgItem(IDOK);
    CWnd* cancel = dlg.GetDlgItem(IDCANCEL);
    CWnd* name = dlg.GetDlgItem(kNameEdit);
    std::thread loader([&] {
        ok->ShowWindow(SW_HIDE);
        cancel->EnableWindow(FALSE);
        name->SetWindowText(L"载入中");
        done = true;
        dlg.PostMessage(WM_NULL);
    });
    RunMessageLoop([&] { return !done; });
    loader.join();
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_FALSE(dlg.GetDlgItem(IDCANCEL)->IsWindowEnabled());
    EXPECT_EQ(ui.GetText(dlg, kNameEdit), L"载入中");
    dlg.DestroyWindow();
}

namespace {
int g_callbackTicks = 0;
void CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++g_callbackTicks;
}
}  // namespace

TEST(Window, TimerWithACallbackCallsItInsteadOfOnTimer) {
    g_callbackTicks = 0;
    CUiDriver ui;
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(kTestDialogId));
    dlg.SetTimer(7, 50, CountTick);
    ui.Advance(200);
    EXPECT_EQ(g_callbackTicks, 4);
    EXPECT_EQ(dlg.timerTicks, 0);
    dlg.SetTimer(7, 50);
    ui.Advance(100);
    EXPECT_EQ(g_callbackTicks, 4);
    EXPECT_EQ(dlg.timerTicks, 2);
    dlg.DestroyWindow();
}

TEST(Window, FocusComesBackToTheOwnersControlAfterAModalDialog) {
    CUiDriver ui;
    CTestDlg owner;
    ASSERT_TRUE(owner.Create(kTestDialogId));
    owner.GetDlgItem(kHeightEdit)->SetFocus();
    CTestDlg modal(&owner);
    ui.OnModal(kTestDialogId, [&](CDialog& d) {
        EXPECT_TRUE(d.IsChild(CWnd::GetFocus()));
        d.EndDialog(IDOK);
    });
    modal.DoModal();
    EXPECT_EQ(CWnd::GetFocus(), owner.GetDlgItem(kHeightEdit));
    EXPECT_EQ(CWnd::GetActiveWindow(), &owner);
    owner.DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
}

namespace {
BOOL FindMarkedWindow(HWND hwnd, LPARAM found) {
    if (!GetProp(hwnd, L"Quorin")) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}
}  // namespace

// The single-instance check of the start-up: a top-level window carrying the property is found.
TEST(Window, TopLevelWindowsAreFoundByTheirProperty) {
    CUiDriver ui;
    CTestDlg plain, marked;
    ASSERT_TRUE(plain.Create(kTestDialogId));
    ASSERT_TRUE(marked.Create(kTestDialogId));
    HWND found;
    EXPECT_TRUE(EnumWindows(FindMarkedWindow, reinterpret_cast<LPARAM>(&found)));
    marked.SetProp(L"Quorin", 1);
    EXPECT_FALSE(EnumWindows(FindMarkedWindow, reinterpret_cast<LPARAM>(&found)));
    EXPECT_EQ(found, marked.m_hWnd);
    EXPECT_EQ(marked.RemoveProp(L"Quorin"), 1u);
    EXPECT_EQ(marked.GetProp(L"Quorin"), 0u);
    marked.DestroyWindow();
    plain.DestroyWindow();
}

TEST(Window, MovesCarryThePenStateSoADragIsToldFromAHover) {
    class CPad : public CWnd {
    public:
        CPad() {
            CreateEx(0, nullptr, L"pad", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 320), nullptr, 0);
            BindMessage(WM_MOUSEMOVE, &CPad::OnMove);
        }
        std::vector<WPARAM> moves;

    private:
        LRESULT OnMove(WPARAM flags, LPARAM) {
            moves.push_back(flags);
            return 0;
        }
    };
    CUiDriver ui;
    CPad pad;
    ui.Drag(CPoint(10, 10), CPoint(50, 50));
    CDesktop::Get().QueueInput({InputEvent::Kind::kMouseMove, 60, 60});
    ui.Pump();
    EXPECT_EQ(pad.moves, (std::vector<WPARAM>{MK_LBUTTON, MK_LBUTTON, 0}));
}
