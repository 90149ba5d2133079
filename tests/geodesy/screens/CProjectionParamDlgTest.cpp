// The ellipsoid and projection editor: what it opens with, what choosing a row or a type does, the
// user-defined row, and the values it refuses.
#include "geodesy/screens/CProjectionParamDlg.h"
#include "tests/geodesy/screens/GeodesyHostDouble.h"

using namespace projparam;

namespace {
using ProjectionParamDlgTest = GeodesyScreenTest;

int Selection(CWnd& dlg, UINT combo) {
    return static_cast<int>(dlg.SendDlgItemMessage(static_cast<int>(combo), CB_GETCURSEL));
}
}  // namespace

TEST_F(ProjectionParamDlgTest, OpensOnTheJobRecordWithAnglesPacked) {
    CoordSysParams job = host.job;
    job.ellipsoid = {L"国家-80", 6378140.0, 298.257};
    job.projection.szdCenter = 117.5;
    job.projection.ProjectLat = 30.5;
    OpenJob(job);
    CProjectionParamDlg dlg(host.job);
    ui.OnModal(IDD, [&](CDialog& d) {
        EXPECT_EQ(Selection(d, kEllipsoid), 1);
        EXPECT_EQ(ui.GetText(d, kSemiMajor), L"6378140");
        EXPECT_FALSE(Enabled(d, kSemiMajor));
        EXPECT_FALSE(Enabled(d, kInvFlattening));
        EXPECT_EQ(Selection(d, kProjection), 0);
        EXPECT_EQ(ui.GetText(d, kCentralMeridian), L"117.3");
        EXPECT_EQ(ui.GetText(d, kBaseLatitude), L"30.3");
        EXPECT_FALSE(Enabled(d, kBaseLatitude));
        EXPECT_EQ(ui.GetText(d, kFalseEasting), L"500000");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/geodesy-projection-editor.png"));
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_ellipsoid, job.ellipsoid);
    EXPECT_EQ(dlg.m_projection.centralMeridian, 117.3);
}

TEST_F(ProjectionParamDlgTest, ChoosingATypeProposesItsScaleAndTheBaseLatitude) {
    struct Case {
        int type;
        const wchar_t* scale;
        bool baseLatitude;
    };
    const Case cases[] = {{1, L"0.9996", false},
                          {4, L"0.99975", true},
                          {2, L"1", true},
                          {3, L"0.99975", true},
                          {0, L"1", false}};
    CProjectionParamDlg dlg(host.job);
    ui.OnModal(IDD, [&](CDialog& d) {
        for (const Case& c : cases) {
            ui.SetText(d, kScale, L"0.5");
            ui.ChooseItem(d, kProjection, c.type);
            EXPECT_EQ(ui.GetText(d, kScale), c.scale) << c.type;
            EXPECT_EQ(Enabled(d, kBaseLatitude), c.baseLatitude) << c.type;
        }
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ProjectionParamDlgTest, OnlyTheUserDefinedRowIsTypedAndAChosenRowReplacesTypedValues) {
    CProjectionParamDlg dlg(host.job);
    ui.OnModal(IDD, [&](CDialog& d) {
        ui.ChooseItem(d, kEllipsoid, kUserDefinedEllipsoid);
        EXPECT_EQ(ui.GetText(d, kSemiMajor), L"6378245");
        EXPECT_EQ(ui.GetText(d, kInvFlattening), L"298.3");
        EXPECT_TRUE(Enabled(d, kSemiMajor));
        EXPECT_TRUE(Enabled(d, kInvFlattening));
        ui.SetText(d, kSemiMajor, L"6000000");
        ui.ChooseItem(d, kEllipsoid, 2);
        EXPECT_EQ(ui.GetText(d, kSemiMajor), L"6378137");
        EXPECT_EQ(ui.GetText(d, kInvFlattening), L"298.257223563");
        EXPECT_FALSE(Enabled(d, kSemiMajor));
        ui.ChooseItem(d, kEllipsoid, kUserDefinedEllipsoid);
        ui.SetText(d, kSemiMajor, L"6000000.5");
        ui.SetText(d, kInvFlattening, L"300");
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_ellipsoid, (EllipsoidParams{L"用户自定义", 6000000.5, 300.0}));
}

TEST_F(ProjectionParamDlgTest, AJobDatumNotInTheTableOpensAsUserDefinedWithItsOwnValues) {
    CoordSysParams job = host.job;
    job.ellipsoid = {L"西安-80", 6378140.0, 298.257};
    OpenJob(job);
    CProjectionParamDlg dlg(host.job);
    ui.OnModal(IDD, [&](CDialog& d) {
        EXPECT_EQ(Selection(d, kEllipsoid), kUserDefinedEllipsoid);
        EXPECT_EQ(ui.GetText(d, kSemiMajor), L"6378140");
        EXPECT_TRUE(Enabled(d, kSemiMajor));
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_ellipsoid, (EllipsoidParams{L"用户自定义", 6378140.0, 298.257}));
}

TEST_F(ProjectionParamDlgTest, RefusedValuesKeepTheDialogOpenWithTheFocusOnTheField) {
    struct Case {
        UINT type;  // projection chosen first
        UINT field;
        const wchar_t* text;
        const wchar_t* message;
    };
    const Case cases[] = {
        {0, kSemiMajor, L"0", L"椭球参数错误:长轴须大于0,扁率须大于1!"},
        {0, kInvFlattening, L"1", L"椭球参数错误:长轴须大于0,扁率须大于1!"},
        {0, kCentralMeridian, L"30.75", L"角度格式错误,分和秒须小于60!"},
        {0, kCentralMeridian, L"-181", L"中央子午线必须在±180°以内!"},
        {0, kScale, L"0", L"比例必须大于0!"},
        {3, kBaseLatitude, L"45.6", L"角度格式错误,分和秒须小于60!"},
        {4, kBaseLatitude, L"-90.0001", L"基准纬度必须在±90°以内!"},
    };
    for (const Case& c : cases) {
        CProjectionParamDlg dlg(host.job);
        ui.OnModal(IDD, [&](CDialog& d) {
            ui.ChooseItem(d, kEllipsoid, kUserDefinedEllipsoid);
            ui.ChooseItem(d, kProjection, static_cast<int>(c.type));
            ui.SetText(d, c.field, c.text);
            ui.ExpectMessageBox(c.message);
            ui.Click(d, IDOK);
            EXPECT_FALSE(d.HasEnded()) << c.message;
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(static_cast<int>(c.field))) << c.message;
            ui.Click(d, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}
