#include "receiver/screens/CGprsModuleDlg.h"

#include "receiver/ModemSteps.h"
#include "receiver/screens/DataLinkCommands.h"
#include "tests/platform/ui/LabelsFit.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

class GprsModuleDlgTest : public ReceiverScreenTest {
protected:
    void SetUp() override {
        ReceiverScreenTest::SetUp();
        frame.receiverModel = 2;
        frame.settings.dataLink.nModuleType = 1;
        frame.state.ident.text[0] = L"QZ8120382345678";
    }
    // Until a button's steps have run out (the buttons come back).
    void AwaitSteps(CDialog& d) {
        ASSERT_TRUE(PumpUntil(simulator, [&] { return d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled(); }));
    }
    // The modem lines the simulator received since the last call.
    std::vector<std::string> ModemLines() {
        simulator.ServiceInput();
        std::vector<std::string> fresh;
        const auto& lines = simulator.ReceivedLines();
        for (; seenLines_ < lines.size(); ++seenLines_)
            if (lines[seenLines_].rfind("TOVAK,", 0) == 0) fresh.push_back(lines[seenLines_]);
        return fresh;
    }

private:
    size_t seenLines_ = 0;
};

TEST_F(GprsModuleDlgTest, SetGprsVrsAndOkHandsTheConfirmedSettingsBack) {
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, gprsmodule::kPort), L"");
        ui.ChooseItem(d, gprsmodule::kConnection, modem::kGprs);
        ui.ChooseItem(d, gprsmodule::kWorkMode, modem::kVrs);
        ui.SetText(d, gprsmodule::kAddress, L"10.0.0.7");
        ui.SetText(d, gprsmodule::kPort, L"2101");
        ui.SetText(d, gprsmodule::kMountPoint, L"VRS32/Hz/RTCM 3.2");
        ui.SetText(d, gprsmodule::kUser, L"ann");
        ui.Click(d, gprsmodule::kSet);
        AwaitSteps(d);
        EXPECT_EQ(ui.GetText(d, gprsmodule::kStatus), L"设置所有参数完毕!");
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    const NetModuleSettings& net = frame.settings.dataLink.net;
    EXPECT_EQ(net.connectionType, modem::kGprs);
    EXPECT_EQ(net.workMode, modem::kVrs);
    EXPECT_EQ(net.server, L"10.0.0.7");
    EXPECT_EQ(net.domain, L"VRS32");
    EXPECT_TRUE(net.user.IsEmpty());  // never confirmed
}

TEST_F(GprsModuleDlgTest, ReadFillsTheControlsAndTheListFetchesMountPoints) {
    frame.settings.dataLink.net.server = L"kept.example";
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, gprsmodule::kAddress), L"kept.example");
        EXPECT_FALSE(d.GetDlgItem(gprsmodule::kList)->IsWindowEnabled());  // work mode 0
        ui.Click(d, gprsmodule::kRead);
        AwaitSteps(d);
        EXPECT_EQ(ui.GetText(d, gprsmodule::kStatus), L"读取所有参数完毕!");
        EXPECT_EQ(ui.GetText(d, gprsmodule::kAddress), L"127.0.0.1");
        EXPECT_EQ(ui.GetText(d, gprsmodule::kUser), L"user");
        EXPECT_EQ(ui.GetText(d, gprsmodule::kPassword), L"secret");
        EXPECT_EQ(ui.GetText(d, gprsmodule::kWorkMode), L"VRS_NTRIP");
        EXPECT_TRUE(d.GetDlgItem(gprsmodule::kList)->IsWindowEnabled());
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("modem-read")));

        ui.ExpectMessageBox(L"确定执行\"列表\"操作吗?", IDYES);
        ui.Click(d, gprsmodule::kList);
        ASSERT_TRUE(
            PumpUntil(simulator, [&] { return ui.GetText(d, gprsmodule::kStatus) == L"读取域名列表完毕!"; }));
        EXPECT_EQ(ui.GetText(d, gprsmodule::kMountPoint), L"RTCM32/Hangzhou/RTCM 3.2");
        EXPECT_EQ(d.SendDlgItemMessage(gprsmodule::kMountPoint, CB_GETCOUNT), 2);
        const NetModuleSettings& kept = static_cast<CGprsModuleDlg&>(d).Kept();
        EXPECT_EQ(kept.server, L"127.0.0.1");  // what the read confirmed, not the list's empty fields
        EXPECT_FALSE(kept.port.IsEmpty());
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("modem-list")));
        d.SendMessage(WM_CLOSE);  // the close box
    });
    RunRadioSettingsCommand(frame, nullptr);
    EXPECT_EQ(ModemLines(),
              (std::vector<std::string>{"TOVAK,READALL", "TOVAK,IPSET,,,", "TOVAK,CLOSE", "TOVAK,RESET,ON"}));
    EXPECT_EQ(frame.settings.dataLink.net.server, L"kept.example");  // cancelled: nothing handed back
}

TEST_F(GprsModuleDlgTest, RefusedFieldsSendNothing) {
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        ui.ChooseItem(d, gprsmodule::kConnection, modem::kGprs);
        ui.SetText(d, gprsmodule::kAddress, L"10.0.0.7");
        ui.SetText(d, gprsmodule::kUser, L"ann:x");
        ui.ExpectMessageBox(kModemFieldRefusal);
        ui.Click(d, gprsmodule::kSet);
        ui.SetText(d, gprsmodule::kUser, L"ann");
        ui.SetText(d, gprsmodule::kAddress, L"");
        ui.ExpectMessageBox(L"请输入服务器IP地址!");
        ui.Click(d, gprsmodule::kSet);
        EXPECT_TRUE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled());
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    EXPECT_TRUE(ModemLines().empty());
}

TEST_F(GprsModuleDlgTest, UnansweredStepIsRepeatedEveryTwoSecondsAndTimesOutOnTheTwelfthTick) {
    simulator.StayQuiet("TOVAK,CLOSE");
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        ui.Click(d, gprsmodule::kDisconnect);
        EXPECT_EQ(ui.GetText(d, gprsmodule::kStatus), L"断开连接...");
        ui.Advance(11000);
        EXPECT_FALSE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled());
        ui.Advance(1000);
        EXPECT_EQ(ui.GetText(d, gprsmodule::kStatus), L"断开连接超时!");
        EXPECT_TRUE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled());
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    ASSERT_TRUE(PumpUntil(simulator, [&] { return simulator.ReceivedLines().size() >= 6; }));
    EXPECT_EQ(ModemLines(), std::vector<std::string>(6, "TOVAK,CLOSE"));
}

// A step the modem never answers is named when its run ends, never reported done; the run goes on
// with the next step, and the kept settings keep only what the modem confirmed.
TEST_F(GprsModuleDlgTest, StepsNeverAnsweredAreNamedAtTheEndOfTheRun) {
    const auto status = [&](CDialog& d) { return ui.GetText(d, gprsmodule::kStatus); };
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        simulator.StayQuiet("TOVAK,READALL");
        ui.Click(d, gprsmodule::kRead);
        ui.Advance(12000);
        EXPECT_EQ(status(d), L"读取所有参数超时!");
        EXPECT_EQ(ui.GetText(d, gprsmodule::kAddress), L"");

        simulator.StayQuiet("TOVAK,IPSET");
        ui.ChooseItem(d, gprsmodule::kConnection, modem::kGprs);
        ui.ChooseItem(d, gprsmodule::kWorkMode, modem::kVrs);
        ui.SetText(d, gprsmodule::kAddress, L"10.0.0.7");
        ui.Click(d, gprsmodule::kSet);
        ASSERT_TRUE(PumpUntil(simulator, [&] { return status(d) == L"设置IP,端口和域..."; }));
        ui.Advance(12000);
        AwaitSteps(d);
        EXPECT_EQ(status(d), L"设置IP,端口和域超时!");
        const NetModuleSettings& kept = static_cast<CGprsModuleDlg&>(d).Kept();
        EXPECT_EQ(kept.workMode, modem::kVrs);  // confirmed after the step given up
        EXPECT_TRUE(kept.server.IsEmpty());

        // Two steps given up in one run are both named.
        simulator.StayQuiet("TOVAK,RESET");
        ui.ExpectMessageBox(L"确定执行\"列表\"操作吗?", IDYES);
        ui.Click(d, gprsmodule::kList);
        ui.Advance(12000);
        ASSERT_TRUE(PumpUntil(simulator, [&] { return status(d) == L"模块重启..."; }));
        ui.Advance(12000);
        EXPECT_EQ(status(d), L"设置IP,端口和域超时!模块重启超时!");
        EXPECT_TRUE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled());
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    EXPECT_EQ(ModemLines(), (std::vector<std::string>{"TOVAK,READALL",
                                                      "TOVAK,READALL",
                                                      "TOVAK,READALL",
                                                      "TOVAK,READALL",
                                                      "TOVAK,READALL",
                                                      "TOVAK,READALL",
                                                      "TOVAK,CLOSE",
                                                      "TOVAK,MODEGPRS",
                                                      "TOVAK,IPSET,10.0.0.7,,",
                                                      "TOVAK,IPSET,10.0.0.7,,",
                                                      "TOVAK,IPSET,10.0.0.7,,",
                                                      "TOVAK,IPSET,10.0.0.7,,",
                                                      "TOVAK,IPSET,10.0.0.7,,",
                                                      "TOVAK,IPSET,10.0.0.7,,",
                                                      "TOVAK,MODEVRS",
                                                      "TOVAK,SAVECONFIG,",
                                                      "TOVAK,IPSET,,,",
                                                      "TOVAK,IPSET,,,",
                                                      "TOVAK,IPSET,,,",
                                                      "TOVAK,IPSET,,,",
                                                      "TOVAK,IPSET,,,",
                                                      "TOVAK,IPSET,,,",
                                                      "TOVAK,CLOSE",
                                                      "TOVAK,RESET,ON",
                                                      "TOVAK,RESET,ON",
                                                      "TOVAK,RESET,ON",
                                                      "TOVAK,RESET,ON",
                                                      "TOVAK,RESET,ON",
                                                      "TOVAK,RESET,ON"}));
}

TEST_F(GprsModuleDlgTest, GsmConnectWaitsForConnect) {
    frame.settings.dataLink.net.connectionType = modem::kGsm;
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        ui.SetText(d, gprsmodule::kBasePhone, L"13900000000");
        ui.Click(d, gprsmodule::kSet);
        AwaitSteps(d);
        ui.Click(d, gprsmodule::kConnect);
        AwaitSteps(d);
        EXPECT_EQ(ui.GetText(d, gprsmodule::kStatus), L"连接成功!");
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    const std::vector<std::string> lines = ModemLines();
    EXPECT_EQ(lines[2], "TOVAK,SETGSM,,13900000000");
    EXPECT_EQ(lines.back(), "TOVAK,OPEN");
    EXPECT_EQ(frame.settings.dataLink.net.basePhone, L"13900000000");
}

TEST_F(GprsModuleDlgTest, PortThatWillNotOpenIsReported) {
    frame.port.Close();
    frame.connectPortNumber = 9;
    ConnectionSettings& c = frame.settings.connection;
    c.nComMode = 1;
    c.nInputCom = 9;
    c.nComBaud = 115200;
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(L"打开串口失败，不能读取配置!");
        ui.Click(d, gprsmodule::kRead);
        EXPECT_TRUE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled());
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    ASSERT_EQ(frame.connectRequests.size(), 1u);
    EXPECT_EQ(frame.connectRequests[0].typedPort, 9);
    EXPECT_EQ(frame.connectRequests[0].choice, 1);
    EXPECT_TRUE(simulator.ReceivedFrames().empty());
}

// A modem that answers nothing: every step of 设置 is given up, and the status that names them at
// the end stays within its two lines above the buttons.
TEST_F(GprsModuleDlgTest, ASilentModemsStepsAreNamedWithinTheStatusLine) {
    simulator.StayQuiet("TOVAK,");
    ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        ui.ChooseItem(d, gprsmodule::kConnection, modem::kGprs);
        ui.SetText(d, gprsmodule::kAddress, L"10.0.0.7");
        ui.SetText(d, gprsmodule::kUser, L"ann");
        ui.Click(d, gprsmodule::kSet);
        for (int step = 0; step < 7; ++step) {
            EXPECT_FALSE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled()) << step;
            ui.Advance(12000);
        }
        EXPECT_TRUE(d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled());
        const CString status = ui.GetText(d, gprsmodule::kStatus);
        EXPECT_EQ(status, L"全部7步超时,模块无应答!");
        CWnd* line = d.GetDlgItem(gprsmodule::kStatus);
        CRect client;
        line->GetClientRect(&client);
        const CSize laidOut = StaticTextSize(*line, status, d.GetFont());
        EXPECT_LE(laidOut.cx, client.Width());
        EXPECT_LE(laidOut.cy, client.Height());
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("modem-silent")));
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
}
