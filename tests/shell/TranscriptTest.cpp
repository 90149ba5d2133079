// What the frame writes to the receiver, byte for byte, as the simulator on a pseudo-terminal receives
// it: the connection per board, switching the receiver off, the re-acquisition, the network report, the
// data link chosen in the instrument settings and the module reply chain.
#include <poll.h>

#include "platform/serial/SerialPortMap.h"
#include "receiver/CSerialPort.h"
#include "receiver/ReceiverStartup.h"
#include "resources/DataLinkDlg.h"
#include "resources/InstrumentSetDlg.h"
#include "tests/shell/FrameTestSupport.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

namespace {
std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}
const std::string kVersionQuery = Bytes({0x24, 0x34, 0xCB, 0x00, 0x00, 0xDB});
const std::string kModuleOff = Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0xDA});
const std::string kAppPacket = Bytes({0x02, 0x00, 0x64, 0x11, 0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x07,
                                      0x08, 0x29, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0xB7, 0x03});
}  // namespace

class TranscriptTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ASSERT_TRUE(simulator.Open());
        SetSerialDevicePath(5, simulator.DevicePath());
    }
    void TearDown() override {
        frame.SerialPort().Close();
        SetSerialDevicePath(5, "");
        FrameTest::TearDown();
    }
    // The port alone, as after a connection whose replies have all been handled.
    void OpenPort() { ASSERT_TRUE(frame.SerialPort().OpenPort(5, 57600)); }
    void Connect(int board) {
        frame.SystemRecord().nGPSOEMType = board;
        ASSERT_TRUE(frame.ConnectReceiver(0, 0, 0, 57600));
    }
    // Everything written since the last call.
    std::string Written() {
        for (int i = 0; i < 20; ++i) {
            pollfd p{simulator.InputFd(), POLLIN, 0};
            if (poll(&p, 1, 20) <= 0 && i > 2) break;
            simulator.ServiceInput();
        }
        const std::string all = simulator.Received();
        const std::string fresh = all.substr(seen_);
        seen_ = all.size();
        return fresh;
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

    sim::CReceiverSimulator simulator;
    size_t seen_ = 0;
};

TEST_F(TranscriptTest, ConnectingAsksTheVersionSwitchesTheModuleOffAndStartsTheBoard) {
    Connect(3);
    EXPECT_EQ(Written(), kVersionQuery + kVersionQuery + kModuleOff + kModuleOff);
    Connect(5);
    EXPECT_EQ(Written(), kVersionQuery + kVersionQuery + kModuleOff + kModuleOff + kAppPacket +
                             kVersionQuery + kVersionQuery);
    Connect(1);
    const std::string board1 = Written();
    EXPECT_EQ(
        board1.rfind(kVersionQuery + kVersionQuery + kModuleOff + kModuleOff + "dgpstimeout,60\r\n\r\n", 0),
        0u);
    EXPECT_NE(board1.find("log,bestposa,ontime,1\r\n\r\n"), std::string::npos);
}

TEST_F(TranscriptTest, ConnectionKindsOutsideTheTableOpenNothing) {
    for (auto [port, kind] : {std::pair{3, 0}, std::pair{-1, 0}, std::pair{0, 2}, std::pair{0, -1}})
        EXPECT_FALSE(frame.ConnectReceiver(port, kind, 5, 9600)) << port << " " << kind;
    EXPECT_FALSE(frame.SerialPort().IsOpen());
}

TEST_F(TranscriptTest, SwitchingTheReceiverOffSendsTheOffCommandTwiceTwice) {
    OpenPort();
    ui_.ExpectMessageBox(L"确实要关闭GPS主机吗?", IDNO);
    frame.CloseReceiver();
    EXPECT_EQ(Written(), "");
    ui_.ExpectMessageBox(L"确实要关闭GPS主机吗?", IDYES);
    frame.CloseReceiver();
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
        frame.SystemRecord().nGPSOEMType = c.board;
        frame.GeneralSettings().connection.nGAngle = 15;
        frame.ReacquireAndSave();
        EXPECT_EQ(Written(), c.sent) << "board " << c.board;
        EXPECT_NE(ReadHostFile("job/j.qzs").find("nGAngle=0\r\n"), std::string::npos);
    }
}

TEST_F(TranscriptTest, NetworkReportGoesOutOnEveryEleventhFixAtIntervalTen) {
    OpenPort();
    frame.GeneralSettings().dataLink.nModuleType = 1;
    frame.GeneralSettings().dataLink.nGSMSendTimeInterval = 10;
    frame.SystemRecord().nGPSOEMType = 1;
    frame.GpsState().ident.text[0] = L"QZ8120382345678";
    const sim::Epoch e = Epoch();
    std::string sent;
    std::vector<int> reports;
    for (int fix = 1; fix <= 22; ++fix) {
        Feed(fix == 1 ? sim::GgaSentence(e) : sim::BestPosLog(e));
        const std::string fresh = Written();
        if (fresh.find("send com2") != std::string::npos) reports.push_back(fix);
        sent += fresh;
    }
    EXPECT_EQ(reports, (std::vector<int>{11, 22}));
    // The receiver's own GGA line goes out as it came, in three commands.
    std::string gga = sim::GgaSentence(e);
    gga.resize(gga.size() - 2);
    const std::string report =
        "send com2 \"" + gga + "\r\n\"\r\n\r\nsend com2 \"" + gga + "\"\r\n\r\nsendhex com2 2 0D0A\r\n\r\n";
    EXPECT_NE(sent.find(report), std::string::npos) << sent;
}

TEST_F(TranscriptTest, VersionReplyRunsTheModuleChainAndReadsTheChannel) {
    frame.GeneralSettings().dataLink.radioChannel = 7;
    Connect(3);
    Written();
    ASSERT_TRUE(PumpUntil([&] { return !frame.GpsState().ident.text[0].IsEmpty(); }));
    ASSERT_TRUE(PumpUntil(
        [&] { return frame.Receiver().moduleConfigured == 1 && frame.Receiver().modules.modeFlag == 0; }));
    EXPECT_EQ(frame.GeneralSettings().dataLink.radioChannel, 3);
    std::vector<CString> texts;
    for (const HeardFix& h : listener.heard)
        if (h.kind == 0) texts.push_back(h.solution);
    EXPECT_EQ(texts, (std::vector<CString>{L"读取串号...", L"搜索电台...", L"读取通道成功", L"搜索完毕"}));
    EXPECT_EQ(simulator.ReceivedFrames().size(), 7u);  // 52 x2, 53 x2, open, read, close
}

TEST_F(TranscriptTest, InstrumentSettingsFromTheMenuSendTheModuleDataLinkFourTimes) {
    frame.ShowWindow(SW_SHOW);
    OpenPort();
    frame.GpsState().ident.text[0] = L"QZ8120382345678";
    ui_.OnModal(instrumentset::IDD, [&](CDialog& dlg) {
        ui_.Click(dlg, instrumentset::kDataLink);
        ui_.OnModal(datalink::IDD, [&](CDialog& link) {
            ui_.Click(link, datalink::kModule);
            ui_.Click(link, IDOK);
        });
        ui_.Click(dlg, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"设置S", L"5仪器设置"}));
    std::string payload;
    ASSERT_TRUE(BuildBinaryPayload(L"C4", &payload));
    const std::string module = BuildBinaryFrame(59, payload);
    EXPECT_EQ(Written(), module + module + module + module);
}
