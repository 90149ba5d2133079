// Start-up on a device root: the files of a first run, a second copy, unusable files, the exit.
#include "foundation/StoreJournal.h"
#include "platform/serial/SerialPortMap.h"
#include "platform/text/CodePage.h"
#include "platform/ui/MessageBoxDialog.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/CQuorinApp.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/receiver/SimulatorLink.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/ShellTestSupport.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

namespace {
const char* const kProgram = "Program Files";
const char* const kJob = "Program Files/Jobs/vorna/";
}  // namespace

using StartupTest = ProgramStartTest;

TEST_F(StartupTest, FirstRunWritesTheDefaultFilesAndTitlesTheWindow) {
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    ui_.Pump();
    CMainFrame& frame = *app.MainFrame();
    CString title;
    frame.GetWindowText(title);
    EXPECT_EQ(title, L"衡川<vorna.xyh>");
    EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/qzsys.sys"), ReadGolden("qzsys.sys"));
    EXPECT_EQ(ReadHostFile(std::string(kJob) + "vorna.qzs"), ReadGolden("newjob.qzs"));
    EXPECT_EQ(ReadHostFile(std::string(kJob) + "vorna.qza"), ReadGolden("newjob.qza"));
    EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/AntType.at"), ReadGolden("AntType.at"));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / kJob / "data"));
    EXPECT_EQ(FrameProbe::Records(frame).RecordFile(), L"\\Program Files\\Jobs\\vorna\\data\\vorna.rec");
    EXPECT_TRUE(std::filesystem::is_directory(root_ / kJob / "result"));
    // The splash covers the map for its 2000 ms.
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    ASSERT_TRUE(ui_.Screenshot(Shot("startup-splash")));
    ui_.Advance(CSplashWnd::kShowMs);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    ASSERT_TRUE(ui_.Screenshot(Shot("startup")));
}

// A start-up notice comes over the first screen, owned by the frame: the splash's going after its time
// does not take it, and it stays until it is answered.
TEST_F(StartupTest, AStartUpNoticeOutlivesTheSplashUntilItIsAnswered) {
    WriteHostFile(std::string(kProgram) + "/qzsys.sys", kRoadSystemFile + "szNote=1\r\n");
    bool answered = false;
    ui_.OnModal(kMessageBoxTemplateId, [&](CDialog& box) {
        EXPECT_EQ(
            static_cast<CMessageBoxDialog&>(box).Text(),
            L"qzsys.sys已损坏,设置均已保留,不能识别的内容已删除,原文件保存为\\Program Files\\qzsys.sys.bad\n"
            L"当前打开的工程为\\Program Files\\Jobs\\road\\road.qzs");
        ASSERT_NE(CSplashWnd::Current(), nullptr);
        ui_.Advance(CSplashWnd::kShowMs);
        EXPECT_EQ(CSplashWnd::Current(), nullptr);
        ASSERT_TRUE(IsWindow(box.m_hWnd)) << "the splash took the box";
        EXPECT_FALSE(box.HasEnded());
        answered = true;
        ui_.Click(box, IDOK);
    });
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(answered);
}

TEST_F(StartupTest, ASecondCopyInTheSameProcessBringsTheFirstForward) {
    CQuorinApp first;
    ASSERT_TRUE(first.InitInstance());
    const std::string system = ReadHostFile(std::string(kProgram) + "/qzsys.sys");
    {
        CQuorinApp second;
        EXPECT_FALSE(second.InitInstance());
        EXPECT_EQ(second.MainFrame(), nullptr);
    }
    EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/qzsys.sys"), system);
}

// Damaged settings on a device root: the program starts, on defaults where the file could not be
// used; the ".bad" copy holds the original (".1.bad" beside the copy of an earlier damage), the box
// named it, and no junk-named file appears.
TEST_F(StartupTest, DamagedSettingsAreKeptAndToldOnceAndNothingJunkNamedAppears) {
    const std::string road = "Program Files/Jobs/road/road";
    const std::string roadSystem = kRoadSystemFile;
    const auto kept = [](const wchar_t* name, const wchar_t* path, const wchar_t* copy = L".bad") {
        return CString(name) + L"已损坏,不能使用的设置已换为默认值,原文件保存为" + CString(path) + copy;
    };
    const CString defaultJobOpen = L"\n当前打开的工程为\\Program Files\\Jobs\\vorna\\vorna.qzs";
    struct Case {
        const char* name;
        std::string damaged;  // the file made damaged, below the root
        std::string bytes;    // its bytes; empty: a folder in its place
        CString message;
        const wchar_t* title;
        std::string keptCopy;  // what lies at "<damaged>.bad" before start-up
    } cases[] = {
        {"invalid GBK in the job path", std::string(kProgram) + "/qzsys.sys",
         "\r\n[System]\r\nszIniFile=\\Program Files\\Jobs\\\xff\x80\\vorna.qzs\r\n",
         kept(L"qzsys.sys", L"\\Program Files\\qzsys.sys") + defaultJobOpen, L"衡川<vorna.xyh>", ""},
        {"a CR in the job path", std::string(kProgram) + "/qzsys.sys",
         "\r\n[System]\r\nszIniFile=\\Program Files\\Jobs\\vorna\\vorna.qzs\r??\r\n",
         kept(L"qzsys.sys", L"\\Program Files\\qzsys.sys") + defaultJobOpen, L"衡川<vorna.xyh>", ""},
        {"a limit no receiver reaches", road + ".qzs", "\r\n[General Par]\r\ndRmshLimit=1e308\r\n",
         kept(L"road.qzs", L"\\Program Files\\Jobs\\road\\road.qzs"), L"衡川<road.xyh>", ""},
        {"a base beyond the earth", road + ".qza", "\r\n[Base Information]\r\nszdBasePX=1e300\r\n",
         kept(L"road.qza", L"\\Program Files\\Jobs\\road\\road.qza"), L"衡川<road.xyh>", ""},
        {"a job file of 2 MiB", road + ".qzs", std::string(2 << 20, '['),
         kept(L"road.qzs", L"\\Program Files\\Jobs\\road\\road.qzs"), L"衡川<road.xyh>", ""},
        {"a folder for a coordinate file", road + ".qza", "",
         kept(L"road.qza", L"\\Program Files\\Jobs\\road\\road.qza"), L"衡川<road.xyh>", ""},
        {"a copy of an earlier damage kept", road + ".qza", "garbage",
         kept(L"road.qza", L"\\Program Files\\Jobs\\road\\road.qza", L".1.bad"), L"衡川<road.xyh>",
         "older garbage"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(root_ / kProgram);
        WriteHostFile(std::string(kProgram) + "/qzsys.sys", roadSystem);
        WriteHostFile(road + ".qzs", "\r\n[General Par]\r\nnTimeZone=7\r\n");
        WriteHostFile(road + ".qza", "\r\n[TuoQiu Par]\r\nszdDa=6378137\r\n");
        std::filesystem::remove(root_ / c.damaged);
        if (c.bytes.empty())
            std::filesystem::create_directories(root_ / c.damaged);
        else
            WriteHostFile(c.damaged, c.bytes);
        if (!c.keptCopy.empty()) WriteHostFile(c.damaged + ".bad", c.keptCopy);
        {
            ui_.ExpectMessageBox(c.message);
            CQuorinApp app;
            ASSERT_TRUE(app.InitInstance());
            CString title;
            app.MainFrame()->GetWindowText(title);
            EXPECT_EQ(title, c.title);
            app.MainFrame()->DestroyWindow();  // the exit writes back
        }
        if (c.keptCopy.empty()) {
            EXPECT_EQ(std::filesystem::is_directory(root_ / (c.damaged + ".bad")), c.bytes.empty());
            if (!c.bytes.empty()) {
                EXPECT_EQ(ReadHostFile(c.damaged + ".bad"), c.bytes);
            }
        } else {
            EXPECT_EQ(ReadHostFile(c.damaged + ".bad"), c.keptCopy);
            EXPECT_EQ(ReadHostFile(c.damaged + ".1.bad"), c.bytes);
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_ / kProgram)) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(name.find_first_of("?\r\n"), std::string::npos) << name;
            EXPECT_TRUE(FromUtf8(name).Find(L'\xFFFD') < 0) << name;
        }
        const std::string named = CString(c.title).Find(L"vorna") >= 0 ? "vorna" : "road";
        EXPECT_NE(
            ReadHostFile(std::string(kProgram) + "/qzsys.sys").find("Jobs\\" + named + "\\" + named + ".qzs"),
            std::string::npos);
    }
}

// A store a kill cut short, met at start-up: the program finishes it before the first screen, tells
// it once, and the next start finds nothing to do; a store that cannot be finished keeps its journal
// and is told at every start; a journal with nothing left to do, or one not whole, goes unsaid.
TEST_F(StartupTest, AStoreAKillCutShortIsFinishedAtTheNextStart) {
    const std::string road = "Program Files/Jobs/road/";
    const std::string p1 = "P1,1,2,3,c\r\n", p2 = "P2,4,5,6,d\r\n";
    const CString points = L"\\Program Files\\Jobs\\road\\data\\road.xyh";
    const CString records = L"\\Program Files\\Jobs\\road\\data\\road.rec";
    const std::string whole = EncodeStoreRecord({L"P2", {{points, 12, p2}, {records, 12, p2}}});
    struct Case {
        const char* name;
        std::string journal;
        std::string pointsBefore, recordsBefore;
        const wchar_t* told;  // at each start while the journal stays, else at the first only
        std::string pointsAfter, recordsAfter;
        bool journalStays;
    };
    const Case cases[] = {
        {"cut between the point file and the record file", whole, p1 + p2, p1,
         L"上次存储被中断,点P2已补全存储", p1 + p2, p1 + p2, false},
        {"cut before the first write", whole, p1, p1, L"上次存储被中断,点P2已补全存储", p1 + p2, p1 + p2,
         false},
        {"cut after the last write", whole, p1 + p2, p1 + p2, nullptr, p1 + p2, p1 + p2, false},
        {"a journal cut short itself", whole.substr(0, whole.size() - 3), p1, p1, nullptr, p1, p1, false},
        {"a file in a folder that is gone",
         EncodeStoreRecord({L"P2", {{points, 12, p2}, {L"\\Program Files\\Jobs\\road\\gone\\x.rec", 0, p2}}}),
         p1, p1, L"上次存储被中断,点P2在x.rec中未能补全,请检查存储空间!", p1 + p2, p1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(root_ / kProgram);
        WriteHostFile(std::string(kProgram) + "/qzsys.sys", kRoadSystemFile);
        WriteHostFile(road + "road.qzs", "\r\n[DataSave Par]\r\nnSaveType=1\r\n");
        WriteHostFile(road + "data/road.xyh", c.pointsBefore);
        WriteHostFile(road + "data/road.rec", c.recordsBefore);
        WriteHostFile(road + "road.qzj", c.journal);
        for (int start = 0; start < 2; ++start) {
            SCOPED_TRACE(start);
            if (c.told && (start == 0 || c.journalStays)) ui_.ExpectMessageBox(c.told);
            CQuorinApp app;
            ASSERT_TRUE(app.InitInstance());
            ui_.Pump();
            app.MainFrame()->DestroyWindow();
        }
        EXPECT_EQ(ReadHostFile(road + "data/road.xyh"), c.pointsAfter);
        EXPECT_EQ(ReadHostFile(road + "data/road.rec"), c.recordsAfter);
        EXPECT_EQ(std::filesystem::exists(root_ / (road + "road.qzj")), c.journalStays);
    }
}

// A damaged settings file on the device root: the first start keeps it as ".bad", says so once and
// writes a sound file in its place, from what could be read; the exit writes as usual, and the
// second start finds nothing to say of it and the same job.
TEST_F(StartupTest, ADamagedSettingsFileIsToldOnceAndWrittenSoundAtTheFirstStart) {
    const std::string road = "Program Files/Jobs/road/road";
    struct File {
        std::string path;     // below the root
        std::string head;     // its header and first key, which the damage leaves readable
        std::string tail;     // the keys after it
        const wchar_t* name;  // its device path
    } files[] = {
        {std::string(kProgram) + "/qzsys.sys",
         "\r\n[System]\r\nszIniFile=\\Program Files\\Jobs\\road\\road.qzs\r\nszDataFile=road.xyh\r\n",
         "szLastSaveName=P12\r\nszLastJName=J1\r\nszLastZName=Z1\r\nszLastFName=1\r\nnGPSOEMType=1\r\n",
         L"\\Program Files\\qzsys.sys"},
        {road + ".qzs", "\r\n[General Par]\r\nnTimeZone=7\r\n", "nComMode=0\r\n",
         L"\\Program Files\\Jobs\\road\\road.qzs"},
        {road + ".qza", "\r\n[TuoQiu Par]\r\nszdDa=6378137\r\n", "szdDf=298.257223563\r\n",
         L"\\Program Files\\Jobs\\road\\road.qza"},
    };
    const std::string sound[] = {files[0].head + files[0].tail, files[1].head + files[1].tail,
                                 files[2].head + files[2].tail};
    enum class Damage { kEmpty, kSeventyMiB, kTruncated, kJunk };
    for (const File& f : files) {
        for (const Damage damage : {Damage::kEmpty, Damage::kSeventyMiB, Damage::kTruncated, Damage::kJunk}) {
            SCOPED_TRACE(f.path + " damage " + std::to_string(static_cast<int>(damage)));
            const std::string whole = f.head + f.tail;
            const std::string bytes = damage == Damage::kTruncated ? whole.substr(0, whole.size() - 3)
                                      : damage == Damage::kJunk    ? f.head + "\x01junk\r\n" + f.tail
                                                                   : "";
            std::filesystem::remove_all(root_ / kProgram);
            WriteHostFile(files[0].path, sound[0]);
            WriteHostFile(files[1].path, sound[1]);
            WriteHostFile(files[2].path, sound[2]);
            WriteHostFile(f.path, bytes);
            if (damage == Damage::kSeventyMiB) std::filesystem::resize_file(root_ / f.path, 70u << 20);
            // An empty or unreadable system file names the storage card's job, which is not there: the
            // default job runs, the first start says so, and the system file names the default job from
            // then on. After a damaged system file the open job is told.
            const bool systemFile = &f == &files[0];
            const bool cardJob = systemFile && (damage == Damage::kEmpty || damage == Damage::kSeventyMiB);
            const CString title = cardJob ? L"衡川<vorna.xyh>" : L"衡川<road.xyh>";
            const CString cardGone = L"工程vorna.qzs不能使用,本次运行使用默认工程";
            const bool allKept = systemFile && damage == Damage::kJunk;
            CString notice = CString(f.name).Mid(CString(f.name).ReverseFind(L'\\') + 1) +
                             (allKept ? L"已损坏,设置均已保留,不能识别的内容已删除,原文件保存为"
                                      : L"已损坏,不能使用的设置已换为默认值,原文件保存为") +
                             f.name + L".bad";
            if (cardJob) notice += L"\n" + cardGone;
            if (systemFile)
                notice += cardJob ? L"\n当前打开的工程为\\Program Files\\Jobs\\vorna\\vorna.qzs"
                                  : L"\n当前打开的工程为\\Program Files\\Jobs\\road\\road.qzs";
            const size_t boxesBefore = ui_.MessageBoxTexts().size();
            for (int start = 0; start < 2; ++start) {
                SCOPED_TRACE(start == 0 ? "first start" : "second start");
                if (start == 0) ui_.ExpectMessageBox(notice);
                CQuorinApp app;
                ASSERT_TRUE(app.InitInstance());
                CString shown;
                app.MainFrame()->GetWindowText(shown);
                EXPECT_EQ(shown, title);
                app.MainFrame()->DestroyWindow();
                EXPECT_NE(ReadHostFile(f.path), bytes);
                EXPECT_EQ(std::filesystem::file_size(root_ / (f.path + ".bad")),
                          damage == Damage::kSeventyMiB ? 70u << 20 : bytes.size());
            }
            EXPECT_EQ(ui_.MessageBoxTexts().size(), boxesBefore + 1);
            if (cardJob) {
                EXPECT_NE(
                    ReadHostFile(files[0].path).find("szIniFile=\\Program Files\\Jobs\\vorna\\vorna.qzs"),
                    std::string::npos);
            }
        }
    }
}

TEST_F(StartupTest, ExitAsksAndYesWritesTheNamesBack) {
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.MainFrame();
    // The store holds names and name affixes that the files do not: the affixes came from the job
    // file when the names started, and the file has changed since.
    JobSession& job = FrameProbe::Job(frame);
    const GeneralSettingsBlock started = job.Settings();
    ChangeSettings(job, [](GeneralSettingsBlock& s) {
        s.recordSave.szAfterName = L"-a";
        s.recordSave.szBeferName = L"K";
    });
    job.StartPointNames();
    ASSERT_TRUE(job.StoreSettings(started));
    job.SetPointNames({L"J7", L"Z3", L"12"}, L"P12", 0.0);
    ui_.ExpectMessageBox(L"确定要退出衡川吗?", IDNO);
    FrameProbe::ConfirmExit(frame);
    ASSERT_TRUE(IsWindow(frame.m_hWnd));
    ui_.ExpectMessageBox(L"确定要退出衡川吗?", IDYES);
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"8退出(X)"}));
    ui_.Pump();
    EXPECT_FALSE(frame.m_hWnd);
    const std::string system = ReadHostFile(std::string(kProgram) + "/qzsys.sys");
    EXPECT_NE(system.find("szLastSaveName=P12\r\nszLastJName=J7\r\nszLastZName=Z3\r\nszLastFName=12"),
              std::string::npos)
        << system;
    const std::string jobFile = ReadHostFile(std::string(kJob) + "vorna.qzs");
    EXPECT_NE(jobFile.find("szAfterName=-a\r\nszBeferName=K\r\n"), std::string::npos) << jobFile;
}

// Start-up opens the job's link as it was left. The built-in Bluetooth module's port opens, but
// nothing links the module to a receiver: the status says so at once rather than staying empty.
TEST_F(StartupTest, OnTheBuiltInModuleTheStatusSaysTheReceiverIsNotConnected) {
    SetSerialDevicePath(2, (root_ / "no-module").string());
    SetSerialDevicePath(5, (root_ / "no-cable").string());
    const std::string road = "Program Files/Jobs/road/road";
    struct Case {
        const char* port;
        const wchar_t* status;
    } cases[] = {{"2", Supervision::kModuleUnlinkedText}, {"0", L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        std::filesystem::remove_all(root_ / kProgram);
        WriteHostFile(std::string(kProgram) + "/qzsys.sys", kRoadSystemFile);
        WriteHostFile(road + ".qzs",
                      std::string("\r\n[General Par]\r\nnPort=") + c.port + "\r\nnComMode=0\r\n");
        CQuorinApp app;
        ASSERT_TRUE(app.InitInstance());
        ui_.Pump();
        EXPECT_EQ(FrameProbe::View(*app.MainFrame())->Texts().solution, c.status);
    }
    SetSerialDevicePath(2, "");
    SetSerialDevicePath(5, "");
}

// A built-in module that no scan has linked passes nothing to the receiver behind it: from the first
// second, and through the no-data watch, the status says the receiver is not connected.
TEST_F(StartupTest, AnUnlinkedBuiltInModuleShowsTheReceiverNotConnectedThroughout) {
    sim::CReceiverSimulator module;
    module.PlayBluetoothModule();
    ASSERT_TRUE(module.Open());
    SetSerialDevicePath(2, module.DevicePath());
    WriteHostFile(std::string(kProgram) + "/qzsys.sys", kRoadSystemFile);
    WriteHostFile("Program Files/Jobs/road/road.qzs", "\r\n[General Par]\r\nnPort=2\r\nnComMode=0\r\n");
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    const CFrmGraphView& view = *FrameProbe::View(*app.MainFrame());
    const auto told = [&] { return view.Texts().solution; };
    EXPECT_EQ(told(), Supervision::kModuleUnlinkedText);
    ASSERT_TRUE(
        PumpUntil(module, [&] { return module.ReceivedFrames().size() >= 2; }));  // the version queries
    // An answer would reach the frame well within half a second.
    EXPECT_FALSE(PumpUntil(
        module, [&] { return told() != Supervision::kModuleUnlinkedText; }, 500))
        << told();
    ui_.ExpectMessageBox(Supervision::kHowToLinkText);
    for (int tick = 1; tick <= Supervision::kSilentTicks + 1; ++tick) {
        ui_.Advance(2000);
        ASSERT_EQ(told(), Supervision::kModuleUnlinkedText) << "tick " << tick;
    }
    SetSerialDevicePath(2, "");
}
