// The two power-line screens as the user meets them: live status, storing through the format's
// dialog by button, key A and automatic storing, the record format kept in "qzrecauto", the
// coordinate view by key B twice, and texts that fit at 240 pixels.
#include <gtest/gtest.h>

#include "PowerlineHostDouble.h"
#include "foundation/StoredPointLines.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DataExchange.h"
#include "powerline/screens/CPowerLineSurveyDlg.h"
#include "powerline/screens/CTowerSectionStakeDlg.h"
#include "receiver/ReceiverMessages.h"
#include "resources/AutoStoreDlg.h"
#include "resources/PointStoreTypeDlg.h"
#include "resources/PowerlineScreens.h"
#include "resources/PowerlineStoreDlgs.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/ui/LabelsFit.h"
#include "tests/receiver/screens/PositionScreens.h"

namespace {

using namespace powerscreen;

class PowerlineScreenTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        std::filesystem::create_directories(root_ / "data");
        host.survey.store.point.extraText = L"Pt5";
        host.survey.store.point.texts = {L"J1", L"Z9", L"15"};
    }
    void Open(CDialog& dlg, UINT idd) { OpenPositionScreen(ui, dlg, idd); }
    void Send(CDialog& dlg, const CGpsState& fix) { SendPosition(ui, dlg, fix); }
    // The store dialog `idd` opens and is answered OK (or cancelled).
    void AnswerStore(UINT idd, int answer = IDOK) {
        ui.OnModal(idd, [this, answer](CDialog& d) { ui.Click(d, answer); });
    }
    // The last line of the point file read back into its columns.
    SurveyPointRec LastPoint() const {
        CString text = FromGbk(ReadHostFile("data/a.xyh"));
        text = text.Left(text.GetLength() - 2);
        SurveyPointRec point;
        EXPECT_TRUE(ReadPointFileLine(text.Mid(text.ReverseFind(L'\n') + 1), point));
        return point;
    }
    CUiDriver ui;
    PowerlineHostDouble host;
};

CGpsState LiveFix() {
    CGpsState fix = TestFix(3000100.12345);
    fix.solutionText = L"FIXED";
    fix.gloUsedCount = 4;
    return fix;
}

TEST_F(PowerlineScreenTest, SurveyScreenStoresByButtonAndKeyAAndKeepsTheRecordFormat) {
    WriteHostFile("qzrecauto", "[QZRecSaveFormat]1\r\n[Other]kept\r\n");
    CPowerLineSurveyDlg dlg(host, host.survey, nullptr);
    Open(dlg, powersurvey::IDD);
    EXPECT_EQ(host.listener, dlg.m_hWnd);
    EXPECT_EQ(dlg.Format(), 1);  // the job's last record format: 思维

    Send(dlg, LiveFix());
    const struct {
        UINT id;
        const wchar_t* text;
    } shown[] = {{kSolution, L"FIXED"}, {kSatellites, L"9+4"}, {kX, L"3000100.123"}, {kY, L"2000.000"},
                 {kH, L"50.000"},       {kRmsH, L"0.010"},     {kRmsV, L"0.020"}};
    for (const auto& s : shown) EXPECT_EQ(ui.GetText(dlg, s.id), s.text) << s.id;
    ExpectLabelsFit(dlg);
    ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/powerline-survey-screen.png"));

    // Stored in the format the job had: "qzrecauto" is left alone.
    AnswerStore(siweistore::IDD);
    ui.Click(dlg, kStore);
    ASSERT_EQ(host.added.size(), 1u);
    EXPECT_EQ(host.added[0].name, L"Pt5");
    EXPECT_EQ(LastPoint().storeFormat, 1);
    EXPECT_EQ(dlg.Store().StoredPosition().name, L"Pt5");
    EXPECT_EQ(ui.GetText(dlg, kLastName), L"Pt5");
    EXPECT_EQ(ReadHostFile("qzrecauto"), "[QZRecSaveFormat]1\r\n[Other]kept\r\n");

    // 海智 picked: a cancelled store writes nothing, one that stores writes the new format.
    ui.ChooseItem(dlg, powersurvey::kFormat, 2);
    AnswerStore(haizhistore::IDD, IDCANCEL);
    ui.PressKey(65);
    EXPECT_EQ(host.added.size(), 1u);
    EXPECT_EQ(ReadHostFile("qzrecauto"), "[QZRecSaveFormat]1\r\n[Other]kept\r\n");
    AnswerStore(haizhistore::IDD);
    ui.PressKey(65);
    ASSERT_EQ(host.added.size(), 2u);
    EXPECT_EQ(host.added[1].name, L"Pt6");
    EXPECT_EQ(LastPoint().storeFormat, 2);
    EXPECT_EQ(ReadHostFile("qzrecauto"), "[QZRecSaveFormat]2\r\n");

    // A fixed solution at latitude 0 is no position: no dialog opens.
    CGpsState placeholder = LiveFix();
    placeholder.latitude = 0.0;
    Send(dlg, placeholder);
    ui.Click(dlg, kStore);
    EXPECT_EQ(host.added.size(), 2u);
    dlg.DestroyWindow();
    EXPECT_FALSE(static_cast<bool>(host.listener));
}

TEST_F(PowerlineScreenTest, WithoutRecordFileTheFirstStoreWritesItAndAFailedWriteIsTold) {
    CPowerLineSurveyDlg dlg(host, host.survey, nullptr);
    Open(dlg, powersurvey::IDD);
    EXPECT_EQ(dlg.Format(), 0);
    Send(dlg, LiveFix());
    AnswerStore(daohengstore::IDD);
    ui.Click(dlg, kStore);
    EXPECT_EQ(ReadHostFile("qzrecauto"), "[QZRecSaveFormat]0\r\n");
    // The file cannot be replaced (a folder stands in its way): the point is stored, the user told.
    std::filesystem::remove(root_ / "qzrecauto");
    std::filesystem::create_directories(root_ / "qzrecauto");
    ui.ChooseItem(dlg, powersurvey::kFormat, 6);
    AnswerStore(baihestore::IDD);
    ui.ExpectMessageBox(L"记录格式文件写入失败!");
    ui.Click(dlg, kStore);
    EXPECT_EQ(host.added.size(), 2u);
    dlg.DestroyWindow();
}

TEST_F(PowerlineScreenTest, AutomaticModeStartsByKeyAAndStoresWhenTheTriggerTakesAFix) {
    host.survey.settings.nSaveType = 3;
    CPowerLineSurveyDlg dlg(host, host.survey, nullptr);
    Open(dlg, powersurvey::IDD);
    ui.ChooseItem(dlg, powersurvey::kFormat, 4);
    Send(dlg, LiveFix());
    ui.OnModal(autostore::IDD, [&](CDialog& d) {
        ui.SetText(d, autostore::kName, L"A1");
        ui.Click(d, autostore::kStart);
        ui.Click(d, IDOK);
    });
    ui.PressKey(65);
    EXPECT_EQ(host.survey.autoStore.running, 1);
    EXPECT_TRUE(host.added.empty());

    Send(dlg, LiveFix());  // not taken by the trigger
    EXPECT_TRUE(host.added.empty());
    host.autoDue = true;
    Send(dlg, LiveFix());
    ASSERT_EQ(host.added.size(), 1u);
    EXPECT_EQ(host.added[0].name, L"A1");
    EXPECT_EQ(LastPoint().storeFormat, 4);
    EXPECT_EQ(ReadHostFile("qzrecauto"), "[QZRecSaveFormat]4\r\n");
    dlg.DestroyWindow();
}

TEST_F(PowerlineScreenTest, KeyBTwiceWithinThreeSecondsAndTheButtonsReachTheFrame) {
    CPowerLineSurveyDlg dlg(host, host.survey, nullptr);
    Open(dlg, powersurvey::IDD);
    ui.PressKey(66);
    ui.Advance(4000);
    ui.PressKey(66);  // 4 s apart: a first press again
    EXPECT_EQ(host.coordinateViews, 0);
    ui.Advance(2000);
    ui.PressKey(66);
    EXPECT_EQ(host.coordinateViews, 1);
    ui.Click(dlg, kCoordView);
    EXPECT_EQ(host.coordinateViews, 2);
    ui.OnModal(storetype::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    ui.Click(dlg, kSettings);
    ui.Click(dlg, kVerify);
    EXPECT_EQ(host.verified, 1);
    dlg.DestroyWindow();
}

TEST_F(PowerlineScreenTest, SectionScreenStoresSideStakesOfTheNamedSection) {
    CTowerSectionStakeDlg dlg(host, host.survey, nullptr);
    Open(dlg, towersection::IDD);
    Send(dlg, LiveFix());
    ExpectLabelsFit(dlg);
    ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/powerline-section-screen.png"));

    // Refused: no section, then a side-stake number that is no integer; no dialog opens.
    ui.ExpectMessageBox(L"请输入塔基断面!");
    ui.Click(dlg, kStore);
    ui.SetText(dlg, towersection::kSection, L" N12 ");
    ui.SetText(dlg, towersection::kStakeNumber, L"x");
    ui.ExpectMessageBox(kRefuseInteger);
    ui.Click(dlg, kStore);
    EXPECT_TRUE(host.added.empty());

    // A letter typed into the label is the label's, not key A.
    ui.SetText(dlg, towersection::kStakeNumber, L"3");
    ui.SetText(dlg, towersection::kRefHeight, L"40.5");
    dlg.GetDlgItem(towersection::kSection)->SetFocus();
    ui.PressKey(65);
    EXPECT_TRUE(host.added.empty());
    EXPECT_EQ(ui.GetText(dlg, towersection::kSection), L"a N12 ");
    ui.SetText(dlg, towersection::kSection, L" N12 ");

    ui.OnModal(sectionstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, sectionstore::kLabel), L"N12");
        ui.Click(d, IDOK);
    });
    ui.Click(dlg, kStore);
    ASSERT_EQ(host.added.size(), 1u);
    const SurveyPointRec p = LastPoint();
    EXPECT_EQ(p.pointKind, 2);  // side stake
    EXPECT_EQ(p.text27, L"N12");
    EXPECT_EQ(p.text28, L"3");
    EXPECT_DOUBLE_EQ(p.value30, 50.0 - 40.5);
    // The section screen keeps no record format.
    EXPECT_FALSE(std::filesystem::exists(root_ / "qzrecauto"));
    dlg.DestroyWindow();
}

// Both screens store along the current stake line when one is set: column 34 is 3 (0 along none),
// and the survey screen's point takes its mileage, offset and height difference from the line.
TEST_F(PowerlineScreenTest, PointsAlongTheStakeLineCarryItsPlaceAndColumn34) {
    for (bool along : {false, true}) {
        CPowerLineSurveyDlg survey(host, host.survey, nullptr);
        Open(survey, powersurvey::IDD);
        if (along) survey.SetStakeLine(StakeLinePosition{125.5, 1.25, -0.5});
        Send(survey, LiveFix());
        ui.OnModal(daohengstore::IDD, [&](CDialog& d) {
            EXPECT_EQ(ui.GetText(d, plstore::kMileage), along ? L"125.500" : L"0.000");
            ui.Click(d, IDOK);
        });
        ui.Click(survey, kStore);
        SurveyPointRec p = LastPoint();
        EXPECT_EQ(p.int34, along ? 3 : 0);
        EXPECT_EQ(std::make_tuple(p.value18, p.value29, p.value30),
                  along ? std::make_tuple(125.5, 1.25, -0.5) : std::make_tuple(0.0, 0.0, 0.0));
        survey.DestroyWindow();

        CTowerSectionStakeDlg section(host, host.survey, nullptr);
        Open(section, towersection::IDD);
        if (along) section.SetStakeLine(StakeLinePosition{125.5, 1.25, -0.5});
        Send(section, LiveFix());
        ui.SetText(section, towersection::kSection, L"N12");
        AnswerStore(sectionstore::IDD);
        ui.Click(section, kStore);
        p = LastPoint();
        EXPECT_EQ(p.int34, along ? 3 : 0);
        EXPECT_EQ(p.value18, 0.0);  // a side stake has no mileage of its own
        section.DestroyWindow();
    }
}

}  // namespace
