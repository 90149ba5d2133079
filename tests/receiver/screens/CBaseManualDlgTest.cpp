#include <gtest/gtest.h>

#include "geodesy/CoordTransform.h"
#include "platform/text/Format.h"
#include "receiver/screens/CBaseManualDlg.h"
#include "receiver/screens/InstrumentCommands.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {
const wchar_t* const kRepeatQuestion =
    L"该功能选中后，下次重新开机后，将使用这次设置基准站的所有参数启动基准站,"
    L"若要再次修改为使用单点定位坐标自动"
    L"启动基准站，需要用手簿设置，确定打开该功能吗?";
using namespace basemanual;

class BaseManual : public ReceiverScreenTest {
protected:
    void SetUp() override {
        ReceiverScreenTest::SetUp();
        frame.state.latitude = 30.2416666666667;    // 30°14'30"
        frame.state.longitude = 120.1716666666667;  // 120°10'18"
        frame.state.height = 100.0;
        frame.state.ident.text[0] = L"QZ8120381234";
        frame.system.nGPSOEMType = 1;
        frame.settings.connection.nRadioFormat = 1;
        frame.versionInfo.instrumentRadius = 0.1;
        frame.versionInfo.antennaHeightFactor = 0.05;
        frame.versionInfo.instrumentHeight = 0.0884;
        frame.firstTransform.SetEllipsoid(6378137.0, 298.257223563);
        frame.firstTransform.SetProjection(kProjGauss, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
    }
    // The CMR set-up of board type 1 at the entered position, with the height sent.
    static std::string CmrSetup(const std::string& height) {
        return Command(57, Bytes({3, 1, 30, 10})) + Stored("unlogall,com2") +
               Stored("interfacemode,com2,none,cmr") +
               Stored("fix,position,30.2416666667,120.1716666667," + height) + "dgpstxid,cmr,18\r\n" +
               Stored("log,com2,cmrobs,ontime,1") + Stored("log,com2,cmrref,ontime,10") +
               Command(58, Bytes({0}));
    }
};

}  // namespace

TEST_F(BaseManual, SlantHeightOnTheCurrentFix) {
    ui.OnModal(IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, kB), L"30.1430000000");
        EXPECT_EQ(ui.GetText(d, kL), L"120.1018000000");
        EXPECT_EQ(ui.GetText(d, kH), L"100.000");
        EXPECT_EQ(ui.GetText(d, kInterval), L"1");
        EXPECT_EQ(ui.GetText(d, kFormat), L"RTCM");
        ui.SetText(d, kAntHeight, L"1.5");
        ui.Click(d, kSlant);
        ui.ChooseItem(d, kFormat, 2);
        ui.Screenshot(QZ_BINARY_DIR "/receiver-base-manual.png");
        ui.ExpectMessageBox(L"确定启动基准站吗?", IDYES);
        ui.ExpectMessageBox(L"基准站设置成功!");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(SetupManualBase(frame), 1);
    EXPECT_EQ(frame.settings.nAntHgtType, 1);
    EXPECT_EQ(frame.settings.szdSourceAntHgt, 1.5);
    EXPECT_EQ(frame.settings.szdRoverAntH, 1.547);
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(frame.jobFileWrites[0].szdRoverAntH, 1.547);
    EXPECT_EQ(frame.jobFileWrites[0].connection.nRadioFormat, 2);
    EXPECT_EQ(Written(), CmrSetup("101.5470000000"));
    EXPECT_EQ(frame.settings.connection.nRadioFormat, 2);
}

TEST_F(BaseManual, EveryFieldIsCheckedBeforeTheQuestionAndNothingStoredBeforeTheAnswer) {
    frame.jobFileWritable = false;
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.ChooseItem(d, kFormat, 2);
        ui.SetText(d, kInterval, L"0");
        ui.ExpectMessageBox(L"请输入一个在 1 和 255 之间的整数。");
        ui.Click(d, IDOK);
        ui.SetText(d, kInterval, L"1");
        ui.Click(d, kSlant);
        ui.SetText(d, kAntHeight, L"0.1");
        ui.ExpectMessageBox(L"斜高必须大于仪器半径!");
        ui.Click(d, IDOK);
        ui.SetText(d, kAntHeight, L"0");
        ui.ExpectMessageBox(L"确定启动基准站吗?", IDNO);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        EXPECT_TRUE(frame.jobFileWrites.empty());
        EXPECT_EQ(frame.settings.nAntHgtType, 0);
        ui.ExpectMessageBox(L"确定启动基准站吗?", IDYES);
        ui.ExpectMessageBox(L"创建文件失败!");
        ui.ExpectMessageBox(L"基准站设置成功!");
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(SetupManualBase(frame), 1);
    // The write failed: memory keeps the job's settings, and the base is set up all the same. A slant
    // height of 0 (a base on its own fix) adds nothing.
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(frame.jobFileWrites[0].nAntHgtType, 1);
    EXPECT_EQ(frame.jobFileWrites[0].szdRoverAntH, 0.0);
    EXPECT_EQ(frame.settings.nAntHgtType, 0);
    EXPECT_EQ(frame.settings.connection.nRadioFormat, 1);
    EXPECT_EQ(Written(), CmrSetup("100.0000000000"));
}

TEST_F(BaseManual, CoordinateTypeSwitchesConvertOnlyOnAChange) {
    double x = 0, y = 0, h = 0;
    frame.firstTransform.Wgs84ToLocalPlane(30.2416666666667, 120.1716666666667, 100.0, x, y, h);
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.SetText(d, kH, L"7");
        ui.Click(d, kGeodetic);
        EXPECT_EQ(ui.GetText(d, kH), L"7");
        ui.SetText(d, kH, L"100");
        ui.Click(d, kPlane);
        EXPECT_EQ(ui.GetText(d, kLabelB), L"X:");
        EXPECT_EQ(ui.GetText(d, kLabelH), L"h:");
        EXPECT_EQ(ui.GetText(d, kB), Format(L"%.3f", x));
        EXPECT_EQ(ui.GetText(d, kL), Format(L"%.3f", y));
        EXPECT_EQ(ui.GetText(d, kH), L"100.000");
        ui.SetText(d, kH, L"7");
        ui.Click(d, kPlane);
        ui.Click(d, kSinglePoint);
        EXPECT_EQ(ui.GetText(d, kH), L"7");
        ui.SetText(d, kH, L"100.000");
        ui.Click(d, kGeodetic);
        EXPECT_EQ(ui.GetText(d, kLabelB), L"B:");
        EXPECT_EQ(ui.GetText(d, kB), L"30.14300000");
        EXPECT_EQ(ui.GetText(d, kL), L"120.10180000");
        ui.Click(d, kSinglePoint);
        EXPECT_EQ(ui.GetText(d, kB), L"30.1430000000");
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(SetupManualBase(frame), 0);
    EXPECT_EQ(Written(), "");
    EXPECT_TRUE(frame.jobFileWrites.empty());
}

TEST_F(BaseManual, RepeatOptionAsksOnlyWhenSwitchedOn) {
    CBaseManualDlg dlg(frame);
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(kRepeatQuestion, IDCANCEL);
        ui.Click(d, kRepeat);
        EXPECT_EQ(d.IsDlgButtonChecked(kRepeat), 0u);
        ui.ExpectMessageBox(kRepeatQuestion, IDOK);
        ui.Click(d, kRepeat);
        EXPECT_EQ(d.IsDlgButtonChecked(kRepeat), 1u);
        ui.Click(d, kRepeat);
        EXPECT_EQ(d.IsDlgButtonChecked(kRepeat), 0u);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(ui.MessageBoxes().size(), 2u);
}
