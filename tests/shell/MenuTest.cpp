// The main menu as a user meets it: each command reached by its texts opens its dialog over the frame,
// the greyed commands, the link item's name, and the system information.
#include <algorithm>

#include "platform/ui/Menu.h"
#include "resources/CogoDlgs.h"
#include "resources/ControlPointDlgs.h"
#include "resources/CoordLibDlg.h"
#include "resources/DataVerifyDlg.h"
#include "resources/FileDialogs.h"
#include "resources/GprsCdmaSwitchDlg.h"
#include "resources/MainMenu.h"
#include "resources/NewJobDlg.h"
#include "resources/ParamComputeDlgs.h"
#include "resources/ParamViewDlg.h"
#include "resources/RoverSettingsDlg.h"
#include "resources/SatLimitDlg.h"
#include "resources/SysInfoDlg.h"
#include "resources/TimeZoneDlg.h"
#include "shell/commands/MainMenuCommands.h"
#include "shell/dialogs/SystemInfo.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

namespace {

class MenuTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
    }
};

TEST_F(MenuTest, CommandsWithoutTheirScreenAreGreyedAndDoNothing) {
    CMenu& menu = *FrameProbe::CommandBar(frame).GetMenu();
    const std::vector<UINT> greyed = UnavailableCommands();
    for (UINT id : greyed) EXPECT_EQ(menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED) << id;
    for (UINT id : {mainmenu::kNewJob, mainmenu::kOpenJob, mainmenu::kNewFile, mainmenu::kOpenFile,
                    mainmenu::kParamView, mainmenu::kCloseReceiver, mainmenu::kExit,
                    mainmenu::kTargetPointSurvey, mainmenu::kCoordLibrary, mainmenu::kSystemInfo,
                    mainmenu::kStoreSettings, mainmenu::kRoverAntenna, mainmenu::kAntennaHeight}) {
        EXPECT_EQ(menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED, 0u) << id;
        EXPECT_EQ(std::count(greyed.begin(), greyed.end(), id), 0) << id;
    }
    // Every command has its screen now; an id outside the table does nothing.
    EXPECT_TRUE(greyed.empty());
    EXPECT_FALSE(FrameProbe::RunMenuCommand(frame, 0xFFFF));
}

TEST_F(MenuTest, LinkItemIsNamedAfterTheDataLink) {
    CMenu& menu = *FrameProbe::CommandBar(frame).GetMenu();
    struct Case {
        int type;
        const wchar_t* text;
    } cases[] = {{1, L"&6网络连接"}, {2, L"&6网络连接"}, {0, L"&6电台设置"}};
    for (const Case& c : cases) {
        ChangeSettings(FrameProbe::Job(frame),
                       [&c](GeneralSettingsBlock& s) { s.dataLink.nModuleType = c.type; });
        ui_.Advance(mainframe::kTickMs);
        CString text;
        menu.GetMenuString(mainmenu::kRadioSettings, text, MF_BYCOMMAND);
        EXPECT_EQ(text, c.text) << c.type;
    }
}

TEST_F(MenuTest, EachEnabledCommandOpensItsDialog) {
    struct Case {
        std::initializer_list<const wchar_t*> path;
        UINT dialog;
    } cases[] = {
        {{L"工程F", L"1新建工程"}, newjob::IDD},
        {{L"工程F", L"2打开工程"}, openfile::IDD},
        {{L"工程F", L"3新建文件"}, savefile::IDD},
        {{L"工程F", L"4打开文件"}, openfile::IDD},
        {{L"设置S", L"1坐标系统"}, paramview::IDD},
        {{L"设置S", L"2求转换参数"}, ctrlpoint::IDD},
        {{L"工具T", L"1参数计算", L"1计算四参数"}, pairlist::IDD_FOUR},
        {{L"工具T", L"1参数计算", L"2计算七参数"}, pairlist::IDD_SEVEN},
        {{L"设置S", L"3其它设置", L"2卫星限制"}, satlimit::IDD},
        {{L"设置S", L"3其它设置", L"3时区设置"}, timezonedlg::IDD},
        {{L"设置S", L"3其它设置", L"VRS模块设置"}, gprscdmaswitch::IDD},
        {{L"设置S", L"4移动站设置"}, roversettings::IDD},
        {{L"工具T", L"5数据验证"}, dataverify::IDD},
        {{L"工具T", L"6坐标管理库"}, coordlib::IDD},
        {{L"工具T", L"2坐标计算", L"1坐标转换"}, coordconvert::IDD},
        {{L"工具T", L"2坐标计算", L"2坐标正算"}, forwardcalc::IDD},
        {{L"工具T", L"2坐标计算", L"3坐标反算"}, inversecalc::IDD},
        {{L"工具T", L"2坐标计算", L"4偏角偏距"}, offsetangle::IDD},
        {{L"工具T", L"2坐标计算", L"5偏点计算"}, offsetpoint::IDD},
        {{L"工具T", L"2坐标计算", L"6测边交会"}, distresection::IDD},
        {{L"工具T", L"2坐标计算", L"7交会计算"}, intersection::IDD},
        {{L"工具T", L"2坐标计算", L"8交点与夹角计算"}, intersectangle::IDD},
        {{L"工具T", L"3其它计算", L"1线中点计算"}, linemidpoint::IDD},
        {{L"工具T", L"3其它计算", L"2夹角计算"}, anglecalc::IDD},
        {{L"工具T", L"3其它计算", L"3空间距离"}, spacedistance::IDD},
        {{L"工具T", L"3其它计算", L"4面积计算"}, areacalc::IDD},
        {{L"工具T", L"3其它计算", L"5地图转换"}, mapconvert::IDD},
    };
    for (const Case& c : cases) {
        bool opened = false;
        ui_.OnModal(c.dialog, [&](CDialog& dialog) {
            opened = true;
            EXPECT_EQ(dialog.GetOwner(), &frame) << c.dialog;
            dialog.EndDialog(IDCANCEL);
        });
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), c.path)) << c.dialog;
        EXPECT_TRUE(opened) << c.dialog;
    }
}

struct FixedSource final : ISystemInfoSource {
    MemoryFigures program;
    MemoryFigures storage;
    MemoryFigures ProgramMemory() override { return program; }
    MemoryFigures Storage() override { return storage; }
};

TEST_F(MenuTest, SystemInformationInKilobytes) {
    struct Case {
        MemoryFigures figures;
        const wchar_t* total;
        const wchar_t* free;
        const wchar_t* used;
    } cases[] = {
        {{65536000, 10000000}, L"64000", L"9765", L"54235"},  // used from the rounded-down figures
        {{1023, 0}, L"0", L"0", L"0"},
        {{6ull << 30, 1ull << 30}, L"6291456", L"1048576", L"5242880"},  // above 4 GiB
    };
    for (const Case& c : cases) {
        const KilobyteTexts texts = ToKilobyteTexts(c.figures);
        EXPECT_EQ(texts.total, c.total);
        EXPECT_EQ(texts.free, c.free);
        EXPECT_EQ(texts.used, c.used);
    }

    FixedSource source;
    source.program = {65536000, 10000000};
    source.storage = {6ull << 30, 1ull << 30};
    ScopedHook<ISystemInfoSource*> hook(SetSystemInfoSource, &source);
    ui_.OnModal(sysinfo::IDD, [&](CDialog& dialog) {
        using namespace sysinfo;
        EXPECT_EQ(ui_.GetText(dialog, kProgramTotal), L"64000");
        EXPECT_EQ(ui_.GetText(dialog, kProgramFree), L"9765");
        EXPECT_EQ(ui_.GetText(dialog, kProgramUsed), L"54235");
        EXPECT_EQ(ui_.GetText(dialog, kStorageTotal), L"6291456");
        EXPECT_EQ(ui_.GetText(dialog, kStorageFree), L"1048576");
        EXPECT_EQ(ui_.GetText(dialog, kStorageUsed), L"5242880");
        EXPECT_TRUE(ui_.Screenshot(Shot("sysinfo")));
        dialog.EndDialog(IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"关于H", L"3系统信息"}));
}

TEST(SystemInfo, HostFiguresAreThere) {
    const MemoryFigures program = HostSystemInfo().ProgramMemory();
    EXPECT_GT(program.totalBytes, 0u);
    EXPECT_LE(program.freeBytes, program.totalBytes);
}

}  // namespace

TEST_F(MenuTest, ADialogOpenedFromTheMenuHasTheFocusInItsFirstField) {
    bool opened = false;
    ui_.OnModal(satlimit::IDD, [&](CDialog& dialog) {
        opened = true;
        EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(satlimit::kAngle));
        dialog.EndDialog(IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"3其它设置", L"2卫星限制"}));
    EXPECT_TRUE(opened);
}
