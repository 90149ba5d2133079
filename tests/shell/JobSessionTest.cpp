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
