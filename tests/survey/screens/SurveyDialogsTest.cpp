// The settings, automatic-storing and antenna dialogs, driven as the user does, on a host double.
#include <gtest/gtest.h>

#include "SurveyHostDouble.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "resources/AntennaDlgs.h"
#include "resources/AutoStoreDlg.h"
#include "resources/PointStoreTypeDlg.h"
#include "survey/screens/SurveyCommands.h"
#include "survey/screens/SurveyPointStore.h"

namespace {
bool Enabled(CDialog& d, UINT id) {
    return d.GetDlgItem(id)->IsWindowEnabled();
}
}  // namespace

TEST(PointStoreTypeDlg, FieldsFollowTheModeAndOutOfRangeValuesAreRefused) {
    InitCommonControls();
    CUiDriver ui;
    SurveyHostDouble host;
    host.settings.nShowSurveyPoint = -1;
    host.settings.nAutoSaveTime = 5;
    using namespace storetype;
    ui.OnModal(IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, kPointCount), L"全部");
        struct Case {
            UINT click;
            bool smooth, condition, interval, distance;
        } cases[] = {
            {kSmooth, true, false, false, false},    {kAuto, false, true, true, false},
            {kByDistance, false, true, false, true}, {kByTime, false, true, true, false},
            {kOffset, false, false, false, false},   {kNormal, false, false, false, false},
        };
        for (const Case& c : cases) {
            ui.Click(d, c.click);
            EXPECT_EQ(Enabled(d, kSmoothSeconds), c.smooth) << c.click;
            EXPECT_EQ(Enabled(d, kCondition), c.condition) << c.click;
            EXPECT_EQ(Enabled(d, kByTime), c.condition) << c.click;
            EXPECT_EQ(Enabled(d, kInterval), c.interval) << c.click;
            EXPECT_EQ(Enabled(d, kDistance), c.distance) << c.click;
        }
        ui.Click(d, kSmooth);
        ui.SetText(d, kSmoothSeconds, L"0");
        ui.ExpectMessageBox(L"平滑时间应在1到86400秒之间!");
        ui.Click(d, IDOK);
        ui.SetText(d, kSmoothSeconds, L"10");
        ui.Click(d, kAuto);
        ui.SetText(d, kInterval, L"86401");
        ui.ExpectMessageBox(L"存储间隔应在1到86400秒之间!");
        ui.Click(d, IDOK);
        ui.Click(d, kByDistance);
        ui.SetText(d, kDistance, L"0");
        ui.ExpectMessageBox(L"存储间距必须大于0!");
        ui.Click(d, IDOK);
        ui.SetText(d, kDistance, L"2.5");
        ui.SetText(d, kPointCount, L"x");
        ui.ExpectMessageBox(L"请输入一个整数。");
        ui.Click(d, IDOK);
        ui.SetText(d, kPointCount, L"20");
        ui.ChooseItem(d, kCondition, 3);
        ui.Click(d, kCodeName);
        ui.Click(d, IDOK);
    });
    EditStoreSettings(host, nullptr);
    EXPECT_EQ(host.settingsSaved, 1);
    EXPECT_EQ(host.settings.nSaveType, 3);
    EXPECT_EQ(host.settings.nSmoothSecond, 10);
    EXPECT_EQ(host.settings.nAsMode, 1);
    EXPECT_EQ(host.settings.szdAutoSaveDis, 2.5);
    EXPECT_EQ(host.settings.nAsCondition, 3);
    EXPECT_EQ(host.settings.nShowSurveyPoint, 20);
    EXPECT_EQ(host.settings.nCodeSaveType, 1);

    ui.OnModal(IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    EditStoreSettings(host, nullptr);
    EXPECT_EQ(host.settingsSaved, 1);
}

TEST(AutoStoreDlg, EnterStartsStoringWhenItIsOffAndStopsItWhenItRuns) {
    CUiDriver ui;
    SurveyHostDouble host;
    host.store.point.extraText = L"A12";
    host.autoStore.count = 7;
    CSurveyPointStore store(host, nullptr);
    ui.OnModal(autostore::IDD, [&](CDialog& d) {
        EXPECT_TRUE(Enabled(d, autostore::kStart));
        EXPECT_FALSE(Enabled(d, autostore::kStop));
        EXPECT_EQ(ui.GetText(d, autostore::kName), L"A12");
        EXPECT_EQ(ui.GetText(d, autostore::kCount), L"7");
        ui.SetText(d, autostore::kAntHeight, L"2.000");
        ui.Click(d, autostore::kPole);
        // Each button shows its effect at once, before OK: the other button, the count OK starts from.
        ui.PressKey(VK_RETURN);
        EXPECT_FALSE(Enabled(d, autostore::kStart));
        EXPECT_TRUE(Enabled(d, autostore::kStop));
        EXPECT_EQ(ui.GetText(d, autostore::kCount), L"0");
        ui.Click(d, autostore::kStop);
        EXPECT_TRUE(Enabled(d, autostore::kStart));
        EXPECT_FALSE(Enabled(d, autostore::kStop));
        ui.Click(d, autostore::kStart);
        ui.Click(d, IDOK);
    });
    store.StartAutoStore(TestFix());
    EXPECT_EQ(host.autoStore.running, 1);
    EXPECT_EQ(host.autoStore.firstPoint, 1);
    EXPECT_EQ(host.autoStore.count, 0);
    EXPECT_EQ(host.store.point.antennaHeight, 2.106);
    EXPECT_EQ(host.settings.szdRoverAntH, 2.106);
    EXPECT_EQ(host.store.NextName(), L"A12");

    ui.OnModal(autostore::IDD, [&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, autostore::kStart));
        ui.PressKey(VK_RETURN);
        EXPECT_TRUE(Enabled(d, autostore::kStart));
        ui.Click(d, IDOK);
    });
    store.StartAutoStore(TestFix());
    EXPECT_EQ(host.autoStore.running, 0);

    // An empty name does not start; no data opens no dialog.
    ui.OnModal(autostore::IDD, [&](CDialog& d) {
        ui.SetText(d, autostore::kName, L"");
        ui.ExpectMessageBox(L"中点点名为空,请输入点名后再存储");
        ui.Click(d, autostore::kStart);
        ui.Click(d, IDCANCEL);
    });
    store.StartAutoStore(TestFix());
    CGpsState noData;
    ui.ExpectMessageBox(L"当前没有接收到数据,不能存储数据");
    store.StartAutoStore(noData);
    EXPECT_EQ(host.autoStore.running, 0);

    // A store under automatic storing (the target point) starts it as key A does.
    ui.OnModal(autostore::IDD, [&](CDialog& d) {
        ui.Click(d, autostore::kStart);
        ui.Click(d, IDOK);
    });
    EXPECT_EQ(store.StorePoint(TestFix(), {.mode = kStoreAutomatic}).number, 0);
    EXPECT_EQ(host.autoStore.running, 1);
}

TEST(AntennaDialogs, RoverHeightAndTheCalculator) {
    CUiDriver ui;
    SurveyHostDouble host;
    ui.OnModal(roverantenna::IDD, [&](CDialog& d) {
        ui.SetText(d, roverantenna::kHeight, L"1.500");
        ui.Click(d, roverantenna::kSlant);
        ui.Click(d, roverantenna::kShowGround);
        ui.Click(d, IDOK);
    });
    EditRoverAntenna(host, nullptr);
    EXPECT_EQ(host.settings.szdSourceAntHgt, 1.5);
    EXPECT_EQ(host.settings.nAntHgtType, 1);
    EXPECT_EQ(host.settings.nUseAntHgt, 1);
    EXPECT_EQ(host.settings.szdRoverAntH, 1.511);

    host.fix.modelText = L"Q9";
    ui.OnModal(antennatool::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, antennatool::kReceiverType), L"Q9");
        ui.Click(d, antennatool::kPole);
        ui.SetText(d, antennatool::kInput, L"2.000");
        ui.Click(d, antennatool::kCalculate);
        EXPECT_EQ(ui.GetText(d, antennatool::kVertical), L"2.106");
        ui.Click(d, antennatool::kSlant);
        ui.SetText(d, antennatool::kInput, L"0.1");
        ui.ExpectMessageBox(L"斜高不能小于天线半径!");
        ui.Click(d, antennatool::kCalculate);
        ui.Click(d, antennatool::kExit);
    });
    RunAntennaHeightTool(host, nullptr);
}
