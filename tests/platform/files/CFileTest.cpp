#include "platform/files/CFile.h"

#include <chrono>

#include "tests/platform/files/DeviceRootFixture.h"

using CFileModes = DeviceRootTest;

TEST_F(CFileModes, CreateWriteTruncatesAndReadReadsBack) {
    WriteHostFile("Jobs/a.txt", "old contents");
    CFile file;
    ASSERT_TRUE(file.Open(L"\\JOBS\\A.TXT", CFile::modeCreate | CFile::modeWrite));
    EXPECT_TRUE(file.Write("new", 3));
    file.Close();
    EXPECT_EQ(ReadHostFile("Jobs/a.txt"), "new");

    ASSERT_TRUE(file.Open(L"\\Jobs\\a.txt", CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 3u);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 3u);
    EXPECT_STREQ(buffer, "new");
    EXPECT_FALSE(file.Write("x", 1));
}

TEST_F(CFileModes, WriteWithoutCreateNeedsTheFileAndAppendsAfterSeekToEnd) {
    CFile file;
    EXPECT_FALSE(file.Open(L"\\missing.txt", CFile::modeWrite));
    EXPECT_FALSE(std::filesystem::exists(root_ / "missing.txt"));

    WriteHostFile("base.blh", "line1\r\n");
    ASSERT_TRUE(file.Open(L"\\BASE.blh", CFile::modeWrite));
    EXPECT_EQ(file.SeekToEnd(), 7u);
    EXPECT_TRUE(file.Write("line2\r\n", 7));
    EXPECT_TRUE(file.Flush());
    file.Close();
    EXPECT_EQ(ReadHostFile("base.blh"), "line1\r\nline2\r\n");
}

TEST_F(CFileModes, CreateWithNoTruncateKeepsContents) {
    WriteHostFile("list", "abc");
    CFile file;
    ASSERT_TRUE(file.Open(L"\\list", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(file.GetLength(), 3u);
}

TEST_F(CFileModes, FoldersAndMissingFoldersDoNotOpen) {
    std::filesystem::create_directories(root_ / "dir");
    CFile file;
    EXPECT_FALSE(file.Open(L"\\dir", CFile::modeRead));
    EXPECT_FALSE(file.Open(L"\\nofolder\\x.txt", CFile::modeCreate | CFile::modeWrite));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Read(nullptr, 0), 0u);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST_F(CFileModes, TheLastWriteTimeIsTheFilesOwn) {
    WriteHostFile("points.xyh", "P1,1\r\n");
    const auto written = std::filesystem::file_time_type::clock::now() - std::chrono::hours(30);
    std::filesystem::last_write_time(root_ / "points.xyh", written);
    CFile file;
    EXPECT_EQ(file.GetLastWriteTime(), 0u);
    ASSERT_TRUE(file.Open(L"\\points.xyh", CFile::modeRead));
    const ULONGLONG before = file.GetLastWriteTime();
    std::filesystem::last_write_time(root_ / "points.xyh", written + std::chrono::seconds(1));
    EXPECT_EQ(file.GetLastWriteTime() - before, 1000000000u);
}

TEST_F(CFileModes, ReadAtReadsFromAnOffsetAndLeavesThePositionAlone) {
    WriteHostFile("points.xyh", "P1,1\r\nP2,2\r\n");
    CFile file;
    ASSERT_TRUE(file.Open(L"\\points.xyh", CFile::modeRead));
    char buffer[8] = {};
    EXPECT_EQ(file.ReadAt(6, buffer, 4), 4u);
    EXPECT_STREQ(buffer, "P2,2");
    EXPECT_EQ(file.ReadAt(10, buffer, 8), 2u);  // only up to the end
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "P1,1");
}
