// libFuzzer target: the receiver's byte stream cut into lines, fed in chunks whose sizes the input's
// first bytes choose, so that lines and characters split across chunks are met. No line handed over
// is longer than the kept tail and one chunk: the stream's memory stays bounded. Built and run by
// run-fuzz.sh.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/link/ReceiverLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const uint8_t* steps = data;
    std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
    ReceiverLines lines;
    constexpr size_t kLongestChunk = 64;
    for (size_t i = 0; !rest.empty(); ++i) {
        const size_t chunk = std::min<size_t>(rest.size(), 1 + steps[i % 4] % kLongestChunk);
        lines.Append(rest.substr(0, chunk), [](std::string_view line) {
            if (line.size() > ReceiverLines::kMaxTailBytes + kLongestChunk) std::abort();
        });
        rest.remove_prefix(chunk);
    }
    return 0;
}
