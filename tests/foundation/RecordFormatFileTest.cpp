#include "foundation/RecordFormatFile.h"

#include "SettingsTestSupport.h"

namespace {

using RecordFormatFileTest = SettingsFileTest;

TEST_F(RecordFormatFileTest, ReadsWhatItWritesAndReplacesTheWholeFile) {
    EXPECT_EQ(ReadRecordFormat(L"\\Jobs\\a\\"), std::nullopt);
    EXPECT_EQ(JobRecordFormat(L"\\Jobs\\a\\"), 1);  // a job that never used the power-line screens
    WriteHostFile("Jobs/a/qzrecauto", "[Other]1\r\n");
    EXPECT_EQ(ReadRecordFormat(L"\\Jobs\\a\\"), 0);  // the key missing
    EXPECT_EQ(JobRecordFormat(L"\\Jobs\\a\\"), 0);
    ASSERT_TRUE(WriteRecordFormat(L"\\Jobs\\a", 6));
    EXPECT_EQ(ReadHostFile("Jobs/a/qzrecauto"), "[QZRecSaveFormat]6\r\n");
    EXPECT_EQ(ReadRecordFormat(L"\\Jobs\\a"), 6);
    EXPECT_EQ(JobRecordFormat(L"\\Jobs\\a"), 6);
    // A folder where the file should be: not written, and nothing else changes.
    std::filesystem::create_directories(root_ / "Jobs/b/qzrecauto");
    EXPECT_FALSE(WriteRecordFormat(L"\\Jobs\\b\\", 2));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / "Jobs/b/qzrecauto"));
}

}  // namespace
