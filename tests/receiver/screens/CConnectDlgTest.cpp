#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/ui/ProgressCtrl.h"
#include "receiver/screens/CConnectDlg.h"
#include "receiver/screens/InstrumentCommands.h"
#include "tests/receiver/screens/BluetoothModuleTest.h"

namespace {
using namespace connectdlg;

class ConnectDialog : public BluetoothModuleTest {
protected:
    std::string ListFile() {
        std::ifstream in(root_ / "SystemCF" / "BluetoothList", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void WriteListFile(const std::string& bytes) {
        std::filesystem::create_directories(root_ / "SystemCF");
        std::ofstream(root_ / "SystemCF" / "BluetoothList", std::ios::binary) << bytes;
    }
    // One tick of the dialog's timer; what the module makes of it is awaited by the caller.
    void Tick() {
        ui.Advance(CConnectDlg::kTimerMs);
        ui.Pump();
    }
    bool SentTimes(const std::string& command, size_t times) {
        return Settle([&] { return Sent(command) == times; });
    }
    size_t Sent(const std::string& command) {
        const auto& all = bt.Commands();
        return static_cast<size_t>(std::count(all.begin(), all.end(), command));
    }
    int Progress(CDialog& d) { return static_cast<CProgressCtrl*>(d.GetDlgItem(kProgress))->GetPos(); }
    int ListCount(CDialog& d) { return static_cast<int>(d.SendDlgItemMessage(kDevices, LB_GETCOUNT)); }
};

}  // namespace

TEST_F(ConnectDialog, ScanListPickConnectAndReceive) {
    bt.devices = {{"0016A4000001", ToGbk(L"基站,一号")}, {"0016A4000002", "QZ-Rover"}};
    WriteListFile("old,000000000000\r\n");
    CConnectDlg dlg(frame);
    dlg.nMethod = 0;
    ui.OnModal(IDD, [&](CDialog& d) {
        EXPECT_EQ(ListCount(d), 1);
        EXPECT_FALSE(d.GetDlgItem(kScan)->IsWindowEnabled());
        ui.ChooseItem(d, kMethod, 2);
        EXPECT_TRUE(d.GetDlgItem(kScan)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(kBaud)->IsWindowEnabled());
        ui.Click(d, kScan);
        EXPECT_TRUE(d.GetDlgItem(kStop)->IsWindowEnabled());
        ASSERT_TRUE(Settle([&] { return ui.GetText(d, kStatus) == L"搜索蓝牙成功!"; }));
        EXPECT_EQ(ListCount(d), 2);
        EXPECT_FALSE(d.GetDlgItem(kStop)->IsWindowEnabled());
        EXPECT_EQ(ListFile(), ToGbk(L"基站 一号,0016A4000001\r\nQZ-Rover,0016A4000002\r\n"));
        ui.Screenshot(QZ_BINARY_DIR "/receiver-connect-scan.png");
        ui.ChooseItem(d, kDevices, 1);
        ui.Click(d, IDOK);
        ASSERT_TRUE(Settle([&] { return d.HasEnded(); }));
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(bt.Commands().back(), "AT+RADDR=0016A4000002");
    EXPECT_EQ(lineChanges, (std::vector<DWORD>{CLRRTS, CLRDTR}));
    EXPECT_EQ(frame.port.GetPortNumber(), 2);
    EXPECT_EQ(dlg.nMethod, 2);
    // Linked: the module's terminal now carries the receiver, and its positions reach the frame.
    module.Advance(1000);
    EXPECT_TRUE(Settle([&] { return router->BytesTaken() > 0; }));
    // The next opening lists the receivers of the last scan.
    EXPECT_EQ(LoadBluetoothList(kBluetoothListPath).size(), 2u);
}

TEST_F(ConnectDialog, UnansweredMasterRoleIsRepeatedThenTheInquiryStillRuns) {
    bt.silent = {"AT+ROLE=1"};
    CConnectDlg dlg(frame);
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.Click(d, kScan);
        ASSERT_TRUE(SentTimes("AT+ROLE=1", 1));
        for (size_t tick = 1; tick <= 6; ++tick) {
            Tick();
            ASSERT_TRUE(SentTimes("AT+ROLE=1", 1 + tick));
        }
        EXPECT_EQ(Sent("AT+INQ"), 0u);
        Tick();
        EXPECT_EQ(Sent("AT+ROLE=1"), 7u);
        ASSERT_TRUE(Settle([&] { return ui.GetText(d, kStatus) == L"搜索蓝牙成功!"; }));
        EXPECT_EQ(Sent("AT+INQ"), 1u);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(lineChanges, (std::vector<DWORD>{CLRRTS, SETRTS}));
}

TEST_F(ConnectDialog, AnInquiryThatNeverEndsStopsAtEightyPoints) {
    bt.inquiryEnds = false;
    CConnectDlg dlg(frame);
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.Click(d, kScan);
        ASSERT_TRUE(Settle([&] { return ListCount(d) == 1; }));
        EXPECT_EQ(Progress(d), 22);
        for (int tick = 1; tick <= 29; ++tick) Tick();
        EXPECT_EQ(Progress(d), 80);
        EXPECT_TRUE(frame.port.IsOpen());
        Tick();
        EXPECT_EQ(ui.GetText(d, kStatus), L"搜索蓝牙超时!");
        EXPECT_FALSE(frame.port.IsOpen());
        EXPECT_TRUE(d.GetDlgItem(kScan)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(kStop)->IsWindowEnabled());
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ConnectDialog, AnUnansweredAddressIsReportedAndTheDialogStaysOpen) {
    bt.silent = {"AT+RADDR"};
    WriteListFile("QZ-Rover,0016A4000001\r\n");
    CConnectDlg dlg(frame);
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.ChooseItem(d, kDevices, 0);
        ui.Click(d, IDOK);
        ASSERT_TRUE(SentTimes("AT+RADDR=0016A4000001", 1));
        for (int tick = 1; tick <= 8; ++tick) Tick();
        ASSERT_TRUE(SentTimes("AT+RADDR=0016A4000001", 9));
        EXPECT_TRUE(frame.port.IsOpen());
        Tick();
        EXPECT_EQ(ui.GetText(d, kStatus), L"设置连接蓝牙地址超时");
        EXPECT_FALSE(frame.port.IsOpen());
        EXPECT_FALSE(d.HasEnded());
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ConnectDialog, ChoicesAndRefusals) {
    struct Case {
        int choice;
        int method;
        const wchar_t* port;
        int baudIndex;           // -1 leaves the list
        int row;                 // -1 chooses none
        const wchar_t* refusal;  // nullptr: closes with IDOK
        int baudOut;
    };
    WriteListFile("QZ-Rover,0016A4000001\r\n");
    const Case cases[] = {
        {1, 0, L"6", -1, -1, L"1,4,6为系统保留端口，请选择其他端口!", 0},
        {0, 0, L"4", -1, -1, L"1,4,6为系统保留端口，请选择其他端口!", 0},
        {0, 2, L"7", -1, -1, L"请选择需要连接的主机！", 0},
        {1, 0, L"8", 5, -1, nullptr, 9600},
        {0, 1, L"7", 5, -1, nullptr, 9600},
        {0, 0, L"7", 5, -1, nullptr, 115200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.choice << c.method << CString(c.port));
        CConnectDlg dlg(frame);
        dlg.nBaudRate = 9600;
        dlg.nMethod = c.method;
        dlg.nChoice = c.choice;
        ui.OnModal(IDD, [&](CDialog& d) {
            EXPECT_EQ(d.GetDlgItem(connectdlg::kPort)->IsWindowEnabled(), c.choice == 1);
            EXPECT_EQ(d.GetDlgItem(kBaud)->IsWindowEnabled(), c.choice == 0 && c.method == 0);
            ui.SetText(d, connectdlg::kPort, c.port);
            if (c.baudIndex >= 0) ui.ChooseItem(d, kBaud, c.baudIndex);
            if (c.refusal) ui.ExpectMessageBox(c.refusal);
            ui.Click(d, IDOK);
            if (!d.HasEnded()) ui.Click(d, IDCANCEL);
        });
        const INT_PTR result = dlg.DoModal();
        EXPECT_EQ(result, c.refusal ? IDCANCEL : IDOK);
        if (!c.refusal) {
            EXPECT_EQ(dlg.nBaudRate, c.baudOut);
        }
    }
    WriteListFile("");
    CConnectDlg dlg(frame);
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(L"没有搜索到主机，请选择其他方式进行连接！");
        ui.Click(d, IDOK);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ConnectDialog, DeviceListLoadsAtMostTwoHundredAndOneLines) {
    std::string bytes;
    for (int i = 0; i < 250; ++i) bytes += ToGbk(Format(L"接收机%d,00AA%08d\r\n", i, i));
    WriteListFile(bytes);
    const std::vector<BtDeviceEntry> devices = LoadBluetoothList(kBluetoothListPath);
    ASSERT_EQ(devices.size(), 201u);
    EXPECT_EQ(devices[200].name, L"接收机200");
    EXPECT_EQ(devices[200].address, L"00AA00000200");
    WriteListFile("a,1\r\nb,2\r\n\r\nc,3\r\n");
    EXPECT_EQ(LoadBluetoothList(kBluetoothListPath).size(), 2u);
}

TEST_F(ConnectDialog, TheCommandConnectsWithTheChosenValuesAndKeepsThem) {
    frame.connectPortNumber = kPort;
    frame.settings.connection.nComBaud = 9600;
    frame.settings.connection.nInputCom = 7;
    ui.OnModal(IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, kBaud), L"9600");
        ui.ChooseItem(d, kBaud, 5);
        ui.Click(d, IDOK);
    });
    RunConnectInstrument(frame);
    ASSERT_EQ(frame.connectRequests.size(), 1u);
    EXPECT_EQ(frame.connectRequests[0].baudRate, 115200);
    EXPECT_EQ(frame.settings.connection.nComBaud, 115200);
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(frame.jobFileWrites[0].connection.nComBaud, 115200);
    // Cancelled: nothing connects and nothing is kept.
    ui.OnModal(IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    RunConnectInstrument(frame);
    EXPECT_EQ(frame.connectRequests.size(), 1u);
    EXPECT_EQ(frame.jobFileWrites.size(), 1u);
}
