#pragma once
// Room for the line starts of a whole file, judged by the lines read so far: a season's file then
// costs its index 8 bytes a line, never a doubling's three times that while it grows.
#include <cstdint>
#include <vector>

// `starts` holds the lines found in the file's first `bytesSeen` bytes of `totalBytes`.
inline void ReserveLikelyLines(std::vector<uint64_t>& starts, uint64_t bytesSeen, uint64_t totalBytes) {
    if (bytesSeen == 0 || totalBytes <= bytesSeen) return;
    const uint64_t likely = starts.size() * totalBytes / bytesSeen;
    starts.reserve(static_cast<size_t>(likely + likely / 32 + 16));
}
