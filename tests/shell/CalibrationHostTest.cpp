// The calibration glue of the frame: the latitude/longitude library installed as the program's
// geodetic point picker (the add-point dialog's "B" picks through it), and what storing the job's
// coordinate parameters does to the frame and to the job's base.
#include "calibration/SinglePointCalibration.h"
#include "foundation/screens/CPointDlg.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "platform/text/Format.h"
#include "platform/ui/ListCtrl.h"
#include "resources/GeoCoordLibDlgs.h"
#include "resources/PointDlg.h"
#include "shell/hosts/CalibrationHostImpl.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

namespace {
using CalibrationHostTest = FrameTest;
}  // namespace

TEST_F(CalibrationHostTest, AddPointPicksThroughTheLatitudeLongitudeLibrary) {
    FrameProbe::Job(frame).UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
    WriteHostFile("job/j.WGS", "G1,30.1430000000,120.1030000000,12.5,c1,\r\n");
    double n = 0, e = 0, h = 0;
    FrameProbe::Library(frame).Wgs84ToLocalPlane(30.0 + 14.0 / 60 + 30.0 / 3600,
                                                 120.0 + 10.0 / 60 + 30.0 / 3600, 12.5, n, e, h);
    CAddPointDlg add(&FrameProbe::Library(frame), &frame);
    ui_.OnModal(point::IDD_ADD, [&](CDialog& d) {
        ui_.OnModal(geolib::IDD, [&](CDialog& g) {
            LVITEM item{};
            item.stateMask = item.state = LVIS_SELECTED;
            g.SendDlgItemMessage(geolib::kList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
            ui_.Click(g, IDOK);
        });
        ui_.Click(d, point::kPickGeodetic);
        EXPECT_EQ(ui_.GetText(d, point::kName), L"G1");
        EXPECT_EQ(ui_.GetText(d, point::kCode), L"c1");
        EXPECT_EQ(ui_.GetText(d, point::kNorth), Format(L"%.3f", n));
        EXPECT_EQ(ui_.GetText(d, point::kEast), Format(L"%.3f", e));
        ui_.Click(d, IDCANCEL);
    });
    add.DoModal();
}

TEST_F(CalibrationHostTest, StoredParametersBecomeTheJobsReloadTheConvertersAndRearmTheWarnings) {
    FrameProbe::Job(frame).UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
    FrameProbe::AcknowledgeParamWarnings(frame);
    CalibrationHostImpl host = FrameProbe::Hosts(frame).Calibration();
    CoordSysParams params = host.CoordParams();
    params.four = {1, 10.0, -5.0, 0.0, 1.0};
    ASSERT_TRUE(host.SaveCoordParams(params));
    EXPECT_EQ(FrameProbe::Job(frame).CoordParams().four, params.four);
    EXPECT_EQ(FrameProbe::Position(frame).First().m_dFourShiftX, 10.0);
    EXPECT_EQ(host.CalibrationConverter().m_nFourParam, 1);
    for (bool acknowledged : FrameProbe::ParamAcknowledged(frame)) EXPECT_FALSE(acknowledged);
    EXPECT_NE(ReadHostFile("job/j.qza").find("szdCx1=10"), std::string::npos);
    frame.DestroyWindow();  // a writable job is written back at the end, while the device root is there
}

// The base as the watch took it (its grid position and slot 0 on the job's datum), then the
// three-parameter set-up on its known point 30 m away: the base's grid position and slot 0 move to
// the new datum with the parameters, so the next known-base calibration finds no offset left.
TEST_F(CalibrationHostTest, ABaseSetUpOnNewDatumParametersMovesWithThem) {
    FrameProbe::Job(frame).UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
    CalibrationHostImpl host = FrameProbe::Hosts(frame).Calibration();
    CoordSysParams params = host.CoordParams();
    params.base.szdBaseLat = 30.1430;
    params.base.szdBaseLon = 120.1030;
    params.base.szdBaseHgt = 20.0;
    CCoordTransform converter;
    ApplyCoordParams(params, converter);
    RecomputeBaseStation(params, converter);
    BaseCalibSlot& base = params.calib.slot[0];
    const BaseCalibSlot surveyed = base;
    base.szdKx = surveyed.szdSx + 30.0;
    base.szdKy = surveyed.szdSy - 20.0;
    base.szdKh = surveyed.szdSh - 6.5;
    base.szdKAnh = 1.5;
    ASSERT_TRUE(host.SaveCoordParams(params));
    EXPECT_NEAR(FrameProbe::Job(frame).CoordParams().calib.slot[0].szdSx, surveyed.szdSx,
                1e-6);  // the same datum: in place

    const CalibrationFix fix{};  // neither calibration of a known base reads the fix
    ASSERT_TRUE(host.SaveCoordParams(
        Calibrate(host.CoordParams(), {true, 1, true}, fix, host.CalibrationConverter()).params));
    const CoordSysParams& job = FrameProbe::Job(frame).CoordParams();
    const BaseCalibSlot& moved = job.calib.slot[0];
    EXPECT_NEAR(moved.szdSx, moved.szdKx, 0.001);
    EXPECT_NEAR(moved.szdSy, moved.szdKy, 0.001);
    EXPECT_NEAR(moved.szdSh, moved.szdKh + moved.szdKAnh, 0.001);
    EXPECT_EQ(std::make_tuple(job.base.szdBaseX, job.base.szdBaseY, job.base.szdBaseH),
              std::make_tuple(moved.szdSx, moved.szdSy, moved.szdSh));

    const CoordSysParams next = Calibrate(job, {true, 1, false}, fix, host.CalibrationConverter()).params;
    EXPECT_NEAR(next.adjust.szdAdjustX, 0.0, 0.001);
    EXPECT_NEAR(next.adjust.szdAdjustY, 0.0, 0.001);
    EXPECT_NEAR(next.adjust.szdAdjustH, 0.0, 0.001);
    frame.DestroyWindow();
}

// A rover never reads the antenna table, so the calibration screens reduce heights with the
// constants the survey screens use: the connected receiver's, from its version reply.
TEST_F(CalibrationHostTest, AntennaConstantsAreTheConnectedReceiversInEveryHost) {
    ReceiverVersionInfo& ident = ReceiverLinkProbe::Identity(FrameProbe::Receiver(frame));
    ident.antennaHeightFactor = 0.0764;
    ident.instrumentHeight = 0.0884;
    ident.instrumentRadius = 0.12;
    ASSERT_FALSE(FrameProbe::Receiver(frame).IsBase());
    const AntennaConstants calibration = FrameProbe::Hosts(frame).Calibration().Antenna();
    const AntennaConstants survey = FrameProbe::Hosts(frame).Survey().Antenna();
    for (const AntennaConstants& antenna : {calibration, survey}) {
        EXPECT_EQ(antenna.phaseOffset, 0.0764);
        EXPECT_EQ(antenna.poleOffset, 0.0884);
        EXPECT_EQ(antenna.radius, 0.12);
    }
}
