#include "survey/screens/CDataEditDlg.h"

#include <gtest/gtest.h>

#include "platform/testing/UiDriver.h"
#include "platform/ui/ComboBox.h"
#include "survey/FeatureCodes.h"

namespace {
using namespace dataedit;

SurveyPointRec Point(int kind, int format, int subType = 0) {
    SurveyPointRec p;
    p.name = L"桩1";
    p.code = L"电杆";
    p.pointKind = kind;
    p.storeFormat = format;
    p.surveyType = subType;
    p.antennaHeight = 1.8;
    p.pointH = 100.0;
    p.value21 = 7.0;
    p.value23 = 1.2;
    p.value26 = 3.456;
    p.text33 = L"转角杆";
    return p;
}

class DataEditTest : public ::testing::Test {
protected:
    void SetUp() override { InitCommonControls(); }
    bool Shown(CDialog& d, UINT id) { return d.GetDlgItem(static_cast<int>(id))->IsWindowVisible(); }
    bool Enabled(CDialog& d, UINT id) { return d.GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }
    CComboBox& Combo(CDialog& d, UINT id) {
        return *static_cast<CComboBox*>(d.GetDlgItem(static_cast<int>(id)));
    }
    // Runs the dialog on the point; `act` works the controls before OK, answered Yes.
    SurveyPointRec Edit(const SurveyPointRec& point, const std::function<void(CDialog&)>& act) {
        CDataEditDlg dlg(point);
        ui.OnModal(CDataEditDlg::IDD, [&](CDialog& d) {
            act(d);
            ui.ExpectMessageBox(L"确定编辑吗?", IDYES);
            ui.Click(d, IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        return dlg.Record();
    }

    CUiDriver ui;
};

}  // namespace

TEST_F(DataEditTest, LayoutFollowsKindFormatAndSubType) {
    struct Case {
        int kind, format, subType;
        const wchar_t* dataType;
        const wchar_t* firstLabel;
        std::vector<UINT> shown;   // of the controls that come and go
        std::vector<UINT> greyed;  // of those shown
    };
    const std::vector<UINT> varying = {kSubType,      kCrossing,  kTerrain,    kMeasuredHeight,
                                       kPoleType,     kWidth,     kLength,     kRemark,
                                       kFeatureLabel, kPoleLabel, kLengthLabel};
    const Case cases[] = {
        {1, 0, 0, L"参考点", L"编  码:", {}, {}},
        {3, 4, 0, L"地形点", L"编  码:", {}, {}},
        {0,
         0,
         0,
         L"有效点--道亨",
         L"量  高:",
         {kSubType, kCrossing, kPoleType, kLength, kRemark, kFeatureLabel, kPoleLabel, kLengthLabel},
         {kCrossing, kPoleType, kLength}},
        {0,
         0,
         2,
         L"有效点--道亨",
         L"量  高:",
         {kSubType, kCrossing, kPoleType, kLength, kRemark, kFeatureLabel, kPoleLabel, kLengthLabel},
         {kSubType, kCrossing, kPoleType, kLength}},
        {0,
         0,
         3,
         L"有效点--道亨",
         L"量  高:",
         {kSubType, kCrossing, kPoleType, kLength, kRemark, kFeatureLabel, kPoleLabel, kLengthLabel},
         {kSubType}},
        {0,
         0,
         5,
         L"有效点--道亨",
         L"量  高:",
         {kSubType, kTerrain, kWidth, kLength, kRemark, kFeatureLabel, kPoleLabel, kLengthLabel},
         {kSubType}},
        {0,
         1,
         15,
         L"有效点--思维",
         L"编  码:",
         {kMeasuredHeight, kWidth, kLength, kFeatureLabel, kPoleLabel, kLengthLabel},
         {}},
        {0, 2, 0, L"有效点--海智", L"编  码:", {kPoleType, kPoleLabel}, {}},
        {0, 5, 0, L"有效点--通用", L"编  码:", {kRemark}, {}},
    };
    for (const Case& c : cases) {
        CDataEditDlg dlg(Point(c.kind, c.format, c.subType));
        ASSERT_TRUE(dlg.Create(CDataEditDlg::IDD));
        const auto where = ::testing::Message()
                           << "kind " << c.kind << " format " << c.format << " sub-type " << c.subType;
        EXPECT_EQ(ui.GetText(dlg, kDataType), c.dataType) << where;
        EXPECT_EQ(ui.GetText(dlg, kFirstLabel), c.firstLabel) << where;
        EXPECT_TRUE(Shown(dlg, kAntennaHeight)) << where;
        for (UINT id : varying) {
            const bool shown = std::find(c.shown.begin(), c.shown.end(), id) != c.shown.end();
            const bool greyed = std::find(c.greyed.begin(), c.greyed.end(), id) != c.greyed.end();
            EXPECT_EQ(Shown(dlg, id), shown) << where << " control " << id;
            if (shown) {
                EXPECT_EQ(Enabled(dlg, id), !greyed) << where << " control " << id;
            }
        }
        dlg.DestroyWindow();
    }
}

TEST_F(DataEditTest, AntennaHeightMovesTheMarkAndOnlyJOrZCanBeChosen) {
    const SurveyPointRec edited = Edit(Point(0, 0, 0), [&](CDialog& d) {
        ui.ChooseItem(d, kSubType, 2);  // 辅助点 snaps back
        EXPECT_EQ(Combo(d, kSubType).GetCurSel(), 0);
        ui.ChooseItem(d, kSubType, 1);
        ui.SetText(d, kAntennaHeight, L"2.000");
    });
    EXPECT_DOUBLE_EQ(edited.antennaHeight, 2.0);
    EXPECT_NEAR(edited.pointH, 99.8, 1e-9);
    EXPECT_EQ(edited.surveyType, 1);
    EXPECT_DOUBLE_EQ(edited.value26, 3.456);
    EXPECT_EQ(edited.text33, L"转角杆");
}

TEST_F(DataEditTest, EveryCrossingItemStoresTheCodeItShows) {
    for (int item = 0; item < kCrossingItemCount; ++item) {
        SurveyPointRec point = Point(0, 0, 3);
        point.int20 = CrossingItemCode(item);
        point.int19 = 12;
        const SurveyPointRec kept = Edit(point, [&](CDialog& d) {
            EXPECT_EQ(Combo(d, kCrossing).GetCurSel(), item);
            EXPECT_EQ(Combo(d, kPoleType).GetCurSel(), 11);
        });
        EXPECT_EQ(kept.int20, CrossingItemCode(item));
        EXPECT_EQ(kept.int19, 12);
    }
    const SurveyPointRec railway = Edit(Point(0, 0, 3), [&](CDialog& d) { ui.ChooseItem(d, kCrossing, 18); });
    EXPECT_EQ(railway.int20, 71);
}

TEST_F(DataEditTest, CodesTheListsDoNotOfferAreShownAndKept) {
    SurveyPointRec crossing = Point(0, 0, 3);
    crossing.int20 = 45;  // 渡槽: in the table, not among the items
    crossing.int19 = 40;  // beyond the 38 pole items
    const SurveyPointRec keptCrossing = Edit(crossing, [&](CDialog& d) {
        EXPECT_EQ(Combo(d, kCrossing).GetCount(), kCrossingItemCount + 1);
        EXPECT_EQ(Combo(d, kCrossing).GetCurSel(), kCrossingItemCount);
        EXPECT_EQ(Combo(d, kPoleType).GetCurSel(), kPoleTypeItemCount);
    });
    EXPECT_EQ(keptCrossing.int20, 45);
    EXPECT_EQ(keptCrossing.int19, 40);

    SurveyPointRec terrain = Point(0, 0, 4);
    terrain.int22 = 777;
    EXPECT_EQ(Edit(terrain, [](CDialog&) {}).int22, 777);

    SurveyPointRec haizhi = Point(0, 2);
    haizhi.text33 = L"自定杆";
    EXPECT_EQ(Edit(haizhi, [](CDialog&) {}).text33, L"自定杆");
    const SurveyPointRec chosen = Edit(Point(0, 2), [&](CDialog& d) {
        EXPECT_EQ(Combo(d, kPoleType).GetCurSel(), 1);  // "转角杆"
        ui.ChooseItem(d, kPoleType, 3);
    });
    EXPECT_EQ(chosen.text33, L"终端杆");
}

TEST_F(DataEditTest, SiweiCodeFollowsTheDimensionsOfPatternedTypesOnly) {
    const SurveyPointRec typed = Edit(Point(0, 1, 15), [&](CDialog& d) { ui.SetText(d, kLength, L"7"); });
    EXPECT_EQ(typed.code, L"SL-1.20-3.46-7.00");
    for (int type : {3, 32}) EXPECT_EQ(Edit(Point(0, 1, type), [](CDialog&) {}).code, L"电杆") << type;
}

TEST_F(DataEditTest, RefusedInputKeepsTheDialogOpen) {
    struct Case {
        UINT id;
        const wchar_t* text;
        const wchar_t* message;
    };
    const Case cases[] = {
        {kLength, L"七米", kRefuseNumber},
        {kAntennaHeight, L"-0.5", L"天线高不能小于0!"},
        {kName, L"桩,1", L"点名和属性中不能有逗号,请重新输入!"},
        {kRemark, L"a,b", L"点名和属性中不能有逗号,请重新输入!"},
    };
    for (const Case& c : cases) {
        CDataEditDlg dlg(Point(0, 0, 3));
        ui.OnModal(CDataEditDlg::IDD, [&](CDialog& d) {
            ui.SetText(d, c.id, c.text);
            ui.ExpectMessageBox(c.message);
            ui.Click(d, IDOK);
            EXPECT_FALSE(d.HasEnded());
            ui.Click(d, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.Record().name, L"桩1");
    }
}
