#include "receiver/screens/CReceiverSettingsDlgs.h"

#include "receiver/ReceiverProtocol.h"

#include "receiver/screens/ReceiverSettingsCommands.h"
#include "tests/receiver/SentenceHelpers.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

class ReceiverSettingsTest : public ReceiverScreenTest {
protected:
    void Parse(const CString& line) {
        int type = 0;
        frame.TellParserTheBoard();
        frame.parser.Parse(line, frame.state, type);
    }
};

TEST_F(ReceiverSettingsTest, ElevationCutOffOpensWithTheJobsMaskAndRefusesNinety) {
    frame.settings.connection.nGAngle = 15;
    frame.system.nGPSOEMType = 2;
    ui.OnModal(CSatLimitDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, satlimit::kAngle), L"15");
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("elevation-cutoff")));
        ui.SetText(d, satlimit::kAngle, L"90");
        ui.ExpectMessageBox(L"请输入一个在 0 和 89 之间的整数。");
        ui.ExpectMessageBox(L"卫星截止角必须在0~89度之间");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.SetText(d, satlimit::kAngle, L"1x");
        // The refused text leaves the angle at 90: the range check speaks again.
        ui.ExpectMessageBox(L"请输入一个整数。");
        ui.ExpectMessageBox(L"卫星截止角必须在0~89度之间");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.SetText(d, satlimit::kAngle, L"89");
        ui.Click(d, IDOK);
    });
    RunElevationMaskCommand(frame, nullptr);
    EXPECT_EQ(frame.settings.connection.nGAngle, 89);
    EXPECT_EQ(LastJobWrite().connection.nGAngle, 89);
    EXPECT_EQ(Written(), Stored("ecutoff,89") + "$JMASK,89\r\n");
}

TEST_F(ReceiverSettingsTest, UnchangedOkKeepsTheMaskAndTheZone) {
    frame.settings.connection.nGAngle = 10;
    frame.settings.connection.nTimeZone = 8;
    ui.OnModal(CSatLimitDlg::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunElevationMaskCommand(frame, nullptr);
    ui.OnModal(CTimeZoneDlg::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunTimeZoneCommand(frame, nullptr);
    EXPECT_EQ(frame.settings.connection.nGAngle, 10);
    EXPECT_EQ(frame.settings.connection.nTimeZone, 8);
    EXPECT_EQ(Written(), Stored("ecutoff,10"));
}

TEST_F(ReceiverSettingsTest, TimeZoneTakesMinusSixAndRefusesFifteen) {
    ui.OnModal(CTimeZoneDlg::IDD, [&](CDialog& d) {
        ui.SetText(d, timezonedlg::kZone, L"15");
        ui.ExpectMessageBox(L"请输入一个在 -12 和 14 之间的整数。");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.SetText(d, timezonedlg::kZone, L"-6");
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("time-zone")));
        ui.Click(d, IDOK);
    });
    RunTimeZoneCommand(frame, nullptr);
    EXPECT_EQ(frame.settings.connection.nTimeZone, -6);
    EXPECT_EQ(LastJobWrite().connection.nTimeZone, -6);
    frame.system.nGPSOEMType = kBoardOemD;
    Parse(Nmea("GPGGA,023000.00,3352.1000,S,15112.6000,W,1,07,0.9,10.0,M,0.0,M,,"));
    EXPECT_EQ(frame.state.hour, 20);
    ui.OnModal(CTimeZoneDlg::IDD, [&](CDialog& d) {
        ui.SetText(d, timezonedlg::kZone, L"3");
        ui.Click(d, IDCANCEL);
    });
    RunTimeZoneCommand(frame, nullptr);
    EXPECT_EQ(frame.settings.connection.nTimeZone, -6);
}

TEST_F(ReceiverSettingsTest, RoverSettingsOpenWithTheJobsValuesAndStoreAllSix) {
    ConnectionSettings& c = frame.settings.connection;
    c.nRadioFormat = 1;
    c.nFixLevel = 2;
    c.dRmshLimit = 0.05;
    c.dRmsvLimit = 0.08;
    c.nPDOPLimit = 0;
    c.dPDOPLimit = 4.0;
    frame.parser.UseSettings({.fixLevel = 2});
    ui.OnModal(CRoverSettingsDlg::IDD, [&](CDialog& d) {
        EXPECT_TRUE(d.IsZoomed());
        EXPECT_EQ(ui.GetText(d, roversettings::kRadioFormat), L"RTCM");
        EXPECT_EQ(ui.GetText(d, roversettings::kFixLevel), L"low");
        EXPECT_EQ(ui.GetText(d, roversettings::kPdopLimit), L"4");
        ui.ChooseItem(d, roversettings::kRadioFormat, 3);
        ui.ChooseItem(d, roversettings::kFixLevel, 0);
        ui.SetText(d, roversettings::kRmshLimit, L"0.03");
        ui.SetText(d, roversettings::kRmsvLimit, L"0.06");
        ui.Click(d, roversettings::kUsePdop);
        ui.SetText(d, roversettings::kPdopLimit, L"6.5");
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("rover-settings")));
        ui.Click(d, IDOK);
    });
    RunRoverSettingsCommand(frame, nullptr);
    EXPECT_EQ(c.nRadioFormat, 3);
    EXPECT_EQ(c.nFixLevel, 0);
    EXPECT_DOUBLE_EQ(c.dRmshLimit, 0.03);
    EXPECT_DOUBLE_EQ(c.dRmsvLimit, 0.06);
    EXPECT_EQ(c.nPDOPLimit, 1);
    EXPECT_DOUBLE_EQ(c.dPDOPLimit, 6.5);
    EXPECT_EQ(LastJobWrite().connection.nRadioFormat, 3);
    EXPECT_EQ(LastJobWrite().connection.nPDOPLimit, 1);
    EXPECT_EQ(Written(), Stored("unlogall,com2") + Stored("interfacemode,com2,rtcmv3,novatel"));
    // Fix level 0 no longer takes a wide-lane solution for fixed.
    frame.system.nGPSOEMType = kBoardOemV;
    Parse(BoardLine(
        "BESTPOSA,COM1,0,5.5,FINESTEERING,2180,407590.000,02400020,cdba,32768;SOL_COMPUTED,WIDE_INT,"
        "51.15044625442,-114.03068674478,1098.5042,-17.0000,WGS84,1.9497,1.2176,3.6853,\"\","
        "3.500,0.000,24,18,18,0,00,,11,11"));
    EXPECT_EQ(frame.state.solutionText, L"FLOAT");
}
