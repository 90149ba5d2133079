// Stake-out in the built program, in an X11 window on a private Xvfb server with the receiver
// simulator behind its ports, keys and taps by xdotool: line and point stake-out keep their keys
// through the store dialog (left with Escape or stored with 确定) and through the prompts of keys 2
// and 8, a tap on the plot while a prompt is open leaves the prompt on top, and Escape leaves each
// screen. What is shown is read from the screenshot, the boxes from the lines the program prints.
#include <string>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

constexpr uint32_t kCaption = 0x000080;
constexpr uint32_t kButtonFace = 0xC0C0C0;

struct StakeScreen {
    const char* name;
    const char* menuKey;  // in the 测量 menu
    const char* recordFile;
};

class StakeoutEndToEnd : public ProgramInXvfb {
protected:
    void Keys(const std::string& keys) { Act("key --delay 100 " + keys); }
    // A tap on the handheld's screen: the window shows it twice as large.
    void Tap(int x, int y) {
        Act("mousemove --window " + window_ + " " + std::to_string(2 * x) + " " + std::to_string(2 * y) +
            " click 1");
    }
    bool Until(const std::function<bool()>& shown) { return PlayUntil(shown, 60000); }
    // The main map: its command bar's face across the top.
    bool MapShown() const {
        return ScreenPixel(60, 2) == kButtonFace && ScreenPixel(120, 2) == kButtonFace &&
               ScreenPixel(180, 2) == kButtonFace;
    }
    // A full-screen dialog (a library, the store dialog): its caption across the top.
    bool DialogShown() const { return ScreenPixel(200, 13) == kCaption; }
    // A stake-out screen: no command bar, no caption.
    bool ScreenShown() const { return !MapShown() && !DialogShown() && !PromptShown(); }
    // A prompt of keys 2 and 8, centred: its caption crosses the height of 40.
    bool PromptShown() const { return ScreenPixel(200, 40) == kCaption; }
    size_t Printed(const std::string& text) { return Count(ReadAll(ErrorFile()), text); }
    // Key A: the store dialog, then `answer`; 确定 may bring the job's precision question, answered Yes.
    void Store(const std::string& answer) {
        size_t boxes = Printed("quorin: [");
        Keys("a");
        ASSERT_TRUE(Until([&] { return DialogShown(); })) << "key A opened no store dialog";
        Keys(answer);
        ASSERT_TRUE(Until([&] {
            if (const size_t now = Printed("quorin: ["); now > boxes) {
                boxes = now;
                Keys("Return");
            }
            return ScreenShown();
        })) << "the store dialog did not give the screen back";
    }
    // Keys 2 and 8 open their prompt over the screen; a tap on the plot above it leaves it there.
    void Step(const std::string& key) {
        Keys(key);
        ASSERT_TRUE(Until([&] { return PromptShown(); })) << "key " << key << " opened no prompt";
        Tap(120, 8);
        const size_t sent = simulator_.Sent().size();
        ASSERT_TRUE(PlayUntil([&] { return simulator_.Sent().size() > sent + 200; }, 30000));
        ASSERT_TRUE(PromptShown()) << "a tap on the plot put the prompt of key " << key << " away";
        Keys("Escape");
        ASSERT_TRUE(Until([&] { return ScreenShown(); })) << "Escape did not close the prompt of key " << key;
    }
};

}  // namespace

TEST_F(StakeoutEndToEnd, TheScreensKeepTheirKeysThroughEveryDialogAndEscapeLeavesThem) {
    // A first start lays the default job out; its central meridian is then the walk's, so that no
    // warning takes the keyboard, and the libraries get a line and two points.
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    std::ofstream(Job("vorna.lnb"), std::ios::binary)
        << "A1,3346770.0000,499990.0000,12.5000,,A2,3346790.0000,500010.0000,12.5000,,0.0000\r\n";
    std::ofstream(Job("vorna.ptb"), std::ios::binary)
        << "0,P1,3346780.000,500005.000,12.500,,\r\n0,P2,3346760.000,499995.000,12.500,,\r\n";
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    ASSERT_TRUE(Until([&] { return MapShown(); }));

    const StakeScreen screens[] = {{"line stake-out", "3", "vorna.lnr"},
                                   {"point stake-out", "2", "vorna.ptr"}};
    for (const StakeScreen& s : screens) {
        SCOPED_TRACE(s.name);
        Tap(105, 13);  // 测量
        Keys(s.menuKey);
        ASSERT_TRUE(Until([&] { return ScreenShown(); })) << "the screen did not open";
        // The library's first row, 确定 its default button.
        Tap(120, 302);
        ASSERT_TRUE(Until([&] { return DialogShown(); })) << "the library did not open";
        Tap(60, 53);
        Keys("Return");
        ASSERT_TRUE(Until([&] { return ScreenShown(); })) << "the library did not close";
        for (const char* answer : {"Escape", "Return"}) {
            ASSERT_NO_FATAL_FAILURE(Store(answer));
            ASSERT_NO_FATAL_FAILURE(Step("2"));
            ASSERT_NO_FATAL_FAILURE(Step("8"));
            Keys("5");
        }
        ASSERT_NO_FATAL_FAILURE(Store("Escape"));
        Keys("Escape");
        ASSERT_TRUE(Until([&] { return MapShown(); })) << "Escape did not leave the screen";
        EXPECT_EQ(CutPointFileLines(FromGbk(ReadAll(Job(s.recordFile)))).size(), 1u);
    }
    EXPECT_EQ(PointLines(), 2u);
    EXPECT_EQ(Printed("当前没有接收到数据"), 0u) << ReadAll(ErrorFile());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
}
