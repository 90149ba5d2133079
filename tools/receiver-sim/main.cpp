// receiver-sim: plays a GNSS receiver on a pseudo-terminal in real time. Prints the terminal's device
// path on the first line of its output; point the program's serial port at it, for example
//   QZ_SERIAL_PORTS=5=/dev/pts/7
// Options (also printed by --help):
//   --rate HZ                epochs per second (1 to 20; default from the script, else 1)
//   --script FILE            walk script (see tools/receiver-sim/sim/SimWalk.h)
//   --board NAME             board field of the version reply (OEM-V, OEM-E, OEM-D, OEM-T)
//   --work-mode MODE         ROVER or BASE
//   --no-nmea | --no-logs    leave out the NMEA sentences or the board logs
//   --modem                  a receiver with a network modem (a QZ-R9 whose version reply names GPRS)
//   --bluetooth-module       the handheld's built-in Bluetooth module in front of the receiver: until a
//                            scan's "AT+RADDR=" links it, the terminal answers only the module's AT commands
//   --bad-checksum-every N   corrupt the check of every N-th sentence
//   --max-piece N            write output in pieces of 1 to N bytes (with --piece-gap-us between)
//   --silence-after S        go silent after S seconds (for --silence-seconds, default forever)
//   --hangup-after S         close the terminal after S seconds
//   --seconds S              stop after S seconds (default: run until interrupted)
//   --record FILE            write every byte received to FILE on exit
//   --link PATH              also make PATH a symbolic link to the terminal
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/receiver-sim/sim/CReceiverSimulator.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

constexpr char kUsage[] = "usage: receiver-sim [OPTION VALUE]... (--help lists the options)\n";
constexpr char kHelp[] =
    "Plays a GNSS receiver on a pseudo-terminal in real time; prints the terminal's path first.\n"
    "  --rate HZ                epochs per second (1 to 20; default from the script, else 1)\n"
    "  --script FILE            walk script\n"
    "  --board NAME             board field of the version reply (OEM-V, OEM-E, OEM-D, OEM-T)\n"
    "  --work-mode MODE         ROVER or BASE\n"
    "  --no-nmea | --no-logs    leave out the NMEA sentences or the board logs\n"
    "  --modem                  a receiver with a network modem (a QZ-R9 whose reply names GPRS)\n"
    "  --bluetooth-module       the built-in Bluetooth module in front of the receiver (AT commands)\n"
    "  --bad-checksum-every N   corrupt the check of every N-th sentence\n"
    "  --max-piece N            write output in pieces of 1 to N bytes (with --piece-gap-us between)\n"
    "  --silence-after S        go silent after S seconds (for --silence-seconds, default forever)\n"
    "  --hangup-after S         close the terminal after S seconds\n"
    "  --seconds S              stop after S seconds (default: run until interrupted)\n"
    "  --record FILE            write every byte received to FILE on exit\n"
    "  --link PATH              also make PATH a symbolic link to the terminal\n"
    "  --help                   show this text\n";

// A wrong command line: what is wrong, then the usage line.
int Usage(const std::string& message) {
    std::cerr << "receiver-sim: " << message << "\n" << kUsage;
    return 2;
}

// A file that cannot be used: its name and the reason.
int FileFailure(const std::string& verb, const std::string& path, int error) {
    std::cerr << "receiver-sim: cannot " << verb << " " << path << ": " << std::strerror(error) << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    sim::SimOptions options;
    sim::SimFaults faults;
    int rate = 0;
    double silenceAfter = -1, silenceSeconds = 1e9, hangupAfter = -1, runSeconds = -1;
    bool bluetoothModule = false;
    std::string recordPath, linkPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* v = nullptr;
        if (arg == "--help") {
            std::cout << kUsage << kHelp;
            return 0;
        } else if (arg == "--no-nmea") {
            options.nmea = false;
        } else if (arg == "--no-logs") {
            options.boardLogs = false;
        } else if (arg == "--modem") {
            sim::PlayModemReceiver(options);
        } else if (arg == "--bluetooth-module") {
            bluetoothModule = true;
        } else if (!(v = value())) {
            return Usage("missing value or unknown option: " + arg);
        } else if (arg == "--rate") {
            rate = std::atoi(v);
            if (rate < 1 || rate > 20) return Usage("--rate takes 1 to 20");
        } else if (arg == "--script") {
            std::ifstream in(v);
            if (!in) return FileFailure("read", v, errno);
            std::stringstream text;
            text << in.rdbuf();
            std::string error;
            if (!sim::WalkScript::Parse(text.str(), &options.script, &error)) {
                std::cerr << "receiver-sim: " << v << ": " << error << "\n";
                return 1;
            }
        } else if (arg == "--board") {
            options.board = v;
        } else if (arg == "--work-mode") {
            options.workMode = v;
        } else if (arg == "--bad-checksum-every") {
            faults.badChecksumEvery = std::atoi(v);
        } else if (arg == "--max-piece") {
            faults.maxPiece = std::atoi(v);
            faults.pieceGapUs = faults.pieceGapUs ? faults.pieceGapUs : 2000;
        } else if (arg == "--piece-gap-us") {
            faults.pieceGapUs = std::atoi(v);
        } else if (arg == "--silence-after") {
            silenceAfter = std::atof(v);
        } else if (arg == "--silence-seconds") {
            silenceSeconds = std::atof(v);
        } else if (arg == "--hangup-after") {
            hangupAfter = std::atof(v);
        } else if (arg == "--seconds") {
            runSeconds = std::atof(v);
        } else if (arg == "--record") {
            recordPath = v;
            // Refused now rather than after the whole run.
            if (!std::ofstream(recordPath, std::ios::binary | std::ios::app))
                return FileFailure("write", v, errno);
        } else if (arg == "--link") {
            linkPath = v;
        } else {
            return Usage("unknown option: " + arg);
        }
    }
    if (rate) options.script.rateHz = rate;

    sim::CReceiverSimulator simulator(options);
    if (!simulator.Open()) {
        std::perror("receiver-sim: no pseudo-terminal");
        return 1;
    }
    simulator.SetFaults(faults);
    if (bluetoothModule) simulator.PlayBluetoothModule();
    std::cout << simulator.DevicePath() << std::endl;
    if (!linkPath.empty()) {
        unlink(linkPath.c_str());
        if (symlink(simulator.DevicePath().c_str(), linkPath.c_str()) != 0)
            return FileFailure("link", linkPath, errno);
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);

    const auto start = std::chrono::steady_clock::now();
    int64_t simulatedMs = 0;
    bool silenced = false;
    while (!g_stop) {
        const int64_t elapsedMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count();
        const double seconds = static_cast<double>(elapsedMs) / 1000.0;
        if (runSeconds >= 0 && seconds >= runSeconds) break;
        if (hangupAfter >= 0 && seconds >= hangupAfter && simulator.InputFd() >= 0) simulator.HangUp();
        if (silenceAfter >= 0 && seconds >= silenceAfter && !silenced) {
            simulator.SilenceFor(static_cast<int64_t>(silenceSeconds * 1000));  // "forever" is 1e12 ms
            silenced = true;
        }
        simulator.Advance(static_cast<int>(elapsedMs - simulatedMs));
        simulatedMs = elapsedMs;
        simulator.ServiceInput();
        pollfd p{simulator.InputFd(), POLLIN, 0};
        poll(&p, simulator.InputFd() >= 0 ? 1 : 0, 10);
    }
    if (!linkPath.empty()) unlink(linkPath.c_str());
    std::cerr << "receiver-sim: " << simulator.EpochsSent() << " epochs sent, " << simulator.Received().size()
              << " bytes received\n";
    if (!recordPath.empty()) {
        std::ofstream record(recordPath, std::ios::binary);
        if (!(record << simulator.Received()) || !record.flush())
            return FileFailure("write", recordPath, errno);
    }
    return 0;
}
