// The surveyed list reads a stored point from its line in the record file, found from the lines
// appended before it; a point whose line the file did not get as stored stays in memory whole.
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
    const PointRecord after{L"F", 16.0, 17.0, 18.0, L"", 0};
    std::string file = "A,1.0000,2.0000,3.0000,a\r\n" + ToGbk(FormatRecordLine(stored)) +
                       ToGbk(FormatRecordLine(next)) + ToGbk(FormatRecordLine(after));
    WriteHostFile("d/j.rec", file);
    records.Append(after);
    // Another line reached the file with this one's: the point is kept, and the lines after it are
    // found from the end of all that.
    const PointRecord crowded{L"G", 19.0, 20.0, 21.0, L"g", 0};
    file += "X,0,0,0,x\r\n" + ToGbk(FormatRecordLine(crowded));
    WriteHostFile("d/j.rec", file);
    records.Append(crowded);
    const PointRecord last{L"H", 22.0, 23.0, 24.0, L"h", 0};
    WriteHostFile("d/j.rec", file + ToGbk(FormatRecordLine(last)));
    records.Append(last);

    const SurveyedPoints& list = records.surveyed;
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[1].name, L"\u70b9C");
    EXPECT_EQ(list[1].x, 7.1235);  // as its line holds it
    EXPECT_EQ(list[2].name, L"D");
    EXPECT_EQ(list[2].h, 12.0);
    EXPECT_EQ(list[3].name, L"E");
    EXPECT_EQ(list[3].code, L"e");
    EXPECT_EQ(list[4].name, L"F");
    EXPECT_EQ(list[4].h, 18.0);
    EXPECT_EQ(list[5].name, L"G");
    EXPECT_EQ(list[6].name, L"H");
    EXPECT_EQ(list[6].y, 23.0);
}

}  // namespace
