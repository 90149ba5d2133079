#include "survey/FileLineIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Line {
    uint64_t offset;
    uint32_t length;
    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(const FileLineIndex& index) {
    std::vector<Line> lines;
    for (const FileLineIndex::Span& span : index.Lines()) lines.push_back({span.offset, span.length});
    return lines;
}

FileLineIndex FedInPieces(const std::string& bytes, size_t piece) {
    FileLineIndex index;
    for (size_t at = 0; at < bytes.size(); at += piece) index.Feed(std::string_view(bytes).substr(at, piece));
    return index;
}

// Long enough that the fingerprint's 32-byte chunks and the pieces fall across lines and CR LF pairs.
const std::string kFile =
    "first line of the file\r\n\r\nsecond, after an empty line\nthird line ends here\r\n"
    "a fourth that is long enough to span several chunks of thirty-two bytes\r\ntorn";

}  // namespace

TEST(FileLineIndex, PiecesOfAnySizeIndexTheSameLinesAndFingerprint) {
    const FileLineIndex whole = FedInPieces(kFile, kFile.size());
    EXPECT_EQ(Lines(whole), (std::vector<Line>{{0, 22}, {26, 27}, {54, 20}, {76, 71}}));
    EXPECT_EQ(whole.WholeLength(), kFile.size() - 4);
    for (const size_t piece : {1, 2, 7, 23, 24, 25, 31, 32, 33, 64, 100}) {
        SCOPED_TRACE(piece);
        const FileLineIndex index = FedInPieces(kFile, piece);
        EXPECT_EQ(Lines(index), Lines(whole));
        EXPECT_EQ(index.WholeLength(), whole.WholeLength());
        EXPECT_EQ(index.Fingerprint(), whole.Fingerprint());
    }
}

TEST(FileLineIndex, TheFingerprintTellsChangedBytesAndIgnoresTheTornTail) {
    const uint64_t read = FedInPieces(kFile, kFile.size()).Fingerprint();
    struct Case {
        const char* what;
        std::string bytes;
        bool same;
    };
    std::string oneByte = kFile;
    oneByte[60] = 'X';
    std::string lastWord = kFile;
    lastWord.replace(lastWord.find("bytes"), 5, "BYTES");
    const Case cases[] = {
        {"a longer torn tail", kFile + "ed append", true},
        {"no torn tail", kFile.substr(0, kFile.size() - 4), true},
        {"one byte in the middle", oneByte, false},
        {"a word of the last line", lastWord, false},
        {"a line fewer", kFile.substr(26), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FedInPieces(c.bytes, 13).Fingerprint() == read, c.same);
    }
}
