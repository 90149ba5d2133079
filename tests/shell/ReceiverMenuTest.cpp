// The receiver commands of the settings menu: 仪器设置 and 电台设置 only for a receiver of ours with a radio
// or modem of its own (known from its version reply).
#include "receiver/screens/CGprsModuleDlg.h"
#include "receiver/screens/CRadioSetDlg.h"
#include "resources/BaseManualDlg.h"
#include "resources/DataLinkDlg.h"
#include "resources/InstrumentSetDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

namespace {

class ReceiverMenuTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
    }
    void Reply(const char* serial) { Feed(sim::VersionReply(serial, "OEM-V", "ROVER", 3) + "\r\n"); }
    bool ChooseInstrumentSettings() {
        return ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"5仪器设置"});
    }
    bool ChooseRadioSettings() {
        return ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"6电台设置"});
    }
    // The caption and type of the last box shown.
    std::pair<CString, UINT> LastBox() const {
        const ShownMessageBox& box = ui_.MessageBoxes().back();
        return {box.caption, box.type};
    }
};

}  // namespace

TEST_F(ReceiverMenuTest, ReceiversWithoutTheirOwnDataLinkAreRefused) {
    const char* serials[] = {nullptr, "QZ6120382345678", "QZV120382345678"};
    for (const char* serial : serials) {
        if (serial) Reply(serial);
        const std::size_t shown = ui_.MessageBoxes().size();
        ui_.ExpectMessageBox(L"GPS主机类型不匹配!");
        ASSERT_TRUE(ChooseInstrumentSettings());
        EXPECT_EQ(LastBox(), std::make_pair(CString(L"信息提示"), UINT{MB_OK | MB_ICONINFORMATION}));
        ui_.ExpectMessageBox(L"GPS主机类型不匹配!");
        ASSERT_TRUE(ChooseRadioSettings());
        EXPECT_EQ(LastBox(), std::make_pair(CString(L"错误"), UINT{MB_OK | MB_ICONINFORMATION}));
        EXPECT_EQ(ui_.MessageBoxes().size(), shown + 2) << (serial ? serial : "no reply");
    }
}

TEST_F(ReceiverMenuTest, ReceiverKindNineWithoutDataLinkIsSetUpAsABaseOnEnteredCoordinates) {
    Reply("QZ6120382345678");
    ReceiverLinkProbe::Identity(FrameProbe::Receiver(frame)).receiverKind = 9;
    ui_.OnModal(basemanual::IDD, [&](CDialog& dlg) { ui_.Click(dlg, IDCANCEL); });
    ASSERT_TRUE(ChooseInstrumentSettings());
    EXPECT_TRUE(ui_.MessageBoxes().empty());
}

TEST_F(ReceiverMenuTest, ReceiversWithTheirOwnDataLinkOpenTheSettings) {
    Reply("QZ9120382345678");
    ui_.OnModal(instrumentset::IDD, [&](CDialog& dlg) { ui_.Click(dlg, IDCANCEL); });
    ASSERT_TRUE(ChooseInstrumentSettings());

    JobSession& job = FrameProbe::Job(frame);
    const DataLinkSettings& link = job.Settings().dataLink;
    ChangeSettings(job, [](GeneralSettingsBlock& s) {
        s.dataLink.nModuleType = 0;
        s.dataLink.radioChannel = 5;
    });
    ui_.OnModal(CRadioSetDlg::IDD, [&](CDialog& dlg) {
        EXPECT_EQ(static_cast<CRadioSetDlg&>(dlg).values.channel, 5);
        dlg.EndDialog(IDCANCEL);
    });
    ASSERT_TRUE(ChooseRadioSettings());

    ChangeSettings(job, [](GeneralSettingsBlock& s) {
        s.dataLink.nModuleType = 1;
        s.dataLink.net.server = L"10.0.0.1";
    });
    ui_.OnModal(CGprsModuleDlg::IDD, [&](CDialog& dlg) {
        auto& modem = static_cast<CGprsModuleDlg&>(dlg);
        EXPECT_EQ(modem.Kept().server, L"10.0.0.1");
        modem.Kept().server = L"10.0.0.2";
        dlg.EndDialog(IDOK);
    });
    ui_.Advance(mainframe::kTickMs);  // the item is renamed after the link
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"6网络连接"}));
    EXPECT_EQ(link.net.server, L"10.0.0.2");

    ChangeSettings(job, [](GeneralSettingsBlock& s) { s.dataLink.nModuleType = 2; });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"6网络连接"}));
    EXPECT_TRUE(ui_.MessageBoxes().empty());
}

TEST_F(ReceiverMenuTest, ChoosingTheRadioLinkRereadsTheChannelOnTheNextVersionReply) {
    Reply("QZ9120382345678");
    const auto chooseLink = [&](UINT link) {
        ui_.OnModal(instrumentset::IDD, [&](CDialog& dlg) {
            ui_.Click(dlg, instrumentset::kDataLink);
            ui_.Click(dlg, IDOK);
        });
        ui_.OnModal(datalink::IDD, [&, link](CDialog& dlg) {
            ui_.Click(dlg, link);
            ui_.Click(dlg, IDOK);
        });
        ASSERT_TRUE(ChooseInstrumentSettings());
    };
    CModuleCommandQueue& modules = ReceiverLinkProbe::Modules(FrameProbe::Receiver(frame));
    const auto names = [&] {
        std::vector<CString> out{modules.current.name};
        for (const CommandItem& item : modules.queue) out.push_back(item.name);
        return out;
    };
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) { s.dataLink.nModuleType = 0; });
    chooseLink(datalink::kModule);
    modules.CancelCommands();
    Reply("QZ9120382345678");
    EXPECT_FALSE(modules.Busy()) << "no re-read without the radio link chosen";

    chooseLink(datalink::kRadio);
    Reply("QZ9120382345678");
    EXPECT_EQ(modules.Mode(), ModuleMode::kRadioDialog);
    EXPECT_EQ(names(), (std::vector<CString>{L"OPENRADIO", L"READRADIO", L"CLOSERADIO"}));
    modules.CancelCommands();
    Reply("QZ9120382345678");
    EXPECT_FALSE(modules.Busy()) << "once per choice";
}
