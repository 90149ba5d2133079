// The job commands as a user meets them: new job (wizard or copy), open job, new and open point
// file, and the target-point store, with their dialogs scripted.
#include "foundation/PointLines.h"
#include "foundation/RecordFormatFile.h"
#include "foundation/StoreJournal.h"
#include "geodesy/screens/CParamWizardDlg.h"
#include "platform/text/CodePage.h"
#include "resources/FileDialogs.h"
#include "resources/MainMenu.h"
#include "resources/NewJobDlg.h"
#include "shell/commands/JobCommands.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/platform/files/FullDisk.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/ShellStoreDouble.h"

namespace {

const char* const kJobs = "Program Files/Jobs/";

class JobCommandsTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        FrameProbe::Job(frame).LoadAtStartup();
        frame.ShowWindow(SW_SHOW);
        FrameProbe::SetStorePath(frame, &store);
        ui_.Pump();
    }
    void TearDown() override {
        FrameProbe::SetStorePath(frame, nullptr);
        frame.DestroyWindow();  // the exit writes the job back while the device root is there
        FrameTest::TearDown();
    }
    // The new-job dialog gets `name` and `mode`; then `next` runs inside it, before OK.
    void NewJobNamed(const wchar_t* name, int mode, const std::function<void()>& next = {}) {
        ui_.OnModal(newjob::IDD, [=, this](CDialog& dialog) {
            ui_.SetText(dialog, newjob::kName, name);
            ui_.Click(dialog, mode == 0 ? newjob::kWizard : newjob::kCopyJob);
            if (next) next();
            ui_.Click(dialog, IDOK);
        });
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"1新建工程"}));
    }
    void ChooseFile(UINT templateId, const wchar_t* path) {
        ui_.OnModal(templateId, [=, this](CDialog& dialog) {
            ui_.SetText(dialog, openfile::kPath, path);
            ui_.Click(dialog, IDOK);
        });
    }
    CString Title() {
        CString title;
        frame.GetWindowText(title);
        return title;
    }
    std::string SystemFile() { return ReadHostFile("Program Files/qzsys.sys"); }

    RecordingStore store;
};

TEST_F(JobCommandsTest, NewJobByWizardCreatesItsFoldersAndFiles) {
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
        s.connection.nComBaud = 7;
        s.nSaveType = 2;
    });
    FrameProbe::AcknowledgeParamWarnings(frame);
    NewJobNamed(L"road", 0, [this] {
        ASSERT_TRUE(ui_.Screenshot(Shot("newjob")));
        ui_.OnModal(CParamWizardDlg::IDD, [this](CDialog& w) { ui_.Click(w, IDOK); });
    });
    for (const char* folder : {"road", "road/data", "road/result"})
        EXPECT_TRUE(std::filesystem::is_directory(root_ / kJobs / folder)) << folder;
    EXPECT_TRUE(std::filesystem::exists(root_ / kJobs / "road/road.qzs"));
    EXPECT_TRUE(std::filesystem::exists(root_ / kJobs / "road/road.qza"));
    EXPECT_NE(SystemFile().find("szIniFile=\\Program Files\\Jobs\\road\\road.qzs\r\nszDataFile=road.xyh\r\n"
                                "szLastSaveName=0\r\nszLastJName=J1\r\nszLastZName=Z1\r\nszLastFName=1\r\n"),
              std::string::npos);
    EXPECT_EQ(Title(), L"衡川 <road.xyh>");
    EXPECT_EQ(FrameProbe::Job(frame).Settings().connection.nComBaud, 7);  // the connection is kept
    EXPECT_EQ(FrameProbe::Job(frame).Settings().nSaveType, 0);            // the rest is a new job's
    EXPECT_EQ(FrameProbe::Records(frame).RecordFile(), L"\\Program Files\\Jobs\\road\\data\\road.rec");
    EXPECT_FALSE(FrameProbe::Watch(frame).Acknowledged(ParamWarning::kCentralMeridian));
}

// A new folder appears with the job's files or not at all: what a killed attempt left under the
// temporary name is taken over, and a folder that cannot be filled never appears.
TEST_F(JobCommandsTest, ANewJobsFolderAppearsWithItsFilesOrNotAtAll) {
    WriteHostFile(std::string(kJobs) + "road.new/road.qzs", "half");
    NewJobNamed(L"road", 0,
                [this] { ui_.OnModal(CParamWizardDlg::IDD, [this](CDialog& w) { ui_.Click(w, IDOK); }); });
    EXPECT_FALSE(std::filesystem::exists(root_ / kJobs / "road.new"));
    EXPECT_NE(ReadHostFile(std::string(kJobs) + "road/road.qzs").find("[General Par]"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(root_ / kJobs / "road/road.qza"));

    WriteHostFile(std::string(kJobs) + "lane.new", "a file where the folder would be made");
    const std::string system = SystemFile();
    ui_.ExpectMessageBox(L"创建作业文件夹失败!");
    NewJobNamed(L"lane", 0,
                [this] { ui_.OnModal(CParamWizardDlg::IDD, [this](CDialog& w) { ui_.Click(w, IDOK); }); });
    EXPECT_FALSE(std::filesystem::exists(root_ / kJobs / "lane"));
    EXPECT_EQ(SystemFile(), system);
    EXPECT_EQ(Title(), L"衡川 <road.xyh>");
}

TEST_F(JobCommandsTest, CancelNoAndBadNamesLeaveTheJobAsItWas) {
    ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) { s.nSaveType = 2; });
    const std::string system = SystemFile();
    // The wizard cancelled: the settings of the current job are all still there.
    NewJobNamed(L"road", 0, [this] {
        ui_.OnModal(CParamWizardDlg::IDD, [this](CDialog& w) { ui_.Click(w, IDCANCEL); });
    });
    EXPECT_EQ(FrameProbe::Job(frame).Settings().nSaveType, 2);
    EXPECT_FALSE(std::filesystem::exists(root_ / kJobs / "road"));

    // An existing job file, not to be overwritten.
    WriteHostFile(std::string(kJobs) + "old/old.qzs", "[x]\r\n");
    NewJobNamed(L"old", 0, [this] { ui_.ExpectMessageBox(L"作业文件已存在，是否覆盖?", IDNO); });
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "old/old.qzs"), "[x]\r\n");

    // Names that cannot be folders are refused and the dialog stays open.
    ui_.OnModal(newjob::IDD, [this](CDialog& dialog) {
        ui_.ExpectMessageBox(L"文件名不能为空，请重新输入!");
        ui_.Click(dialog, IDOK);
        ui_.SetText(dialog, newjob::kName, L"a\\b");
        ui_.ExpectMessageBox(L"文件名不能包含\\/:*?\"<>|等字符，请重新输入!");
        ui_.Click(dialog, IDOK);
        ui_.Click(dialog, IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"1新建工程"}));
    EXPECT_EQ(SystemFile(), system);
    EXPECT_EQ(FrameProbe::Job(frame).Settings().nSaveType, 2);
}

TEST_F(JobCommandsTest, NewJobCopiesAnotherJobAndOpenJobKeepsWhatItCannotUse) {
    WriteHostFile(std::string(kJobs) + "base/base.qzs", "[DataSave Par]\r\nnSaveType=1\r\n");
    NewJobNamed(L"copy", 1, [this] { ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\base\\base.qzs"); });
    EXPECT_EQ(Title(), L"衡川 <copy.xyh>");
    EXPECT_TRUE(std::filesystem::exists(root_ / kJobs / "copy/copy.qza"));

    // A coordinate file that cannot be read is moved aside, told, and the job opens on defaults.
    WriteHostFile(std::string(kJobs) + "bad/bad.qzs", "[DataSave Par]\r\nnSaveType=3\r\n");
    std::filesystem::create_directories(root_ / kJobs / "bad/bad.qza");
    ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\bad\\bad.qzs");
    ui_.ExpectMessageBox(
        L"bad.qza已损坏,不能使用的设置已换为默认值,原文件保存为\\Program Files\\Jobs\\bad\\bad.qza.bad");
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / kJobs / "bad/bad.qza.bad"));
    EXPECT_EQ(FrameProbe::Job(frame).Settings().nSaveType, 3);
    EXPECT_EQ(Title(), L"衡川 <bad.xyh>");

    // A later damage is kept beside the first, and the job opens again.
    WriteHostFile(std::string(kJobs) + "bad/bad.qza", "garbage");
    ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\bad\\bad.qzs");
    ui_.ExpectMessageBox(
        L"bad.qza已损坏,不能使用的设置已换为默认值,原文件保存为\\Program Files\\Jobs\\bad\\bad.qza.1.bad");
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "bad/bad.qza.1.bad"), "garbage");

    // When no copy can be kept (the disk full) the current job stays, unmixed and unwritten.
    WriteHostFile(std::string(kJobs) + "bad/bad.qza", "other garbage");
    const std::string system = SystemFile();
    ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\bad\\bad.qzs");
    ui_.ExpectMessageBox(L"读qza文件错误,请检查错误!");
    {
        FullDisk disk(0);
        const ScopedFileSystemCalls calls(disk);
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
    }
    EXPECT_EQ(SystemFile(), system);
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "bad/bad.qza"), "other garbage");

    // A readable one becomes current, with its record file, names and time zone.
    WriteHostFile(std::string(kJobs) + "base/data/base.rec", "A,1,2,3,c\r\nB,4,5,6,d\r\n");
    WriteHostFile(std::string(kJobs) + "base/data/base.xyh", "K9,1,2,3,Z5,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    WriteHostFile(std::string(kJobs) + "base/base.qzs", "[General Par]\r\nnTimeZone=7\r\n");
    FrameProbe::DisplayPoints(frame).Append(PointRecord{L"old", 0.0, 0.0, 0.0, L"", 0});
    ChangeSystemRecord(FrameProbe::Job(frame), [](LastFilesRecord& r) {
        r.lastNames = {L"J7", L"Z7", L"7"};
    });
    ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\base\\base.qzs");
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
    EXPECT_EQ(Title(), L"衡川 <base.xyh>");
    EXPECT_EQ(FrameProbe::Records(frame).surveyed.size(), 2u);
    EXPECT_TRUE(FrameProbe::DisplayPoints(frame).empty());
    EXPECT_NE(SystemFile().find("szIniFile=\\Program Files\\Jobs\\base\\base.qzs"), std::string::npos);
    TextTriple names;
    EXPECT_EQ(FrameProbe::Job(frame).PointStore().GetLastNames(names), L"K9");
    EXPECT_EQ(names.first, L"K10");  // after the file's, not the last job's
    EXPECT_EQ(GetLocalTimeOffsetMinutes(), 7 * 60);
    ChangeSystemRecord(FrameProbe::Job(frame), [](LastFilesRecord& r) { r.nGPSOEMType = kBoardEclipse; });
    Feed(sim::GgaSentence(Epoch()));  // 03:00 UTC
    EXPECT_EQ(FrameProbe::Receiver(frame).State().hour, 10);
}

TEST_F(JobCommandsTest, OpeningAJobFinishesTheStoreAKillCutShortAndTellsItOnce) {
    WriteHostFile(std::string(kJobs) + "cut/cut.qzs", "[DataSave Par]\r\nnSaveType=1\r\n");
    WriteHostFile(std::string(kJobs) + "cut/data/cut.xyh", "P1,1,2,3,c\r\nP2,4,5,6,d\r\n");
    WriteHostFile(std::string(kJobs) + "cut/data/cut.rec", "P1,1,2,3,c\r\n");
    const StoreRecord record{L"P2",
                             {{L"\\Program Files\\Jobs\\cut\\data\\cut.xyh", 12, "P2,4,5,6,d\r\n"},
                              {L"\\Program Files\\Jobs\\cut\\data\\cut.rec", 12, "P2,4,5,6,d\r\n"}}};
    WriteHostFile(std::string(kJobs) + "cut/cut.qzj", EncodeStoreRecord(record));
    for (int open = 0; open < 2; ++open) {
        ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\cut\\cut.qzs");
        if (open == 0) ui_.ExpectMessageBox(L"上次存储被中断,点P2已补全存储");
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
    }
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "cut/data/cut.rec"), "P1,1,2,3,c\r\nP2,4,5,6,d\r\n");
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "cut/data/cut.xyh"), "P1,1,2,3,c\r\nP2,4,5,6,d\r\n");
    EXPECT_EQ(FrameProbe::Records(frame).surveyed.size(), 2u);
}

TEST_F(JobCommandsTest, NewAndOpenPointFile) {
    FrameProbe::Job(frame).SetPointNames({L"J7", L"Z7", L"7"}, L"7", 0.0);
    ui_.OnModal(savefile::IDD, [this](CDialog& dialog) {
        ui_.SetText(dialog, savefile::kName, L"pts");
        ui_.Click(dialog, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"3新建文件"}));
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "vorna/data/pts.xyh"), "");
    EXPECT_EQ(Title(), L"衡川 <pts.xyh>");
    TextTriple names;
    EXPECT_EQ(FrameProbe::Job(frame).PointStore().GetLastNames(names), L"0");
    EXPECT_EQ(names.first, L"J1");

    WriteHostFile(std::string(kJobs) + "vorna/data/old.xyh", "K1,1,2,3,c\r\n");
    WriteHostFile(std::string(kJobs) + "vorna/data/old.rec", "K1,1,2,3,c\r\n");
    ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\vorna\\data\\old.xyh");
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"4打开文件"}));
    EXPECT_EQ(Title(), L"衡川 <old.xyh>");
    EXPECT_EQ(FrameProbe::Records(frame).surveyed.size(), 1u);
    EXPECT_NE(SystemFile().find("szDataFile=old.xyh"), std::string::npos);
}

// Stores the journal still holds name where their lines begin in the job's files: a new point file
// (which may empty the current one) and another job settle them first, and the journal goes.
TEST_F(JobCommandsTest, ANewPointFileOrAnotherJobSettlesTheStoresTheJournalHolds) {
    WriteHostFile(std::string(kJobs) + "road/road.qzs", "[DataSave Par]\r\nnSaveType=0\r\n");
    const std::string journal = std::string(kJobs) + "vorna/vorna.qzj";
    const std::string points = std::string(kJobs) + "vorna/data/vorna.xyh";
    const StoreRecord held{L"P1", {{L"\\Program Files\\Jobs\\vorna\\data\\vorna.xyh", 0, "P1,1,2,3,c\r\n"}}};
    const struct {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"新建文件",
         [&] {
             ui_.OnModal(savefile::IDD, [this](CDialog& dialog) {
                 ui_.SetText(dialog, savefile::kName, L"pts");
                 ui_.Click(dialog, IDOK);
             });
             ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"3新建文件"}));
         }},
        {"打开工程",
         [&] {
             ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\road\\road.qzs");
             ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
         }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        WriteHostFile(points, "P1,1,2,3,c\r\n");
        WriteHostFile(journal, EncodeStoreRecord(held));
        c.run();
        EXPECT_FALSE(std::filesystem::exists(root_ / journal));
        EXPECT_EQ(ReadHostFile(points), "P1,1,2,3,c\r\n");
    }
}

// A name longer than a file name can be is refused in the dialog, which stays open for another.
TEST_F(JobCommandsTest, NewPointFileWithATooLongNameIsRefused) {
    const CString before = FrameProbe::Job(frame).Paths().dataFileName;
    const auto files = [&] {
        return std::distance(std::filesystem::directory_iterator(root_ / kJobs / "vorna/data"), {});
    };
    const auto filesBefore = files();
    ui_.OnModal(savefile::IDD, [this](CDialog& dialog) {
        ui_.SetText(dialog, savefile::kName, std::wstring(300, L'p').c_str());
        ui_.ExpectMessageBox(L"文件名太长，请重新输入!");
        ui_.Click(dialog, IDOK);
        EXPECT_FALSE(dialog.HasEnded());
        ui_.Click(dialog, IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"3新建文件"}));
    EXPECT_EQ(FrameProbe::Job(frame).Paths().dataFileName, before);
    EXPECT_EQ(files(), filesBefore);
}

TEST_F(JobCommandsTest, TargetPointNeedsData) {
    ui_.ExpectMessageBox(L"当前没有接收到数据,不能存储数据");
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"测量E", L"1目标点测量"}));
    EXPECT_TRUE(store.stored.empty());

    FrameProbe::Records(frame).SetRecordFile(L"\\Program Files\\Jobs\\vorna\\data\\vorna.rec");
    ReceiverLinkProbe::SetHasData(FrameProbe::Receiver(frame), 1);
    ReceiverLinkProbe::State(FrameProbe::Receiver(frame)).gridX = 12.5;
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"测量E", L"1目标点测量"}));
    ASSERT_EQ(store.stored.size(), 1u);
    EXPECT_EQ(store.stored[0].fixFlag, 1);
    ASSERT_EQ(FrameProbe::Records(frame).surveyed.size(), 1u);
    EXPECT_EQ(FrameProbe::Records(frame).surveyed[0].x, 12.5);
    EXPECT_TRUE(FrameProbe::View(frame)->Markers().empty());
}

// The system file that cannot be written keeps naming the point file it named, and so does the
// record in memory; the user hears it once and the point file opened is the one in use.
TEST_F(JobCommandsTest, APointFileOpenedOnAFullDiskIsNotRecordedInTheSystemFile) {
    WriteHostFile(std::string(kJobs) + "vorna/data/old.xyh", "K1,1,2,3,c\r\n");
    const std::string systemBefore = SystemFile();
    const LastFilesRecord recordBefore = FrameProbe::Job(frame).SystemRecord();
    ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\vorna\\data\\old.xyh");
    ui_.ExpectMessageBox(L"创建qzsys.sys文件错误,请检查!");
    {
        FullDisk disk(0);
        const ScopedFileSystemCalls calls(disk);
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"4打开文件"}));
    }
    EXPECT_EQ(SystemFile(), systemBefore);
    EXPECT_EQ(FrameProbe::Job(frame).SystemRecord(), recordBefore);
    EXPECT_EQ(Title(), L"衡川 <old.xyh>");
    EXPECT_EQ(FrameProbe::Job(frame).Paths().dataFileName, L"old.xyh");
}

TEST_F(JobCommandsTest, LastNamesFollowTheJobsRecordFormat) {
    const CString jobFolder = FrameProbe::Job(frame).Paths().jobFolder;
    const CString file = L"\\Program Files\\Jobs\\vorna\\data\\a.xyh";
    WriteHostFile(std::string(kJobs) + "vorna/data/a.xyh", "K9,1,2,3,Z5,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(ScanLastNamesInFile(file, JobRecordFormat(jobFolder)).first, L"K9");
    WriteHostFile(std::string(kJobs) + "vorna/qzrecauto", "[QZRecSaveFormat]6\r\n");
    const LastNames six = ScanLastNamesInFile(file, JobRecordFormat(jobFolder));
    EXPECT_EQ(six.second, L"Z5");
    EXPECT_EQ(six.first, L"0");
}

// A job or point file made current continues after the names its point file holds, whatever the
// names were before and whether or not the job has a "qzrecauto" file; the system file carries them,
// so that a start after a kill continues them too.
TEST_F(JobCommandsTest, NamesGoOnAfterThePointFileOfTheJobOrFileMadeCurrent) {
    // Point 1 of series N, the piles J3 and Z2, then plain points with 7 stored out of turn.
    const auto line = [](const char* name, int f14, int f16) {
        return std::string(name) + ",1,2,3,c,0,0,0,0,0,0,0,0,0," + std::to_string(f14) + ",0," +
               std::to_string(f16) + "\r\n";
    };
    std::string points = line("1", 1, 2) + line("J3", 0, 0) + line("Z2", 1, 1);
    for (const char* name : {"7", "2", "3", "4", "5"}) points += line(name, 1, 0);
    WriteHostFile(std::string(kJobs) + "vorna/data/vorna.xyh", points);
    WriteHostFile(std::string(kJobs) + "road/road.qzs", "[DataSave Par]\r\nnSaveType=0\r\n");
    WriteHostFile(std::string(kJobs) + "road/data/road.xyh", points);
    const auto newFile = [&](const wchar_t* name) {
        ui_.OnModal(savefile::IDD, [=, this](CDialog& dialog) {
            ui_.SetText(dialog, savefile::kName, name);
            ui_.Click(dialog, IDOK);
        });
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"3新建文件"}));
    };
    const struct {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"打开文件",
         [&] {
             ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\vorna\\data\\vorna.xyh");
             ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"4打开文件"}));
         }},
        {"打开工程",
         [&] {
             ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\road\\road.qzs");
             ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"2打开工程"}));
         }},
        {"新建工程 over a job that has points",
         [&] {
             NewJobNamed(L"road", 0, [this] {
                 ui_.ExpectMessageBox(L"作业文件已存在，是否覆盖?", IDYES);
                 ui_.OnModal(CParamWizardDlg::IDD, [this](CDialog& w) { ui_.Click(w, IDOK); });
             });
         }},
    };
    const wchar_t* const newFiles[] = {L"pts1", L"pts2", L"pts3"};
    for (size_t i = 0; i < std::size(commands); ++i) {
        const auto& c = commands[i];
        SCOPED_TRACE(c.name);
        newFile(newFiles[i]);  // the names start again at 1 there
        ASSERT_EQ(FrameProbe::Job(frame).PointStore().NextName(), L"1");
        c.run();
        const PointStoreState& store = FrameProbe::Job(frame).PointStore();
        EXPECT_EQ(store.NextName(), L"6");  // after 5, 7 being taken would come after 6
        EXPECT_EQ(store.point.texts, (TextTriple{L"J4", L"Z3", L"6"}));
        EXPECT_NE(
            SystemFile().find("szLastSaveName=5\r\nszLastJName=J4\r\nszLastZName=Z3\r\nszLastFName=6\r\n"),
            std::string::npos);
    }
}

// 新建文件 never empties a file the job is writing: the current point file is refused before any
// question, and the dialog stays open. Another point file it replaces leaves its points in
// "<name>.bak"; an empty one leaves an older copy alone.
TEST_F(JobCommandsTest, ANewPointFileReplacesNoneOfTheJobsFilesAndKeepsACopyOfAnother) {
    const std::string current = "1,1,2,3,c\r\n2,4,5,6,c\r\n";
    const std::string other = "A1,1,2,3,c\r\n";
    WriteHostFile(std::string(kJobs) + "vorna/data/vorna.xyh", current);
    WriteHostFile(std::string(kJobs) + "vorna/data/other.xyh", other);
    const struct {
        const wchar_t* typed;
        const wchar_t* refusal;  // nullptr: taken after the question whether to replace it
        const char* bak;         // what "other.xyh.bak" then holds
    } cases[] = {
        {L"vorna", L"该文件是工程自身的文件,请换一个文件名!", ""},
        {L"VORNA.xyh", L"该文件是工程自身的文件,请换一个文件名!", ""},
        {L"other", nullptr, "A1,1,2,3,c\r\n"},
        {L"other", nullptr, "A1,1,2,3,c\r\n"},  // now empty: the copy stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.typed));
        ui_.OnModal(savefile::IDD, [&, this](CDialog& dialog) {
            ui_.SetText(dialog, savefile::kName, c.typed);
            if (c.refusal) {
                ui_.ExpectMessageBox(c.refusal);
                ui_.Click(dialog, IDOK);
                EXPECT_FALSE(dialog.HasEnded());
                ui_.Click(dialog, IDCANCEL);
            } else {
                ui_.ExpectMessageBox(L"该文件已存在，要覆盖此文件吗?", IDOK);
                ui_.Click(dialog, IDOK);
            }
        });
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"3新建文件"}));
        if (c.refusal) {
            EXPECT_EQ(ReadHostFile(std::string(kJobs) + "vorna/data/vorna.xyh"), current);
            EXPECT_EQ(FrameProbe::Job(frame).Paths().dataFileName, L"vorna.xyh");
        } else {
            EXPECT_EQ(ReadHostFile(std::string(kJobs) + "vorna/data/other.xyh"), "");
            EXPECT_EQ(Title(), L"衡川 <other.xyh>");
            // Back to vorna for the next case.
            ChooseFile(openfile::IDD, L"\\Program Files\\Jobs\\vorna\\data\\vorna.xyh");
            ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"4打开文件"}));
        }
        EXPECT_EQ(ReadHostFile(std::string(kJobs) + "vorna/data/other.xyh.bak"), c.bak);
    }
}

// A copy that cannot be kept empties nothing: the user is told and the file stays current as it was.
TEST_F(JobCommandsTest, APointFileWhoseCopyCannotBeKeptIsNotReplaced) {
    WriteHostFile(std::string(kJobs) + "vorna/data/other.xyh", "A1,1,2,3,c\r\n");
    std::filesystem::create_directories(root_ / kJobs / "vorna/data/other.xyh.bak/in");
    ui_.OnModal(savefile::IDD, [this](CDialog& dialog) {
        ui_.SetText(dialog, savefile::kName, L"other");
        ui_.ExpectMessageBox(L"该文件已存在，要覆盖此文件吗?", IDOK);
        ui_.ExpectMessageBox(L"文件保存失败!");  // once the dialog has closed
        ui_.Click(dialog, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工程F", L"3新建文件"}));
    EXPECT_EQ(ReadHostFile(std::string(kJobs) + "vorna/data/other.xyh"), "A1,1,2,3,c\r\n");
    EXPECT_EQ(FrameProbe::Job(frame).Paths().dataFileName, L"vorna.xyh");
}

}  // namespace
