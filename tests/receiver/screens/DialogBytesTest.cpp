// What the receiver dialogs send, one record per scenario: every byte on the receiver's port and on the
// Bluetooth module's, the modem-line changes and the virtual time the dialog waited, written out by hand.
#include <functional>

#include "receiver/ModemSteps.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/screens/CConnectDlg.h"
#include "receiver/screens/CGprsModuleDlg.h"
#include "receiver/screens/CReceiverSettingsDlgs.h"
#include "receiver/screens/DataLinkCommands.h"
#include "receiver/screens/InstrumentCommands.h"
#include "receiver/screens/ReceiverSettingsCommands.h"
#include "tests/receiver/screens/BluetoothModuleTest.h"

namespace {

struct Sent {
    std::string receiver;
    std::string module;
    std::vector<DWORD> lineChanges;
    DWORD waitedMs;
};

class DialogBytes;
struct Scenario {
    const char* name;
    std::function<void(DialogBytes&)> act;
    Sent expected;
};

class DialogBytes : public BluetoothModuleTest, public ::testing::WithParamInterface<Scenario> {
public:
    using ReceiverScreenTest::frame;
    using ReceiverScreenTest::ui;

    bool StatusIs(CDialog& d, int id, const wchar_t* text) {
        return Settle([&] { return ui.GetText(d, id) == text; });
    }
    bool ModemDone(CDialog& d) {
        return Settle([&] { return d.GetDlgItem(gprsmodule::kRead)->IsWindowEnabled(); });
    }
};

// Bytes written as hex pairs separated by blanks.
std::string Hex(const char* pairs) {
    std::string out;
    for (const char* p = pairs; *p; ++p)
        if (*p != ' ') out += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)), ++p;
    return out;
}

// Binary command 53 switching the receiver's pass-through to port 0 (none), 1 (radio) or 2 (network).
const std::string kToNone = Hex("24 35 CA 01 00 00 DA");
const std::string kToRadio = Hex("24 35 CA 01 00 01 DB");
const std::string kToNetwork = Hex("24 35 CA 01 00 02 D8");

void ScanBluetooth(DialogBytes& t, const std::function<void(CDialog&)>& then) {
    t.frame.settings.connection.nPort = 2;
    t.ui.OnModal(connectdlg::IDD, [&](CDialog& d) {
        t.ui.Click(d, connectdlg::kScan);
        then(d);
    });
    RunConnectInstrument(t.frame);
}

void RunModem(DialogBytes& t, int receiverModel, int link, const std::function<void(CDialog&)>& act) {
    t.frame.receiverModel = receiverModel;
    t.frame.settings.dataLink.nModuleType = link;
    t.ui.OnModal(CGprsModuleDlg::IDD, [&](CDialog& d) {
        act(d);
        ASSERT_TRUE(t.ModemDone(d));
        t.ui.Click(d, IDOK);
    });
    CGprsModuleDlg(t.frame, nullptr).DoModal();
}

const Scenario kScenarios[] = {
    {"BluetoothScanStopped",
     [](DialogBytes& t) {
         t.bt.inquiryEnds = false;
         ScanBluetooth(t, [&](CDialog& d) {
             ASSERT_TRUE(t.StatusIs(d, connectdlg::kStatus, L"开始搜索蓝牙..."));
             t.ui.Click(d, connectdlg::kStop);
             ASSERT_TRUE(t.Settle([&] { return t.bt.Commands().size() == 4; }));
             t.ui.Click(d, IDCANCEL);
         });
     },
     {"", "AT\r\nAT+ROLE=1\r\nAT+INQ\r\nAT+CANCEL\r\n", {CLRRTS, CLRDTR, SETRTS}, 100}},
    {"BluetoothScanThenCable",
     [](DialogBytes& t) {
         ScanBluetooth(t, [&](CDialog& d) {
             ASSERT_TRUE(t.StatusIs(d, connectdlg::kStatus, L"搜索蓝牙成功!"));
             t.ui.ChooseItem(d, connectdlg::kMethod, 0);
             t.ui.Click(d, IDOK);
         });
     },
     {"", "AT\r\nAT+ROLE=1\r\nAT+INQ\r\n", {CLRRTS, SETDTR}, 100}},
    {"ModemSetOverNetworkLink",
     [](DialogBytes& t) {
         RunModem(t, 2, kLinkNetwork, [&](CDialog& d) {
             t.ui.ChooseItem(d, gprsmodule::kConnection, modem::kGprs);
             t.ui.ChooseItem(d, gprsmodule::kWorkMode, modem::kVrs);
             t.ui.SetText(d, gprsmodule::kAddress, L"10.0.0.7");
             t.ui.SetText(d, gprsmodule::kPort, L"2101");
             t.ui.SetText(d, gprsmodule::kMountPoint, L"VRS32/Hz/RTCM 3.2");
             t.ui.SetText(d, gprsmodule::kUser, L"ann");  // VRS takes no user
             t.ui.Click(d, gprsmodule::kSet);
         });
     },
     {kToNetwork + kToNetwork + Stored("TOVAK,CLOSE") + Stored("TOVAK,MODEGPRS") +
          Stored("TOVAK,IPSET,10.0.0.7,2101,VRS32") + Stored("TOVAK,MODEVRS") + Stored("TOVAK,SAVECONFIG,") +
          kToNone,
      "",
      {},
      200}},
    {"ModemDisconnectOverRadioLink",
     [](DialogBytes& t) {
         RunModem(t, 2, kLinkRadio, [&](CDialog& d) { t.ui.Click(d, gprsmodule::kDisconnect); });
     },
     {kToRadio + kToRadio + Stored("TOVAK,CLOSE") + kToNone, "", {}, 200}},
    {"ModemReadOnARadioReceiver",
     [](DialogBytes& t) {
         RunModem(t, kReceiverKindRadio, kLinkNetwork, [&](CDialog& d) { t.ui.Click(d, gprsmodule::kRead); });
     },
     {kToRadio + kToRadio + Stored("TOVAK,READALL") + kToNone, "", {}, 200}},
    {"ElevationMaskOnBoardFive",
     [](DialogBytes& t) {
         t.frame.system.nGPSOEMType = kBoardOemT;
         t.frame.settings.connection.nGAngle = 10;
         t.ui.OnModal(CSatLimitDlg::IDD, [&](CDialog& d) { t.ui.Click(d, IDOK); });
         RunElevationMaskCommand(t.frame, nullptr);
     },
     {"ecutoff,10\r\n\r\n" + Hex("02 00 64 11 01 00 00 03 00 01 00 01 08 0A 01 63 00 00 01 00 00 F2 03"),
      "",
      {},
      500}},
};

TEST_P(DialogBytes, AsWrittenOut) {
    const DWORD start = GetTickCount();
    GetParam().act(*this);
    const Sent& expected = GetParam().expected;
    EXPECT_EQ(GetTickCount() - start, expected.waitedMs);
    ASSERT_TRUE(Settle([&] { return simulator.Received().size() >= expected.receiver.size(); }));
    EXPECT_EQ(simulator.Received(), expected.receiver);
    EXPECT_EQ(module.Received(), expected.module);
    EXPECT_EQ(lineChanges, expected.lineChanges);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogBytes, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
