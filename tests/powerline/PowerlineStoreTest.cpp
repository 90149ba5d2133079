// The power-line store path as the user meets it: each format's dialog scripted through the UI
// driver, the files in a fresh device root, a host double in place of the main frame.
#include <gtest/gtest.h>

#include "PowerlineHostDouble.h"
#include "foundation/StoredPointLines.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/ui/CommonControls.h"
#include "powerline/CPointStoreCtrl.h"
#include "powerline/screens/CDaohengStoreDlg.h"
#include "powerline/screens/PowerlineStore.h"
#include "receiver/ReceiverMessages.h"
#include "resources/AutoStoreDlg.h"
#include "resources/PowerlineStoreDlgs.h"
#include "survey/FeatureCodes.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {

constexpr const wchar_t* kHeaders =
    L"Rem Version      Vantrel2.0 Ver: 2011.09.26\r\n"
    L"Rem BaseStation  0.00000000 0.00000000 0.000 0.000 0.000 0.000 0.000 0.000 0.000  \r\n";
// Columns 7-13 of TestFix(), as the point file prints them.
constexpr const wchar_t* kFixColumns = L"10,0.010,0.020,09,1.80,08:00:09,2026-12-07,";
constexpr UINT kDialogs[] = {daohengstore::IDD, siweistore::IDD,   haizhistore::IDD, xlcadstore::IDD,
                             generalstore::IDD, sibeidastore::IDD, baihestore::IDD};

class PowerlineStoreTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        std::filesystem::create_directories(root_ / "data");
        StartNames();
    }
    // The job's names every new controller starts from.
    void StartNames() {
        host.survey.store.point.extraText = L"Pt5";
        host.survey.store.point.texts = {L"J1", L"Z9", L"15"};
    }
    CString Text(const char* file) const { return FromGbk(ReadHostFile(file)); }
    // The last line of the point file read back into its columns.
    SurveyPointRec LastPoint() const {
        CString text = Text("data/a.xyh");
        text = text.Left(text.GetLength() - 2);
        SurveyPointRec point;
        EXPECT_TRUE(ReadPointFileLine(text.Mid(text.ReverseFind(L'\n') + 1), point));
        return point;
    }

    CUiDriver ui;
    PowerlineHostDouble host;
};

// One store: the dialog's choices and what the files and names hold afterwards.
struct NamingCase {
    int format;  // -1: the tower section
    int type;    // sub-type, code type or type
    int32_t feature;
    int point;  // place in an object of two or three points
    int category;
    const wchar_t* typedName;  // nullptr: as offered
    const wchar_t* typedCode;
    const wchar_t* name;
    TextTriple series;  // J, Z, N after the store
    const wchar_t* next;
    const wchar_t* code;
    int col17;
    int32_t col22;
    const wchar_t* col24;
    const wchar_t* col25;
};

// Each format's rows run on one controller, from the job's names J1, Z9, 15 and Pt5.
const NamingCase kNaming[] = {
    // 道亨: the sub-type picks the series, the feature code the step of N.
    {0, 0, 0, 0, 0, nullptr, nullptr, L"J1", {L"J2", L"Z9", L"15"}, L"Pt5", L"", 0, 184, L"", L""},
    {0, 1, 0, 0, 0, nullptr, nullptr, L"Z9", {L"J2", L"Z10", L"15"}, L"Pt5", L"", 1, 184, L"", L""},
    {0, 4, 201, 0, 0, nullptr, nullptr, L"15", {L"J2", L"Z10", L"22"}, L"Pt5", L"", 4, 201, L"", L""},
    {0, 4, 1000, 0, 0, nullptr, nullptr, L"22", {L"J2", L"Z10", L"26"}, L"Pt5", L"", 4, 1000, L"", L""},
    {0, 4, 317, 0, 0, nullptr, nullptr, L"26", {L"J2", L"Z10", L"28"}, L"Pt5", L"", 4, 317, L"", L""},
    {0, 6, 201, 0, 0, nullptr, nullptr, L"28", {L"J2", L"Z10", L"29"}, L"Pt5", L"3-1", 2, 201, L"28", L""},
    {0, 6, 201, 1, 0, nullptr, nullptr, L"29", {L"J2", L"Z10", L"30"}, L"Pt5", L"3-2", 2, 201, L"28", L"29"},
    {0, 6, 201, 2, 0, nullptr, nullptr, L"30", {L"J2", L"Z10", L"37"}, L"Pt5", L"3-2", 6, 201, L"28", L"29"},
    {0, 2, 0, 0, 0, nullptr, nullptr, L"37", {L"J2", L"Z10", L"38"}, L"Pt5", L"", 2, 94, L"28", L"29"},
    {0,
     5,
     1175,
     0,
     0,
     nullptr,
     nullptr,
     L"38",
     {L"J2", L"Z10", L"39"},
     L"Pt5",
     L"2-1",
     2,
     1175,
     L"38",
     L"29"},
    {0,
     5,
     1175,
     1,
     0,
     nullptr,
     nullptr,
     L"39",
     {L"J2", L"Z10", L"44"},
     L"Pt5",
     L"2-1",
     5,
     1175,
     L"38",
     L"39"},
    {0, 5, 938, 1, 0, L"A9", nullptr, L"A9", {L"J2", L"Z10", L"A13"}, L"Pt5", L"2-1", 5, 938, L"38", L"A9"},
    {0, 3, 0, 0, 0, L"40", nullptr, L"40", {L"J2", L"Z10", L"42"}, L"Pt5", L"2-1", 3, 938, L"38", L"A9"},
    // 思维, 海智, 通用, 斯贝达: the next name moves on from the stored one.
    {1, 15, 0, 0, 0, L"S1", L"SL-1", L"S1", {L"J1", L"Z9", L"15"}, L"S2", L"SL-1", 15, 184, L"", L""},
    {2, 0, 0, 0, 0, nullptr, L"H", L"Pt5", {L"J1", L"Z9", L"15"}, L"Pt6", L"H", 0, 184, L"", L""},
    {4, 0, 0, 0, 0, L"G009", L"G", L"G009", {L"J1", L"Z9", L"15"}, L"G10", L"G", 0, 184, L"", L""},
    {5, 3, 0, 0, 0, nullptr, L"B", L"Pt5", {L"J1", L"Z9", L"15"}, L"Pt6", L"B", 3, 184, L"", L""},
    // XLCAD: the type's series moves on, the next name stays.
    {3, 0, 0, 0, 0, nullptr, L"X", L"J1", {L"J2", L"Z9", L"15"}, L"Pt5", L"X", 0, 184, L"", L""},
    {3, 2, 0, 0, 0, nullptr, L"X", L"15", {L"J2", L"Z9", L"16"}, L"Pt5", L"X", 2, 184, L"", L""},
    // 百合: N and the next name from the name; J and Z piles numbered; objects coded.
    {6, 0, 184, 0, 1, nullptr, L"c", L"Pt5", {L"J1", L"12", L"Pt5"}, L"Pt6", L"12", 0, 184, L"", L""},
    {6, 4, 184, 2, 3, nullptr, L"c", L"Pt6", {L"J1", L"12", L"Pt6"}, L"Pt7", L"3-3", 4, 184, L"", L"Pt6"},
    {6, 7, 184, 0, 1, nullptr, L"c", L"Pt7", {L"J1", L"12", L"Pt7"}, L"Pt8", L"2-1", 7, 184, L"Pt7", L"Pt6"},
    {6, 9, 184, 0, 1, nullptr, L"c", L"Pt8", {L"J1", L"12", L"Pt8"}, L"Pt9", L"c", 9, 184, L"Pt7", L"Pt6"},
    {6, 5, 184, 0, 0, nullptr, L"c", L"Pt9", {L"J1", L"12", L"Pt9"}, L"Pt10", L"", 5, 184, L"Pt7", L"Pt6"},
    // The tower section: the proposed name, then the next one.
    {-1, 0, 0, 0, 0, nullptr, L"T", L"K3", {L"J1", L"Z9", L"15"}, L"K4", L"T", 0, 184, L"", L""},
};

void Answer(CUiDriver& ui, CDialog& d, const NamingCase& c) {
    const FeatureCodeTables& codes = FeatureCodes();
    switch (c.format) {
        case 0:
            ui.ChooseItem(d, daohengstore::kSubType, c.type);

            if (c.feature) ui.ChooseItem(d, daohengstore::kFeature, RowOfId(codes.terrain, c.feature));
            if (c.type == 2)  // "辅助点--94"
                ui.ChooseItem(
                    d, daohengstore::kAuxiliary,
                    static_cast<int>(std::distance(codes.auxiliary.begin(), codes.auxiliary.find(94))));
            ui.Click(d, daohengstore::kFirstPoint + c.point);
            break;
        case 1:
            ui.ChooseItem(d, siweistore::kCodeType, c.type);
            break;
        case 3:
            ui.ChooseItem(d, xlcadstore::kType, c.type);
            break;
        case 5:
            ui.SetText(d, sibeidastore::kType, std::to_wstring(c.type).c_str());
            break;
        case 6:
            ui.SetText(d, baihestore::kType, std::to_wstring(c.type).c_str());
            ui.ChooseItem(d, baihestore::kCategory, c.category);
            ui.ChooseItem(d, baihestore::kPointIndex, c.point);
            ui.SetText(d, baihestore::kZNumber, L"12");
            break;
        default:
            break;
    }
    if (c.typedName) ui.SetText(d, plstore::kName, c.typedName);
    if (c.typedCode) ui.SetText(d, plstore::kCode, c.typedCode);
    ui.Click(d, IDOK);
}

}  // namespace

TEST_F(PowerlineStoreTest, EveryFormatNamesItsPointsAndMovesItsSeriesOn) {
    std::unique_ptr<CPointStoreCtrl> ctrl;
    int format = -2;
    for (const NamingCase& c : kNaming) {
        SCOPED_TRACE(testing::Message()
                     << "format " << c.format << ", type " << c.type << ", point " << c.point);
        if (c.format != format) {
            StartNames();
            ctrl = std::make_unique<CPointStoreCtrl>(host, host.survey);
            format = c.format;
        }
        const bool section = c.format < 0;
        const StoreRequest request{0,  section ? 1 : 0, section ? 0 : c.format, section ? L"K3" : L"", L"", 0,
                                   0.0};
        ui.OnModal(section ? sectionstore::IDD : kDialogs[c.format], [&](CDialog& d) { Answer(ui, d, c); });
        CPowerlineStore store(host.survey, *ctrl, nullptr);
        ASSERT_EQ(store.StorePoint(TestFix(), request).number, 1);

        const SurveyPointRec p = LastPoint();
        EXPECT_EQ(p.name, c.name);
        EXPECT_EQ(host.savedNames.back(), c.name);
        EXPECT_EQ(host.survey.store.point.texts, c.series);
        EXPECT_EQ(host.survey.store.NextName(), c.next);
        EXPECT_EQ(p.code, c.code);
        EXPECT_EQ(p.surveyType, c.col17);
        EXPECT_EQ(p.int22, c.col22);
        EXPECT_EQ(p.text24, c.col24);
        EXPECT_EQ(p.text25, c.col25);
        EXPECT_EQ(p.pointKind, section ? 2 : 0);
        EXPECT_EQ(p.storeFormat, section ? 0 : c.format);
    }
}

TEST_F(PowerlineStoreTest, ADaohengPoleWritesItsLinesIntoTheScreensFiles) {
    CPointStoreCtrl ctrl(host, host.survey);
    ctrl.MakeBlhName(L"\\data\\", L"job1.xyh");
    ctrl.SetLineContext(12.5, 1.2, 0.3, L"K1", 2, 40.0, L"左");
    ctrl.SetColumn34Value(3);
    const StoreRequest request{0, 0, 0, L"", L"", 0, 0.0};
    ui.OnModal(daohengstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, plstore::kName), L"J1");
        EXPECT_EQ(ui.GetText(d, plstore::kMileage), L"12.500");
        EXPECT_EQ(ui.GetText(d, daohengstore::kSeriesN), L"15");
        ui.SetText(d, plstore::kAntHeight, L"1.5");
        ui.SetText(d, daohengstore::kLength, L"3.2");
        ui.SetText(d, plstore::kRemark, L"塔");
        ui.Click(d, IDOK);
    });
    CPowerlineStore store(host.survey, ctrl, nullptr);
    const StoredPointResult result = store.StorePoint(TestFix(), request);
    ASSERT_EQ(result.number, 1);
    EXPECT_DOUBLE_EQ(result.point.h, 48.5);
    const CString attributes = L"0,12.50,1,30,3.200,184,0.000,,,0.000,K1,左,1.200,0.300,,,塔,";
    EXPECT_EQ(Text("data/job1.blh"),
              CString(kHeaders) +
                  L"J1,30.3000000000,114.1500000000,30.000,,1.500,10,0.010,0.020,09,1.80,"
                  L"08:00:09,2026-12-07,0,0," +
                  attributes + L"0,,,\r\n");
    EXPECT_EQ(Text("data/job1.xyh"), L"J1,1000.000,2000.000,48.500,,1.500," + CString(kFixColumns) +
                                         L"1,0,0," + attributes + L"3,,,\r\n");
    EXPECT_EQ(Text("a.lib"), L"1,J1,1000.000,2000.000,48.500,\r\n");
    EXPECT_EQ(host.survey.settings.szdRoverAntH, 1.5);
}

TEST_F(PowerlineStoreTest, ATowerSectionPointIsASideStakeOfItsSection) {
    CPointStoreCtrl ctrl(host, host.survey);
    ctrl.SetLineContext(0.0, 0.0, 0.0, L"ZJ5", 3, 45.0, L"");
    ctrl.SetSectionLabel(L"ZJ5-A 断面");
    const StoreRequest request{0, 1, 0, L"K3", L"", 0, 0.0};
    ui.OnModal(sectionstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, sectionstore::kLabel), L"ZJ5-A 断面");
        EXPECT_EQ(ui.GetText(d, plstore::kName), L"K3");
        ui.SetText(d, plstore::kAntHeight, L"1.5");
        ui.SetText(d, plstore::kCode, L"T");
        ui.SetText(d, sectionstore::kOffset, L"2.5");
        ui.Click(d, IDOK);
    });
    CPowerlineStore store(host.survey, ctrl, nullptr);
    ASSERT_EQ(store.StorePoint(TestFix(), request).number, 1);
    // Columns 27, 28 and 30: the section's stake, its number and the height above its reference.
    EXPECT_EQ(Text("data/a.xyh"),
              L"K3,1000.000,2000.000,48.500,T,1.500," + CString(kFixColumns) +
                  L"1,2,0,0,0.00,1,30,0.000,184,0.000,,,0.000,ZJ5,3,2.500,3.500,,,,0,,,\r\n");
    EXPECT_EQ(Text("a.lib"), L"3,K3,1000.000,2000.000,48.500,T\r\n");
}

TEST_F(PowerlineStoreTest, ABaiheSpanPointKeepsItsMeasuredHeightInTheFirstTrailingText) {
    CPointStoreCtrl ctrl(host, host.survey);
    const StoreRequest request{0, 0, 6, L"", L"", 0, 0.0};
    ui.OnModal(baihestore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, baihestore::kJNumber), L"1");
        ui.SetText(d, baihestore::kType, L"7");
        ui.SetText(d, baihestore::kHeight, L"-2.5");
        ui.SetText(d, baihestore::kTrailing1, L"0");
        ui.SetText(d, baihestore::kTrailing2, L"x");
        ui.Click(d, IDOK);
    });
    CPowerlineStore store(host.survey, ctrl, nullptr);
    ASSERT_EQ(store.StorePoint(TestFix(), request).number, 1);
    EXPECT_EQ(Text("data/a.xyh").Right(22), L"0.000,,,,0,+2.500,x,\r\n");
}

TEST_F(PowerlineStoreTest, RefusedAndFailedStoresLeaveFilesAndNamesAsTheyWere) {
    CPointStoreCtrl ctrl(host, host.survey);
    const StoreRequest request{0, 0, 4, L"", L"", 0, 0.0};
    CPowerlineStore store(host.survey, ctrl, nullptr);
    CGpsState noData = TestFix();
    noData.fixFlag = 0;
    ui.ExpectMessageBox(L"当前没有接收到数据,不能存储数据");
    EXPECT_EQ(store.StorePoint(noData, request).number, 0);

    ui.OnModal(generalstore::IDD, [&](CDialog& d) {
        ui.SetText(d, plstore::kName, L"A,1");
        ui.ExpectMessageBox(L"点名和属性中不能有逗号,请重新输入!");
        ui.Click(d, IDOK);
        ui.SetText(d, plstore::kName, L"A1");
        ui.SetText(d, plstore::kRemark, L"b\r\nc");
        ui.ExpectMessageBox(L"点名和属性中不能有逗号,请重新输入!");
        ui.Click(d, IDOK);
        ui.SetText(d, plstore::kRemark, L"");
        ui.SetText(d, plstore::kAntHeight, L"0.05");
        ui.Click(d, plstore::kSlant);
        ui.ExpectMessageBox(L"斜高不能小于天线半径!");
        ui.Click(d, IDOK);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(store.StorePoint(TestFix(), request).number, 0);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/a.xyh"));

    // The name cannot be kept: nothing is written and the same name is offered again.
    host.nameSaves = false;
    ui.OnModal(generalstore::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    ui.ExpectMessageBox(L"数据文件写入失败,该点没有存储!");
    EXPECT_EQ(store.StorePoint(TestFix(), request).number, 0);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/a.xyh"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/a.blh"));
    EXPECT_EQ(ctrl.Template().extraText, L"Pt5");
    EXPECT_EQ(host.survey.store.NextName(), L"Pt5");

    // A piece after the last line end that is no point is cut into the file's ".bad" copy, and told,
    // before the point is appended.
    host.nameSaves = true;
    WriteHostFile("data/a.xyh", "X,1\r\nPt4,99");
    ui.ExpectMessageBox(L"a.xyh末尾的损坏内容已移到a.xyh.bad");
    ui.OnModal(generalstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, plstore::kName), L"Pt5");
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(store.StorePoint(TestFix(), request).number, 1);
    EXPECT_EQ(Text("data/a.xyh").Left(9), L"X,1\r\nPt5,");
    EXPECT_EQ(ReadHostFile("data/a.xyh.bad"), "Pt4,99");
    EXPECT_EQ(host.survey.store.NextName(), L"Pt6");
    // A screen opened later continues after the job's names.
    EXPECT_EQ(CPointStoreCtrl(host, host.survey).OfferedName(), L"Pt6");
}

TEST_F(PowerlineStoreTest, AutomaticStoringStartsFromItsDialogAndStoresTerrainPoints) {
    CPointStoreCtrl ctrl(host, host.survey);
    const StoreRequest request{3, 0, 2, L"", L"", 1, 5.0};
    CPowerlineStore store(host.survey, ctrl, nullptr);
    ui.OnModal(autostore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, autostore::kName), L"Pt5");
        ui.SetText(d, autostore::kName, L"A1");
        ui.SetText(d, autostore::kCode, L"路");
        ui.PressKey(VK_RETURN);
        ui.Click(d, IDOK);
    });
    store.StartAutoStore(TestFix());
    EXPECT_EQ(host.survey.autoStore.running, 1);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    const SurveyPointRec p = LastPoint();
    EXPECT_EQ(p.name, L"A2");
    EXPECT_EQ(p.code, L"路");
    EXPECT_EQ(p.pointKind, 3);
    EXPECT_EQ(p.storeFormat, 2);
    EXPECT_EQ(Text("data/a.blh").Right(15), L",3,1,5.000,,,\r\n");
    EXPECT_EQ(host.survey.store.NextName(), L"A3");
}

TEST_F(PowerlineStoreTest, SmoothingStoresTheMeanAndOneRawLinePerEpoch) {
    host.survey.settings.nSmoothSecond = 2;
    CPointStoreCtrl ctrl(host, host.survey);
    const StoreRequest request{2, 0, 4, L"", L"", 0, 0.0};
    CGpsState floating = TestFix();
    floating.solutionCode = 9;
    ui.OnModal(generalstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, plstore::kStatus), L"解算状态:非固定解状态");
        EXPECT_EQ(host.survey.listener, d.m_hWnd);
        for (double x : {1001.0, 1003.0, 1009.0}) {
            CGpsState fix = TestFix(x);
            SendMessage(d.m_hWnd, WM_GPS_POSITION_STORE, reinterpret_cast<WPARAM>(&fix), 0);
            ui.Advance(1000);
        }
        ui.Click(d, IDOK);
    });
    CPowerlineStore store(host.survey, ctrl, nullptr);
    ASSERT_EQ(store.StorePoint(floating, request).number, 1);
    EXPECT_EQ(host.survey.tones, 1);
    EXPECT_EQ(host.survey.listener, HWND());
    const CString raw = Text("data/a.blh");
    EXPECT_NE(raw.Find(L",2,2,2,1,,,\r\nPt5,"), -1);
    EXPECT_EQ(raw.Right(13), L",2,2,2,2,,,\r\n");
    const SurveyPointRec p = LastPoint();
    EXPECT_EQ(p.pointX, 1002.0);
    EXPECT_EQ(p.int14, 2);
}

// The 道亨 dialog is handed the job's crossing-line block when its first word is not 0, and only
// then; the other formats never see it.
TEST_F(PowerlineStoreTest, TheDaohengDialogIsHandedASetCrossingBlock) {
    const struct {
        int32_t first;
        int format;
        UINT dialog;
        bool handed;
    } cases[] = {
        {7, 0, daohengstore::IDD, true}, {0, 0, daohengstore::IDD, false}, {7, 4, generalstore::IDD, false}};
    for (const auto& c : cases) {
        host.survey.store.crossing.words = {c.first, 11, 12, 13};
        host.survey.store.crossing.record.name = L"X1";
        CPointStoreCtrl ctrl(host, host.survey);
        ctrl.MakeBlhName(L"\\data\\", L"job1.xyh");
        const StoreRequest request{0, 0, c.format, L"", L"", 0, 0.0};
        ui.OnModal(c.dialog, [&](CDialog& d) {
            const auto* daoheng = dynamic_cast<CDaohengStoreDlg*>(&d);
            EXPECT_EQ(daoheng != nullptr, c.format == 0);
            if (daoheng) {
                EXPECT_EQ(daoheng->CrossingBlock().has_value(), c.handed);
                if (c.handed) {
                    EXPECT_EQ(daoheng->CrossingBlock()->words, (std::array<int32_t, 4>{7, 11, 12, 13}));
                    EXPECT_EQ(daoheng->CrossingBlock()->record.name, L"X1");
                }
            }
            ui.Click(d, IDCANCEL);
        });
        CPowerlineStore store(host.survey, ctrl, nullptr);
        EXPECT_EQ(store.StorePoint(TestFix(), request).number, 0);
    }
}
