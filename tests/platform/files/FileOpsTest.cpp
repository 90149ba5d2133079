#include "platform/files/FileOps.h"

#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>

#include "tests/platform/files/DeviceRootFixture.h"

using FileOps = DeviceRootTest;

TEST_F(FileOps, AtomicRewriteReplacesTheWholeFile) {
    WriteHostFile("Program Files/qzsys.sys", std::string(5000, 'o'));
    ASSERT_TRUE(AtomicRewrite(L"\\program files\\QZSYS.SYS", "[Sys]\r\n"));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(L"\\Program Files\\qzsys.sys", bytes));
    EXPECT_EQ(bytes, "[Sys]\r\n");
    EXPECT_EQ(ListDirectory(L"\\Program Files").size(), 1u);
}

TEST_F(FileOps, CrashWhileWritingTheTemporaryLeavesTheOldFileWhole) {
    const std::string old = "[Job]\r\nnCount=1\r\n";
    WriteHostFile("job.qzs", old);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit kills the writer with SIGXFSZ in the middle of its write.
        const rlimit noCore{0, 0}, small{4096, 4096};
        setrlimit(RLIMIT_CORE, &noCore);
        setrlimit(RLIMIT_FSIZE, &small);
        AtomicRewrite(L"\\job.qzs", std::string(1 << 20, 'n'));
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadHostFile("job.qzs"), old);

    // Leftover temporaries do not stand in the way of the next save, not even those of an earlier
    // run that had this process's id (a restarted device or container hands out the same ids).
    for (int k = 0; k < 64; ++k)
        WriteHostFile("job.qzs.tmp" + std::to_string(getpid()) + "-" + std::to_string(k), "");
    ASSERT_TRUE(AtomicRewrite(L"\\job.qzs", "new"));
    EXPECT_EQ(ReadHostFile("job.qzs"), "new");
}

TEST_F(FileOps, FailedRewriteReportsFailureAndLeavesNoTemporary) {
    std::filesystem::create_directories(root_ / "Jobs" / "taken" / "inner");
    EXPECT_FALSE(AtomicRewrite(L"\\Jobs\\taken", "x"));
    EXPECT_FALSE(AtomicRewrite(L"\\NoFolder\\x.qzs", "x"));
    ASSERT_EQ(ListDirectory(L"\\Jobs").size(), 1u);
    EXPECT_TRUE(ListDirectory(L"\\Jobs")[0].isDirectory);
}

TEST_F(FileOps, AppendDurablyCreatesThenAppends) {
    ASSERT_TRUE(AppendDurably(L"\\data.rec", "p1\r\n"));
    ASSERT_TRUE(AppendDurably(L"\\DATA.REC", "p2\r\n"));
    EXPECT_EQ(ReadHostFile("data.rec"), "p1\r\np2\r\n");
    EXPECT_FALSE(AppendDurably(L"\\nofolder\\data.rec", "x"));
}

TEST_F(FileOps, ReadWholeFileOfMissingFileFails) {
    std::string bytes = "stale";
    EXPECT_FALSE(ReadWholeFile(L"\\none", bytes));
    EXPECT_TRUE(bytes.empty());
    std::filesystem::create_directories(root_ / "dir");
    EXPECT_FALSE(ReadWholeFile(L"\\dir", bytes));
}

TEST_F(FileOps, FoldersExistenceAndAttributes) {
    EXPECT_FALSE(CreateDirectory(L"\\SystemCF\\Jobs"));  // one level only
    EXPECT_TRUE(CreateDirectory(L"\\SystemCF"));
    EXPECT_TRUE(CreateDirectory(L"\\systemcf"));
    EXPECT_TRUE(CreateDirectory(L"\\SYSTEMCF\\Jobs"));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / "SystemCF" / "Jobs"));
    WriteHostFile("SystemCF/BluetoothList", "dev,00:11\r\n");

    EXPECT_TRUE(DirectoryExists(L"\\systemcf\\jobs"));
    EXPECT_FALSE(FileExists(L"\\systemcf\\jobs"));
    EXPECT_TRUE(FileExists(L"\\SystemCF\\bluetoothlist"));
    EXPECT_FALSE(DirectoryExists(L"\\SystemCF\\BluetoothList"));
    EXPECT_FALSE(CreateDirectory(L"\\SystemCF\\BluetoothList"));
    EXPECT_EQ(GetFileAttributes(L"\\SystemCF"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributes(L"\\SystemCF\\BluetoothList"), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributes(L"\\SystemCF\\none"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileOps, ListDirectoryGivesSortedWideNames) {
    WriteHostFile("Jobs/\xE7\xBA\xBF\xE8\xB7\xAF.qzs", "");
    WriteHostFile("Jobs/b.qzs", "");
    std::filesystem::create_directories(root_ / "Jobs" / "a");
    const auto entries = ListDirectory(L"\\jobs");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, L"a");
    EXPECT_TRUE(entries[0].isDirectory);
    EXPECT_EQ(entries[1].name, L"b.qzs");
    EXPECT_EQ(entries[2].name, L"线路.qzs");
    EXPECT_FALSE(entries[2].isDirectory);
    EXPECT_TRUE(ListDirectory(L"\\none").empty());
}

TEST_F(FileOps, DeleteFileAndFreeSpace) {
    WriteHostFile("x.txt", "x");
    EXPECT_TRUE(DeleteFile(L"\\X.TXT"));
    EXPECT_FALSE(DeleteFile(L"\\x.txt"));
    EXPECT_FALSE(DeleteFile(L"\\"));
    EXPECT_GT(FreeSpaceBytes(L"\\"), 0u);
    EXPECT_GT(FreeSpaceBytes(L"\\not\\yet\\made"), 0u);
}
