// The network modem's dialog in the running frame against the simulator's modem receiver (a model
// whose version reply names a network module and GPRS): each button switches the receiver's port
// through to the modem ("C2") and runs its steps, which the modem answers. What went onto the wire
// is compared as data: the port switches and the modem's lines, in order.
#include "platform/ui/CommonControls.h"
#include "receiver/ModemSteps.h"
#include "receiver/screens/CGprsModuleDlg.h"
#include "tests/receiver/SimulatorLink.h"
#include "tests/shell/SimulatorFrameTest.h"

namespace {

sim::SimOptions ModemReceiver() {
    sim::SimOptions options;
    sim::PlayModemReceiver(options);
    return options;
}

// The port switches ("C<payload>" of command 53) and the modem's lines in the bytes the frame wrote.
std::vector<std::string> ModemWire(const std::string& bytes) {
    std::vector<std::string> items;
    for (size_t at = 0; at < bytes.size();) {
        const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[at + i]); };
        if (bytes.size() - at >= 6 && byte(0) == '$' && byte(2) == static_cast<uint8_t>(~byte(1))) {
            const size_t size = 6 + (byte(3) | (byte(4) << 8));
            if (byte(1) == 53 && size == 7) items.push_back("C" + std::to_string(byte(5)));
            at += size;
            continue;
        }
        const size_t end = std::min(bytes.size(), bytes.find('\n', at) + 1);
        std::string line = bytes.substr(at, end - at);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (line.rfind("TOVAK,", 0) == 0) items.push_back(line);
        at = end;
    }
    return items;
}

class ModemDialogRunTest : public SimulatorFrameTest {
protected:
    ModemDialogRunTest() : SimulatorFrameTest(ModemReceiver()) {}
    void SetUp() override {
        SimulatorFrameTest::SetUp();
        InitCommonControls();  // the dialog's combo boxes
    }

    // Lets the simulator answer and the frame take its answers until `done` holds.
    bool PumpUntil(const std::function<bool()>& done) { return ::PumpUntil(simulator, done); }
    // Until the button's steps have run out (the buttons come back).
    void Run(CDialog& d, UINT button) {
        ui_.Click(d, button);
        ASSERT_TRUE(PumpUntil([&] { return d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled(); }));
    }
    CString Status(CDialog& d) { return ui_.GetText(d, gprsmodule::kStatus); }
};

}  // namespace

TEST_F(ModemDialogRunTest, EachButtonReachesTheModemThroughThePortSwitch) {
    frame.ShowWindow(SW_SHOW);
    ASSERT_TRUE(FrameProbe::Services(frame).ConnectReceiver(0, 0, 0, 57600));
    ReceiverLink& receiver = FrameProbe::Receiver(frame);
    ASSERT_TRUE(PumpUntil([&] {
        return receiver.Identity().receiverKind == 2 && receiver.ModuleState() == ModuleMode::kIdle &&
               receiver.ModuleConfigured() == 1;
    }));
    ASSERT_EQ(FrameProbe::Job(frame).Settings().dataLink.nModuleType, kLinkNetwork);
    ui_.Advance(mainframe::kTickMs);  // the menu item follows the link on the next tick
    Written();

    ui_.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        Run(d, gprsmodule::kRead);
        EXPECT_EQ(Status(d), L"读取所有参数完毕!");
        EXPECT_EQ(ui_.GetText(d, gprsmodule::kAddress), L"127.0.0.1");
        EXPECT_EQ(ui_.GetText(d, gprsmodule::kWorkMode), L"VRS_NTRIP");

        ui_.ExpectMessageBox(L"确定执行\"列表\"操作吗?", IDYES);
        ui_.Click(d, gprsmodule::kList);
        ASSERT_TRUE(PumpUntil([&] { return Status(d) == L"读取域名列表完毕!"; }));
        EXPECT_EQ(ui_.GetText(d, gprsmodule::kMountPoint), L"RTCM32/Hangzhou/RTCM 3.2");

        ui_.SetText(d, gprsmodule::kAddress, L"10.0.0.7");
        ui_.SetText(d, gprsmodule::kUser, L"ann");
        ui_.SetText(d, gprsmodule::kPassword, L"pw");
        Run(d, gprsmodule::kSet);
        EXPECT_EQ(Status(d), L"设置所有参数完毕!");
        Run(d, gprsmodule::kConnect);
        EXPECT_EQ(Status(d), L"连接成功!");
        Run(d, gprsmodule::kDisconnect);
        EXPECT_EQ(Status(d), L"断开连接成功!");
        ui_.Click(d, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"6网络连接"}));
    EXPECT_EQ(ModemWire(Written()), (std::vector<std::string>{
                                        "C2",
                                        "C2",
                                        "TOVAK,READALL",  // 读取
                                        "C2",
                                        "C2",
                                        "TOVAK,IPSET,,,",
                                        "TOVAK,CLOSE",     // 列表
                                        "TOVAK,RESET,ON",  //
                                        "C2",
                                        "C2",
                                        "TOVAK,CLOSE",
                                        "TOVAK,MODEGPRS",  // 设置
                                        "TOVAK,IPSET,10.0.0.7,2101,RTCM32",
                                        "TOVAK,MODENTRIP",  //
                                        "TOVAK,USER,ann:pw",
                                        "TOVAK,SAVECONFIG,",  //
                                        "C2",
                                        "C2",
                                        "TOVAK,CLOSE",
                                        "TOVAK,OPEN",  // 连接
                                        "C2",
                                        "C2",
                                        "TOVAK,CLOSE",  // 断开
                                        "C0",           // OK
                                    }));
    const NetModuleSettings& kept = FrameProbe::Job(frame).Settings().dataLink.net;
    EXPECT_EQ(kept.server, L"10.0.0.7");
    EXPECT_EQ(kept.domain, L"RTCM32");
    EXPECT_EQ(kept.user, L"ann");
}
