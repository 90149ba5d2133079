#include <gtest/gtest.h>

#include "receiver/screens/BaseParamDlgs.h"
#include "receiver/screens/InstrumentChoiceDlgs.h"
#include "receiver/screens/InstrumentCommands.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

using InstrumentDialogs = ReceiverScreenTest;

TEST_F(InstrumentDialogs, StaticModeSendsItsParametersAndEndsTheProgram) {
    ui.OnModal(instrumentset::IDD, [&](CDialog& d) {
        ui.Click(d, instrumentset::kStatic);
        ui.Click(d, IDOK);
    });
    ui.OnModal(staticmode::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, staticmode::kPointName), L"abcd");
        ui.Click(d, IDOK);
    });
    RunInstrumentSettings(frame);
    EXPECT_EQ(Written(),
              Command(41, Bytes({'a', 'b', 'c', 'd', 0, 0, 0x0F, 0x0A, 0x1E})) + Command(30, Bytes({4})));
    ui.Pump();
    EXPECT_EQ(router->Commands(), std::vector<UINT>{kAppExitCommand});
}

TEST_F(InstrumentDialogs, StaticModeRefusesWhatTheCommandCannotCarry) {
    struct Case {
        int id;
        const wchar_t* text;
        const wchar_t* refusal;
    };
    const Case cases[] = {
        {staticmode::kPointName, L"a b", L"点名须为1~16个英文字符,不能含空格!"},
        {staticmode::kPointName, L"点1", L"点名须为1~16个英文字符,不能含空格!"},
        {staticmode::kPointName, L"ABCDEFGHIJKLMNOPQ", L"点名须为1~16个英文字符,不能含空格!"},
        {staticmode::kAntHeight, L"65.536", L"请输入一个在 0 和 65.535 之间的数字。"},
        {staticmode::kInterval, L"0", L"请输入一个在 1 和 255 之间的整数。"},
        {staticmode::kMask, L"90", L"请输入一个在 0 和 89 之间的整数。"},
        {staticmode::kPdop, L"25.6", L"请输入一个在 0.1 和 25.5 之间的数字。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << CString(c.text));
        ui.OnModal(staticmode::IDD, [&](CDialog& d) {
            ui.SetText(d, c.id, c.text);
            ui.ExpectMessageBox(c.refusal);
            ui.Click(d, IDOK);
            EXPECT_FALSE(d.HasEnded());
            ui.Click(d, IDCANCEL);
        });
        SetupStaticMode(frame);
    }
    EXPECT_EQ(Written(), "");
    ui.Pump();
    EXPECT_TRUE(router->Commands().empty());
}

TEST_F(InstrumentDialogs, WorkModeChoices) {
    struct Case {
        UINT radio;
        int reported;
        std::string bytes;
    };
    const Case cases[] = {{workmode::kKinematic, 0, Command(61, Bytes({1})) + Command(30, Bytes({1}))},
                          {workmode::kStatic, 0, Command(61, Bytes({4})) + Command(30, Bytes({4}))},
                          {workmode::kRover, 1, Command(61, Bytes({3}))},
                          {workmode::kRover, 0, ""}};
    for (const Case& c : cases) {
        frame.versionInfo.workMode = c.reported;
        ui.OnModal(instrumentset::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
        ui.OnModal(workmode::IDD, [&](CDialog& d) {
            EXPECT_EQ(d.GetDlgItem(workmode::kBase)->IsWindowEnabled(), c.reported == 1);
            ui.Click(d, c.radio);
            ui.Click(d, IDOK);
        });
        RunInstrumentSettings(frame);
        EXPECT_EQ(Written(), c.bytes);
    }
}

TEST_F(InstrumentDialogs, BaseStartingOnItsOwnFix) {
    frame.versionInfo.workMode = 1;
    frame.settings.connection.nRadioFormat = 3;
    ui.OnModal(instrumentset::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    ui.OnModal(workmode::IDD, [&](CDialog& d) {
        ui.Click(d, workmode::kBase);
        ui.Click(d, IDOK);
    });
    ui.OnModal(basesetup::IDD, [&](CDialog& d) { ui.Click(d, basesetup::kAutoStart); });
    ui.OnModal(baseautostart::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, baseautostart::kInterval), L"1");
        EXPECT_EQ(ui.GetText(d, baseautostart::kFormat), L"RTCM3");
        // A refused field is told before the question is asked.
        ui.SetText(d, baseautostart::kInterval, L"256");
        ui.ExpectMessageBox(L"请输入一个在 1 和 255 之间的整数。");
        ui.Click(d, IDOK);
        ui.SetText(d, baseautostart::kInterval, L"5");
        ui.ChooseItem(d, baseautostart::kFormat, 2);
        ui.SetText(d, baseautostart::kPdop, L"2.55");
        ui.SetText(d, baseautostart::kMask, L"15");
        ui.ExpectMessageBox(L"确定设置为基准站单点自动发射吗?", IDNO);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.ExpectMessageBox(L"确定设置为基准站单点自动发射吗?", IDYES);
        ui.ExpectMessageBox(L"自动启动基站参数设置完成!");
        ui.Click(d, IDOK);
    });
    RunInstrumentSettings(frame);
    EXPECT_EQ(Written(), Stored("fix,none") + Stored("fix,none") + Command(57, Bytes({3, 5, 25, 15})));
    EXPECT_EQ(frame.settings.connection.nRadioFormat, 2);
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(frame.jobFileWrites[0].connection.nRadioFormat, 2);
}

TEST_F(InstrumentDialogs, DataLinkAndCancelsSendNothingMore) {
    ui.OnModal(instrumentset::IDD, [&](CDialog& d) {
        ui.Click(d, instrumentset::kDataLink);
        ui.Click(d, IDOK);
    });
    ui.OnModal(datalink::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunInstrumentSettings(frame);
    const std::string radio = Command(59, Bytes({3}));
    EXPECT_EQ(Written(), radio + radio + radio + radio);
    EXPECT_EQ(frame.radioLink, 1);

    ui.OnModal(instrumentset::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    RunInstrumentSettings(frame);
    ui.OnModal(instrumentset::IDD, [&](CDialog& d) {
        ui.Click(d, instrumentset::kDataLink);
        ui.Click(d, IDOK);
    });
    ui.OnModal(datalink::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    RunInstrumentSettings(frame);
    ui.OnModal(baseautostart::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    EXPECT_EQ(SetupBaseAutoStart(frame), 0);
    EXPECT_EQ(Written(), "");
}
