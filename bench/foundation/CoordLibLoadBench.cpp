#include <benchmark/benchmark.h>

#include "bench/foundation/LibraryBytes.h"
#include "foundation/CoordLibrary.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

std::string LibraryBytes(int points) {
    std::string bytes;
    for (int i = 0; i < points; ++i) {
        CoordLibRecord r;
        r.type = i % 5;
        r.name = Format(L"控制点%d", i);
        r.north = 3456789.123 + i * 0.5;
        r.east = 512345.678 - i * 0.25;
        r.height = 45.6 + (i % 100);
        r.code = L"电杆";
        bytes += ToGbk(FormatCoordLibLine(r));
    }
    return bytes;
}

namespace {

// From the file's bytes to the records and the rows the list shows.
void BM_CoordLibParse(benchmark::State& state) {
    const std::string bytes = LibraryBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CCoordLibrary library;
        std::vector<CoordLibRow> rows =
            library.AppendLines(CoordLibLinesFromBytes(bytes), CoordLibLayout::kLibrary);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordLibParse)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
