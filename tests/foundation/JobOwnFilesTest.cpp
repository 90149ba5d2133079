// The job's own files are found by device path, whatever case or separators a typed path has, and
// in a job whose folder or file names are Chinese (the host spells them in UTF-8).
#include <gtest/gtest.h>

#include "foundation/JobOwnFiles.h"
#include "tests/platform/files/DeviceRootFixture.h"

using JobOwnFilesTest = DeviceRootTest;

TEST_F(JobOwnFilesTest, ByDevicePathIgnoringCase) {
    WriteHostFile("Jobs/road/data/road.xyh", "");
    WriteHostFile("Jobs/road/road.qzs", "");
    WriteHostFile("Jobs/南区控制测量/data/南区控制测量.xyh", "");
    WriteHostFile("Jobs/南区控制测量/Ab南区.QZS", "");
    const std::vector<CString> files = {L"\\Jobs\\road\\data\\road.xyh", L"\\Jobs\\road\\road.qzs", L"",
                                        L"\\Jobs\\南区控制测量\\data\\南区控制测量.xyh",
                                        L"\\Jobs\\南区控制测量\\Ab南区.QZS"};
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
        {L"\\Jobs\\南区控制测量\\data\\南区控制测量.xyh", true},
        {L"\\jobs\\南区控制测量\\DATA\\南区控制测量.XYH", true},
        {L"\\Jobs\\南区控制测量\\data\\..\\aB南区.qzs", true},
        {L"\\Jobs\\南区控制测量\\data\\x.cot", false},
        {L"\\Jobs\\南区控制测量\\data\\南区控制.xyh", false},
        {L"\\Jobs\\北区控制测量\\data\\南区控制测量.xyh", false},
        {L"\\Jobs\\road\\测量\\road.xyh", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsJobOwnFile(c.path, files), c.own) << c.path;
}
