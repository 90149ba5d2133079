#include "survey/PostProcessing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"

// project.blh holds a plain, an offset, an unclosed and a five-epoch smoothing and an automatic
// store, all on the equator at the central meridian; project.xyh was worked out by hand: grid
// (0, 500000) plus the shifts (10, 20, 0.5), the offset 5 m at 90° and 0.3 m up, the group's mean.
namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/survey/golden" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

CoordSysParams JobParams() {
    CoordSysParams p;
    p.ellipsoid.szdDa = 6378137.0;
    p.ellipsoid.szdDf = 298.257223563;
    p.projection.nTouYin = 0;
    p.projection.szdCenter = 120.0;
    p.projection.szlTy = 500000;
    p.projection.szdTk = 1.0;
    p.adjust.szdAdjustX = 10.0;
    p.adjust.szdAdjustY = 20.0;
    p.adjust.szdAdjustH = 0.5;
    return p;
}

class PostProcessingTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        WriteHostFile("data/job.blh", Golden("project.blh"));
    }
    PostProcOutcome Run(const CoordSysParams& working, bool addShifts = false) {
        return WritePostProcResult(L"\\data\\job.blh", L"\\data\\out.xyh", working, addShifts,
                                   JobParams().adjust);
    }
    std::string Result() const { return ReadHostFile("data/out.xyh"); }
};

}  // namespace

TEST_F(PostProcessingTest, JobParametersGiveTheHandWorkedResult) {
    WriteHostFile("data/out.xyh", "an older result\r\n");
    const PostProcOutcome outcome = Run(JobParams());
    EXPECT_EQ(outcome.status, PostProcOutcome::Status::kWritten);
    EXPECT_EQ(outcome.lines, 4);
    EXPECT_EQ(Result(), Golden("project.xyh"));

    // The job's shifts added on top of the working ones count twice.
    Run(JobParams(), true);
    const std::string doubled = ToGbk(CString(L"桩1,20.000,500040.000,34.500,"));
    EXPECT_EQ(Result().substr(0, doubled.size()), doubled);
}

TEST_F(PostProcessingTest, HeaderOnlyRawFileGivesAnEmptyResult) {
    WriteHostFile("data/job.blh", "Rem Version      Quorin2.0 Ver: x\r\nRem BaseStation  0 0 0 \r\n");
    const PostProcOutcome outcome = Run(JobParams());
    EXPECT_EQ(outcome.status, PostProcOutcome::Status::kWritten);
    EXPECT_EQ(outcome.lines, 0);
    EXPECT_EQ(Result(), "");
}

TEST_F(PostProcessingTest, UnreadableRawOrUnwritableResultWritesNothing) {
    EXPECT_EQ(WritePostProcResult(L"\\data\\none.blh", L"\\data\\out.xyh", JobParams(), false, {}).status,
              PostProcOutcome::Status::kRawUnreadable);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/out.xyh"));
    EXPECT_EQ(WritePostProcResult(L"\\data\\job.blh", L"\\nofolder\\out.xyh", JobParams(), false, {}).status,
              PostProcOutcome::Status::kResultNotWritten);
    EXPECT_TRUE(SameDevicePath(L"\\Jobs\\Road\\data\\ROAD.xyh", L"\\jobs\\road\\DATA\\road.XYH"));
    EXPECT_FALSE(SameDevicePath(L"\\data\\road.xyh", L"\\data\\road2.xyh"));
}
