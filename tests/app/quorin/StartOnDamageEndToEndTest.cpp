// The built program started on what a kill and a failing disk leave behind: a job settings file it
// cannot use, a store cut short between the point file and the record file, and last lines cut short.
// Each start tells what it repaired once (a start killed before telling it leaves it to the next); the
// settings file is kept as ".bad", the store is finished, and the next point stored by key A stands on
// its own line in every file.
#include <map>
#include <set>

#include "foundation/StoreJournal.h"
#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

constexpr const char* kFinished = "上次存储被中断,点";
constexpr const char* kSettingsKept =
    "vorna.qzs已损坏,不能使用的设置已换为默认值,原文件保存为\\Program Files\\Jobs\\vorna\\vorna.qzs.bad";

// The last line of a file's text, its line end included.
std::string LastLine(const std::string& text) {
    const size_t end = text.size() >= 2 ? text.rfind('\n', text.size() - 2) : std::string::npos;
    return end == std::string::npos ? text : text.substr(end + 1);
}

class StartOnDamage : public ProgramInXvfb {
protected:
    // Starts the program, answers each notice in `told` as it comes, and waits until start-up is
    // over (the window has its title); a notice not told keeps start-up from ending.
    void StartAnswering(std::set<std::string> told) {
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_TRUE(PlayUntil(
            [&] {
                const std::string printed = ReadAll(ErrorFile());
                for (auto it = told.begin(); it != told.end();) {
                    if (printed.find(*it) == std::string::npos) {
                        ++it;
                        continue;
                    }
                    Keys("Return");
                    it = told.erase(it);
                }
                return told.empty() && Xdo("getwindowname " + window_).find('<') != std::string::npos;
            },
            30000))
            << ReadAll(ErrorFile());
    }
    void StoreByKeyA(size_t lines) {
        ASSERT_NO_FATAL_FAILURE(WaitForFixes());
        Keys("a Return Return");
        ASSERT_TRUE(PlayUntil([&] { return PointLines() == lines; }, 30000)) << "key A stored nothing";
    }
    void Kill() {
        kill(program_, SIGKILL);
        waitpid(program_, nullptr, 0);
        program_ = -1;
    }
    // The job's files a store appends to, below the job folder.
    static constexpr const char* kStored[] = {"data/vorna.xyh", "data/vorna.rec", "vorna.lib",
                                              "data/vorna.blh"};
    // A point stored by key A, then what a kill leaves after the point file and the raw file had it,
    // before the record file and the library: its journal, and those two files without its lines.
    // `whole`: each file as the store left it.
    void StoreOneCutShort(std::map<std::string, std::string>& whole) {
        Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
        ASSERT_NO_FATAL_FAILURE(StartAnswering({}));
        ASSERT_NO_FATAL_FAILURE(StoreByKeyA(1));
        ASSERT_NO_FATAL_FAILURE(StopProgram());
        for (const char* file : kStored) whole[file] = ReadAll(Job(file));
        StoreRecord journal{LineField(FromGbk(whole["data/vorna.xyh"]), 0), {}};
        for (const char* file : kStored) {
            const std::string line = LastLine(whole[file]);
            CString device = L"\\Program Files\\Jobs\\vorna\\" + FromUtf8(file);
            device.Replace(L'/', L'\\');
            journal.entries.push_back({device, whole[file].size() - line.size(), line});
        }
        for (const char* file : {"data/vorna.rec", "vorna.lib"})
            std::filesystem::resize_file(Job(file), whole[file].size() - LastLine(whole[file]).size());
        std::ofstream(Job("vorna.qzj"), std::ios::binary) << EncodeStoreRecord(journal);
    }
    bool FilesAre(const std::map<std::string, std::string>& whole) const {
        for (const char* file : kStored)
            if (ReadAll(Job(file)) != whole.at(file)) return false;
        return true;
    }
};

}  // namespace

TEST_F(StartOnDamage, KeptSettingsAFinishedStoreAndCutLinesBeforeTheNextPoint) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    std::map<std::string, std::string> whole;
    ASSERT_NO_FATAL_FAILURE(StoreOneCutShort(whole));
    // And a job settings file that lost its last line's end.
    std::string settings = ReadAll(Job("vorna.qzs"));
    settings.resize(settings.size() - 2);
    std::ofstream(Job("vorna.qzs"), std::ios::binary) << settings;

    ASSERT_NO_FATAL_FAILURE(StartAnswering({kSettingsKept, kFinished}));
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    EXPECT_EQ(ReadAll(Job("vorna.qzs.bad")), settings);
    EXPECT_FALSE(std::filesystem::exists(Job("vorna.qzj")));
    for (const char* file : kStored) EXPECT_EQ(ReadAll(Job(file)), whole[file]) << file;

    // The start of a second store that a kill cut inside each file's line.
    for (const char* file : {"data/vorna.xyh", "data/vorna.rec", "data/vorna.blh"})
        std::ofstream(Job(file), std::ios::binary | std::ios::app) << "P9,3512";
    ASSERT_NO_FATAL_FAILURE(StartAnswering({}));
    ASSERT_NO_FATAL_FAILURE(StoreByKeyA(2));
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    for (const char* file : kStored) {
        SCOPED_TRACE(file);
        const std::string now = ReadAll(Job(file));
        ASSERT_EQ(now.compare(0, whole[file].size(), whole[file]), 0);
        const std::string added = now.substr(whole[file].size());
        EXPECT_EQ(added, LastLine(now));
        EXPECT_EQ(added.find("P9,3512"), std::string::npos);
        EXPECT_EQ(added.substr(added.size() - 2), "\r\n");
    }
}

// A start killed once it has finished the store, before its notice is answered, leaves the notice to
// the next start, which stores nothing twice; once the notice is answered, a start killed after it
// leaves nothing to tell.
TEST_F(StartOnDamage, AFinishedStoreIsToldByTheStartAfterOneKilledBeforeItsNoticeWasAnswered) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    std::map<std::string, std::string> whole;
    ASSERT_NO_FATAL_FAILURE(StoreOneCutShort(whole));

    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(PlayUntil([&] { return FilesAre(whole); }, 30000)) << "the store was not finished";
    Kill();
    ASSERT_NO_FATAL_FAILURE(StartAnswering({kFinished}));
    EXPECT_EQ(Count(ReadAll(ErrorFile()), kFinished), 1u) << ReadAll(ErrorFile());
    EXPECT_TRUE(FilesAre(whole));
    EXPECT_FALSE(std::filesystem::exists(Job("vorna.qzj")));
    Kill();
    ASSERT_NO_FATAL_FAILURE(StartAnswering({}));
    EXPECT_EQ(Count(ReadAll(ErrorFile()), kFinished), 0u) << ReadAll(ErrorFile());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    EXPECT_TRUE(FilesAre(whole));
}
