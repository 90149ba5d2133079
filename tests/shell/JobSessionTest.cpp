// The job's one writer of the system file and of its settings and coordinate-parameter files: the
// file first; memory, and what follows memory (the parser, the converters), only after a good write.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "shell/frame/JobSession.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/files/FullDisk.h"

namespace {
class JobSessionTest : public DeviceRootTest {};
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
        JobSession job;
        job.jobs.DefaultJobParams(job.settings);
        job.jobs.DefaultCoordParams(job.coord);
        job.jobs.SetJobFilePaths({folder + L"j.qzs", folder + L"j.qza"});
        const GeneralSettingsBlock before = job.settings;
        const double centreBefore = job.coord.projection.szdCenter;
        int settingsFollowed = 0, coordFollowed = 0;
        job.OnSettingsChanged([&](const GeneralSettingsBlock&) { ++settingsFollowed; });
        job.OnCoordParamsChanged([&](const CoordSysParams& coord) {
            EXPECT_EQ(coord.projection.szdCenter, 117.0);
            ++coordFollowed;
        });

        GeneralSettingsBlock settings = job.settings;
        settings.connection.nTimeZone = before.connection.nTimeZone + 1;
        CoordSysParams coord = job.coord;
        coord.projection.szdCenter = 117.0;
        EXPECT_EQ(job.StoreSettings(settings), c.written);
        EXPECT_EQ(job.StoreCoordParams(coord), c.written);

        EXPECT_EQ(job.settings.connection.nTimeZone, (c.written ? settings : before).connection.nTimeZone);
        EXPECT_EQ(job.coord.projection.szdCenter, c.written ? 117.0 : centreBefore);
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
    std::filesystem::create_directories(root_ / "Program Files");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JobSession job;
        std::vector<CString> notices;
        const ScopedNoticeSink told(job.jobs.Files(),
                                    [&](const CString& notice) { notices.push_back(notice); });
        job.jobs.DefaultSystemParams(job.system);
        ASSERT_TRUE(job.StoreSystem(job.system));
        const std::string fileBefore = ReadHostFile("Program Files/qzsys.sys");
        const LastFilesRecord before = job.system;
        LastFilesRecord changed = before;
        changed.szLastSaveName = L"P9";
        changed.lastNames = {L"J4", L"Z4", L"4"};
        changed.nGPSOEMType = 3;
        if (c.disk == Disk::kHeld) job.jobs.Files().Hold(job.jobs.Files().SystemFilePath());

        FullDisk disk(c.disk == Disk::kFull ? 0 : 1 << 20);
        {
            const ScopedFileSystemCalls calls(disk);
            EXPECT_EQ(job.StoreSystem(changed), c.stored);
        }

        EXPECT_EQ(job.system, c.recordChanged ? changed : before);
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
        JobSession job;
        std::vector<CString> notices;
        const ScopedNoticeSink heard(job.jobs.Files(),
                                     [&](const CString& notice) { notices.push_back(notice); });
        job.jobs.SetJobFilePaths({L"\\job\\j.qzs", L"\\job\\j.qza"});
        GeneralSettingsBlock start;
        job.jobs.DefaultJobParams(start);
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

        const DataLinkSettings& link = job.settings.dataLink;
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
