// The receiver's bytes through the frame to the listening windows.
#include "foundation/CIniFile.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

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
        ChangeSystemRecord(FrameProbe::Job(frame), [board](LastFilesRecord& r) { r.nGPSOEMType = board; });
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
    // A base looks its antenna up in a table this device root does not have: one box says so.
    ui_.ExpectMessageBox(kAntennaTableUnread);
    Feed(sim::VersionReply("QZ8120382345678", "OEM-T", "BASE", 3) + "\r\n\r\n");
    EXPECT_EQ(ui_.MessageBoxes().size(), 1u);
    for (const HeardFix& h : listener.heard) EXPECT_EQ(h.kind, 0);
    EXPECT_EQ(FrameProbe::Receiver(frame).State().ident.text[0], L"QZ8120382345678");
    // What the reply told is applied: the board is saved in the system file, the base flag follows.
    EXPECT_EQ(FrameProbe::Job(frame).SystemRecord().nGPSOEMType, kBoardOemT);
    EXPECT_NE(ReadHostFile("Program Files/qzsys.sys").find("nGPSOEMType=5"), std::string::npos);
    EXPECT_EQ(FrameProbe::Receiver(frame).BaseFlag(), 1);
    // Once the serial number is known (and the module chain the reply started is over), a reply only
    // tells the data link and the radio channel.
    ReceiverLinkProbe::Modules(FrameProbe::Receiver(frame)).SetMode(ModuleMode::kIdle);
    Feed(sim::VersionReply("QZ8120382345678", "OEM-T", "BASE", 7) + "\r\n");
    EXPECT_EQ(FrameProbe::Job(frame).Settings().dataLink.radioChannel, 7);
    EXPECT_EQ(FrameProbe::Job(frame).Settings().dataLink.nModuleType, 0);
}

// A version reply that cannot be read leaves the receiver unknown, and the solution field says so
// instead of going on reading it.
TEST_F(FrameTest, UnreadableVersionReplyIsTold) {
    const std::string good = sim::VersionReply("QZ8120382345678", "OEM-V", "ROVER", 3);
    const struct {
        const char* name;
        std::string line;
    } cases[] = {
        {"a wrong check",
         good.substr(0, good.size() - 2) + (good.substr(good.size() - 2) == "00" ? "01" : "00")},
        {"an antenna height of 20 m",
         sim::NmeaSentence("GPXXX,QZ8120382345678,V2.10,B3,QZANT-A,OEM-V,GPRS,RADIO,0,"
                           "ROVER,ZH-EN,3,0,120,200000,END")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        listener.heard.clear();
        Feed(c.line + "\r\n");
        std::vector<CString> texts;
        for (const HeardFix& h : listener.heard)
            if (h.kind == 0) texts.push_back(h.solution);
        EXPECT_EQ(texts, (std::vector<CString>{L"读取串号...", L"获取GPS主机相关信息失败"}));
        EXPECT_TRUE(FrameProbe::Receiver(frame).State().ident.text[0].IsEmpty());
    }
}

// A known receiver repeats its version reply: only a reply that tells a new data link or channel
// writes the job file (a repeated one meets an unwritable job file without a word), and a failed
// write leaves the settings as they were for the next reply to try again.
TEST_F(FrameTest, RepeatedVersionRepliesWriteTheJobFileOnlyWhenTheyTellSomethingNew) {
    const struct {
        const char* name;
        int channel;
        const char* link;
        const wchar_t* jobFile;
        bool failed;
        DataLinkKind kind;  // what memory and the job file then say
        int channelAfter;
    } cases[] = {
        {"a new channel", 7, "RADIO", L"\\job\\j.qzs", false, kLinkRadio, 7},
        {"the same reply", 7, "RADIO", L"\\gone\\j.qzs", false, kLinkRadio, 7},
        {"a new link the file cannot take", 4, "GPRS", L"\\gone\\j.qzs", true, kLinkRadio, 7},
        {"the same reply once the file can take it", 4, "GPRS", L"\\job\\j.qzs", false, kLinkNetwork, 4},
    };
    ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).ident.text[0] = L"QZ8120382345678";
    JobSession& job = FrameProbe::Job(frame);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        job.UseJobPaths(c.jobFile, L"j.xyh");
        if (c.failed) ui_.ExpectMessageBox(L"创建qzs文件错误,请检查错误!");
        Feed(sim::VersionReply("QZ8120382345678", "OEM-T", "ROVER", c.channel, c.link) + "\r\n");
        EXPECT_EQ(job.Settings().dataLink.nModuleType, c.kind);
        EXPECT_EQ(job.Settings().dataLink.radioChannel, c.channelAfter);
        EXPECT_NE(ReadHostFile("job/j.qzs").find("nModuleType=" + std::to_string(c.kind) + "\r\n"),
                  std::string::npos);
    }
}

// While the link is detected, what the module read is the job's data link once the job file took
// it; a failed write says no success, leaves the link unconfigured and sends the module what a
// good one does.
TEST_F(FrameTest, LinkDetectionSaysItsSuccessOnlyOnceTheJobFileTookWhatItRead) {
    const std::string radioReply = {'\x55', '\xAB', '\x03', '\x24', '\x05', '\x2C'};
    const struct {
        const char* name;
        bool network;
        const wchar_t* jobFile;
        bool written;
        const wchar_t* success;
    } cases[] = {
        // The link stays configured once it was: the failed writes come first.
        {"radio, job file unwritable", false, L"\\gone\\j.qzs", false, L"读取通道成功"},
        {"network, job file unwritable", true, L"\\gone\\j.qzs", false, L"读取GPRS配置成功"},
        {"radio", false, L"\\job\\j.qzs", true, L"读取通道成功"},
        {"network", true, L"\\job\\j.qzs", true, L"读取GPRS配置成功"},
    };
    JobSession& job = FrameProbe::Job(frame);
    ReceiverLink& receiver = FrameProbe::Receiver(frame);
    CModuleCommandQueue& modules = ReceiverLinkProbe::Modules(receiver);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GeneralSettingsBlock start = job.Settings();
        start.dataLink = DataLinkSettings{};
        job.UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
        ASSERT_TRUE(job.StoreSettings(start));
        job.UseJobPaths(c.jobFile, L"j.xyh");
        listener.heard.clear();
        modules.CancelCommands();
        modules.SetMode(ModuleMode::kLinkDetect);
        c.network ? modules.QueueReadGprs(true) : modules.QueueReadRadio(true);
        if (!c.written) ui_.ExpectMessageBox(L"创建qzs文件错误,请检查错误!");
        Feed(c.network ? "TOVAK,ALL,0,42,0,555,MODEGSM,MODETOVAK,1.2.3.4,6060,,me:pw,,\r\n" : radioReply);

        const DataLinkSettings& link = job.Settings().dataLink;
        EXPECT_EQ(link.nModuleType, c.written && c.network ? kLinkNetwork : kLinkRadio);
        EXPECT_EQ(link.radioChannel, c.written && !c.network ? 5 : 0);
        EXPECT_EQ(link.net.server, c.written && c.network ? L"1.2.3.4" : L"");
        EXPECT_EQ(receiver.ModuleConfigured(), c.written ? 1 : 0);
        std::vector<CString> texts;
        for (const HeardFix& h : listener.heard) texts.push_back(h.solution);
        EXPECT_EQ(texts, c.written ? std::vector<CString>{c.success} : std::vector<CString>{});
        EXPECT_EQ(modules.current.name, L"CLOSERADIO");
    }
}
