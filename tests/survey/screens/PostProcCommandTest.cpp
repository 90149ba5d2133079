#include "survey/screens/PostProcCommand.h"

#include <gtest/gtest.h>

#include "foundation/screens/CFileDialogs.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/ui/CommonControls.h"
#include "resources/PostProcParamDlg.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/survey/GoldenProject.h"
#include "tests/survey/screens/SurveyHostDouble.h"

namespace {

class PostProcCommandTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        InitCommonControls();
        host.coord = ProjectParams();
        host.settings.connection.nPlaneNihe = 1;
        host.settings.connection.nCurveNihe = 0;
        WriteHostFile("Jobs/road/data/road.blh", SurveyGolden("project.blh"));
        WriteHostFile("Jobs/road/data/road.xyh", "live\r\n");
    }
    // The next open dialog picks `name` in its start folder.
    void PickFile(const wchar_t* name) {
        ui.OnModal(COpenFileDlg::IDD, [this, name](CDialog& open) {
            auto& tree = *dynamic_cast<CFolderTreeCtrl*>(open.GetDlgItem(openfile::kTree));
            ASSERT_TRUE(tree.SelectItem(tree.FindChildItem(tree.GetSelectedItem(), name)));
            ui.Click(open, IDOK);
        });
    }
    void SaveAs(const wchar_t* name) {
        ui.OnModal(CFileSaveDlg::IDD, [this, name](CDialog& save) {
            ui.SetText(save, savefile::kName, name);
            ui.Click(save, IDOK);
        });
    }
    void ChooseMode(UINT radio) {
        ui.OnModal(postproc::IDD, [this, radio](CDialog& choice) {
            ui.Click(choice, radio);
            ui.Click(choice, IDOK);
        });
    }
    std::string File(const char* name) const { return ReadHostFile(std::string("Jobs/road/data/") + name); }

    CUiDriver ui;
    SurveyHostDouble host;
    CWnd parent;
};

}  // namespace

TEST_F(PostProcCommandTest, JobParametersFromTheMenuToTheResultFile) {
    ChooseMode(postproc::kJobParams);
    PickFile(L"road.blh");
    SaveAs(L"out");
    ui.ExpectMessageBox(L"处理完毕,成果文件为\\Jobs\\road\\data\\out.xyh");
    RunPostProcessCommand(host, &parent);
    EXPECT_EQ(File("out.xyh"), SurveyGolden("project.xyh"));
}

TEST_F(PostProcCommandTest, TheResultNeverReplacesTheRawOrTheLivePointFile) {
    for (const wchar_t* name : {L"road", L"ROAD"}) {
        PickFile(L"road.blh");
        SaveAs(name);
        ui.ExpectMessageBox(L"该文件已存在，要覆盖此文件吗?", IDOK);
        ui.ExpectMessageBox(L"成果文件不能与原始数据文件相同!");
        RunPostProcessing(host, 1, &parent);
    }
    EXPECT_EQ(File("road.xyh"), "live\r\n");
    WriteHostFile("Jobs/road/data/rem.blh", "Rem Version      Quorin2.0 Ver: x\r\n");
    PickFile(L"rem.blh");
    SaveAs(L"empty");
    ui.ExpectMessageBox(L"原始数据文件中无选择类型的数据,请检查!");
    RunPostProcessing(host, 1, &parent);
}

TEST_F(PostProcCommandTest, OneHorizontalControlPointIsExactAndTheJobShiftsAreAddedOnlyOnYes) {
    // Measured at the grid's (0, 500000), known at (100, 500200); used for the plane only.
    WriteHostFile("Jobs/road/ctl.cot",
                  "K1,100.000,500200.000,30.000,0.0000000000,120.0000000000,35.000,0,0,Y,N,\r\n");
    for (const auto& [answer, first] : {std::pair{IDNO, L"桩1,100.000,500200.000,33.500,"},
                                        std::pair{IDYES, L"桩1,110.000,500220.000,34.000,"}}) {
        PickFile(L"ctl.cot");
        ui.ExpectMessageBox(
            L"当前项目中校正参数不为零,确定要使用吗?\r\n1.一般情况下,后处理时不能使用项目中的校正参数,所以请"
            L"选择No\r\n2.只有在使用控制点坐标库又做了校正后的情况下，后处理时才使用项目中的校正参数,"
            L"使用请选择Yes",
            answer);
        PickFile(L"road.blh");
        SaveAs(L"ctl");
        if (answer == IDYES) ui.ExpectMessageBox(L"该文件已存在，要覆盖此文件吗?", IDOK);
        ui.AnswerMessageBox(IDOK);
        RunPostProcessing(host, 0, &parent);
        const std::string expected = ToGbk(CString(first));
        EXPECT_EQ(File("ctl.xyh").substr(0, expected.size()), expected);
    }
}
