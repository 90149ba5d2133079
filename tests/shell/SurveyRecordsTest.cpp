// The surveyed list keeps a stored point as where its line starts in the record file; a point whose
// line the file did not get stays in memory whole.
#include "shell/frame/SurveyRecords.h"

#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {

using SurveyRecordsTest = DeviceRootTest;

TEST_F(SurveyRecordsTest, StoredPointsAreReadFromTheLinesTheStoreAppended) {
    WriteHostFile("d/j.rec", "A,1.0000,2.0000,3.0000,a\r\nB,4,5");  // an append cut short
    SurveyRecords records;
    records.SetRecordFile(L"\\d\\j.rec");
    records.Load();
    ASSERT_EQ(records.surveyed.size(), 1u);
    const PointRecord stored{L"\u70b9C", 7.123456, 8.0, 9.0, L"c", 0};
    // The store cuts the torn piece and appends the line, as the program's store does.
    WriteHostFile("d/j.rec", "A,1.0000,2.0000,3.0000,a\r\n" + ToGbk(FormatRecordLine(stored)));
    records.Append(stored);
    const PointRecord unwritten{L"D", 10.0, 11.0, 12.0, L"d", 0};
    records.Append(unwritten);  // the record file did not get its line
    const PointRecord next{L"E", 13.0, 14.0, 15.0, L"e", 0};
    WriteHostFile("d/j.rec", "A,1.0000,2.0000,3.0000,a\r\n" + ToGbk(FormatRecordLine(stored)) +
                                 ToGbk(FormatRecordLine(next)));
    records.Append(next);

    const SurveyedPoints& list = records.surveyed;
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].name, L"\u70b9C");
    EXPECT_EQ(list[1].x, 7.1235);  // as its line holds it
    EXPECT_EQ(list[2].name, L"D");
    EXPECT_EQ(list[2].h, 12.0);
    EXPECT_EQ(list[3].name, L"E");
    EXPECT_EQ(list[3].code, L"e");
}

}  // namespace
