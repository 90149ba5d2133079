// The hardware keys answer on the main view from start-up on, without a tap first: after the splash,
// a message box, a menu's dialog, the central-meridian warning and the coordinate view; and on a
// stake-out screen as soon as it opens.
#include <memory>

#include "platform/serial/SerialPortMap.h"
#include "resources/AboutDlg.h"
#include "resources/CoordViewDlg.h"
#include "resources/StakeoutDlg.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/CQuorinApp.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/ReceiverLinkProbe.h"
#include "tests/shell/ShellTestSupport.h"

namespace {
// Key A (and Left, which is A too) stores; without a fix the store says so.
constexpr const wchar_t* kNoData = L"当前没有接收到数据,不能存储数据";
}  // namespace

class KeysAnswerTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSerialDevicePath(3, (root_ / "no-receiver").string());
        app_ = std::make_unique<CQuorinApp>();
        ASSERT_TRUE(app_->InitInstance());
        ui_.Pump();
        ui_.Advance(CSplashWnd::kShowMs);
        ASSERT_EQ(CSplashWnd::Current(), nullptr);
    }
    void TearDown() override {
        // The exit writes the system and job files back while the root is still there.
        app_.reset();
        SetSerialDevicePath(3, "");
        ShellTest::TearDown();
    }
    CMainFrame& Frame() { return *app_->MainFrame(); }
    // The key stores (its box is shown) without any tap before it.
    void ExpectKeyStores(UINT key, const char* after) {
        const size_t before = ui_.MessageBoxes().size();
        ui_.ExpectMessageBox(kNoData);
        ui_.PressKey(key);
        EXPECT_EQ(ui_.MessageBoxes().size(), before + 1) << "after " << after;
    }

    std::unique_ptr<CQuorinApp> app_;
};

TEST_F(KeysAnswerTest, KeyAStoresAfterEveryWindowThatTookTheKeys) {
    ExpectKeyStores('A', "start-up");
    ExpectKeyStores(VK_LEFT, "a message box");

    ui_.OnModal(about::IDD, [&](CDialog& d) { ui_.Click(d, IDOK); });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(Frame()), {L"关于H", L"4软件信息"}));
    ExpectKeyStores('A', "a menu's dialog");

    // A receiver far from the job's central meridian raises the warning; Escape closes it.
    CGpsState& state = ReceiverLinkProbe::State(FrameProbe::Receiver(Frame()));
    state.longitude = FrameProbe::Job(Frame()).CoordParams().projection.szdCenter + 8.0;
    state.solutionCode = 10;
    ui_.Advance(mainframe::kTickMs);
    ASSERT_TRUE(FrameProbe::Watch(Frame()).Warning(WarningKind::kMeridian).IsOpen());
    ui_.PressKey(VK_ESCAPE);
    ASSERT_FALSE(FrameProbe::Watch(Frame()).Warning(WarningKind::kMeridian).IsOpen());
    ExpectKeyStores('A', "the meridian warning");
    state.longitude = 0.0;

    // B twice opens the coordinate view.
    bool viewed = false;
    ui_.OnModal(coordview::IDD, [&](CDialog& d) {
        viewed = true;
        ui_.Click(d, IDCANCEL);
    });
    ui_.PressKey('B');
    ui_.PressKey('B');
    EXPECT_TRUE(viewed);
    ExpectKeyStores('A', "the coordinate view");
}

TEST_F(KeysAnswerTest, AStakeOutScreenTakesTheKeysWhenItOpens) {
    bool viewed = false;
    ui_.OnModal(pointstake::IDD, [&](CDialog& screen) {
        CWnd* focus = CWnd::GetFocus();
        EXPECT_TRUE(focus == &screen || screen.IsChild(focus));
        ui_.OnModal(coordview::IDD, [&](CDialog& d) {
            viewed = true;
            ui_.Click(d, IDCANCEL);
        });
        ui_.PressKey('B');
        ui_.PressKey('B');
        ui_.Click(screen, pointstake::kClose);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(Frame()), {L"测量E", L"2点放样"}));
    EXPECT_TRUE(viewed);
    ExpectKeyStores('A', "the stake-out screen");
}
