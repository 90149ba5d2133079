#include <gtest/gtest.h>

#include <vector>

#include "platform/messages/Messages.h"
#include "platform/time/Clock.h"
#include "receiver/CModuleCommandQueue.h"
#include "receiver/ReceiverMessages.h"
#include "tests/receiver/SimulatorLink.h"

namespace {

constexpr UINT_PTR kFrameTimer = 999;

// The link's side of the queue: the two-second tick and, while the radio dialog waits, the module
// bytes, each with the job's data link.
class CQueueWindow final : public IMessageTarget {
public:
    CQueueWindow(CModuleCommandQueue& queue, const DataLinkSettings& link)
        : queue_(queue), link_(link), hwnd(RegisterMessageTarget(this)) {}
    ~CQueueWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == kFrameTimer) queue_.OnTick(link_);
        if (message == WM_SERIAL_DATA && queue_.Mode() == ModuleMode::kRadioDialog)
            queue_.OnReply(reinterpret_cast<const uint8_t*>(wParam), static_cast<uint32_t>(lParam), link_);
        return 0;
    }

private:
    CModuleCommandQueue& queue_;
    const DataLinkSettings& link_;

public:
    HWND hwnd;
};

// The radio dialog's status window and the position window.
class CReplyWindow final : public IMessageTarget {
public:
    CReplyWindow() : hwnd(RegisterMessageTarget(this)) {}
    ~CReplyWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM) override {
        if (message == WM_MODULE_REPLY) replies.push_back(*reinterpret_cast<const ModuleReply*>(wParam));
        if (message == WM_GPS_POSITION)
            statusTexts.push_back(reinterpret_cast<const CGpsState*>(wParam)->solutionText);
        return 0;
    }
    HWND hwnd;
    std::vector<ModuleReply> replies;
    std::vector<CString> statusTexts;
};

class ModuleQueue : public SimulatorLink {
protected:
    void SetUp() override {
        SimulatorLink::SetUp();
        frame.port.SetOwner(window.hwnd, WM_SERIAL_DATA);
        frame.positionWindow = replies.hwnd;
        SetTimer(window.hwnd, kFrameTimer, 2000);
    }
    void Tick() { clock.Advance(2000); }
    // Starts a module exchange the way the radio dialog does.
    void StartDialogExchange() {
        queue.CancelCommands();
        queue.SetMode(ModuleMode::kRadioDialog);
        queue.SetRadioDlg(replies.hwnd);
    }

    CVirtualClock clock;
    CModuleCommandQueue queue{frame.port, [this](const ModuleProgress& p) { frame.OnModuleProgress(p); }};
    CQueueWindow window{queue, frame.settings.dataLink};
    CReplyWindow replies;
};

const std::string kReadRadio = Bytes({0x55, 0xAA, 0x03, 0x24, 0x00, 0x00, 0x27});
const std::string kOpen = Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x01, 0xDB});
const std::string kClose = Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0xDA});

}  // namespace

TEST_F(ModuleQueue, UnansweredRequestIsRepeatedEveryTickUntilItTimesOut) {
    StartDialogExchange();
    queue.QueueReadRadio(true);
    std::string expected = kReadRadio;
    EXPECT_EQ(Written(), expected);
    for (int tick = 1; tick <= 9; ++tick) {
        Tick();
        EXPECT_EQ(Written(), kReadRadio) << "tick " << tick;
    }
    EXPECT_TRUE(replies.replies.empty());
    Tick();
    EXPECT_EQ(Written(), "");
    ASSERT_EQ(replies.replies.size(), 1u);
    EXPECT_EQ(replies.replies[0].ok, 0);
    EXPECT_EQ(replies.replies[0].text, L"读取通道超时!");
    EXPECT_EQ(queue.Mode(), ModuleMode::kIdle);
    EXPECT_EQ(queue.current.timeout, -1);
    Tick();
    EXPECT_EQ(Written(), "");
}

TEST_F(ModuleQueue, TimedOutOpenCancelsTheRestButAFailedReadStillCloses) {
    StartDialogExchange();
    queue.QueueOpenRadio(false, 0);
    queue.QueueReadRadio(false);
    queue.QueueCloseRadio(false);
    frame.port.Close();  // nobody answers
    EXPECT_EQ(queue.SendNextCommand(), 1);
    for (int tick = 0; tick < 7; ++tick) Tick();
    ASSERT_EQ(replies.replies.size(), 1u);
    EXPECT_EQ(replies.replies[0].text, L"直通通讯模块超时!");
    EXPECT_TRUE(queue.queue.empty());
    EXPECT_FALSE(queue.Busy());

    StartDialogExchange();
    queue.QueueReadRadio(false);
    queue.QueueCloseRadio(false);
    queue.SendNextCommand();
    for (int tick = 0; tick < 10; ++tick) Tick();
    EXPECT_EQ(queue.current.name, L"CLOSERADIO");
    ASSERT_EQ(replies.replies.size(), 2u);
    EXPECT_EQ(replies.replies[1].text, L"读取通道超时!");
    // The close has ten seconds: six repeats, then it ends the exchange without a message.
    for (int tick = 0; tick < 6; ++tick) Tick();
    EXPECT_EQ(queue.current.name, L"CLOSERADIO");
    Tick();
    EXPECT_FALSE(queue.Busy());
    EXPECT_EQ(replies.replies.size(), 2u);
}

TEST_F(ModuleQueue, RadioChannelIsReadThroughTheSimulatedModule) {
    StartDialogExchange();
    frame.settings.dataLink.nModuleType = 1;
    queue.QueueOpenRadio(false, 0);
    queue.QueueReadRadio(false);
    queue.QueueCloseRadio(false);
    queue.SendNextCommand();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !queue.Busy(); }));
    EXPECT_EQ(simulator.Received(), kOpen + kReadRadio + kClose);
    ASSERT_EQ(replies.replies.size(), 1u);
    EXPECT_EQ(replies.replies[0].ok, 1);
    EXPECT_EQ(replies.replies[0].value, 3);
    EXPECT_EQ(replies.replies[0].text, L"读取通道成功!");
    EXPECT_EQ(frame.settings.dataLink.nModuleType, 0);
    EXPECT_EQ(frame.settings.dataLink.radioChannel, 3);
    EXPECT_EQ(replies.statusTexts, (std::vector<CString>{L"打开电台", L"读取通道成功", L"关闭电台"}));
    EXPECT_FALSE(simulator.ModuleLinkOpen());
}

TEST_F(ModuleQueue, ChannelReplyTakesChannelsBelowNineOnly) {
    for (const uint8_t channel : {9, 8}) {
        StartDialogExchange();
        queue.QueueReadRadio(true);
        const std::vector<uint8_t> reply = {0x55, 0xAB,    0x03,
                                            0x24, channel, static_cast<uint8_t>(channel + 39)};
        queue.OnReply(reply.data(), static_cast<uint32_t>(reply.size()), frame.settings.dataLink);
    }
    // The reply for channel 9 was left unanswered; the one for 8 is taken.
    ASSERT_EQ(replies.replies.size(), 1u);
    EXPECT_EQ(replies.replies[0].value, 8);
    EXPECT_EQ(frame.settings.dataLink.radioChannel, 8);
}

// While the link is detected, a channel reply names the radio's channel only below nine as well.
TEST_F(ModuleQueue, LinkDetectionTakesChannelsBelowNineOnly) {
    struct Case {
        uint8_t channel;
        bool taken;
    } cases[] = {{8, true}, {9, false}, {10, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        queue.CancelCommands();
        queue.SetMode(ModuleMode::kLinkDetect);
        queue.QueueReadRadio(true);
        const std::vector<uint8_t> reply = {0x55, 0xAB,      0x03,
                                            0x24, c.channel, static_cast<uint8_t>(c.channel + 39)};
        const LinkDetectStep step =
            queue.OnReply(reply.data(), static_cast<uint32_t>(reply.size()), frame.settings.dataLink);
        EXPECT_EQ(step.kind, c.taken ? LinkDetectStep::kRadioChannel : LinkDetectStep::kNothing);
        EXPECT_EQ(step.channel, c.taken ? c.channel : 0);
    }
}

TEST_F(ModuleQueue, ChannelSwitchAndSearch) {
    StartDialogExchange();
    queue.QueueOpenRadio(false, 0);
    queue.QueueTurnChannel(5, false);
    queue.SendNextCommand();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !queue.Busy(); }));
    EXPECT_EQ(simulator.Received(),
              kOpen + Bytes({0x55, 0xAA, 0x06, 0x07, 0x05, 0x00, 0x00, 0x00, 0x00, 0x12}) + kClose);
    ASSERT_EQ(replies.replies.size(), 1u);
    EXPECT_EQ(replies.replies[0].value, 5);
    EXPECT_EQ(frame.settings.dataLink.radioChannel, 5);

    StartDialogExchange();
    queue.QueueOpenRadio(false, 0);
    queue.QueueAutoSearch(false);
    queue.SendNextCommand();
    ASSERT_TRUE(PumpUntil(simulator, [&] { return !queue.Busy(); }));
    ASSERT_EQ(replies.replies.size(), 2u);
    EXPECT_EQ(replies.replies[1].text, L"电台自动搜索成功!");
    EXPECT_EQ(replies.replies[1].value, 5);
}

TEST_F(ModuleQueue, BuildersAndTheQueueRules) {
    EXPECT_EQ(queue.SendNextCommand(), 0);
    EXPECT_EQ(Written(), "");
    queue.QueueReadGprs(false);
    queue.QueueStopSearch(false);
    queue.UseReceiverKind(3);
    queue.QueueOpenRadio(true, 1);
    EXPECT_TRUE(queue.queue.empty());
    EXPECT_EQ(queue.current.name, L"OPENRADIO");
    EXPECT_EQ(Written(), Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x02, 0xD8}));
    queue.CancelCommands();
    queue.QueueReadGprs(true);
    EXPECT_EQ(Written(), "TOVAK,READALL\r\n\r\n");
    // An external data link: the tick neither repeats nor times out anything.
    frame.settings.dataLink.nModuleType = 2;
    for (int tick = 0; tick < 12; ++tick) Tick();
    EXPECT_EQ(Written(), "");
    EXPECT_EQ(queue.current.name, L"READGPRS");
}

TEST_F(ModuleQueue, ReceiveBufferStaysBounded) {
    const std::vector<uint8_t> garbage(700, 'x');
    queue.SetMode(ModuleMode::kLinkDetect);
    for (int i = 0; i < 20; ++i) {
        queue.OnReply(garbage.data(), static_cast<uint32_t>(garbage.size()), frame.settings.dataLink);
        EXPECT_LE(queue.receiveBuffer.GetLength(), CModuleCommandQueue::kMaxReceiveBytes);
    }
    StartDialogExchange();
    queue.QueueAutoSearch(false);
    queue.SendNextCommand();
    for (int i = 0; i < 20; ++i) {
        queue.OnReply(garbage.data(), static_cast<uint32_t>(garbage.size()), frame.settings.dataLink);
        EXPECT_LE(queue.receiveBuffer.GetLength(), CModuleCommandQueue::kMaxReceiveBytes);
        EXPECT_LE(queue.ReplyText().GetLength(), CModuleCommandQueue::kMaxReplyTextChars);
    }
}
