// The receiver screens' host over the frame's parts: a settings save writes the job file first, and
// memory changes only when the file was written.
#include <filesystem>

#include "tests/shell/FrameTestSupport.h"

namespace {
using ReceiverHostImplTest = FrameTest;
}  // namespace

TEST_F(ReceiverHostImplTest, TheSettingsChangeOnlyWithTheJobFile) {
    const struct {
        const wchar_t* jobFile;
        bool written;
    } cases[] = {{L"\\gone\\j.qzs", false}, {L"\\job\\j.qzs", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        FrameProbe::Job(frame).UseJobPaths(c.jobFile, L"j.xyh");
        IReceiverHost& services = FrameProbe::Services(frame);
        const int zoneBefore = services.Settings().connection.nTimeZone;
        GeneralSettingsBlock changed = services.Settings();
        changed.connection.nTimeZone = zoneBefore + 1;
        // The job's files tell their own failure.
        if (!c.written) ui_.ExpectMessageBox(L"创建qzs文件错误,请检查错误!");
        EXPECT_EQ(services.SaveSettings(changed), c.written);
        EXPECT_EQ(services.Settings().connection.nTimeZone, c.written ? zoneBefore + 1 : zoneBefore);
        EXPECT_EQ(std::filesystem::exists(root_ / "job" / "j.qzs"), c.written);
    }
}
