#include "survey/FileLineIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/foundation/AllStarts.h"

namespace {

FileLineIndex FedInPieces(const std::string& bytes, size_t piece) {
    FileLineIndex index;
    for (size_t at = 0; at < bytes.size(); at += piece) index.Feed(std::string_view(bytes).substr(at, piece));
    return index;
}

// Points at 0, 39 and 61; an empty line; a line whose north is no number at 26; an unfinished line.
const std::string kFile =
    "P1,10.000,20.000,3.5,c\r\n\r\nP2,x,20,3,c\r\nP3, 11 ,21.25,-4,code\nP4,12,22,4,c\r\nP5,13";

}  // namespace

TEST(FileLineIndex, PiecesOfAnySizeIndexThePointsAndTheLinesLeftOut) {
    const FileLineIndex whole = FedInPieces(kFile, kFile.size());
    EXPECT_EQ(AllStarts(whole.Points()), (std::vector<uint64_t>{0, 39, 61}));
    EXPECT_EQ(AllStarts(whole.LeftOut()), (std::vector<uint64_t>{26}));
    EXPECT_EQ(whole.WholeLength(), kFile.size() - 5);
    EXPECT_EQ(whole.FedLength(), kFile.size());
    for (const size_t piece : {1, 2, 3, 7, 13, 24, 25, 26, 27}) {
        SCOPED_TRACE(piece);
        const FileLineIndex index = FedInPieces(kFile, piece);
        EXPECT_EQ(AllStarts(index.Points()), AllStarts(whole.Points()));
        EXPECT_EQ(AllStarts(index.LeftOut()), AllStarts(whole.LeftOut()));
        EXPECT_EQ(index.WholeLength(), whole.WholeLength());
    }
    EXPECT_EQ(LineAt(kFile, 39), "P3, 11 ,21.25,-4,code");
    EXPECT_EQ(LineAt(kFile, 61), "P4,12,22,4,c");
}

TEST(FileLineIndex, FeedingGoesOnFromTheLastLineWhenTheUnfinishedOneWasCutAndAppendedAgain) {
    FileLineIndex index = FedInPieces(kFile, 10);
    index.ForgetUnfinished();
    EXPECT_EQ(index.FedLength(), index.WholeLength());
    // The store cut "P5,13" and appended two whole lines in its place.
    index.Feed("P5,13,23,5,c\r\nP6,14,");
    index.Feed("24,6,c\r\n");
    EXPECT_EQ(AllStarts(index.Points()), (std::vector<uint64_t>{0, 39, 61, 75, 89}));
    EXPECT_EQ(index.WholeLength(), 75u + 14 + 14);
}

TEST(FileLineIndex, AFileOfEvenLinesIsIndexedWithoutGrowingItsRoomAgain) {
    std::string file;
    for (int i = 0; i < 20000; ++i)
        file += "P" + std::to_string(10000 + i) + ",3001234.567,500123.456,12.345,c\r\n";
    FileLineIndex index;
    index.Feed(std::string_view(file).substr(0, 4096));
    index.Expect(file.size());
    const size_t room = index.Points().capacity();
    index.Feed(std::string_view(file).substr(4096));
    EXPECT_EQ(index.Points().size(), 20000u);
    EXPECT_EQ(index.Points().capacity(), room);
    EXPECT_LT(room, 20000u * 17 / 16);
}
