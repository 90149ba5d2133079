// The four-parameter, seven-parameter and height-fitting editors: units shown, the check boxes'
// enabling, the four-parameter refusals, and Cancel.
#include "geodesy/screens/CFourParamDlg.h"
#include "geodesy/screens/CHeightFitParamDlg.h"
#include "geodesy/screens/CSevenParamDlg.h"
#include "tests/geodesy/screens/GeodesyHostDouble.h"

namespace {
using ParamEditorsTest = GeodesyScreenTest;

constexpr UINT kSevenEdits[] = {sevenparam::kDx, sevenparam::kDy, sevenparam::kDz, sevenparam::kRx,
                                sevenparam::kRy, sevenparam::kRz, sevenparam::kPpm};
}  // namespace

TEST_F(ParamEditorsTest, SevenParametersShowArcSecondsAndPpmAndEnableWithTheirCheckBox) {
    CoordSysParams job = host.job;
    job.seven = {0, 12.5, -3.0, 0.25, 4.848136811095216e-06, 0.0, -2 * 4.848136811095216e-06, 3.5e-06};
    OpenJob(job);
    CSevenParamDlg dlg(host.job);
    ui.OnModal(CSevenParamDlg::IDD, [&](CDialog& d) {
        for (UINT id : kSevenEdits) EXPECT_FALSE(Enabled(d, id)) << id;
        EXPECT_EQ(ui.GetText(d, sevenparam::kRx), L"1");
        EXPECT_EQ(ui.GetText(d, sevenparam::kRz), L"-2");
        EXPECT_EQ(ui.GetText(d, sevenparam::kPpm), L"3.5");
        ui.Click(d, sevenparam::kEnable);
        for (UINT id : kSevenEdits) EXPECT_TRUE(Enabled(d, id)) << id;
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-seven-editor.png"));
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    SevenParamBlock back;
    StoreSevenParamValues(dlg.m_seven, back);
    job.seven.nSevenPar = 1;
    EXPECT_EQ(back, job.seven);
}

TEST_F(ParamEditorsTest, FourParametersKeepTheCalibrationShiftsEnabledAndRefuseABadScaleOrAngle) {
    CFourParamDlg dlg(host.job);
    ui.OnModal(CFourParamDlg::IDD, [&](CDialog& d) {
        for (UINT id : {fourparam::kShiftX, fourparam::kShiftY, fourparam::kRotation, fourparam::kScale})
            EXPECT_FALSE(Enabled(d, id)) << id;
        for (UINT id : {fourparam::kAdjustX, fourparam::kAdjustY, fourparam::kAdjustH})
            EXPECT_TRUE(Enabled(d, id)) << id;
        EXPECT_EQ(ui.GetText(d, fourparam::kScale), L"0");  // a new job's scale
        ui.Click(d, fourparam::kEnable);
        EXPECT_TRUE(Enabled(d, fourparam::kScale));
        ui.ExpectMessageBox(L"比例必须大于0!");
        ui.Click(d, IDOK);  // on with the scale 0
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(fourparam::kScale));
        ui.SetText(d, fourparam::kScale, L"1.00001");
        ui.SetText(d, fourparam::kRotation, L"0.0060");
        ui.ExpectMessageBox(L"角度格式错误,分和秒须小于60!");
        ui.Click(d, IDOK);
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(fourparam::kRotation));
        EXPECT_FALSE(d.HasEnded());
        ui.SetText(d, fourparam::kRotation, L"-0.0030");
        ui.SetText(d, fourparam::kAdjustH, L"0.125");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-four-editor.png"));
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.four.enabled, 1);
    EXPECT_EQ(dlg.four.rotation, -0.003);
    EXPECT_EQ(dlg.four.scale, 1.00001);
    EXPECT_EQ(dlg.adjust.szdAdjustH, 0.125);
}

TEST_F(ParamEditorsTest, HeightFitShowsItsValuesUnchangedIncludingTheOrigin) {
    CoordSysParams job = host.job;
    job.heightFit.nNiheMode = 1;
    job.heightFit.szdNiheA = {0.5, -1e-05, 2e-06, 0.0, 0.0, 3e-09};
    job.heightFit.szdNiheX0 = 2558000.25;
    OpenJob(job);
    CHeightFitParamDlg dlg(host.job);
    ui.OnModal(CHeightFitParamDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, heightfit::kA1), L"-1e-05");
        EXPECT_EQ(ui.GetText(d, heightfit::kX0), L"2558000.25");
        EXPECT_TRUE(Enabled(d, heightfit::kY0));
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-height-fit-editor.png"));
        ui.Click(d, heightfit::kEnable);
        EXPECT_FALSE(Enabled(d, heightfit::kY0));
        EXPECT_FALSE(Enabled(d, heightfit::kA5));
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_fit.enabled, 0);
    EXPECT_EQ(dlg.m_fit.a, job.heightFit.szdNiheA);
    EXPECT_EQ(dlg.m_fit.x0, 2558000.25);
}
