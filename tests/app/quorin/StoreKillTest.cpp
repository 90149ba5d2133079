// The built program stores automatically at every 20 Hz epoch and is killed (SIGKILL) at random
// instants while it stores, again and again; each start finishes a store that the kill cut short.
// After the last start the point file, the coordinate library and the record file hold the same
// names in the same order.
#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

// Each start shows its splash for two seconds: ten kills keep the test near forty seconds;
// QZ_STORE_KILLS asks for more (a hundred for a closer look).
int Kills() {
    const char* kills = std::getenv("QZ_STORE_KILLS");
    return kills && std::atoi(kills) > 0 ? std::atoi(kills) : 10;
}
constexpr const char* kRepairNotice = "上次存储被中断";

sim::SimOptions TwentyHertz() {
    sim::SimOptions options;
    options.script.rateHz = 20;
    return options;
}

// The field `index` of each complete line of a file.
std::vector<std::string> Field(const std::filesystem::path& file, int index) {
    std::vector<std::string> names;
    for (const CString& line : CutPointFileLines(FromGbk(ReadAll(file))))
        names.push_back(ToUtf8(LineField(line, index)));
    return names;
}

// How many of `names` are not in `in`.
size_t Missing(const std::vector<std::string>& names, const std::vector<std::string>& in) {
    const std::set<std::string> held(in.begin(), in.end());
    return static_cast<size_t>(std::count_if(names.begin(), names.end(),
                                             [&](const std::string& name) { return !held.count(name); }));
}

class StoreKill : public ProgramInXvfb {
protected:
    StoreKill() : ProgramInXvfb(TwentyHertz()) {}

    // Start-up is over once the window has its title; a repair notice before it is answered.
    void StartAndAnswerRepair() {
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        bool answered = false;
        ASSERT_TRUE(PlayUntil(
            [&] {
                if (!answered && ReadAll(ErrorFile()).find(kRepairNotice) != std::string::npos) {
                    Keys("Return");
                    answered = true;
                    ++repairs_;
                }
                return Xdo("getwindowname " + window_).find('<') != std::string::npos;
            },
            30000));
    }

    int repairs_ = 0;
};

}  // namespace

TEST_F(StoreKill, PointLibraryAndRecordFilesHoldTheSameNamesAfterKillsWhileStoring) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    // The walk's central meridian, so that no warning takes the keyboard; automatic storing at
    // every epoch that moves.
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    Edit(Job("vorna.qzs"), "nSaveType=0", "nSaveType=3");
    Edit(Job("vorna.qzs"), "nAsMode=0", "nAsMode=1");
    Edit(Job("vorna.qzs"), "szdAutoSaveDis=5.000", "szdAutoSaveDis=0.001");
    std::mt19937 random(38);
    const int kills = Kills();
    for (int run = 0; run < kills && !HasFatalFailure(); ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_NO_FATAL_FAILURE(StartAndAnswerRepair());
        const size_t before = PointLines();
        ASSERT_NO_FATAL_FAILURE(StartAutomaticStoring());
        ASSERT_TRUE(PlayUntil([&] { return PointLines() > before; }, 30000))
            << "run " << run << " stored nothing: " << ReadAll(ErrorFile());
        // Storing goes on for 1 to 20 more points.
        const size_t more = 1 + random() % 20;
        PlayUntil([&] { return PointLines() >= before + 1 + more; }, 10000);
        // The kill instant within a store's 50 ms is the fault this test injects, its one use of
        // real time.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 50000));
        kill(program_, SIGKILL);
        waitpid(program_, nullptr, 0);
        program_ = -1;
    }
    ASSERT_NO_FATAL_FAILURE(StartAndAnswerRepair());
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    const std::vector<std::string> points = Field(Job("data/vorna.xyh"), 0);
    const std::vector<std::string> library = Field(Job("vorna.lib"), 1);
    const std::vector<std::string> recorded = Field(Job("data/vorna.rec"), 0);
    std::cout << points.size() << " points stored, " << repairs_ << " stores finished at start-up\n";
    ASSERT_GE(points.size(), static_cast<size_t>(kills));
    const size_t gaps = Missing(points, library) + Missing(points, recorded);
    std::cout << gaps << " points missing from the library or the record file\n";
    EXPECT_EQ(gaps, 0u);
    EXPECT_TRUE(library == points && recorded == points) << "the files hold the names in other orders";
    const std::vector<std::string> raw = Field(Job("data/vorna.blh"), 0);
    const size_t records = static_cast<size_t>(std::count_if(
        raw.begin(), raw.end(), [](const std::string& name) { return name.rfind("Rem ", 0) != 0; }));
    std::cout << records - points.size() << " raw records without a point\n";
}
