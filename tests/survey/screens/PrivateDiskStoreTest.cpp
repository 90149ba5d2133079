// The store path on a small file system of its own: a memory file system mounted in a private mount
// namespace (as unshare makes one) in a child process. Automatic storing runs until the disk is
// full; the disk then gets room again and the program starts again. Afterwards the raw, point,
// record and library files hold the same names in the same order: every point that was reported
// stored, and no other. Skipped where no such file system can be mounted.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "foundation/PointLines.h"
#include "foundation/StoreJournal.h"
#include "platform/files/DevicePath.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBoxScript.h"
#include "platform/text/CodePage.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/survey/screens/DiskSurveyHost.h"

namespace {

constexpr int kNoPrivateDisk = 77;
constexpr size_t kPage = 4096;

bool WriteProcFile(const char* path, const std::string& text) {
    const int fd = open(path, O_WRONLY);
    const bool written = fd >= 0 && write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (fd >= 0) close(fd);
    return written;
}

// Mounts a memory file system of `size` over `folder`, seen by this process alone.
bool MountPrivateDisk(const std::filesystem::path& folder, const std::string& size) {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
        if (!WriteProcFile("/proc/self/setgroups", "deny") ||
            !WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return false;
    } else if (uid != 0 || unshare(CLONE_NEWNS) != 0) {
        return false;
    }
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
}

// Fills the disk, then frees `freePages` pages of it.
void FillDisk(const std::filesystem::path& filler, size_t freePages) {
    {
        std::ofstream out(filler, std::ios::binary);
        const std::string block(kPage, 'x');
        while (out.write(block.data(), block.size()) && out.flush()) {
        }
    }
    const auto size = std::filesystem::file_size(filler);
    std::filesystem::resize_file(filler, size - std::min<uintmax_t>(size, freePages * kPage));
}

// Library lines of points that are no store's, so that the library ends at a block's end: its
// next line needs a new block.
void FillLibraryBlock(const std::filesystem::path& library) {
    size_t need = (kPage - std::filesystem::file_size(library) % kPage) % kPage;
    std::ofstream out(library, std::ios::binary | std::ios::app);
    for (int n = 0; need > 0; ++n) {
        const size_t length = need >= 400 ? 200 : need;
        const std::string head = "1,pad" + std::to_string(n) + ",";
        out << head << std::string(length - head.size() - 2, '0') << "\r\n";
        need -= length;
    }
}

// The names of a file's lines: field `field` of each whole line that is no header or padding.
std::vector<std::string> Names(const std::filesystem::path& file, int field) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> names;
    for (const CString& line : CutPointFileLines(FromGbk(bytes))) {
        const std::string name = ToUtf8(LineField(line, field));
        if (line.Left(4) != L"Rem " && name.rfind("pad", 0) != 0) names.push_back(name);
    }
    return names;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + " ";
    return text;
}

struct DiskCase {
    size_t freePages;   // left free once the disk is filled
    bool libraryAtEnd;  // the library's last block is full
};

// The child: stores automatically until a store fails, gives the disk room, starts again, stores
// once more, and reports what the files hold against what was reported stored.
[[noreturn]] void StoreOnPrivateDisk(const std::filesystem::path& root, const DiskCase& c, int out) {
    if (!MountPrivateDisk(root, "1m")) _exit(kNoPrivateDisk);
    std::filesystem::create_directories(root / "data");
    std::vector<std::string> reported;
    std::string report;
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = 10;
    fix.latitude = 30.5;
    fix.longitude = 114.25;
    const auto storeOnce = [&](CSurveyPointStore& store) {
        fix.gridX += 1.0;
        const StoredPointResult result = store.StoreQuickPoint(fix, {.mode = kStoreAutomatic});
        if (result.number != 0) reported.push_back(ToUtf8(result.point.name));
        return result.number != 0;
    };
    {
        CMessageBoxScript boxes;
        DiskSurveyHost host;
        CSurveyPointStore store(host, nullptr);
        host.SetAutoStoring(true);
        storeOnce(store);
        if (c.libraryAtEnd) FillLibraryBlock(root / "a.lib");
        FillDisk(root / "filler", c.freePages);
        for (int i = 0; i < 200 && host.autoStore.running; ++i) storeOnce(store);
        for (CString text : boxes.Texts()) {
            text.Replace(L"\n", L"|");
            report += "told: " + ToUtf8(text) + "\n";
        }
    }
    std::filesystem::remove(root / "filler");
    {
        // The start with room finishes what the journal holds, then stores go on.
        const JournalRepairResult repair = FinishInterruptedStore(L"\\a.qzj");
        if (repair.status == JournalRepair::kFinished) {
            report += "finished at start: " + ToUtf8(repair.pointName) + "\n";
            DeleteFile(L"\\a.qzj");
        }
        CMessageBoxScript boxes;
        DiskSurveyHost host;
        CSurveyPointStore store(host, nullptr);
        if (!storeOnce(store)) report += "no store after the start\n";
    }
    const std::string expected = Joined(reported);
    const std::pair<const char*, int> files[] = {
        {"data/a.blh", 0}, {"data/a.xyh", 0}, {"data/a.rec", 0}, {"a.lib", 1}};
    for (const auto& [file, field] : files)
        if (const std::string held = Joined(Names(root / file, field)); held != expected)
            report += std::string(file) + " holds " + held + "where the stores reported " + expected + "\n";
    if (write(out, report.data(), report.size()) != static_cast<ssize_t>(report.size())) _exit(1);
    _exit(0);
}

}  // namespace

// Which file finds no room first depends on how full each file's last block is: the disk is filled
// leaving 0 to 3 blocks, with the library's last block full or not.
TEST(PrivateDiskStore, AfterAFullDiskAndAStartWithRoomTheFourFilesHoldTheSamePoints) {
    std::vector<DiskCase> cases;
    for (size_t freePages = 0; freePages < 4; ++freePages)
        for (bool libraryAtEnd : {false, true}) cases.push_back({freePages, libraryAtEnd});
    for (const DiskCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.freePages) + " blocks free" +
                     (c.libraryAtEnd ? ", library block full" : ""));
        const std::filesystem::path root =
            std::filesystem::temp_directory_path() / ("qz-private-disk-" + std::to_string(getpid()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        SetDeviceRoot(root);
        int out[2];
        ASSERT_EQ(pipe(out), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(out[0]);
            StoreOnPrivateDisk(root, c, out[1]);
        }
        close(out[1]);
        std::string report;
        char buffer[4096];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, static_cast<size_t>(n));
        close(out[0]);
        int status = -1;
        waitpid(child, &status, 0);
        std::filesystem::remove_all(root);
        if (WIFEXITED(status) && WEXITSTATUS(status) == kNoPrivateDisk)
            GTEST_SKIP() << "no private file system";
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        // Exactly one store failed, and said that automatic storing stopped.
        const std::string told = "told: ";
        ASSERT_EQ(report.find(told), 0u) << report;
        const std::string first = report.substr(0, report.find('\n'));
        EXPECT_NE(first.find("|自动存储已停止"), std::string::npos) << report;
        const std::string rest = report.substr(first.size() + 1);
        EXPECT_EQ(rest.find(told), std::string::npos) << report;
        EXPECT_EQ(rest.find(" holds "), std::string::npos) << report;
        EXPECT_EQ(rest.find("no store"), std::string::npos) << report;
    }
}
