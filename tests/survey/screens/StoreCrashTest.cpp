// A child process stores points through the store path and prints each name once it is reported
// stored; it is killed (SIGKILL) at seeded random instants and restarted on the same job, a
// thousand times. Names continue from the system file, as at the program's start. Afterwards every reported
// point is whole in all three files, every complete line has exactly its columns (a line glued to a torn one
// would not), and no name repeats.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <thread>

#include "platform/files/DevicePath.h"
#include "platform/messages/MessageBoxScript.h"
#include "platform/text/CodePage.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/survey/screens/DiskSurveyHost.h"

namespace {

// The child: stores until it is killed, writing each reported name to `out`.
[[noreturn]] void StoreUntilKilled(int out) {
    CMessageBoxScript boxes;
    DiskSurveyHost host;
    CSurveyPointStore store(host, nullptr);
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = 10;
    fix.latitude = 30.5;
    fix.longitude = 114.25;
    for (int i = 0; i < 100000; ++i) {
        fix.gridX = 3400000.0 + i;
        const StoredPointResult result = store.StoreQuickPoint(fix, {.mode = kStoreAutomatic});
        if (result.number == 0) _exit(1);
        const std::string line = ToUtf8(result.point.name) + "\n";
        if (write(out, line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(1);
    }
    _exit(0);
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Whether the file ends in a piece of a line, without its line end.
bool EndsCut(const std::filesystem::path& path) {
    const std::string bytes = ReadAll(path);
    return !bytes.empty() && bytes.back() != '\n';
}

// The complete lines of a file (a last piece without its line feed is left out).
std::vector<std::string> CompleteLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf = bytes.find('\n'); lf != std::string::npos; start = lf + 1, lf = bytes.find('\n', start))
        lines.push_back(bytes.substr(start, lf - start));
    return lines;
}

// The names of lines that end in CR and hold exactly `commas` commas, or "" for a line that does not.
std::vector<std::string> Names(const std::vector<std::string>& lines, size_t commas, size_t nameField) {
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        const bool whole = !line.empty() && line.back() == '\r' &&
                           static_cast<size_t>(std::count(line.begin(), line.end(), ',')) == commas;
        size_t start = 0;
        for (size_t i = 0; i < nameField; ++i) start = line.find(',', start) + 1;
        names.push_back(whole ? line.substr(start, line.find(',', start) - start) : std::string());
    }
    return names;
}

// Runs the child until it is killed after `delay`; its reported names are added to `reported`.
void RunAndKill(std::chrono::microseconds delay, std::vector<std::string>& reported) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        close(out[0]);
        StoreUntilKilled(out[1]);
    }
    close(out[1]);
    // The kill instant is the fault this test injects, the one use of real time here.
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;
    for (const std::string& name : CompleteLines(text)) reported.push_back(name);
}

}  // namespace

TEST(StoreCrash, EveryReportedPointSurvivesAThousandKills) {
    // Memory-backed when the machine has it: the test is about the order of writes, not the disk.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const std::filesystem::path root = base / ("qz-store-crash-" + std::to_string(getpid()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "data");
    SetDeviceRoot(root);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(0, 8000);
    std::vector<std::string> reported;
    const auto start = std::chrono::steady_clock::now();
    // A kill can cut an append short, but the journal holds the whole of it; a power loss can leave
    // a last line cut short that no journal holds. Every seventh run starts on a file whose last line
    // was cut short, unless a cut piece still ends it: only a store mends one, and pieces glued on
    // one another are no cut line ("99,3400" thrice reads as a point's name, x, y and h).
    const char* files[] = {"data/a.blh", "data/a.xyh", "a.lib"};
    // A loaded machine stores fewer points before each kill: it runs on until a hundred were reported.
    for (int run = 0; (run < 1000 || reported.size() <= 100) && run < 50000 && !HasFatalFailure(); ++run) {
        if (run % 7 == 6 && !EndsCut(root / files[run % 3]))
            std::ofstream(root / files[run % 3], std::ios::app | std::ios::binary) << "99,3400";
        RunAndKill(std::chrono::microseconds(delay(random)), reported);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << reported.size() << " points reported stored in " << seconds << " s\n";
    ASSERT_GT(reported.size(), 100u);

    const std::vector<std::string> raw = CompleteLines(ReadAll(root / "data/a.blh"));
    ASSERT_GE(raw.size(), 2u);
    EXPECT_EQ(raw[0].rfind("Rem Version", 0), 0u);
    EXPECT_EQ(raw[1].rfind("Rem BaseStation", 0), 0u);
    const std::vector<std::string> rawNames =
        Names(std::vector<std::string>(raw.begin() + 2, raw.end()), 37, 0);
    const std::vector<std::string> pointNames = Names(CompleteLines(ReadAll(root / "data/a.xyh")), 36, 0);
    const std::vector<std::string> libraryNames = Names(CompleteLines(ReadAll(root / "a.lib")), 5, 1);
    for (const auto* names : {&rawNames, &pointNames, &libraryNames}) {
        EXPECT_EQ(std::count(names->begin(), names->end(), std::string()), 0) << "a line is not whole";
        EXPECT_EQ(std::set<std::string>(names->begin(), names->end()).size(), names->size())
            << "a name repeats";
        const std::set<std::string> stored(names->begin(), names->end());
        for (const std::string& name : reported) EXPECT_EQ(stored.count(name), 1u) << name << " was lost";
    }
    std::filesystem::remove_all(root);
}
