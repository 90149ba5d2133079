// Damaged stake-out files, one table: every reader keeps each line it can read, leaves out and
// counts each it cannot, and says so once; a file over 64 MiB is refused unread.
#include "platform/files/FileOps.h"
#include "stakeout/StakeFiles.h"
#include "tests/foundation/DamagedFilesFixture.h"

namespace {

size_t Rows(StakeRowLayout layout, DataFileRead& read) {
    std::vector<StakeRow> rows;
    read = ReadStakeRows(L"\\f", layout, rows);
    return rows.size();
}
size_t Points(DataFileRead& read) {
    return ReadStakePoints(L"\\f", &read).size();
}
size_t Lines(DataFileRead& read) {
    std::vector<LineSegRec> lines;
    read = ReadLineFile(L"\\f", true, lines);
    return lines.size();
}
size_t Records(DataFileRead& read) {
    return ReadStakeRecords(L"\\f", &read).size();
}

const DataFileReader kLibrary = [](DataFileRead& read) { return Rows(StakeRowLayout::kLibrary, read); };
const DataFileReader kImport = [](DataFileRead& read) { return Rows(StakeRowLayout::kCoordFile, read); };

const DamagedFileCase kCases[] = {
    {"library, torn last row", kLibrary, "0,A,1,2,3,c,\r\n0,B,33469", 1, 1},
    {"library, junk rows", kLibrary, "0,A,1,2,3,c,\r\n\x01\x02junk\r\n0,B,x,y,z,c,\r\n0,C,4,5,6,d,\r\n", 2,
     2},
    {"library, nan and inf", kLibrary, "0,A,nan,2,3,c,\r\n0,B,1,inf,3,c,\r\n0,C,1,2,3,c,\r\n", 1, 2},
    {"library, whole", kLibrary, "0,A,1,2,3,c,\r\n0,,4,5,6,,\r\n", 2, 0},
    {"stake points, junk", Points, "0,A,1,2,3,c,\r\nzz\r\n0,B,4,5,6,d,\r\n", 2, 1},
    {"import, junk and a torn append", kImport, "A,1,2,3,c\r\nB,one,2,3,c\r\nC,4", 1, 1},
    {"line library, short and torn", Lines, "A,1,2,3,c,B,4,5,6,d,7\r\nA,1,2\r\nC,1,1,1,,D,2,2,2,,0", 1, 2},
    {"line library, junk mileage", Lines, "A,1,2,3,c,B,4,5,6,d,k7\r\nA,1,2,3,c,B,4,5,6,d,8\r\n", 1, 1},
    {"stake records, junk", Records, "P1,1,2,3,c\r\nP2,?,2,3,c\r\n\r\nP3,4,5,6,d\r\nP4,7", 2, 1},
};

class DamagedStakeFiles : public DamagedFilesTest {};

}  // namespace

TEST_F(DamagedStakeFiles, EveryReaderKeepsWhatItCanReadAndCountsTheRest) {
    ExpectEachKeepsWhatItCanRead(kCases);
    DataFileRead read{DataFileStatus::kRead, 3};
    EXPECT_EQ(DataFileNotice(L"\\Jobs\\r.ptb", read), L"r.ptb中有3行已损坏,已跳过");
}

TEST_F(DamagedStakeFiles, AFileOver64MiBIsRefusedUnreadByEveryReader) {
    ExpectEachRefusesAnOversizedFile("0,A,1,2,3,c,\r\n", {kLibrary, kImport, Points, Lines, Records});
}

// Each damage is kept beside the copies of earlier ones; the same bytes met again keep their copy.
TEST_F(DamagedStakeFiles, ADamagedLibraryIsKeptBesideEarlierCopiesBeforeItIsSavedOver) {
    WriteHostFile("r.ptb", "0,A,1,2,3,c,\r\n0,B,3");
    EXPECT_EQ(KeepDamagedLibrary(L"\\r.ptb"), L"\\r.ptb.bad");
    EXPECT_EQ(KeepDamagedLibrary(L"\\r.ptb"), L"\\r.ptb.bad");
    WriteHostFile("r.ptb", "0,A,1,2,3,c,\r\n0,C,");
    EXPECT_EQ(KeepDamagedLibrary(L"\\r.ptb"), L"\\r.ptb.1.bad");
    EXPECT_EQ(ReadHostFile("r.ptb.bad"), "0,A,1,2,3,c,\r\n0,B,3");
    EXPECT_EQ(ReadHostFile("r.ptb.1.bad"), "0,A,1,2,3,c,\r\n0,C,");
    EXPECT_EQ(DamagedLibraryNotice(L"\\Jobs\\r.ptb", L"\\Jobs\\r.ptb.1.bad"),
              L"r.ptb已损坏,原文件保存为\\Jobs\\r.ptb.1.bad");
}
