#include "bench/shell/ProgramRun.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

extern char** environ;

std::filesystem::path WorkFolder() {
    return std::filesystem::temp_directory_path() / ("qz-bench-" + std::to_string(getpid()));
}

const char* ProgramPath() {
    const char* other = std::getenv("QZ_BENCH_QUORIN");
    return other && *other ? other : QZ_QUORIN_PATH;
}

Program Spawn(const std::string& pty, bool headless, bool keepWork) {
    Program p;
    p.work = WorkFolder();
    if (!keepWork) std::filesystem::remove_all(p.work);
    std::filesystem::create_directories(p.work);
    std::filesystem::remove(p.work / "screen.png");
    std::vector<std::string> env;
    if (!pty.empty()) env.push_back("QZ_SERIAL_PORTS=2=" + pty + ",3=" + pty + ",5=" + pty);
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("QZ_SERIAL_PORTS=", 0) != 0) env.push_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string root = (p.work / "root").string(), shot = (p.work / "screen.png").string();
    std::vector<const char*> argv{ProgramPath(), "--root", root.c_str(), "--screenshot", shot.c_str()};
    if (headless) argv.push_back("--headless");
    argv.push_back(nullptr);
    posix_spawn(&p.pid, ProgramPath(), nullptr, nullptr, const_cast<char**>(argv.data()), envp.data());
    return p;
}

void Stop(Program& p, bool keepWork) {
    kill(p.pid, SIGTERM);
    waitpid(p.pid, nullptr, 0);
    if (!keepWork) std::filesystem::remove_all(p.work);
}

void WaitForFirstPaint(const Program& p) {
    const std::filesystem::path shot = p.work / "screen.png";
    while (!std::filesystem::exists(shot) || std::filesystem::file_size(shot) < 2000)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

namespace {

// The program's screenshot, each time it is written anew: when it last changed.
class ScreenChanges {
public:
    explicit ScreenChanges(const Program& p) : shot_((p.work / "screen.png").string()) {}
    // Whether the screen changed since the last look.
    bool Changed() {
        struct stat st {};
        if (::stat(shot_.c_str(), &st) != 0 ||
            (st.st_mtim.tv_sec == last_.tv_sec && st.st_mtim.tv_nsec == last_.tv_nsec))
            return false;
        last_ = st.st_mtim;
        return true;
    }
    // Seconds from `start` (the real time clock's) to the last change seen.
    double SecondsAfter(const timespec& start) const {
        return static_cast<double>(last_.tv_sec - start.tv_sec) + (last_.tv_nsec - start.tv_nsec) * 1e-9;
    }

private:
    std::string shot_;
    timespec last_{};
};

// The CPU the program's threads have used, in seconds: each thread's own count, the largest seen
// kept, so that a thread that has ended still counts.
class ProgramCpu {
public:
    explicit ProgramCpu(pid_t pid) : tasks_("/proc/" + std::to_string(pid) + "/task") {}
    double Seconds() {
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks_, error)) {
            std::ifstream stat(task.path() / "schedstat");
            unsigned long long ns = 0;
            if (stat >> ns) {
                unsigned long long& seen = seen_[task.path().filename().string()];
                seen = std::max(seen, ns);
            }
        }
        unsigned long long total = 0;
        for (const auto& [task, ns] : seen_) total += ns;
        return static_cast<double>(total) * 1e-9;
    }

private:
    std::filesystem::path tasks_;
    std::map<std::string, unsigned long long> seen_;
};

}  // namespace

double WaitForStillScreen(const Program& p, const timespec& start, double still) {
    WaitForFirstPaint(p);
    ScreenChanges screen(p);
    auto lastSeen = std::chrono::steady_clock::now();
    for (;;) {
        if (screen.Changed()) lastSeen = std::chrono::steady_clock::now();
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - lastSeen).count() > still) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return screen.SecondsAfter(start);
}

double WaitForIdleScreen(const Program& p, const timespec& start, double& cpuSeconds) {
    WaitForFirstPaint(p);
    ScreenChanges screen(p);
    ProgramCpu cpu(p.pid);
    double busyCpu = cpu.Seconds();
    auto busySince = std::chrono::steady_clock::now();
    for (;;) {
        screen.Changed();
        const double used = cpu.Seconds();
        const auto now = std::chrono::steady_clock::now();
        if (used - busyCpu > 0.001) {
            busyCpu = used;
            busySince = now;
        } else if (std::chrono::duration<double>(now - busySince).count() > 0.3) {
            cpuSeconds = used;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return screen.SecondsAfter(start);
}

long StatusKiB(pid_t pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string prefix = std::string(key) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return 0;
}
