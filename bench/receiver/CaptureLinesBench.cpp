// CPU per received line on real captures, handled as the frame handles it: the line's bytes are parsed
// as they are, and only the version reply is converted to wide text. The loop alone, in memory: the
// whole process, reading and cutting included, is parse-capture's (bench/receiver/compare-gpsdecode.sh).
// The corpus is the file named by QZ_CAPTURE_CORPUS (one line per LF), else the captures beside the
// project; the benchmark is skipped when there are none.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/receiver/CaptureLine.h"

namespace {

namespace fs = std::filesystem;

void AppendLines(const fs::path& file, std::vector<std::string>& lines) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
}

std::vector<std::string> Corpus() {
    std::vector<std::string> lines;
    if (const char* corpus = std::getenv("QZ_CAPTURE_CORPUS")) {
        AppendLines(corpus, lines);
        return lines;
    }
    const fs::path captures = fs::path(QZ_SOURCE_DIR) / ".." / "shared" / "testdata";
    for (const char* folder : {"nmea", "board-logs"}) {
        if (!fs::exists(captures / folder)) continue;
        for (const auto& entry : fs::directory_iterator(captures / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".log" || ext == ".asc") AppendLines(entry.path(), lines);
        }
    }
    return lines;
}

void ParseCaptureLines(benchmark::State& run) {
    const std::vector<std::string> lines = Corpus();
    if (lines.empty()) {
        run.SkipWithError("no receiver captures");
        return;
    }
    CGpsParser parser({.boardType = kBoardOemD});
    CGpsState state;
    for (auto _ : run) {
        for (const std::string& bytes : lines)
            benchmark::DoNotOptimize(ParseCaptureLine(parser, bytes, state));
    }
    run.SetItemsProcessed(run.iterations() * static_cast<int64_t>(lines.size()));
    run.counters["ns_per_line"] =
        benchmark::Counter(static_cast<double>(run.iterations() * lines.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ParseCaptureLines)->Unit(benchmark::kMillisecond);

}  // namespace
