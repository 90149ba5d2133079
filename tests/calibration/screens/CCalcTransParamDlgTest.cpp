// The control-point dialog as a surveyor uses it: pairs added from each raw source through the
// three entry steps, the refusals of those steps, the over-limit prompt, saving, 应用 and what the
// command makes of it, opening a file, cancelling, and the height-line notice.
#include <cmath>
#include <vector>

#include "calibration/ControlPointFile.h"
#include "calibration/RawPointSources.h"
#include "calibration/screens/CCalcTransParamDlg.h"
#include "calibration/screens/CalibrationCommands.h"
#include "calibration/screens/ControlPointEntryDlgs.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "resources/ControlPointDlgs.h"
#include "resources/FileDialogs.h"
#include "tests/calibration/screens/CalibrationHostDouble.h"

namespace {
using CalcTransParamDlgTest = CalibrationScreenTest;
using Script = CUiDriver::Script;

void SelectRow(CDialog& d, int row) {
    LVITEM item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    d.SendDlgItemMessage(ctrlpoint::kList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
}

bool Enabled(CDialog& d, UINT id) {
    return d.GetDlgItem(id)->IsWindowEnabled();
}

// The plane position of a packed latitude and longitude on the test job's grid, to the millimetre.
RawPoint Projected(double packedB, double packedL) {
    return ProjectGeodetic(CalibrationJobConverter(), 0, packedB, packedL, 0.0);
}

// Rows whose known positions are the raw ones shifted by (10, -5) and raised 0.3 m, except that
// row `off` (0-based, if any) is 0.2 m further north.
std::vector<ControlPointRow> ShiftedRows(const std::vector<RawPoint>& raws, int off) {
    std::vector<ControlPointRow> rows;
    for (size_t i = 0; i < raws.size(); ++i) {
        const double extra = static_cast<int>(i) == off ? 0.2 : 0.0;
        rows.push_back({Format(L"P%d", static_cast<int>(i) + 1), Format(L"%.3f", raws[i].x + 10.0 + extra),
                        Format(L"%.3f", raws[i].y - 5.0), Format(L"%.3f", raws[i].h + 0.3),
                        Format(L"%.3f", raws[i].x), Format(L"%.3f", raws[i].y), Format(L"%.3f", raws[i].h),
                        L"", L"", L"Y", L"Y"});
    }
    return rows;
}

const std::vector<RawPoint> kSquare = {{2544000.0, 448000.0, 20.0},
                                       {2545000.0, 448000.0, 21.0},
                                       {2545000.0, 449000.0, 22.0},
                                       {2544000.0, 449000.0, 23.0}};
}  // namespace

TEST_F(CalcTransParamDlgTest, EachRawSourceGivesItsPairAfterTheEntryRefusals) {
    host.fix.fixFlag = 1;
    host.fix.solutionCode = kSolFixed;
    host.fix.latitude = 23.0;
    host.fix.longitude = 113.5;
    host.fix.projX = 2544000.0;
    host.fix.projY = 448000.0;
    host.fix.projH = 20.0;
    host.coord.base.szdBaseX = 2545000.0;
    host.coord.base.szdBaseY = 449000.0;
    host.coord.base.szdBaseH = 30.0;
    host.geoPick = GeoPointChoice{true, L"G1", L"23.0759123400", L"113.2000000000", L"12.5", L"00000000"};
    // Earth-centred coordinates of 23.5 N, 113.8 E, 50 m on WGS-84.
    double x = 0, y = 0, z = 0;
    CCoordTransform wgs84;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    wgs84.BlhToXyz(23.5, 113.8, 50.0, x, y, z);

    CCalcTransParamDlg dlg(host, nullptr);
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) {
        const auto add = [&](const wchar_t* name, const wchar_t* knownX, const wchar_t* knownY, UINT source,
                             Script extra, Script raw) {
            ui.OnModal(knownpoint::IDD, [&, name, knownX, knownY](CDialog& k) {
                ui.SetText(k, knownpoint::kName, L"A,1");
                ui.SetText(k, knownpoint::kX, knownX);
                ui.SetText(k, knownpoint::kY, knownY);
                ui.SetText(k, knownpoint::kH, L"abc");
                ui.ExpectMessageBox(L"点名和编码中不能有逗号,请重新输入!");
                ui.Click(k, IDOK);
                ui.SetText(k, knownpoint::kName, name);
                ui.ExpectMessageBox(L"坐标和高程必须是数字,请重新输入!");
                ui.Click(k, IDOK);
                EXPECT_EQ(CWnd::GetFocus(), k.GetDlgItem(knownpoint::kH));
                ui.SetText(k, knownpoint::kH, L"20.3");
                ui.Click(k, IDOK);
            });
            ui.OnModal(rawsource::IDD, [&, source](CDialog& s) {
                if (extra) extra(s);
                ui.Click(s, source);
            });
            ui.OnModal(rawpoint::IDD, raw);
            ui.Click(d, ctrlpoint::kAdd);
        };
        const auto vertical = [&](bool antennaEnabled) {
            return [&, antennaEnabled](CDialog& r) {
                EXPECT_EQ(Enabled(r, rawpoint::kAntenna), antennaEnabled);
                EXPECT_EQ(Enabled(r, rawpoint::kSlant), antennaEnabled);
                ui.Click(r, IDOK);
            };
        };
        add(L"K0", L"2544010", L"447995", rawsource::kGeoLibrary, nullptr, vertical(false));
        add(L"K1", L"2545010", L"448995", rawsource::kCurrent, nullptr, [&](CDialog& r) {
            EXPECT_EQ(ui.GetText(r, rawpoint::kX), L"2544000.000");
            ui.SetText(r, rawpoint::kAntenna, L"0.1");
            ui.Click(r, rawpoint::kSlant);
            ui.ExpectMessageBox(L"斜高不能小于天线半径,请重新输入!");
            ui.Click(r, IDOK);
            ui.SetText(r, rawpoint::kAntenna, L"1.500");  // √(2.25 − 0.01) + 0.05 = 1.547
            ui.Click(r, IDOK);
        });
        add(L"K2", L"2544010", L"449995", rawsource::kBase, nullptr, [&](CDialog& r) {
            ui.SetText(r, rawpoint::kAntenna, L"2");
            ui.Click(r, rawpoint::kPole);
            ui.Click(r, IDOK);
        });
        add(
            L"K3", L"2545510", L"447000", rawsource::kTypedBlh,
            [&](CDialog&) {
                ui.OnModal(inputblh::IDD, [&](CDialog& b) {
                    ui.SetText(b, inputblh::kL, L"113.2");
                    ui.SetText(b, inputblh::kH, L"5");
                    ui.ExpectMessageBox(L"纬度或经度为零,确定吗?", IDNO);
                    ui.Click(b, IDOK);
                    ui.SetText(b, inputblh::kB, L"23.07591234");
                    ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-input-blh.png"));
                    ui.Click(b, IDOK);
                });
            },
            vertical(false));
        add(
            L"K4", L"2543010", L"446000", rawsource::kTypedXyz,
            [&](CDialog&) {
                ui.OnModal(inputxyz::IDD, [&](CDialog& c) {
                    ui.SetText(c, inputxyz::kX, Format(L"%.4f", x));
                    ui.SetText(c, inputxyz::kY, Format(L"%.4f", y));
                    ui.SetText(c, inputxyz::kZ, Format(L"%.4f", z));
                    ui.Click(c, IDOK);
                });
            },
            vertical(false));
        ui.ExpectMessageBox(L"当前数据进行了修改,请先保存数据", IDNO);
        ui.PressKey(VK_ESCAPE);
    });
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);

    const std::vector<ControlPointRow>& rows = dlg.Table().Rows();
    ASSERT_EQ(rows.size(), 5u);
    const RawPoint library = Projected(23.07591234, 113.2);
    const RawPoint geocentric = ProjectGeodetic(CalibrationJobConverter(), 0, 23.30, 113.48, 0.0);
    const struct {
        CString rawN;
        CString rawE;
        CString rawH;
    } expected[] = {
        {Format(L"%.3f", library.x), Format(L"%.3f", library.y), L"12.500"},
        {L"2544000.000", L"448000.000", L"18.453"},
        {L"2545000.000", L"449000.000", L"27.900"},  // pole 2 + 0.1
        {Format(L"%.3f", library.x), Format(L"%.3f", library.y), L"5.000"},
        {Format(L"%.3f", geocentric.x), Format(L"%.3f", geocentric.y), L"50.000"},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, Format(L"K%d", static_cast<int>(i)));
        EXPECT_EQ(rows[i].knownH, L"20.3");
        EXPECT_EQ(rows[i].rawN, expected[i].rawN) << i;
        EXPECT_EQ(rows[i].rawE, expected[i].rawE) << i;
        EXPECT_EQ(rows[i].rawH, expected[i].rawH) << i;
    }
    EXPECT_EQ(host.coordWrites, 0);
}

TEST_F(CalcTransParamDlgTest, OverLimitRowsAreShownBeforeSavingAndApplyingAndTheResultIsApplied) {
    ASSERT_TRUE(WriteControlPointFile(L"\\Program Files\\Jobs\\road\\site.cot", ShiftedRows(kSquare, 2),
                                      host.converter, 0));
    host.coord.heightFit.szConF = L"\\Program Files\\Jobs\\road\\site.cot";
    host.settings.connection.nPlaneNihe = 1;

    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) {
        SelectRow(d, 2);
        ui.OnModal(pointattr::IDD, [&](CDialog& a) {
            EXPECT_EQ(ui.GetText(a, pointattr::kName), L"P3");
            EXPECT_EQ(a.IsDlgButtonChecked(pointattr::kUsePlane), 1u);
            ui.Click(a, pointattr::kUsePlane);
            ui.Click(a, IDOK);
        });
        ui.Click(d, ctrlpoint::kToggleUse);
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-control-points.png"));

        ui.ExpectMessageBox(L"当前数据进行了修改,请先保存数据");
        ui.OnModal(overlimit::IDD, [&](CDialog& o) {
            EXPECT_EQ(ui.GetText(o, overlimit::kText), L"第3点水平精度超限\r\n");
            ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-over-limit.png"));
            ui.Click(o, IDOK);
        });
        ui.OnModal(savefile::IDD, [&](CDialog& s) {
            ui.SetText(s, savefile::kName, L"new");
            ui.Click(s, IDOK);
        });
        ui.ExpectMessageBox(L"保存成功");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());

        ui.OnModal(overlimit::IDD, [&](CDialog& o) { ui.Click(o, IDCANCEL); });
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.OnModal(overlimit::IDD, [&](CDialog& o) { ui.Click(o, IDOK); });
        ui.Click(d, IDOK);
    });
    RunControlPointCommand(host, nullptr);

    EXPECT_EQ(host.coordWrites, 1);
    EXPECT_EQ(host.coord.heightFit.szConF, L"\\Program Files\\Jobs\\road\\new.cot");
    EXPECT_EQ(host.coord.four.nDifang, 1);
    EXPECT_NEAR(host.coord.four.szdCk1, 1.0, 1e-9);
    EXPECT_EQ(host.coord.heightFit.nNiheMode, 1);  // four height points with the plane fit from four
    const std::string saved = ReadHostFile("Program Files/Jobs/road/new.cot");
    EXPECT_NE(saved.find("P3,2545010.200,448995.000,22.300,"), std::string::npos);
    EXPECT_NE(saved.find(",22.000,0.200,0.000,N,Y,\r\n"), std::string::npos);
}

TEST_F(CalcTransParamDlgTest, OpenCancelSettingsAndTheHeightLineNotice) {
    // Five marks on one line: four parameters are solved, the height surface is not.
    std::vector<RawPoint> line;
    for (int i = 0; i < 5; ++i) line.push_back({2544000.0 + 100.0 * i, 448000.0 + 50.0 * i, 20.0 + i});
    ASSERT_TRUE(WriteControlPointFile(L"\\Program Files\\Jobs\\road\\line.cot", ShiftedRows(line, -1),
                                      host.converter, 0));

    CCalcTransParamDlg dlg(host, nullptr);
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(L"控制点个数为0,确定吗?", IDNO);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());

        ui.OnModal(openfile::IDD, [&](CDialog& o) {
            ui.SetText(o, openfile::kPath, L"\\Program Files\\Jobs\\road\\line.cot");
            ui.Click(o, IDOK);
        });
        ui.ExpectMessageBox(L"高程拟合点共线或重合,已改用高程平移");
        ui.Click(d, ctrlpoint::kOpen);

        ui.OnModal(solvesettings::IDD, [&](CDialog& s) {
            ui.ChooseItem(s, solvesettings::kPlaneCount, 1);
            ui.Click(s, IDOK);
        });
        ui.Click(d, ctrlpoint::kSettings);  // solved again: the notice is not repeated
        EXPECT_EQ(host.settings.connection.nPlaneNihe, 1);

        SelectRow(d, 0);
        ui.OnModal(editctrl::IDD, [&](CDialog& e) {
            EXPECT_EQ(ui.GetText(e, editctrl::kName), L"P1");
            ui.SetText(e, editctrl::kName, L"Q1");
            ui.Click(e, IDOK);
        });
        ui.Click(d, ctrlpoint::kEdit);
        ui.ExpectMessageBox(L"当前数据进行了修改,请先保存数据");
        ui.Click(d, ctrlpoint::kOpen);
        ui.ExpectMessageBox(L"当前数据进行了修改,请先保存数据", IDYES);
        ui.PressKey(VK_ESCAPE);
        EXPECT_FALSE(d.HasEnded());
        ui.ExpectMessageBox(L"当前数据进行了修改,请先保存数据", IDNO);
        ui.PressKey(VK_ESCAPE);
    });
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.Table().Rows()[0].name, L"Q1");
    EXPECT_EQ(dlg.Result().planeMode, kPlaneFour);
    EXPECT_EQ(dlg.Result().heightMode, kHeightShift);
    EXPECT_NEAR(dlg.Result().shiftH, 0.3, 1e-9);
    EXPECT_EQ(host.coordWrites, 0);
}

// Two marks 1 m apart give four parameters that a centimetre of error throws 2 m off 100 m away:
// 应用 says so and asks; two marks in one place are told once and shift the plane only.
TEST_F(CalcTransParamDlgTest, WeakAndCoincidentLayoutsAreToldBeforeApplying) {
    const std::vector<RawPoint> close = {{2544000.0, 448000.0, 20.0}, {2544000.0, 448001.0, 21.0}};
    ASSERT_TRUE(WriteControlPointFile(L"\\Program Files\\Jobs\\road\\close.cot", ShiftedRows(close, -1),
                                      host.converter, 0));
    host.coord.heightFit.szConF = L"\\Program Files\\Jobs\\road\\close.cot";
    const wchar_t* question =
        L"公共点分布太弱:按1厘米测量误差估算,测区内误差可达平面2.000米(限差0.10米)。确定应用吗?";
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(question, IDNO);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.ExpectMessageBox(question, IDYES);
        ui.Click(d, IDOK);
    });
    RunControlPointCommand(host, nullptr);
    EXPECT_EQ(host.coord.four.nDifang, 1);

    const std::vector<RawPoint> same = {{2544000.0, 448000.0, 20.0}, {2544000.0, 448000.0, 20.0}};
    ASSERT_TRUE(WriteControlPointFile(L"\\Program Files\\Jobs\\road\\same.cot", ShiftedRows(same, -1),
                                      host.converter, 0));
    host.coord.heightFit.szConF = L"\\Program Files\\Jobs\\road\\same.cot";
    ui.ExpectMessageBox(L"平面控制点重合,无法求四参数,已改用平面平移");
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunControlPointCommand(host, nullptr);
    EXPECT_EQ(host.coord.four.nDifang, 0);
    EXPECT_NEAR(host.coord.adjust.szdAdjustX, 10.0, 1e-9);
}

// A list whose points are all off for the plane (or the height) keeps what the job has for that part,
// of the kind the last solve found; an empty list accepted resets both.
TEST_F(CalcTransParamDlgTest, APartWithoutUsablePointsKeepsTheRememberedKind) {
    std::vector<ControlPointRow> rows = ShiftedRows(kSquare, -1);
    ASSERT_TRUE(WriteControlPointFile(L"\\Program Files\\Jobs\\road\\site.cot", rows, host.converter, 0));
    for (ControlPointRow& row : rows) row.usePlane = L"N";
    ASSERT_TRUE(WriteControlPointFile(L"\\Program Files\\Jobs\\road\\height.cot", rows, host.converter, 0));
    host.coord.heightFit.szConF = L"\\Program Files\\Jobs\\road\\site.cot";
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunControlPointCommand(host, nullptr);
    EXPECT_EQ(host.memory.planeMode, kPlaneFour);
    const FourParamBlock solved = host.coord.four;
    ASSERT_EQ(solved.nDifang, 1);

    host.coord.heightFit.szConF = L"\\Program Files\\Jobs\\road\\height.cot";
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunControlPointCommand(host, nullptr);
    EXPECT_EQ(host.coord.four, solved);
    EXPECT_EQ(host.memory.planeMode, kPlaneFour);
    EXPECT_EQ(host.coord.heightFit.szConF, L"\\Program Files\\Jobs\\road\\height.cot");

    host.coord.heightFit.szConF = L"";
    ui.OnModal(ctrlpoint::IDD, [&](CDialog& d) {
        ui.ExpectMessageBox(L"控制点个数为0,确定吗?", IDYES);
        ui.Click(d, IDOK);
    });
    RunControlPointCommand(host, nullptr);
    EXPECT_EQ(host.coord.four.nDifang, 0);
    EXPECT_EQ(host.coord.heightFit.nNiheMode, 0);
    EXPECT_EQ(host.memory.planeMode, kPlaneNone);
}
