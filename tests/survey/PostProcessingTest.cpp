#include "survey/PostProcessing.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/survey/GoldenProject.h"

// project.blh holds a plain, an offset, an unclosed and a five-epoch smoothing and an automatic
// store, all on the equator at the central meridian; project.xyh was worked out by hand: grid
// (0, 500000) plus the shifts (10, 20, 0.5), the offset 5 m at 90° and 0.3 m up, the group's mean.
namespace {

class PostProcessingTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        WriteHostFile("data/job.blh", SurveyGolden("project.blh"));
    }
    PostProcOutcome Run(const CoordSysParams& working, bool addShifts = false) {
        return WritePostProcResult(L"\\data\\job.blh", L"\\data\\out.xyh", working, addShifts,
                                   ProjectParams().adjust);
    }
    std::string Result() const { return ReadHostFile("data/out.xyh"); }
};

}  // namespace

TEST_F(PostProcessingTest, JobParametersGiveTheHandWorkedResult) {
    WriteHostFile("data/out.xyh", "an older result\r\n");
    const PostProcOutcome outcome = Run(ProjectParams());
    EXPECT_EQ(outcome.status, PostProcOutcome::Status::kWritten);
    EXPECT_EQ(outcome.lines, 4);
    EXPECT_EQ(Result(), SurveyGolden("project.xyh"));

    // The job's shifts added on top of the working ones count twice.
    Run(ProjectParams(), true);
    const std::string doubled = ToGbk(CString(L"桩1,20.000,500040.000,34.500,"));
    EXPECT_EQ(Result().substr(0, doubled.size()), doubled);
}

TEST_F(PostProcessingTest, HeaderOnlyRawFileGivesAnEmptyResult) {
    WriteHostFile("data/job.blh", "Rem Version      Quorin2.0 Ver: x\r\nRem BaseStation  0 0 0 \r\n");
    const PostProcOutcome outcome = Run(ProjectParams());
    EXPECT_EQ(outcome.status, PostProcOutcome::Status::kWritten);
    EXPECT_EQ(outcome.lines, 0);
    EXPECT_EQ(Result(), "");
}

TEST_F(PostProcessingTest, UnreadableRawOrUnwritableResultWritesNothing) {
    EXPECT_EQ(WritePostProcResult(L"\\data\\none.blh", L"\\data\\out.xyh", ProjectParams(), false, {}).status,
              PostProcOutcome::Status::kRawUnreadable);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/out.xyh"));
    EXPECT_EQ(
        WritePostProcResult(L"\\data\\job.blh", L"\\nofolder\\out.xyh", ProjectParams(), false, {}).status,
        PostProcOutcome::Status::kResultNotWritten);
    EXPECT_TRUE(SameDevicePath(L"\\Jobs\\Road\\data\\ROAD.xyh", L"\\jobs\\road\\DATA\\road.XYH"));
    EXPECT_FALSE(SameDevicePath(L"\\data\\road.xyh", L"\\data\\road2.xyh"));
}
