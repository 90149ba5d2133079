// The main menu: its tree, the greyed commands, and the system information it opens.
#include <algorithm>

#include "platform/ui/Menu.h"
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
#include "shell/MainMenuCommands.h"
#include "shell/SystemInfo.h"
#include "tests/shell/FrameTestSupport.h"

namespace {

class MenuTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
    }
};

// Every item as "popup>cascade>text id", separators as "popup>-".
void Walk(const CMenu& menu, const CString& path, std::vector<CString>& out) {
    for (const CMenu::Item& item : menu.Items()) {
        if (item.state & MF_SEPARATOR) {
            out.push_back(path + L"-");
        } else if (item.popup) {
            Walk(*item.popup, path + item.text + L">", out);
        } else {
            CString line;
            line.Format(L"%s%s %d", path.c_str(), item.text.c_str(), static_cast<int>(item.id));
            out.push_back(line);
        }
    }
}

TEST_F(MenuTest, TreeHasEveryCommandTextAndSeparator) {
    std::vector<CString> items;
    Walk(*frame.CommandBar().GetMenu(), L"", items);
    const std::vector<CString> expected = {
        L"工程&F>&1新建工程 32775",
        L"工程&F>&2打开工程 32776",
        L"工程&F>&3新建文件 32777",
        L"工程&F>&4打开文件 32778",
        L"工程&F>-",
        L"工程&F>&5文件输出 32817",
        L"工程&F>&6BLH输出 32827",
        L"工程&F>-",
        L"工程&F>&7关闭GPS主机 32785",
        L"工程&F>-",
        L"工程&F>&8退出(&X) 57665",
        L"设置&S>&1坐标系统 32772",
        L"设置&S>-",
        L"设置&S>&2求转换参数 32872",
        L"设置&S>-",
        L"设置&S>&3其它设置>&1存储设置 32782",
        L"设置&S>&3其它设置>&2卫星限制 32788",
        L"设置&S>&3其它设置>&3时区设置 32789",
        L"设置&S>&3其它设置>&4移动站天线高 32783",
        L"设置&S>&3其它设置>-",
        L"设置&S>&3其它设置>VRS模块设置 32829",
        L"设置&S>-",
        L"设置&S>&4移动站设置 32787",
        L"设置&S>&5仪器设置 32786",
        L"设置&S>&6电台设置 32784",
        L"设置&S>-",
        L"设置&S>&7连接仪器 32781",
        L"测量&E>&1目标点测量 32820",
        L"测量&E>-",
        L"测量&E>&2点放样 32795",
        L"测量&E>&3线放样 32808",
        L"测量&E>-",
        L"测量&E>&4电力线勘测 32809",
        L"测量&E>&5塔基断面放样 32810",
        L"工具&T>&1参数计算>&1计算四参数 32792",
        L"工具&T>&1参数计算>&2计算七参数 32793",
        L"工具&T>&2坐标计算>&1坐标转换 32774",
        L"工具&T>&2坐标计算>-",
        L"工具&T>&2坐标计算>&2坐标正算 32801",
        L"工具&T>&2坐标计算>&3坐标反算 32796",
        L"工具&T>&2坐标计算>&4偏角偏距 32797",
        L"工具&T>&2坐标计算>&5偏点计算 32798",
        L"工具&T>&2坐标计算>&6测边交会 32799",
        L"工具&T>&2坐标计算>&7交会计算 32800",
        L"工具&T>&2坐标计算>&8交点与夹角计算 32830",
        L"工具&T>&3其它计算>&1线中点计算 32802",
        L"工具&T>&3其它计算>&2夹角计算 32803",
        L"工具&T>&3其它计算>-",
        L"工具&T>&3其它计算>&3空间距离 32805",
        L"工具&T>&3其它计算>&4面积计算 32804",
        L"工具&T>&3其它计算>-",
        L"工具&T>&3其它计算>&5地图转换 32806",
        L"工具&T>&3其它计算>&6天线高计算 32807",
        L"工具&T>-",
        L"工具&T>&4查看测量点 32819",
        L"工具&T>&5数据验证 32828",
        L"工具&T>-",
        L"工具&T>&6坐标管理库 32779",
        L"工具&T>&7经纬度库 32780",
        L"工具&T>-",
        L"工具&T>&8校正向导 32823",
        L"工具&T>&9数据后处理 32794",
        L"关于&H>&3系统信息 32790",
        L"关于&H>&4软件信息 57664",
    };
    EXPECT_EQ(items, expected);
}

TEST_F(MenuTest, CommandsWithoutTheirScreenAreGreyedAndDoNothing) {
    CMenu& menu = *frame.CommandBar().GetMenu();
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
    EXPECT_FALSE(RunMenuCommand(frame, 0xFFFF));
}

TEST_F(MenuTest, LinkItemIsNamedAfterTheDataLink) {
    CMenu& menu = *frame.CommandBar().GetMenu();
    struct Case {
        int type;
        const wchar_t* text;
    } cases[] = {{1, L"&6网络连接"}, {2, L"&6网络连接"}, {0, L"&6电台设置"}};
    for (const Case& c : cases) {
        frame.GeneralSettings().dataLink.nModuleType = c.type;
        ui_.Advance(CMainFrame::kTickMs);
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
    };
    for (const Case& c : cases) {
        bool opened = false;
        ui_.OnModal(c.dialog, [&](CDialog& dialog) {
            opened = true;
            dialog.EndDialog(IDCANCEL);
        });
        ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), c.path)) << c.dialog;
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
    ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"关于H", L"3系统信息"}));
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
    ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"设置S", L"3其它设置", L"2卫星限制"}));
    EXPECT_TRUE(opened);
}
