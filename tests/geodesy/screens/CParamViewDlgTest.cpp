// The parameter view: the four pages' texts, and each 设置 storing its group in the job's record,
// applying it, re-arming its warning, re-projecting the base station where the datum or projection
// changed, and saving the file byte for byte as the settings writer writes the expected record.
#include <cmath>

#include "geodesy/CoordParamGroups.h"
#include "geodesy/screens/CParamViewDlg.h"
#include "resources/FourParamDlg.h"
#include "resources/HeightFitParamDlg.h"
#include "resources/ProjectionParamDlg.h"
#include "resources/SevenParamDlg.h"
#include "tests/geodesy/screens/GeodesyHostDouble.h"

namespace {
class ParamViewDlgTest : public GeodesyScreenTest {
protected:
    // A job on central meridian 114°, where the new-job base grid 2558000 / 435000 lies.
    void SetUp() override {
        GeodesyScreenTest::SetUp();
        job = host.job;
        job.projection.szdCenter = 114.0;
        OpenJob(job);
    }
    void ShowTab(CParamViewDlg& view, int index) {
        CRect item;
        view.Sheet().GetItemRect(index, &item);
        ui.Tap(view.Sheet(), item.CenterPoint());
    }
    // Opens the view, runs `act` on it and closes it with OK.
    void InView(const std::function<void(CParamViewDlg&)>& act) {
        CParamViewDlg view(host);
        ui.OnModal(paramview::IDD, [&](CDialog& v) {
            act(view);
            ui.Click(v, IDOK);
        });
        EXPECT_EQ(view.DoModal(), IDOK);
    }
    // The base station's grid position under `record`, from a converter of its own.
    static void ExpectBaseProjected(CoordSysParams& record) {
        CCoordTransform reference;
        ApplyCoordParams(record, reference);
        RecomputeBaseStation(record, reference);
    }

    CoordSysParams job;
};
}  // namespace

TEST_F(ParamViewDlgTest, PagesShowTheGroupsInTheirFormats) {
    job.projection = {7, 117.5, 2558000, 500000, 0.9996, 0.0, 12.5, 30.5};
    job.four = {1, 1.5, -2.0, 4.848136811095216e-06, 1.000001};
    job.seven.szdWx = 4.848136811095216e-06;
    job.seven.szddK = 3.5e-06;
    job.heightFit.szdNiheA[2] = 0.125;
    OpenJob(job);
    InView([&](CParamViewDlg& view) {
        CParamViewPage& projection = view.Page(0);
        EXPECT_EQ(ui.GetText(projection, projpage::kDatum), L"北京-54");
        EXPECT_EQ(ui.GetText(projection, projpage::kSemiMajor), L"6378245.000000");
        EXPECT_EQ(ui.GetText(projection, projpage::kInvFlattening), L"298.3000000000");
        EXPECT_EQ(ui.GetText(projection, projpage::kProjection), L"高斯投影");  // type 7
        EXPECT_EQ(ui.GetText(projection, projpage::kCentralMeridian), L"117.30000000");
        EXPECT_EQ(ui.GetText(projection, projpage::kFalseNorthing), L"2558000");
        EXPECT_EQ(ui.GetText(projection, projpage::kScale), L"0.99960000");
        EXPECT_EQ(ui.GetText(projection, projpage::kHeight), L"12.500");
        EXPECT_EQ(ui.GetText(projection, projpage::kBaseLatitude), L"30.30000000");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-param-view-1.png"));
        ShowTab(view, 1);
        CParamViewPage& four = view.Page(1);
        EXPECT_TRUE(four.IsWindowVisible());
        EXPECT_EQ(ui.GetText(four, fourpage::kInUse), L"使用四参");
        EXPECT_EQ(ui.GetText(four, fourpage::kRotation), L"0.0001000000");
        EXPECT_EQ(ui.GetText(four, fourpage::kAdjustX), L"0.000");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-param-view-2.png"));
        ShowTab(view, 2);
        EXPECT_EQ(ui.GetText(view.Page(2), fitpage::kInUse), L"未使用拟合参数");
        EXPECT_EQ(ui.GetText(view.Page(2), fitpage::kA0 + 2), L"0.1250000000");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-param-view-3.png"));
        ShowTab(view, 3);
        EXPECT_EQ(ui.GetText(view.Page(3), sevenpage::kInUse), L"未使用七参数");
        EXPECT_EQ(ui.GetText(view.Page(3), sevenpage::kRx), L"1.000000");
        EXPECT_EQ(ui.GetText(view.Page(3), sevenpage::kPpm), L"3.500000");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-param-view-4.png"));
    });
}

TEST_F(ParamViewDlgTest, ProjectionChangeSavesAndReprojectsTheBaseStation) {
    InView([&](CParamViewDlg& view) {
        ui.OnModal(projparam::IDD, [&](CDialog& d) {
            ui.SetText(d, projparam::kScale, L"0.9999");
            ui.Click(d, IDOK);
        });
        ui.Click(view.Page(0), paramview::kSet);
        EXPECT_EQ(ui.GetText(view.Page(0), projpage::kScale), L"0.99990000");
    });
    CoordSysParams expected = job;
    expected.projection.szdTk = 0.9999;
    ExpectBaseProjected(expected);
    // The new-job grid of the base is this position on 114° at scale 1: now 0.01 % nearer the equator.
    EXPECT_NEAR(expected.base.szdBaseX, 2558000.0 * 0.9999, 3.0);
    EXPECT_EQ(expected.calib.slot[0].szdSx, expected.base.szdBaseX);
    EXPECT_EQ(JobFile(), BytesOf(expected));
    EXPECT_EQ(host.first.m_dScale, 0.9999);
    EXPECT_EQ(host.second.m_dScale, 0.9999);
    EXPECT_EQ(host.rearmed, std::set{ParamWarning::kCentralMeridian});
}

TEST_F(ParamViewDlgTest, FourParameterAndHeightFitChangesAreSavedAndApplied) {
    InView([&](CParamViewDlg& view) {
        ShowTab(view, 1);
        ui.OnModal(fourparam::IDD, [&](CDialog& d) {
            ui.Click(d, fourparam::kEnable);
            ui.SetText(d, fourparam::kShiftX, L"-12.5");
            ui.SetText(d, fourparam::kRotation, L"0.0001");
            ui.SetText(d, fourparam::kScale, L"1.0000035");
            ui.SetText(d, fourparam::kAdjustY, L"0.02");
            ui.Click(d, IDOK);
        });
        ui.Click(view.Page(1), paramview::kSet);
        EXPECT_EQ(ui.GetText(view.Page(1), fourpage::kInUse), L"使用四参");
        EXPECT_EQ(ui.GetText(view.Page(1), fourpage::kScale), L"1.0000035000");
        ShowTab(view, 2);
        ui.OnModal(heightfit::IDD, [&](CDialog& d) {
            ui.Click(d, heightfit::kEnable);
            ui.SetText(d, heightfit::kA0, L"-0.75");
            ui.SetText(d, heightfit::kY0, L"435000");
            ui.Click(d, IDOK);
        });
        ui.Click(view.Page(2), paramview::kSet);
        EXPECT_EQ(ui.GetText(view.Page(2), fitpage::kA0), L"-0.7500000000");
    });
    CoordSysParams expected = job;
    expected.four = {1, -12.5, 0.0, 4.848136811095216e-06, 1.0000035};  // 1″
    expected.adjust.szdAdjustY = 0.02;
    expected.heightFit.nNiheMode = 1;
    expected.heightFit.szdNiheA[0] = -0.75;
    expected.heightFit.szdNiheY0 = 435000.0;
    EXPECT_EQ(JobFile(), BytesOf(expected));
    for (const CCoordTransform* t : {&host.first, &host.second}) {
        EXPECT_EQ(std::tuple(t->m_nFourParam, t->m_dFourShiftX, t->m_dFourShiftY, t->m_dFourScale),
                  std::tuple(1, -12.5, 0.0, 1.0000035));
        EXPECT_NEAR(t->m_dFourRotation, 4.848136811095216e-06, 1e-18);
        EXPECT_EQ(t->m_dA[0], -0.75);
    }
    EXPECT_EQ(host.rearmed, std::set{ParamWarning::kFourScale});
}

TEST_F(ParamViewDlgTest, SevenParametersSwitchedOnMoveTheBaseGridButNotItsCartesianPosition) {
    InView([&](CParamViewDlg& view) {
        ShowTab(view, 3);
        ui.OnModal(sevenparam::IDD, [&](CDialog& d) {
            ui.Click(d, sevenparam::kEnable);
            ui.SetText(d, sevenparam::kDx, L"-120");
            ui.SetText(d, sevenparam::kRz, L"1");
            ui.SetText(d, sevenparam::kPpm, L"3.5");
            ui.Click(d, IDOK);
        });
        ui.Click(view.Page(3), paramview::kSet);
        EXPECT_EQ(ui.GetText(view.Page(3), sevenpage::kInUse), L"使用七参数");
        EXPECT_EQ(ui.GetText(view.Page(3), sevenpage::kRz), L"1.000000");
    });
    CoordSysParams expected = job;
    expected.seven = {1, -120.0, 0.0, 0.0, 0.0, 0.0, 4.848136811095216e-06, 3.5e-06};
    ExpectBaseProjected(expected);
    EXPECT_GT(std::fabs(expected.base.szdBaseY - 435000.0), 1.0);
    EXPECT_EQ(expected.base.szdBasePX, job.base.szdBasePX);
    EXPECT_EQ(JobFile(), BytesOf(expected));
    EXPECT_EQ(host.first.m_nSevenParam, 1);
    EXPECT_EQ(host.rearmed, std::set{ParamWarning::kSevenRotation});
}

TEST_F(ParamViewDlgTest, CancelOrARefusalLeavesRecordFileConvertersAndPagesAsTheyWere) {
    struct Case {
        int tab;
        UINT editor;
        UINT field;  // typed into before Cancel
    };
    const Case cases[] = {{0, projparam::IDD, projparam::kScale},
                          {1, fourparam::IDD, fourparam::kAdjustX},
                          {2, heightfit::IDD, heightfit::kX0},
                          {3, sevenparam::IDD, sevenparam::kDx}};
    const std::string bytes = JobFile();
    const auto converter = ConverterState(host.first);
    for (const Case& c : cases) {
        InView([&](CParamViewDlg& view) {
            ShowTab(view, c.tab);
            ui.OnModal(c.editor, [&](CDialog& d) {
                ui.SetText(d, c.field, L"7");
                ui.Click(d, IDCANCEL);
            });
            ui.Click(view.Page(c.tab), paramview::kSet);
        });
    }
    InView([&](CParamViewDlg& view) {
        ui.OnModal(projparam::IDD, [&](CDialog& d) {
            ui.SetText(d, projparam::kScale, L"-1");
            ui.ExpectMessageBox(L"比例必须大于0!");
            ui.Click(d, IDOK);
            ui.Click(d, IDCANCEL);
        });
        ui.Click(view.Page(0), paramview::kSet);
        EXPECT_EQ(ui.GetText(view.Page(0), projpage::kScale), L"1.00000000");
    });
    EXPECT_EQ(JobFile(), bytes);
    EXPECT_EQ(host.job, job);
    EXPECT_EQ(ConverterState(host.first), converter);
    EXPECT_TRUE(host.rearmed.empty());
}
