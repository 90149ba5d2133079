// What the frame writes to the receiver, byte for byte, as the simulator on a pseudo-terminal receives
// it, beyond a minute of positions (SentRecordTest): switching the receiver off, the re-acquisition, the
// data link chosen in the instrument settings and the module reply chain.
#include "receiver/CSerialPort.h"
#include "receiver/ReceiverStartup.h"
#include "resources/DataLinkDlg.h"
#include "resources/InstrumentSetDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/SimulatorFrameTest.h"

class TranscriptTest : public SimulatorFrameTest {
protected:
    // The port alone, as after a connection whose replies have all been handled.
    void OpenPort() { ASSERT_TRUE(FrameProbe::Receiver(frame).Port().OpenPort(5, 57600)); }
    void Connect(int board) {
        ChangeSystemRecord(FrameProbe::Job(frame), [board](LastFilesRecord& r) { r.nGPSOEMType = board; });
        ASSERT_TRUE(FrameProbe::Services(frame).ConnectReceiver(0, 0, 0, 57600));
    }
    // Lets the reader hand the simulator's answers to the frame until `done` holds.
    bool PumpUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 500 && !done(); ++i) {
            simulator.ServiceInput();
            while (PumpPendingMessages()) {
            }
            pollfd p{simulator.InputFd(), POLLIN, 0};
            poll(&p, 1, 5);
        }
        return done();
    }
};

TEST_F(TranscriptTest, ConnectionKindsOutsideTheTableOpenNothing) {
    for (auto [port, kind] : {std::pair{3, 0}, std::pair{-1, 0}, std::pair{0, 2}, std::pair{0, -1}})
        EXPECT_FALSE(FrameProbe::Services(frame).ConnectReceiver(port, kind, 5, 9600)) << port << " " << kind;
    EXPECT_FALSE(FrameProbe::Receiver(frame).Port().IsOpen());
}

TEST_F(TranscriptTest, SwitchingTheReceiverOffSendsTheOffCommandTwiceTwice) {
    OpenPort();
    ui_.ExpectMessageBox(L"确实要关闭GPS主机吗?", IDNO);
    FrameProbe::CloseReceiver(frame);
    EXPECT_EQ(Written(), "");
    ui_.ExpectMessageBox(L"确实要关闭GPS主机吗?", IDYES);
    FrameProbe::CloseReceiver(frame);
    std::string payload;
    ASSERT_TRUE(BuildBinaryPayload(L"aT ao av aa ak aG ap as ", &payload));
    const std::string off = BuildBinaryFrame(81, payload);
    EXPECT_EQ(Written(), off + off + off + off);
}

TEST_F(TranscriptTest, ReacquisitionByBoardAndTheMaskInTheJobFile) {
    OpenPort();
    struct Case {
        int board;
        std::string sent;
    } cases[] = {
        {1, "ecutoff,89\r\n\r\necutoff,0\r\n\r\n"},
        {5, ""},  // filled below: the mask packets
        {0, ""},
    };
    std::string packet89, packet0;
    for (const CString& text : {ElevationMaskPacketText(89), ElevationMaskPacketText(0)}) {
        std::string bytes;
        for (int i = 0; i + 1 < text.GetLength(); i += 2)
            bytes += static_cast<char>(std::stoi(
                std::string{static_cast<char>(text[i]), static_cast<char>(text[i + 1])}, nullptr, 16));
        (packet89.empty() ? packet89 : packet0) = bytes;
    }
    cases[1].sent = packet89 + packet0;
    for (const Case& c : cases) {
        ChangeSystemRecord(FrameProbe::Job(frame), [&c](LastFilesRecord& r) { r.nGPSOEMType = c.board; });
        ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) { s.connection.nGAngle = 15; });
        FrameProbe::ReacquireAndSave(frame);
        EXPECT_EQ(Written(), c.sent) << "board " << c.board;
        EXPECT_NE(ReadHostFile("job/j.qzs").find("nGAngle=0\r\n"), std::string::npos);
    }
}

TEST_F(TranscriptTest, VersionReplyRunsTheModuleChainAndReadsTheChannel) {
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) { s.dataLink.radioChannel = 7; });
    Connect(3);
    Written();
    ASSERT_TRUE(PumpUntil([&] { return !FrameProbe::Receiver(frame).State().ident.text[0].IsEmpty(); }));
    ASSERT_TRUE(PumpUntil([&] {
        return FrameProbe::Receiver(frame).ModuleConfigured() == 1 &&
               FrameProbe::Receiver(frame).ModuleState() == ModuleMode::kIdle;
    }));
    EXPECT_EQ(FrameProbe::Job(frame).Settings().dataLink.radioChannel, 3);
    std::vector<CString> texts;
    for (const HeardFix& h : listener.heard)
        if (h.kind == 0) texts.push_back(h.solution);
    EXPECT_EQ(texts, (std::vector<CString>{L"读取串号...", L"搜索电台...", L"读取通道成功", L"搜索完毕"}));
    EXPECT_EQ(simulator.ReceivedFrames().size(), 7u);  // 52 x2, 53 x2, open, read, close
}

TEST_F(TranscriptTest, InstrumentSettingsFromTheMenuSendTheModuleDataLinkFourTimes) {
    frame.ShowWindow(SW_SHOW);
    OpenPort();
    ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).ident.text[0] = L"QZ8120382345678";
    ui_.OnModal(instrumentset::IDD, [&](CDialog& dlg) {
        ui_.Click(dlg, instrumentset::kDataLink);
        ui_.OnModal(datalink::IDD, [&](CDialog& link) {
            ui_.Click(link, datalink::kModule);
            ui_.Click(link, IDOK);
        });
        ui_.Click(dlg, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"5仪器设置"}));
    std::string payload;
    ASSERT_TRUE(BuildBinaryPayload(L"C4", &payload));
    const std::string module = BuildBinaryFrame(59, payload);
    EXPECT_EQ(Written(), module + module + module + module);
}
