// The job's one writer of its settings and coordinate-parameter files: the file first; memory, and
// what follows memory (the parser, the converters), only after a good write.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/frame/JobSession.h"
#include "tests/platform/files/DeviceRootFixture.h"

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
