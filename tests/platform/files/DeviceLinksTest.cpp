// Symbolic links under the device root never carry a read, a write or a removal out of it. Each case
// plants links in a test root, with a canary folder outside holding a file that any escape would
// change; the program's operations on the linked paths are refused and named, and the canary folder
// is afterwards exactly as it was: no file made, changed or removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/files/FolderSnapshot.h"

namespace fs = std::filesystem;

namespace {

class DeviceLinks : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        outside_ = root_.string() + "-outside";
        fs::remove_all(outside_);
        fs::create_directories(outside_ / "job");
        std::ofstream(outside_ / "canary") << "canary line 1\r\ncanary line 2";
        // A file named like a leftover temporary of the job file, of a process long gone.
        std::ofstream(outside_ / "job" / "vorna.qzs.tmp999999-1") << "not the program's";
        fs::create_directories(root_ / "Jobs");
    }
    void TearDown() override {
        fs::remove_all(outside_);
        DeviceRootTest::TearDown();
    }
    fs::path outside_;
};

}  // namespace

TEST_F(DeviceLinks, LinksLeadingOutOfTheRootAreRefusedAndNamed) {
    const struct {
        const char* what;
        const char* link;                 // under the root
        const char* target;               // under the canary folder
        std::function<bool()> operation;  // true when it reached through the link
    } cases[] = {
        {"a point file appended to", "Jobs/pts.xyh", "canary",
         [] { return AppendDurably(L"\\Jobs\\pts.xyh", "P1,1,2,3,c\r\n"); }},
        {"a point file read", "Jobs/pts.xyh", "canary",
         [] {
             std::string bytes;
             return ReadWholeFile(L"\\Jobs\\pts.xyh", bytes);
         }},
        {"a settings file rewritten", "qzsys.sys", "canary",
         [] { return AtomicRewrite(L"\\qzsys.sys", "[System]\r\n"); }},
        {"a settings file opened", "qzsys.sys", "canary",
         [] {
             CFile file;
             return file.Open(L"\\qzsys.sys", CFile::modeRead) != FALSE;
         }},
        {"a job folder written into", "Jobs/vorna", "job",
         [] { return AtomicRewrite(L"\\Jobs\\vorna\\vorna.qzs", "[Job]\r\n"); }},
        {"a job folder appended into", "Jobs/vorna", "job",
         [] { return AppendDurably(L"\\Jobs\\vorna\\data.xyh", "P1\r\n"); }},
        {"a job folder listed", "Jobs/vorna", "job", [] { return !ListDirectory(L"\\Jobs\\vorna").empty(); }},
        {"a job folder's sub-folder made", "Jobs/vorna", "job",
         [] { return CreateDirectory(L"\\Jobs\\vorna\\data"); }},
    };
    TakeRefusedLinks();
    std::vector<CString> named;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!fs::is_symlink(root_ / c.link)) fs::create_symlink(outside_ / c.target, root_ / c.link);
        const auto before = FolderSnapshot(outside_);
        EXPECT_FALSE(c.operation());
        EXPECT_EQ(FolderSnapshot(outside_), before);
        for (const CString& link : TakeRefusedLinks()) named.push_back(link);
    }
    // Each link is named once by its device path, however often it was refused.
    EXPECT_EQ(named, (std::vector<CString>{L"\\Jobs\\pts.xyh", L"\\qzsys.sys", L"\\Jobs\\vorna"}));
}

TEST_F(DeviceLinks, LinksInsideTheRootAreFollowedForFoldersOnly) {
    fs::create_directories(root_ / "Jobs/real");
    fs::create_symlink(root_ / "Jobs/real", root_ / "Jobs/alias");
    EXPECT_TRUE(AppendDurably(L"\\Jobs\\alias\\pts.xyh", "P1\r\n"));
    EXPECT_EQ(ReadHostFile("Jobs/real/pts.xyh"), "P1\r\n");
    // A file link is never opened, wherever it leads.
    fs::create_symlink(root_ / "Jobs/real/pts.xyh", root_ / "Jobs/link.xyh");
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(L"\\Jobs\\link.xyh", bytes));
    EXPECT_FALSE(AppendDurably(L"\\Jobs\\link.xyh", "P2\r\n"));
    EXPECT_EQ(ReadHostFile("Jobs/real/pts.xyh"), "P1\r\n");
    EXPECT_TRUE(TakeRefusedLinks().empty());
}

TEST_F(DeviceLinks, TheCleanUpOfTemporariesRemovesOnlyThePlainFilesOfItsPattern) {
    fs::create_directories(root_ / "Jobs/vorna");
    // A link named like a dead writer's temporary, to a file outside: the link may go, never its target.
    fs::create_symlink(outside_ / "canary", root_ / "Jobs/vorna/vorna.qzs.tmp999999-2");
    std::ofstream(root_ / "Jobs/vorna/vorna.qzs.tmp999999-3") << "a dead writer's";
    std::ofstream(root_ / "Jobs/vorna/vorna.qzs.tmpx-3") << "not of the pattern";
    const auto before = FolderSnapshot(outside_);
    ASSERT_TRUE(AtomicRewrite(L"\\Jobs\\vorna\\vorna.qzs", "[Job]\r\n"));
    EXPECT_EQ(FolderSnapshot(outside_), before);
    EXPECT_FALSE(fs::exists(root_ / "Jobs/vorna/vorna.qzs.tmp999999-3"));
    EXPECT_TRUE(fs::exists(root_ / "Jobs/vorna/vorna.qzs.tmpx-3"));
    EXPECT_TRUE(fs::is_symlink(root_ / "Jobs/vorna/vorna.qzs.tmp999999-2"));
}
