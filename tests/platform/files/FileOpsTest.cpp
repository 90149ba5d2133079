#include "platform/files/FileOps.h"

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <vector>

#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/files/RecordingCalls.h"

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

TEST_F(FileOps, ReadFileLinesJoinsLinesAcrossBlocks) {
    // Lines that end just before, at and after the reader's 64 KiB blocks, one longer than a block,
    // an empty line and a last piece without a line feed.
    const std::vector<std::string> lines = {std::string(65535, 'a'), "", std::string(70000, 'b'), "c\r",
                                            std::string(65536 * 2 - 70000 - 5, 'd')};
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\n";
    WriteHostFile("lines.xyh", bytes + "torn");
    std::vector<std::string> read;
    ASSERT_TRUE(ReadFileLines(L"\\LINES.xyh", [&](std::string_view line) { read.emplace_back(line); }));
    EXPECT_EQ(read, lines);

    EXPECT_FALSE(ReadFileLines(L"\\none", [](std::string_view) {}));
    std::filesystem::create_directories(root_ / "dir");
    EXPECT_FALSE(ReadFileLines(L"\\dir", [](std::string_view) {}));
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

TEST_F(FileOps, AtomicRewriteSyncsTheTemporaryBeforeTheRenameAndTheFolderAfterIt) {
    WriteHostFile("Jobs/job.qzs", "old");
    RecordingCalls calls;
    const ScopedFileSystemCalls seam(calls);
    ASSERT_TRUE(AtomicRewrite(L"\\Jobs\\job.qzs", "new"));
    EXPECT_EQ(calls.log, (std::vector<std::string>{"write job.qzs.tmp", "fsync job.qzs.tmp",
                                                   "rename job.qzs.tmp job.qzs", "fsync Jobs"}));
}

TEST_F(FileOps, FailedAppendLeavesTheFileAsItWasAndTheNextAppendStartsOnItsOwnLine) {
    struct Case {
        const char* what;
        size_t writeBudget;
        int writeError;
        int fsyncError;
    };
    const Case cases[] = {
        {"disk full after part of the record", 16384, ENOSPC, 0},
        {"disk full before any byte", 0, ENOSPC, 0},
        {"write error", 100, EIO, 0},
        {"every byte written, the sync fails", SIZE_MAX, 0, EIO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteHostFile("data.rec", "REC 1 first\r\n");
        {
            RecordingCalls calls;
            calls.writeBudget = c.writeBudget;
            calls.writeError = c.writeError;
            calls.fsyncError = c.fsyncError;
            const ScopedFileSystemCalls seam(calls);
            EXPECT_FALSE(AppendDurably(L"\\data.rec", "REC 2 " + std::string(40000, 'x') + "\r\n"));
            EXPECT_FALSE(AppendDurably(L"\\new.rec", "REC 2\r\n"));
        }
        EXPECT_EQ(ReadHostFile("data.rec"), "REC 1 first\r\n");
        EXPECT_FALSE(std::filesystem::exists(root_ / "new.rec"));
        ASSERT_TRUE(AppendDurably(L"\\data.rec", "REC 3 third\r\n"));
        EXPECT_EQ(ReadHostFile("data.rec"), "REC 1 first\r\nREC 3 third\r\n");
    }
}

TEST_F(FileOps, AppendOnAFullDiskCutsItsPartialRecordAway) {
    // The file size limit makes the kernel stop the write part way, as a full disk does.
    WriteHostFile("data.rec", "REC 1 first\r\n");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = saved;
    full.rlim_cur = 16384;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    const bool appended = AppendDurably(L"\\data.rec", "REC 2 " + std::string(40000, 'x') + "\r\n");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_FALSE(appended);
    EXPECT_EQ(ReadHostFile("data.rec"), "REC 1 first\r\n");
    ASSERT_TRUE(AppendDurably(L"\\data.rec", "REC 3 third\r\n"));
    EXPECT_EQ(ReadHostFile("data.rec"), "REC 1 first\r\nREC 3 third\r\n");
}

TEST_F(FileOps, RewriteRemovesTheTemporariesOfItsFileWhoseWriterIsGone) {
    // Process ids stay below pid_max, which is at most 2^22: no process can have this one. A pid
    // of a child that just ended could be handed to another process before the rewrite runs.
    constexpr pid_t kNeverAProcess = 1 << 22;
    const std::string dead = std::to_string(kNeverAProcess), self = std::to_string(getpid());
    const std::string alive = std::to_string(getppid());
    for (const std::string& name :
         {"job.qzs.tmp" + dead + "-0", "job.qzs.tmp" + dead + "-7", "job.qzs.tmp" + self + "-3",
          "job.qzs.tmp" + alive + "-0", "other.qzs.tmp" + dead + "-0", "job.qzs.tmp" + dead + "-x"})
        WriteHostFile("Jobs/" + name, std::string(1000, 't'));

    ASSERT_TRUE(AtomicRewrite(L"\\Jobs\\job.qzs", "new"));
    std::vector<CString> names;
    for (const DirEntry& entry : ListDirectory(L"\\Jobs")) names.push_back(entry.name);
    std::vector<CString> kept = {FromUtf8("job.qzs"), FromUtf8("job.qzs.tmp" + alive + "-0"),
                                 FromUtf8("job.qzs.tmp" + dead + "-x"),
                                 FromUtf8("other.qzs.tmp" + dead + "-0")};
    // The listing is sorted by name, and where the parent's id falls depends on its digits.
    std::sort(names.begin(), names.end(),
              [](const CString& a, const CString& b) { return a.str() < b.str(); });
    std::sort(kept.begin(), kept.end(), [](const CString& a, const CString& b) { return a.str() < b.str(); });
    EXPECT_EQ(names, kept);
}

TEST_F(FileOps, FileTailFindsATornLastLineAndTruncateCutsItDurably) {
    const std::string longPiece(10000, 'p');
    const struct {
        std::string bytes;
        uint64_t completeLength;
        std::string tornPiece;
    } cases[] = {
        {"", 0, ""},
        {"REC 1\r\n", 7, ""},
        {"REC 1\r\nREC 2 x", 7, "REC 2 x"},
        {"torn", 0, "torn"},
        {"REC 1\r\n" + longPiece, 7, longPiece},
        {longPiece + "\n", 10001, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 20));
        WriteHostFile("data.rec", c.bytes);
        FileTail tail;
        ASSERT_TRUE(ReadFileTail(L"\\data.rec", tail));
        EXPECT_EQ(tail.completeLength, c.completeLength);
        EXPECT_EQ(tail.tornPiece, c.tornPiece);
        ASSERT_TRUE(TruncateDurably(L"\\data.rec", tail.completeLength));
        EXPECT_EQ(ReadHostFile("data.rec"), c.bytes.substr(0, c.completeLength));
    }
    FileTail tail{5, "stale"};
    EXPECT_TRUE(ReadFileTail(L"\\missing.rec", tail));
    EXPECT_EQ(tail.completeLength, 0u);
    EXPECT_EQ(tail.tornPiece, "");
    EXPECT_FALSE(TruncateDurably(L"\\data.rec", 10002));  // never lengthens
    EXPECT_FALSE(TruncateDurably(L"\\missing.rec", 0));
}
