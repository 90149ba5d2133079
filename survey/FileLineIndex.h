#pragma once
// Where the lines of a file lie, built from its bytes fed in pieces of any size (a block read at a
// time, or the whole file at once), with a fingerprint of the bytes up to the last line feed so
// that a later reading can tell whether the file still begins with them. An empty line is no line;
// a CR before the LF is not part of it; bytes after the last LF are an unfinished line and left out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FileLineIndex {
public:
    struct Span {
        uint64_t offset;
        uint32_t length;  // without the line end
    };

    void Feed(std::string_view piece);

    const std::vector<Span>& Lines() const { return lines_; }
    // The bytes up to and including the last line feed fed.
    uint64_t WholeLength() const { return lastLineEnd_; }
    // Of the WholeLength() first bytes; equal bytes give equal fingerprints whatever the pieces.
    uint64_t Fingerprint() const;

private:
    void Hash(std::string_view bytes);
    void HashChunk(const unsigned char* chunk);

    std::vector<Span> lines_;
    uint64_t fed_ = 0;
    uint64_t lineStart_ = 0;
    uint64_t lastLineEnd_ = 0;
    char last_ = 0;
    std::string unhashed_;  // the bytes after the last line feed fed
    // Four independent lanes over 32-byte chunks keep the multiplier chains apart (several GB/s).
    uint64_t lanes_[4] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                          0x27D4EB2F165667C5ull};
    unsigned char pending_[32] = {};
    size_t pendingSize_ = 0;
};
