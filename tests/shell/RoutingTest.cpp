// The receiver's bytes through the frame to the listening windows.
#include "foundation/CIniFile.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

namespace {
std::string Stream() {
    const sim::Epoch e = FrameTest::Epoch();
    return sim::BestPosLog(e) + sim::GgaSentence(e) + sim::GsaSentence(e) + "\r\n" + sim::BestPosLog(e);
}
}  // namespace

TEST_F(FrameTest, ChunksSplitAnywhereGiveTheSameMessages) {
    const std::string stream = Stream();
    Feed(stream);
    const std::vector<LPARAM> whole = listener.Kinds();
    EXPECT_EQ(whole, (std::vector<LPARAM>{4, 1, 4}));
    for (size_t piece : {1u, 2u, 7u, 64u, 255u}) {
        listener.heard.clear();
        for (size_t at = 0; at < stream.size(); at += piece) Feed(stream.substr(at, piece));
        EXPECT_EQ(listener.Kinds(), whole) << "pieces of " << piece;
    }
}

TEST_F(FrameTest, BrokenPiecesAreDroppedAndTheLinesAfterThemStillArrive) {
    const std::string fix = sim::BestPosLog(Epoch());
    struct Case {
        const char* name;
        std::string before;
    } cases[] = {
        {"a piece without CR", "$GPGGA,garbage-without-cr\n"},
        {"an empty piece", "\n"},
        {"more than 1000 bytes without a line end", std::string(1200, 'x')},
        {"an empty line", "\r\n"},
    };
    for (const Case& c : cases) {
        listener.heard.clear();
        Feed(c.before);
        Feed(fix);
        EXPECT_EQ(listener.Kinds(), std::vector<LPARAM>{4}) << c.name;
    }
}

TEST_F(FrameTest, BoardTypeDecidesWhichLinesGivePositions) {
    const sim::Epoch e = Epoch();
    for (int board : {0, 1, 2, 5}) {
        FrameProbe::Job(frame).system.nGPSOEMType = board;
        listener.heard.clear();
        Feed(sim::BestPosLog(e) + sim::GgaSentence(e));
        EXPECT_EQ(listener.Kinds(), board == 1 ? std::vector<LPARAM>{4} : (std::vector<LPARAM>{4, 1}))
            << "board " << board;
    }
}

TEST_F(FrameTest, ForwardedFixIsValidForTheListenerAndClearedAfter) {
    Feed(sim::BestPosLog(Epoch()));
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].fixFlag, 1);
    EXPECT_EQ(listener.heard[0].solution, L"固定解");
    EXPECT_GT(listener.heard[0].gridX, 3000000.0);
    EXPECT_EQ(FrameProbe::Receiver(frame).State().fixFlag, 0);
    EXPECT_EQ(FrameProbe::Receiver(frame).HasData(), 1);
    EXPECT_EQ(FrameProbe::Receiver(frame).SilentTicks(), 0);

    listener.heard.clear();
    Feed(sim::BestPosLog(Epoch(sim::FixKind::kNone)));
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].solution, L"无效解");
    EXPECT_EQ(listener.heard[0].gridX, 0.0);
    EXPECT_EQ(FrameProbe::Receiver(frame).State().gridY, 0.0);
    EXPECT_EQ(FrameProbe::Receiver(frame).State().gridH, 0.0);
}

TEST_F(FrameTest, StoreAndVerificationWindowsHearOnlyWhileRegistered) {
    CListenerWindow store, verify;
    const std::string fix = sim::BestPosLog(Epoch());
    Feed(fix);
    FrameProbe::Listeners(frame).ListenForStores(store.hwnd);
    FrameProbe::Listeners(frame).SetAuxNotifyWnd(verify.hwnd);
    Feed(fix);
    FrameProbe::Listeners(frame).StopListeningForStores(store.hwnd);
    Feed(fix);
    ASSERT_EQ(store.heard.size(), 1u);
    EXPECT_EQ(store.heard[0].message, WM_GPS_POSITION_STORE);
    EXPECT_EQ(store.heard[0].kind, 0);
    ASSERT_EQ(verify.heard.size(), 2u);
    EXPECT_EQ(verify.heard[1].message, WM_GPS_POSITION_VERIFY);
    EXPECT_EQ(listener.Kinds().size(), 3u);
}

TEST_F(FrameTest, VersionReplyAndEmptyLinesGiveNoPosition) {
    // A base looks its antenna up in a table this device root does not have.
    ui_.ExpectMessageBox(kAntennaTableUnread);
    ui_.ExpectMessageBox(L"创建天线类型文件失败!");
    Feed(sim::VersionReply("QZ8120382345678", "OEM-T", "BASE", 3) + "\r\n\r\n");
    for (const HeardFix& h : listener.heard) EXPECT_EQ(h.kind, 0);
    EXPECT_EQ(FrameProbe::Receiver(frame).State().ident.text[0], L"QZ8120382345678");
    // What the reply told is applied: the board is saved in the system file, the base flag follows.
    EXPECT_EQ(FrameProbe::Job(frame).system.nGPSOEMType, kBoardOemT);
    EXPECT_NE(ReadHostFile("Program Files/qzsys.sys").find("nGPSOEMType=5"), std::string::npos);
    EXPECT_EQ(FrameProbe::Receiver(frame).BaseFlag(), 1);
    // Once the serial number is known (and the module chain the reply started is over), a reply only
    // tells the data link and the radio channel.
    ReceiverLinkProbe::Modules(FrameProbe::Receiver(frame)).SetMode(ModuleMode::kIdle);
    Feed(sim::VersionReply("QZ8120382345678", "OEM-T", "BASE", 7) + "\r\n");
    EXPECT_EQ(FrameProbe::Job(frame).settings.dataLink.radioChannel, 7);
    EXPECT_EQ(FrameProbe::Job(frame).settings.dataLink.nModuleType, 0);
}
