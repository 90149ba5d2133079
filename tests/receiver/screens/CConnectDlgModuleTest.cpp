#include <fstream>

#include "platform/text/CodePage.h"
#include "receiver/screens/CConnectDlg.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {
using namespace connectdlg;

// A module that does what the test tells it, and remembers what the dialog asked of it.
class FakeModule : public IBluetoothModule {
public:
    void Attach(HWND, IBluetoothEvents& events) override { this->events = &events; }
    bool StartScan() override {
        ++scans;
        if (!adapter) {
            events->ShowStatus(L"没有检测到内置蓝牙!");
            events->ScanIdle();
            return true;
        }
        inquiring = true;
        events->InquiryStarted();
        return true;
    }
    void Cancel() override { inquiring = false; }
    bool SetAddress(const CString& address) override {
        addresses.push_back(address);
        return true;
    }
    bool Inquiring() const override { return inquiring; }
    bool SettingAddress() const override { return !addresses.empty(); }
    void AbandonInquiry() override { inquiring = false; }
    void OnTick() override {}
    void OnNotify(WPARAM, LPARAM) override {}
    void HandOver() override {}
    void Quit() override {}
    void Detach() override {}

    bool adapter = true;
    bool inquiring = false;
    int scans = 0;
    std::vector<CString> addresses;
    IBluetoothEvents* events = nullptr;
};

class ConnectDialogModule : public ReceiverScreenTest {
protected:
    std::string ListFile() {
        std::ifstream in(root_ / "SystemCF" / "BluetoothList", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int ListCount(CDialog& d) { return static_cast<int>(d.SendDlgItemMessage(kDevices, LB_GETCOUNT)); }
};

}  // namespace

TEST_F(ConnectDialogModule, NoAdapterEndsTheScan) {
    auto owned = std::make_unique<FakeModule>();
    FakeModule& module = *owned;
    module.adapter = false;
    CConnectDlg dlg(frame, std::move(owned));
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.Click(d, kScan);
        EXPECT_EQ(ui.GetText(d, kStatus), L"没有检测到内置蓝牙!");
        EXPECT_TRUE(d.GetDlgItem(kScan)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(kStop)->IsWindowEnabled());
        EXPECT_EQ(ListCount(d), 0);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(module.scans, 1);
}

TEST_F(ConnectDialogModule, FoundDevicesAreListedKeptAndPicked) {
    auto owned = std::make_unique<FakeModule>();
    FakeModule& module = *owned;
    CConnectDlg dlg(frame, std::move(owned));
    dlg.nMethod = 2;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.Click(d, kScan);
        EXPECT_TRUE(d.GetDlgItem(kStop)->IsWindowEnabled());
        module.events->DeviceFound({L"00:16:A4:00:00:01", L"基站"});
        module.events->DeviceFound({L"00:16:A4:00:00:02", L"QZ-Rover"});
        module.inquiring = false;
        module.events->InquiryEnded();
        EXPECT_EQ(ListCount(d), 2);
        EXPECT_TRUE(d.GetDlgItem(kScan)->IsWindowEnabled());
        EXPECT_EQ(ListFile(), ToGbk(L"基站,00:16:A4:00:00:01\r\nQZ-Rover,00:16:A4:00:00:02\r\n"));
        ui.ChooseItem(d, kDevices, 1);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        module.events->AddressSet();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(module.addresses, (std::vector<CString>{L"00:16:A4:00:00:02"}));
}
