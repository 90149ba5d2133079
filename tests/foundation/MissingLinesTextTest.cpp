// What the user is told of a point a job file lacks: room on the disk, unless the file is reached
// through a link that leads out of the device root, which no room would let the program write.
#include <gtest/gtest.h>

#include "foundation/MissingLinesText.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace fs = std::filesystem;

namespace {

class MissingLinesTextTest : public DeviceRootTest {};

}  // namespace

TEST_F(MissingLinesTextTest, TheCauseFollowsWhereThePathLeads) {
    const fs::path outside = root_.string() + "-outside";
    fs::create_directories(outside / "job");
    std::ofstream(outside / "a.lib") << "P1\r\n";
    WriteHostFile("Jobs/a/a.lib", "P1\r\n");
    WriteHostFile("Jobs/a/data/a.xyh", "P1\r\n");
    fs::create_directories(root_ / "Jobs/b");
    fs::create_symlink(outside / "a.lib", root_ / "Jobs/b/b.lib");
    fs::create_symlink(outside / "gone.lib", root_ / "Jobs/b/gone.lib");
    fs::create_symlink(outside / "job", root_ / "Jobs/c");
    fs::create_symlink(root_ / "Jobs/a/a.lib", root_ / "Jobs/b/inside.lib");
    constexpr const wchar_t* kRoom = L"请检查存储空间!";
    constexpr const wchar_t* kLink = L"该文件是指向设备目录之外的链接!";
    const struct {
        const char* what;
        const wchar_t* path;
        const wchar_t* cause;
    } cases[] = {
        {"a file of the job", L"\\Jobs\\a\\a.lib", kRoom},
        {"a file not made yet", L"\\Jobs\\a\\data\\a.rec", kRoom},
        {"a file in a folder that is gone", L"\\Jobs\\a\\gone\\x.rec", kRoom},
        {"a link to a file inside the root", L"\\Jobs\\b\\inside.lib", kRoom},
        {"a link to a file outside", L"\\Jobs\\b\\b.lib", kLink},
        {"a link to nothing outside", L"\\Jobs\\b\\gone.lib", kLink},
        {"a file in a folder linked outside", L"\\Jobs\\c\\c.lib", kLink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CString file = CString(c.path).Mid(CString(c.path).ReverseFind(L'\\') + 1);
        EXPECT_EQ(MissingLinesText({L"P7", c.path}), L"点P7在" + file + L"中未能补全," + c.cause);
    }
    TakeRefusedLinks();
    fs::remove_all(outside);
}
