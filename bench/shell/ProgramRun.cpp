#include "bench/shell/ProgramRun.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

std::filesystem::path WorkFolder() {
    return std::filesystem::temp_directory_path() / ("qz-bench-" + std::to_string(getpid()));
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
    const char* program = std::getenv("QZ_BENCH_QUORIN") ? std::getenv("QZ_BENCH_QUORIN") : QZ_QUORIN_PATH;
    std::vector<const char*> argv{program, "--root", root.c_str(), "--screenshot", shot.c_str()};
    if (headless) argv.push_back("--headless");
    argv.push_back(nullptr);
    posix_spawn(&p.pid, program, nullptr, nullptr, const_cast<char**>(argv.data()), envp.data());
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

void FillDefaultJob(const std::filesystem::path& root, long points) {
    const std::filesystem::path data = root / "Program Files" / "Jobs" / "vorna" / "data";
    std::ofstream xyh(data / "vorna.xyh", std::ios::binary), rec(data / "vorna.rec", std::ios::binary);
    for (long i = 0; i < points; ++i) {
        xyh << "P" << i << ",3456789.123,512345.678,45.600,pole,1.800,10,0.012,0.020,12,1.50,12:00:00,"
            << "2011-09-26,3,0,0,0,0.00,0,0,0.000,0,0.000,a,b,0.000,c,d,0.000,0.000,e,f,g,0,t1,t2,\r\n";
        rec << "P" << i << ",3456789.1230,512345.6780,45.6000,pole\r\n";
    }
}

long StatusKiB(pid_t pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string prefix = std::string(key) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return 0;
}
