// A screen run modally over the frame, as the stake-out screens are: a box opened on the frame
// while the screen runs belongs to the screen, stays above it and gives the keys back to it; the
// frame behind never hears a key; a modeless warning never takes the keys of a modal dialog; a tap
// that opens a window never acts in it.
#include <gtest/gtest.h>

#include <functional>

#include "TestDialogs.h"
#include "platform/messages/MessageBox.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBoxDialog.h"
#include "platform/ui/Static.h"

namespace {
constexpr UINT kFormId = 942;
constexpr UINT kScreenId = 943;
constexpr int kPlot = 5001;

const DialogControlTemplate kFormControls[] = {{L"STATIC", kPlot, 0, 0, 120, 80, L"", SS_NOTIFY}};
const DialogTemplate kForm{kFormId, 120, 110, L"", WS_CHILD | WS_VISIBLE, kFormControls, 0, 20};
const DialogTemplateRegistration kRegisterForm(kForm);
const DialogControlTemplate kScreenControls[] = {{L"STATIC", kPlot, 0, 0, 135, 120, L"", SS_NOTIFY}};
const DialogTemplate kScreen{kScreenId, 135, 166, L"", WS_POPUP, kScreenControls};
const DialogTemplateRegistration kRegisterScreen(kScreen);

const wchar_t* const kNoData = L"当前没有接收到数据,不能存储数据";

// Counts the keys 2 and A that reach it, on itself or on a control; key A calls `onA`.
template <class Base>
class CKeyCounter : public Base {
public:
    using Base::Base;
    int keys2 = 0;
    int keysA = 0;
    std::function<void()> onA;

protected:
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == '2') return ++keys2, TRUE;
        if (msg->message != WM_KEYDOWN || msg->wParam != 'A') return Base::PreTranslateMessage(msg);
        ++keysA;
        if (onA) onA();
        return TRUE;
    }
};

class CForm : public CKeyCounter<CDialog> {
public:
    CForm() : CKeyCounter(kFormId) {}
};

// The frame, a window that is no dialog, with a form as its view; its store path tells on the frame.
class CFrame : public CWnd {
public:
    CFrame() {
        CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 240, 320), nullptr, 0);
        form.Create(kFormId, this);
        form.onA = [this] { TellNoData(); };
        ShowWindow(SW_SHOW);
    }
    void TellNoData() { ::MessageBox(m_hWnd, kNoData, L"提示", MB_OK); }
    CForm form;
};

// A full-screen screen whose key A stores through the frame's store path.
class CScreen : public CKeyCounter<CDialog> {
public:
    explicit CScreen(CFrame& frame) : CKeyCounter(kScreenId, &frame) {
        onA = [&frame] { frame.TellNoData(); };
    }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ShowWindow(SW_MAXIMIZE);
        return TRUE;
    }
};

// Escape leaves the screen; a screen that stays is ended, so that a failure cannot hang the test.
void Leave(CUiDriver& ui, CDialog& screen) {
    ui.PressKey(VK_ESCAPE);
    EXPECT_TRUE(screen.HasEnded()) << "Escape did not leave the screen";
    if (!screen.HasEnded()) screen.EndDialog(IDOK);
}

CPoint PlotPoint(CWnd& screen) {
    CRect plot;
    screen.GetDlgItem(kPlot)->GetWindowRect(&plot);
    return plot.CenterPoint();
}
}  // namespace

TEST(ModalOwnership, AfterTheBoxOfItsStoreTheScreenKeepsTheKeysAndEscapeLeavesIt) {
    const struct {
        const char* name;
        std::function<void(CUiDriver&, CDialog& box)> answer;
    } cases[] = {
        {"Escape", [](CUiDriver& ui, CDialog&) { ui.PressKey(VK_ESCAPE); }},
        {"Return", [](CUiDriver& ui, CDialog&) { ui.PressKey(VK_RETURN); }},
        {"a tap on 确定", [](CUiDriver& ui, CDialog& box) { ui.Click(box, IDOK); }},
    };
    for (const auto& c : cases) {
        CUiDriver ui;
        CFrame frame;
        CScreen screen(frame);
        ui.OnModal(kScreenId, [&](CDialog&) {
            ui.OnModal(kMessageBoxTemplateId, [&](CDialog& box) {
                EXPECT_EQ(box.GetOwner(), &screen) << c.name;
                EXPECT_FALSE(screen.IsWindowEnabled()) << c.name;
                c.answer(ui, box);
                EXPECT_TRUE(box.HasEnded()) << c.name;
                if (!box.HasEnded()) box.EndDialog(IDOK);
            });
            ui.PressKey('A');
            EXPECT_EQ(CWnd::GetActiveWindow(), &screen) << c.name;
            ui.PressKey('2');
            ui.PressKey('2');
            Leave(ui, screen);
        });
        EXPECT_EQ(screen.DoModal(), IDCANCEL) << c.name;
        EXPECT_EQ(screen.keys2, 2) << c.name;
        EXPECT_EQ(screen.keysA, 1) << c.name;
        EXPECT_EQ(frame.form.keysA, 0) << c.name;
        EXPECT_EQ(ui.MessageBoxTexts(), std::vector<CString>{kNoData}) << c.name;
        // The frame has the keys again.
        ui.AnswerMessageBox(IDOK);
        ui.PressKey('A');
        EXPECT_EQ(frame.form.keysA, 1) << c.name;
    }
}

TEST(ModalOwnership, ATapOnTheScreenLeavesItsBoxOnTopWithTheKeys) {
    CUiDriver ui;
    CFrame frame;
    CScreen screen(frame);
    ui.OnModal(kScreenId, [&](CDialog&) {
        ui.OnModal(kMessageBoxTemplateId, [&](CDialog& box) {
            ui.Tap(PlotPoint(screen));
            screen.BringWindowToTop();
            frame.BringWindowToTop();
            const std::vector<HWND>& order = CDesktop::Get().TopLevels();
            EXPECT_EQ(order.back(), box.m_hWnd);
            EXPECT_EQ(order[order.size() - 2], screen.m_hWnd);
            EXPECT_EQ(CWnd::GetActiveWindow(), &box);
            ui.PressKey(VK_ESCAPE);
            EXPECT_TRUE(box.HasEnded());
            if (!box.HasEnded()) box.EndDialog(IDOK);
        });
        ui.PressKey('A');
        Leave(ui, screen);
    });
    EXPECT_EQ(screen.DoModal(), IDCANCEL);
    EXPECT_EQ(ui.MessageBoxes().size(), 1u);
}

TEST(ModalOwnership, KeysAlreadySentToTheFrameReachNothingWhileTheScreenRuns) {
    CUiDriver ui;
    CFrame frame;
    CScreen screen(frame);
    ui.OnModal(kScreenId, [&](CDialog&) {
        frame.form.PostMessage(WM_KEYDOWN, 'A', 1);
        frame.form.SetFocus();
        ui.PressKey('2');
        Leave(ui, screen);
    });
    screen.DoModal();
    EXPECT_EQ(frame.form.keysA, 0);
    EXPECT_EQ(screen.keys2, 1);
}

TEST(ModalOwnership, AModelessWarningNeverTakesTheKeysOfAModalDialog) {
    CUiDriver ui;
    CFrame frame;
    CTestDlg before;  // open when the dialog comes
    before.Create(kTestDialogId);
    before.ShowWindow(SW_SHOW);
    CTestDlg during;  // comes up while the dialog runs
    CScreen screen(frame);
    ui.OnModal(kScreenId, [&](CDialog&) {
        before.SetFocus();  // the supervision tick raises its open warning so
        during.Create(kTestDialogId);
        during.ShowWindow(SW_SHOW);
        EXPECT_EQ(CWnd::GetActiveWindow(), &screen);
        EXPECT_EQ(CDesktop::Get().TopLevels().back(), screen.m_hWnd);
        ui.PressKey('2');
        Leave(ui, screen);
    });
    EXPECT_EQ(screen.DoModal(), IDCANCEL);
    EXPECT_EQ(screen.keys2, 1);
    EXPECT_TRUE(before.IsWindowVisible() && during.IsWindowVisible());
    // Once the dialog is gone the warnings take the keys again.
    during.SetFocus();
    EXPECT_EQ(CWnd::GetActiveWindow(), &during);
    EXPECT_EQ(CDesktop::Get().TopLevels().back(), during.m_hWnd);
}

namespace {
// A screen that opens the test dialog when the pen goes down on it or is lifted.
class COpener : public CWnd {
public:
    explicit COpener(bool onLift) : onLift_(onLift) {
        CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 240, 320), nullptr, 0);
    }
    void OnLButtonDown(UINT, CPoint) override {
        if (!onLift_) dialog.DoModal();
    }
    void OnLButtonUp(UINT, CPoint) override {
        if (onLift_) dialog.DoModal();
    }
    CTestDlg dialog;

private:
    bool onLift_;
};
}  // namespace

TEST(ModalOwnership, ATapThatOpensAWindowNeverActsInIt) {
    // Where the test dialog's 开始 lies once maximised: every tap goes there.
    CPoint start;
    {
        CTestDlg probe;
        probe.Create(kTestDialogId);
        CRect rect;
        probe.GetDlgItem(kStartButton)->GetWindowRect(&rect);
        start = rect.CenterPoint();
    }
    const struct {
        const char* name;
        bool onLift;
        int taps;
    } cases[] = {
        {"the lift of a tap that opened the dialog with its pen going down", false, 1},
        {"the second of two quick taps, the first opening the dialog", true, 2},
    };
    for (const auto& c : cases) {
        CUiDriver ui;
        COpener opener(c.onLift);
        ui.OnModal(kTestDialogId, [&](CDialog& d) {
            ui.Pump();
            EXPECT_EQ(static_cast<CTestDlg&>(d).starts, 0) << c.name;
            d.EndDialog(IDCANCEL);
        });
        for (int i = 0; i < c.taps; ++i)
            for (const auto kind : {InputEvent::Kind::kMouseDown, InputEvent::Kind::kMouseUp})
                CDesktop::Get().QueueInput({kind, start.x, start.y});
        ui.Pump();
    }
}
