// The job's own files are found by device path, whatever case or separators a typed path has.
#include <gtest/gtest.h>

#include "foundation/JobOwnFiles.h"
#include "tests/platform/files/DeviceRootFixture.h"

using JobOwnFilesTest = DeviceRootTest;

TEST_F(JobOwnFilesTest, ByDevicePathIgnoringCase) {
    WriteHostFile("Jobs/road/data/road.xyh", "");
    WriteHostFile("Jobs/road/road.qzs", "");
    const std::vector<CString> files = {L"\\Jobs\\road\\data\\road.xyh", L"\\Jobs\\road\\road.qzs", L""};
    const struct {
        const wchar_t* path;
        bool own;
    } cases[] = {
        {L"\\Jobs\\road\\data\\road.xyh", true},
        {L"\\JOBS\\Road\\DATA\\ROAD.XYH", true},
        {L"\\Jobs\\road\\data\\\\road.xyh", true},
        {L"\\Jobs\\road\\data\\..\\road.qzs", true},
        {L"\\Jobs\\road\\data\\road2.xyh", false},
        {L"\\Jobs\\road\\data\\road.blh", false},
        {L"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsJobOwnFile(c.path, files), c.own) << c.path;
}
