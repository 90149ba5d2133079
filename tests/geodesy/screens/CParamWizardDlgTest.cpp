// The new-job wizard: stepping through the pages, "确定" on any step, the pages' rules, the checks
// in page order, and the new-job command's storing of the values.
#include "geodesy/screens/CParamWizardDlg.h"
#include "geodesy/screens/NewJobCoordParams.h"
#include "resources/FourParamDlg.h"
#include "resources/HeightFitParamDlg.h"
#include "resources/ProjectionParamDlg.h"
#include "resources/SevenParamDlg.h"
#include "tests/geodesy/screens/GeodesyHostDouble.h"

namespace {
using ParamWizardDlgTest = GeodesyScreenTest;

// The page on show: the wizard's child dialog that is visible.
CWnd* ShownPage(CDialog& wizard) {
    for (UINT id : {paramwizard::kEllipsoidPage, paramwizard::kProjectionPage, paramwizard::kFourPage,
                    paramwizard::kSevenPage, paramwizard::kFitPage}) {
        for (CWnd* child = wizard.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            auto* page = dynamic_cast<CDialog*>(child);
            if (page && page->GetTemplateId() == id && page->IsWindowVisible()) return page;
        }
    }
    return nullptr;
}
UINT ShownPageId(CDialog& wizard) {
    CWnd* page = ShownPage(wizard);
    return page ? static_cast<CDialog*>(page)->GetTemplateId() : 0;
}
}  // namespace

TEST_F(ParamWizardDlgTest, StepsThroughFivePagesPlacedInPixels) {
    CParamWizardDlg dlg(host.spare);
    ui.OnModal(paramwizard::IDD, [&](CDialog& d) {
        CRect page;
        ShownPage(d)->GetWindowRect(&page);
        d.ScreenToClient(&page);
        EXPECT_EQ(page, CRect(5, 5, 225, 240));
        EXPECT_FALSE(Enabled(d, paramwizard::kPrev));
        const UINT order[] = {paramwizard::kProjectionPage, paramwizard::kFourPage, paramwizard::kSevenPage,
                              paramwizard::kFitPage};
        for (int i = 0; i < 4; ++i) {
            ui.Click(d, paramwizard::kNext);
            EXPECT_EQ(ShownPageId(d), order[i]);
            EXPECT_TRUE(Enabled(d, paramwizard::kPrev));
        }
        EXPECT_EQ(dlg.Step(), 4);
        EXPECT_FALSE(Enabled(d, paramwizard::kNext));
        ui.Click(d, paramwizard::kPrev);
        EXPECT_EQ(ShownPageId(d), paramwizard::kSevenPage);
        EXPECT_TRUE(Enabled(d, paramwizard::kNext));
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ParamWizardDlgTest, OkOnTheFirstStepDeliversEveryPageFromTheSpareRecord) {
    host.spare.projection.szdCenter = 117.5;
    host.job.projection.szdCenter = 99.0;  // the pages start from the spare record, not the job's
    CParamWizardDlg dlg(host.spare);
    ui.OnModal(paramwizard::IDD, [&](CDialog& d) {
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-param-wizard-1.png"));
        for (int i = 2; i <= 5; ++i) {
            ui.Click(d, paramwizard::kNext);
            ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-param-wizard-" + std::to_string(i) + ".png"));
        }
        ui.Click(d, paramwizard::kPrev);
        ui.Click(d, paramwizard::kPrev);
        ui.Click(d, paramwizard::kPrev);
        ui.Click(d, paramwizard::kPrev);
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_values.ellipsoid, (EllipsoidParams{L"北京-54", 6378245.0, 298.3}));
    EXPECT_EQ(dlg.m_values.projection.centralMeridian, 117.3);
    EXPECT_EQ(dlg.m_values.projection.falseEasting, 500000);
    EXPECT_EQ(dlg.m_values.projection.scale, 1.0);
    EXPECT_EQ(dlg.m_values.four.scale, 0.0);
    EXPECT_EQ(dlg.m_values.seven.enabled, 0);
    EXPECT_EQ(dlg.m_values.heightFit.a, (std::array<double, 6>{}));
}

TEST_F(ParamWizardDlgTest, PagesFollowTheEditorsRules) {
    host.spare.ellipsoid = {L"旧椭球", 6377000.0, 299.0};
    CParamWizardDlg dlg(host.spare);
    ui.OnModal(paramwizard::IDD, [&](CDialog& d) {
        CWnd& ellipsoid = *ShownPage(d);
        EXPECT_EQ(ellipsoid.SendDlgItemMessage(projparam::kEllipsoid, CB_GETCURSEL), kUserDefinedEllipsoid);
        EXPECT_TRUE(Enabled(ellipsoid, projparam::kSemiMajor));
        ui.Click(d, paramwizard::kNext);
        CWnd& projection = *ShownPage(d);
        EXPECT_FALSE(Enabled(projection, projparam::kBaseLatitude));
        ui.ChooseItem(projection, projparam::kProjection, kProjDoubleStereographic);
        EXPECT_EQ(ui.GetText(projection, projparam::kScale), L"0.99975");
        EXPECT_TRUE(Enabled(projection, projparam::kBaseLatitude));
        ui.SetText(projection, projparam::kBaseLatitude, L"30.3");
        ui.Click(d, paramwizard::kNext);
        ui.Click(d, paramwizard::kNext);
        CWnd& seven = *ShownPage(d);
        for (UINT id : {sevenparam::kDx, sevenparam::kRx, sevenparam::kPpm}) EXPECT_FALSE(Enabled(seven, id));
        ui.Click(seven, paramwizard::kSevenEnable);
        for (UINT id : {sevenparam::kDx, sevenparam::kRx, sevenparam::kPpm}) EXPECT_TRUE(Enabled(seven, id));
        ui.SetText(seven, sevenparam::kPpm, L"3.5");
        ui.Click(d, paramwizard::kNext);
        CWnd& fit = *ShownPage(d);
        EXPECT_EQ(fit.GetDlgItem(heightfit::kX0), nullptr);
        ui.Click(fit, heightfit::kEnable);
        EXPECT_TRUE(Enabled(fit, heightfit::kA5));
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_values.ellipsoid, (EllipsoidParams{L"用户自定义", 6377000.0, 299.0}));
    EXPECT_EQ(dlg.m_values.projection.type, kProjDoubleStereographic);
    EXPECT_EQ(dlg.m_values.projection.baseLatitude, 30.3);
    EXPECT_EQ(dlg.m_values.seven.enabled, 1);
    EXPECT_EQ(dlg.m_values.seven.ppm, 3.5);
    EXPECT_EQ(dlg.m_values.heightFit.enabled, 1);
}

TEST_F(ParamWizardDlgTest, OkChecksThePagesInOrderAndShowsTheFirstRefused) {
    CParamWizardDlg dlg(host.spare);
    ui.OnModal(paramwizard::IDD, [&](CDialog& d) {
        ui.Click(d, paramwizard::kNext);
        ui.SetText(*ShownPage(d), projparam::kCentralMeridian, L"114.6");
        ui.Click(d, paramwizard::kNext);
        ui.Click(*ShownPage(d), fourparam::kEnable);  // on, with a new job's scale 0
        ui.Click(d, paramwizard::kNext);
        ui.ExpectMessageBox(L"角度格式错误,分和秒须小于60!");
        ui.Click(d, IDOK);
        EXPECT_EQ(dlg.Step(), 1);
        EXPECT_EQ(ShownPageId(d), paramwizard::kProjectionPage);
        EXPECT_EQ(CWnd::GetFocus(), ShownPage(d)->GetDlgItem(projparam::kCentralMeridian));
        ui.SetText(*ShownPage(d), projparam::kCentralMeridian, L"114");
        ui.ExpectMessageBox(L"比例必须大于0!");
        ui.Click(d, IDOK);
        EXPECT_EQ(ShownPageId(d), paramwizard::kFourPage);
        EXPECT_FALSE(Enabled(d, paramwizard::kPrev) && !Enabled(d, paramwizard::kNext));
        ui.SetText(*ShownPage(d), fourparam::kScale, L"1");
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_values.four.scale, 1.0);
}

TEST_F(ParamWizardDlgTest, AddPageRefusesASeventeenthPage) {
    CParamWizardDlg dlg(host.spare);
    CWizHeightFitPage pages[17];
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(dlg.AddPage(&pages[i], paramwizard::kFitPage));
    EXPECT_FALSE(dlg.AddPage(&pages[16], paramwizard::kFitPage));
}

TEST_F(ParamWizardDlgTest, NewJobStoringResetsKeepsTheBaseAndReprojectsIt) {
    CoordSysParams old = host.job;
    old.ellipsoid = {L"WGS-84", 6378137.0, 298.257223563};
    old.four = {1, 5.0, 5.0, 0.001, 1.0001};
    old.heightFit.szdNiheX0 = 1234.0;
    old.base.szdBaseLat = 30.3;
    old.base.szdBaseLon = 114.3;
    old.base.szdBaseHgt = 40.0;
    old.base.szdBaseX = 1.0;
    old.base.szBaseStationID = L"0042";
    OpenJob(old);
    CoordSysValues values;
    values.ellipsoid = {L"国家-80", 6378140.0, 298.257};
    values.projection = {0, 114.3, 0, 500000, 1.0, 0.0, 0.0};
    values.seven = {0, 0, 0, 0, 1.0, 0, 0, 3.5};
    values.heightFit = {1, {0.25, 0, 0, 0, 0, 0}, 0.0, 0.0};
    ASSERT_TRUE(StoreNewJobCoordParams(host, values));

    CoordSysParams expected;
    host.settings.DefaultCoordParams(expected);
    expected.ellipsoid = values.ellipsoid;
    expected.projection.szdCenter = 114.5;
    expected.seven.szdWx = 4.848136811095216e-06;
    expected.seven.szddK = 3.5e-06;
    expected.heightFit.nNiheMode = 1;
    expected.heightFit.szdNiheA[0] = 0.25;
    expected.base.szdBaseLat = 30.3;
    expected.base.szdBaseLon = 114.3;
    expected.base.szdBaseHgt = 40.0;
    expected.base.szdBasePX = old.base.szdBasePX;
    expected.base.szBaseStationID = L"0042";
    CCoordTransform reference;
    ApplyCoordParams(expected, reference);
    RecomputeBaseStation(expected, reference);
    // 30°30′ on the meridian 114°30′ of the 1980 ellipsoid: about 3 375 km north, on the false easting.
    EXPECT_NEAR(expected.base.szdBaseX, 3375000.0, 5000.0);
    EXPECT_NEAR(expected.base.szdBaseY, 500000.0, 0.5);
    EXPECT_EQ(expected.calib.slot[0].szdSy, expected.base.szdBaseY);
    EXPECT_EQ(JobFile(), BytesOf(expected));
    EXPECT_EQ(host.first.m_dSemiMajor, 6378140.0);
    EXPECT_EQ(host.second.m_nFourParam, 0);
}
