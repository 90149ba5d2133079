#include <benchmark/benchmark.h>

#include "bench/foundation/LibraryBytes.h"
#include "foundation/CoordLibrary.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

std::string LibraryBytes(int first, int count) {
    std::string bytes;
    for (int i = first; i < first + count; ++i) {
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

// From the file's bytes to the library and the first page of rows the list shows.
void BM_CoordLibOpen(benchmark::State& state) {
    const std::string bytes = LibraryBytes(0, static_cast<int>(state.range(0)));
    constexpr int32_t kPage = 16;
    for (auto _ : state) {
        CCoordLibrary library;
        library.Open(bytes);
        for (int32_t row = 0; row < kPage; ++row) benchmark::DoNotOptimize(library.Row(row));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordLibOpen)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
