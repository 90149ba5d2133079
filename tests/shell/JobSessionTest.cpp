// The job's one writer of the system file and of its settings and coordinate-parameter files: the
// file first; memory, and what follows memory (the parser, the converters), only after a good write.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "foundation/StoreJournal.h"
#include "platform/text/CodePage.h"
#include "shell/frame/JobSession.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/files/FullDisk.h"

namespace {
class JobSessionTest : public DeviceRootTest {};

constexpr const wchar_t* kVersion = L"2011.09.26";
}  // namespace

TEST_F(JobSessionTest, MemoryAndWhatFollowsItChangeOnlyAfterAGoodWrite) {
    struct Case {
        const char* folder;
        const wchar_t* deviceFolder;
        bool written;
    } cases[] = {
        {"job", L"\\job\\", true},
        {"gone", L"\\gone\\", false},
    };
    std::filesystem::create_directories(root_ / "job");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const CString folder = c.deviceFolder;
        JobSession job{kVersion};
        job.UseJobPaths(folder + L"j.qzs", L"j.xyh");
        job.TakeLoaded(job.NewJobSettings(), job.NewJobCoordParams());
        const GeneralSettingsBlock before = job.Settings();
        const double centreBefore = job.CoordParams().projection.szdCenter;
        int settingsFollowed = 0, coordFollowed = 0;
        job.OnSettingsChanged([&](const GeneralSettingsBlock&) { ++settingsFollowed; });
        job.OnCoordParamsChanged([&](const CoordSysParams& coord) {
            EXPECT_EQ(coord.projection.szdCenter, 117.0);
            ++coordFollowed;
        });

        GeneralSettingsBlock settings = job.Settings();
        settings.connection.nTimeZone = before.connection.nTimeZone + 1;
        CoordSysParams coord = job.CoordParams();
        coord.projection.szdCenter = 117.0;
        EXPECT_EQ(job.StoreSettings(settings), c.written);
        EXPECT_EQ(job.StoreCoordParams(coord), c.written);

        EXPECT_EQ(job.Settings().connection.nTimeZone, (c.written ? settings : before).connection.nTimeZone);
        EXPECT_EQ(job.CoordParams().projection.szdCenter, c.written ? 117.0 : centreBefore);
        EXPECT_EQ(settingsFollowed, c.written ? 1 : 0);
        EXPECT_EQ(coordFollowed, c.written ? 1 : 0);
        EXPECT_EQ(std::filesystem::exists(root_ / c.folder / "j.qza"), c.written);
    }
}

// A full disk leaves the record and the file as they were and is told once; a file that start-up
// found unusable is held: never written, the record changes for this run only.
TEST_F(JobSessionTest, TheSystemRecordChangesOnlyAfterAGoodWriteOrForTheRunOfAHeldFile) {
    enum class Disk { kRoom, kFull, kHeld };
    struct Case {
        const char* name;
        Disk disk;
        bool stored;
        bool recordChanged;
        bool fileChanged;
    } cases[] = {
        {"room", Disk::kRoom, true, true, true},
        {"full", Disk::kFull, false, false, false},
        {"held", Disk::kHeld, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A first start writes the system file; one that start-up cannot use, and of which it can
        // keep no copy (the disk full), it holds.
        std::filesystem::remove(root_ / "Program Files/qzsys.sys");
        if (c.disk == Disk::kHeld) WriteHostFile("Program Files/qzsys.sys", "[[[");
        std::vector<CString> notices;
        JobSession job{kVersion, [&](const CString& notice) { notices.push_back(notice); }};
        {
            FullDisk start(c.disk == Disk::kHeld ? 0 : SIZE_MAX);
            const ScopedFileSystemCalls calls(start);
            job.LoadAtStartup();
        }
        notices.clear();
        const std::string fileBefore = ReadHostFile("Program Files/qzsys.sys");
        const LastFilesRecord before = job.SystemRecord();
        LastFilesRecord changed = before;
        changed.szLastSaveName = L"P9";
        changed.lastNames = {L"J4", L"Z4", L"4"};
        changed.nGPSOEMType = 3;

        FullDisk disk(c.disk == Disk::kFull ? 0 : 1 << 20);
        {
            const ScopedFileSystemCalls calls(disk);
            EXPECT_EQ(job.StoreSystem(changed), c.stored);
        }

        EXPECT_EQ(job.SystemRecord(), c.recordChanged ? changed : before);
        const std::string fileAfter = ReadHostFile("Program Files/qzsys.sys");
        EXPECT_EQ(fileAfter != fileBefore, c.fileChanged);
        EXPECT_EQ(fileAfter.find("szLastSaveName=P9") != std::string::npos, c.fileChanged);
        EXPECT_EQ(notices, c.disk == Disk::kFull ? std::vector<CString>{L"创建qzsys.sys文件错误,请检查!"}
                                                 : std::vector<CString>{});
    }
}

// What the receiver or its module reports of the data link goes to the job file only when it tells
// something new: a repeated report meets a full disk without a write (nor its notice); a failed write
// leaves memory and the file as they were.
TEST_F(JobSessionTest, AReportOfTheDataLinkIsWrittenOnlyWhenItTellsSomethingNew) {
    NetModuleSettings net;
    net.server = L"1.2.3.4";
    net.port = L"6060";
    struct Case {
        const char* name;
        DataLinkReport report;
        bool fullDisk;
        bool changes;
        int kind;  // what memory and the file then say, when written
        int channel;
        const wchar_t* server;
    } cases[] = {
        {"a new kind", {kLinkNetwork, std::nullopt, std::nullopt}, false, true, kLinkNetwork, 0, L""},
        {"a new channel", {kLinkRadio, 5, std::nullopt}, false, true, kLinkRadio, 5, L""},
        {"the module's network settings",
         {kLinkNetwork, std::nullopt, net},
         false,
         true,
         kLinkNetwork,
         0,
         L"1.2.3.4"},
        {"what the settings say already",
         {kLinkRadio, 0, NetModuleSettings{}},
         true,
         false,
         kLinkRadio,
         0,
         L""},
        {"a report that says nothing", {}, true, false, kLinkRadio, 0, L""},
        {"a new kind on a full disk",
         {kLinkExternal, std::nullopt, std::nullopt},
         true,
         true,
         kLinkRadio,
         0,
         L""},
        {"a new channel on a full disk", {kLinkRadio, 5, std::nullopt}, true, true, kLinkRadio, 0, L""},
    };
    std::filesystem::create_directories(root_ / "job");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CString> notices;
        JobSession job{kVersion, [&](const CString& notice) { notices.push_back(notice); }};
        job.UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
        GeneralSettingsBlock start = job.NewJobSettings();
        start.dataLink = DataLinkSettings{};
        ASSERT_TRUE(job.StoreSettings(start));
        const std::string fileBefore = ReadHostFile("job/j.qzs");
        int followed = 0;
        job.OnSettingsChanged([&](const GeneralSettingsBlock&) { ++followed; });

        const bool failed = c.changes && c.fullDisk;
        FullDisk disk(c.fullDisk ? 0 : 1 << 20);
        {
            const ScopedFileSystemCalls calls(disk);
            EXPECT_EQ(job.StoreDataLink(c.report), !failed);
        }

        const DataLinkSettings& link = job.Settings().dataLink;
        EXPECT_EQ(link.nModuleType, c.kind);
        EXPECT_EQ(link.radioChannel, c.channel);
        EXPECT_EQ(link.net.server, c.server);
        EXPECT_EQ(followed, c.changes && !c.fullDisk ? 1 : 0);
        const std::string file = ReadHostFile("job/j.qzs");
        EXPECT_NE(file.find("nModuleType=" + std::to_string(c.kind) + "\r\n"), std::string::npos);
        if (c.fullDisk) {
            EXPECT_EQ(file, fileBefore);
        }
        EXPECT_EQ(notices,
                  failed ? std::vector<CString>{L"创建qzs文件错误,请检查错误!"} : std::vector<CString>{});
    }
}

// A job's folders and coordinate file follow its job file's path; its settings and parameters are
// written there, and its point file names the result files.
TEST_F(JobSessionTest, AJobsPathsNameTheFilesItWrites) {
    struct Case {
        const wchar_t* jobFile;
        const char* hostFolder;
        const wchar_t* folder;
        const char* jobName;  // the job file's name without its extension
    } cases[] = {
        {L"\\job\\j.qzs", "job", L"\\job\\", "j"},
        {L"\\Program Files\\Jobs\\road 2\\road 2.qzs", "Program Files/Jobs/road 2",
         L"\\Program Files\\Jobs\\road 2\\", "road 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hostFolder);
        std::filesystem::create_directories(root_ / c.hostFolder);
        JobSession job{kVersion};
        job.UseJobPaths(c.jobFile, L"p.xyh");
        const CString folder = c.folder;
        const CString coordFile = folder + FromUtf8(c.jobName) + L".qza";
        EXPECT_EQ(job.Paths().JobFile(), c.jobFile);
        EXPECT_EQ(job.Paths().jobFolder, folder);
        EXPECT_EQ(job.Paths().dataFolder, folder + L"data\\");
        EXPECT_EQ(job.Paths().resultFolder, folder + L"result\\");
        EXPECT_EQ(job.Paths().jobFolder + job.Paths().coordFileName, coordFile);
        EXPECT_EQ(job.Paths().dataFileName, L"p.xyh");
        const std::vector<CString> own = job.OwnFiles(L"r.rec");
        EXPECT_EQ(std::vector<CString>(own.end() - 3, own.end()),
                  (std::vector<CString>{c.jobFile, coordFile, L"\\Program Files\\qzsys.sys"}));
        ASSERT_TRUE(job.StoreSettings(job.NewJobSettings()));
        ASSERT_TRUE(job.StoreCoordParams(job.NewJobCoordParams()));
        const std::string name = c.jobName;
        EXPECT_TRUE(std::filesystem::exists(root_ / c.hostFolder / (name + ".qzs")));
        EXPECT_TRUE(std::filesystem::exists(root_ / c.hostFolder / (name + ".qza")));

        job.UsePointFile(L"q.xyh");
        EXPECT_EQ(job.Paths().dataFileName, L"q.xyh");
        EXPECT_EQ(job.ResultFiles().DataFile(), folder + L"data\\q.xyh");
        EXPECT_EQ(job.ResultFiles().RawFile(), folder + L"data\\q.blh");
    }
}

// A new job starts from a new job's value for every key of the files; what the job file keeps no key
// for (the radio channel, the network module's settings) stays as the current job has it.
TEST_F(JobSessionTest, ANewJobKeepsOnlyWhatTheJobFileHasNoKeyFor) {
    JobSession job{kVersion};
    const GeneralSettingsBlock fresh = job.NewJobSettings();
    GeneralSettingsBlock current = fresh;
    current.nSaveType = fresh.nSaveType + 1;
    current.connection.nTimeZone = fresh.connection.nTimeZone + 1;
    current.dataLink.nModuleType = kLinkNetwork;
    current.dataLink.radioChannel = 5;
    current.dataLink.net.server = L"1.2.3.4";
    job.TakeLoaded(current, job.NewJobCoordParams());

    GeneralSettingsBlock expected = fresh;
    expected.dataLink.radioChannel = 5;
    expected.dataLink.net.server = L"1.2.3.4";
    EXPECT_EQ(job.NewJobSettings(), expected);
    EXPECT_EQ(job.Settings(), current);  // the current job is as it was

    job.ResetSpareCoordParams();
    EXPECT_EQ(job.SpareCoordParams(), job.NewJobCoordParams());
}

// The store's last names go to the system file through its one writer; a failure is not told there
// (the store tells it in its own words) and leaves the record and the file as they were.
TEST_F(JobSessionTest, TheStoresLastNamesAreStoredUntold) {
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full ? "full disk" : "room");
        std::filesystem::remove(root_ / "Program Files/qzsys.sys");
        std::vector<CString> notices;
        JobSession job{kVersion, [&](const CString& notice) { notices.push_back(notice); }};
        job.LoadAtStartup();
        notices.clear();
        const LastFilesRecord before = job.SystemRecord();
        const std::string fileBefore = ReadHostFile("Program Files/qzsys.sys");

        FullDisk disk(full ? 0 : 1 << 20);
        {
            const ScopedFileSystemCalls calls(disk);
            EXPECT_EQ(job.StoreLastNames(L"P9", {L"J4", L"Z4", L"4"}), !full);
        }

        LastFilesRecord changed = before;
        changed.szLastSaveName = L"P9";
        changed.lastNames = {L"J4", L"Z4", L"4"};
        EXPECT_EQ(job.SystemRecord(), full ? before : changed);
        const std::string file = ReadHostFile("Program Files/qzsys.sys");
        EXPECT_EQ(file.find("szLastSaveName=P9\r\nszLastJName=J4\r\nszLastZName=Z4\r\nszLastFName=4") !=
                      std::string::npos,
                  !full);
        if (full) {
            EXPECT_EQ(file, fileBefore);
        }
        EXPECT_TRUE(notices.empty());
        // The session's notices are told again afterwards.
        {
            FullDisk none(0);
            const ScopedFileSystemCalls calls(none);
            EXPECT_FALSE(job.StoreSystem(job.SystemRecord()));
        }
        EXPECT_EQ(notices, std::vector<CString>{L"创建qzsys.sys文件错误,请检查!"});
    }
}

// A store that start-up finished is owed to the user, with its journal, until the start's notices
// have been shown: a start that ended before then leaves it to the next one, which stores nothing
// twice; after it was shown, a start has nothing to tell.
TEST_F(JobSessionTest, AFinishedStoreIsToldUntilTheStartsNoticesHaveBeenShown) {
    const std::string p1 = "P1,1,2,3,c\r\n", p2 = "P2,4,5,6,d\r\n";
    WriteHostFile("Program Files/Jobs/vorna/data/vorna.xyh", p1);
    WriteHostFile("Program Files/Jobs/vorna/vorna.qzj",
                  EncodeStoreRecord({L"P2", {{L"\\Program Files\\Jobs\\vorna\\data\\vorna.xyh", 12, p2}}}));
    const struct {
        bool told;
        bool shown;
    } starts[] = {{true, false}, {true, true}, {false, false}};
    for (const auto& start : starts) {
        std::vector<CString> notices;
        JobSession job{kVersion, [&](const CString& notice) { notices.push_back(notice); }};
        job.LoadAtStartup();
        EXPECT_EQ(notices, start.told ? std::vector<CString>{L"上次存储被中断,点P2已补全存储"}
                                      : std::vector<CString>{});
        if (start.shown) job.StartNoticesShown();
        EXPECT_EQ(ReadHostFile("Program Files/Jobs/vorna/data/vorna.xyh"), p1 + p2);
    }
    EXPECT_FALSE(std::filesystem::exists(root_ / "Program Files/Jobs/vorna/vorna.qzj"));
}
