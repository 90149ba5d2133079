// Finishing stores that a kill or a power loss cut short: each file of the journal in each state a
// kill (or a power loss, or later work) can leave it in, journals that are not whole, journals of
// several stores, and a start killed before it told what it finished.
#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/StoreJournal.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/files/RecordingCalls.h"

namespace {

constexpr const char* kBefore = "1,a\r\n";
constexpr const char* kLine = "2,b\r\n";

struct FileCase {
    const char* name;
    const char* onDisk;  // nullptr: no file
    const char* after;   // nullptr: still no file
    bool finished;       // the repair gave the file its line
};

const FileCase kFileCases[] = {
    {"no byte of the store yet", "1,a\r\n", "1,a\r\n2,b\r\n", true},
    {"a torn piece of its line", "1,a\r\n2,", "1,a\r\n2,b\r\n", true},
    {"its whole line already", "1,a\r\n2,b\r\n", "1,a\r\n2,b\r\n", false},
    {"grown past the store since", "1,a\r\n2,b\r\n3,c\r\n", "1,a\r\n2,b\r\n3,c\r\n", false},
    {"shrunk below the store since", "1,", "1,", false},
    {"other lines where the store's belong", "1,a\r\n9\r\n", "1,a\r\n9\r\n", false},
    {"other bytes a power loss left, no line end", "1,a\r\n9,", "1,a\r\n2,b\r\n", true},
};

// A power loss can leave the unsynced end of a file at its full length as NUL bytes.
struct DamageCase {
    const char* name;
    std::string onDisk;
    std::string after;
};

const DamageCase kDamageCases[] = {
    {"the store's line all NULs", std::string("1,a\r\n") + std::string(5, '\0'), "1,a\r\n2,b\r\n"},
    {"NULs from inside the line", std::string("1,a\r\n2,") + std::string(3, '\0'), "1,a\r\n2,b\r\n"},
    {"NULs after its line end", std::string("1,a\r\n2,b\r\n\0\0", 12), std::string("1,a\r\n2,b\r\n\0\0", 12)},
    {"NULs short of the line's end", std::string("1,a\r\n\0\0", 7), "1,a\r\n2,b\r\n"},
    {"the line ended, NULs in place of its end", std::string("1,a\r\n2,b\0\0", 10), "1,a\r\n2,b\r\n"},
};

class StoreJournalTest : public DeviceRootTest {
protected:
    static StoreRecord Record(uint64_t length) { return {L"P7", {{L"\\p.xyh", length, kLine}}}; }
    void PutJournal(const std::vector<StoreRecord>& records) {
        std::string bytes;
        for (const StoreRecord& record : records) bytes += EncodeStoreRecord(record);
        WriteHostFile("j.qzj", bytes);
    }
};

}  // namespace

TEST_F(StoreJournalTest, EachFileGetsWhatItLacksAndNoMore) {
    for (const FileCase& c : kFileCases) {
        SCOPED_TRACE(c.name);
        WriteHostFile("p.xyh", c.onDisk);
        PutJournal({Record(std::string(kBefore).size())});
        const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
        EXPECT_EQ(repair.status, c.finished ? JournalRepair::kFinished : JournalRepair::kNone);
        EXPECT_EQ(ReadHostFile("p.xyh"), c.after);
        // A finish stays in the journal until the start has told it.
        EXPECT_EQ(FileExists(L"\\j.qzj"), c.finished);
        DeleteFile(L"\\j.qzj");
    }
}

// A file whose length is whole but whose store's bytes are NULs is given the store's lines back;
// bytes the journal does not account for are left to the next store (which cuts them aside).
TEST_F(StoreJournalTest, NulsWhereTheStoresLinesBelongAreReplacedByThem) {
    for (const DamageCase& c : kDamageCases) {
        SCOPED_TRACE(c.name);
        WriteHostFile("p.xyh", c.onDisk);
        PutJournal({Record(std::string(kBefore).size())});
        const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
        EXPECT_EQ(ReadHostFile("p.xyh"), c.after);
        EXPECT_EQ(repair.status, c.after == c.onDisk ? JournalRepair::kNone : JournalRepair::kFinished);
        if (repair.status == JournalRepair::kFinished) {
            EXPECT_EQ(repair.pointName, L"P7");
        }
        DeleteFile(L"\\j.qzj");
    }
}

// A power loss after sixteen stores: all their lines in each of the files were left as NULs, and
// each file is given them all back, in their order, with the lines before and after kept.
TEST_F(StoreJournalTest, EveryStoreAPowerLossTurnedToNulsComesBackInEachFile) {
    const char* files[] = {"raw.blh", "p.xyh", "p.rec", "p.lib"};
    std::vector<StoreRecord> stores;
    std::string lines;
    for (int i = 0; i < 16; ++i) {
        const std::string line = std::to_string(i) + ",x\r\n";
        StoreRecord record{FromUtf8("P" + std::to_string(i)), {}};
        for (const char* file : files)
            record.entries.push_back({CString(L"\\") + FromUtf8(file), 5 + lines.size(), line});
        lines += line;
        stores.push_back(record);
    }
    for (size_t kept = 0; kept <= lines.size(); kept += lines.size() / 3) {
        SCOPED_TRACE(kept);
        for (const char* file : files)
            WriteHostFile(file, kBefore + lines.substr(0, kept) + std::string(lines.size() - kept, '\0'));
        PutJournal(stores);
        const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
        EXPECT_EQ(repair.status, kept == lines.size() ? JournalRepair::kNone : JournalRepair::kFinished);
        for (const char* file : files) EXPECT_EQ(ReadHostFile(file), kBefore + lines) << file;
        DeleteFile(L"\\j.qzj");
    }
}

// A start killed after the lines came back and before the user was told tells at the next start.
TEST_F(StoreJournalTest, ARestoreIsToldEvenWhenTheStartBeforeWasKilledUntold) {
    WriteHostFile("p.xyh", std::string("1,a\r\n") + std::string(5, '\0'));
    PutJournal({Record(5)});
    ASSERT_EQ(FinishInterruptedStore(L"\\j.qzj").status, JournalRepair::kFinished);
    const JournalRepairResult again = FinishInterruptedStore(L"\\j.qzj");
    EXPECT_EQ(again.status, JournalRepair::kFinished);
    EXPECT_EQ(again.pointName, L"P7");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n");
}

// A store reaches the raw, point, record and library files in turn; a kill leaves the first of them
// whole and the next one without its lines, with some of them (at a line end) or in a line.
TEST_F(StoreJournalTest, AStoreCutShortInAnyOfItsFourFilesIsFinishedInAllOfThem) {
    const char* files[] = {"raw.blh", "p.xyh", "p.rec", "p.lib"};
    const std::string lines = "7,x\r\n7,y\r\n";
    StoreRecord record{L"点7", {}};
    for (const char* file : files) record.entries.push_back({CString(L"\\") + FromUtf8(file), 5, lines});
    const struct {
        const char* name;
        size_t kept;  // bytes of the store's lines the cut file holds
    } cuts[] = {{"nothing of its lines", 0}, {"torn at a line end", 5}, {"torn in a line", 7}};
    for (int cutFile = 0; cutFile < 4; ++cutFile)
        for (const auto& cut : cuts) {
            SCOPED_TRACE(std::string(files[cutFile]) + ", " + cut.name);
            for (int i = 0; i < 4; ++i)
                WriteHostFile(files[i], kBefore + (i < cutFile    ? lines
                                                   : i == cutFile ? lines.substr(0, cut.kept)
                                                                  : std::string()));
            PutJournal({record});
            const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
            EXPECT_EQ(repair.status, JournalRepair::kFinished);
            EXPECT_EQ(repair.pointName, L"点7");
            for (const char* file : files) EXPECT_EQ(ReadHostFile(file), kBefore + lines) << file;
            DeleteFile(L"\\j.qzj");
        }
}

TEST_F(StoreJournalTest, AFileTheStoreWasToCreateIsCreatedAndTheNameIsTold) {
    WriteHostFile("p.xyh", kBefore);
    PutJournal({{L"点7", {{L"\\raw.blh", 0, "Rem Version\r\n7,x\r\n"}, {L"\\p.xyh", 5, kLine}}}});
    const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
    EXPECT_EQ(repair.status, JournalRepair::kFinished);
    EXPECT_EQ(repair.pointName, L"点7");
    EXPECT_EQ(ReadHostFile("raw.blh"), "Rem Version\r\n7,x\r\n");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n");
}

TEST_F(StoreJournalTest, NoJournalOrOneWithNoWholeRecordChangesNoFile) {
    WriteHostFile("p.xyh", kBefore);
    EXPECT_EQ(FinishInterruptedStore(L"\\j.qzj").status, JournalRepair::kNone);
    const std::string whole = EncodeStoreRecord(Record(5));
    for (const std::string& damaged : {whole.substr(0, whole.size() - 1), whole.substr(0, 20), std::string(),
                                       "x" + whole, "QZJ1\n" + std::string("99:x\n")}) {
        WriteHostFile("j.qzj", damaged);
        EXPECT_EQ(FinishInterruptedStore(L"\\j.qzj").status, JournalRepair::kNone);
        EXPECT_FALSE(FileExists(L"\\j.qzj"));
    }
    EXPECT_EQ(ReadHostFile("p.xyh"), kBefore);
}

// A kill while a store's record was being appended: that store was never reported stored, and the
// stores before it are finished.
TEST_F(StoreJournalTest, TheWholeRecordsBeforeATornOneAreFinished) {
    WriteHostFile("p.xyh", kBefore);
    const std::string second = EncodeStoreRecord({L"P8", {{L"\\p.xyh", 10, "3,c\r\n"}}});
    WriteHostFile("j.qzj", EncodeStoreRecord(Record(5)) + second.substr(0, second.size() - 3));
    const std::optional<JournalContents> read = ReadStoreJournal(L"\\j.qzj");
    ASSERT_TRUE(read);
    ASSERT_EQ(read->records.size(), 1u);
    EXPECT_EQ(ReadHostFile("j.qzj"), EncodeStoreRecord(Record(5)));
    EXPECT_EQ(FinishInterruptedStore(L"\\j.qzj").pointName, L"P7");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n");
}

// A power loss takes the lines of several stores that were not yet synced: each goes back in the
// order of the stores, and the notice names the last.
TEST_F(StoreJournalTest, StoresWhoseLinesAPowerLossTookGoBackInTheirOrder) {
    WriteHostFile("p.xyh", kBefore);
    PutJournal({Record(5), {L"P8", {{L"\\p.xyh", 10, "3,c\r\n"}}}, {L"P9", {{L"\\p.xyh", 15, "4,d\r\n"}}}});
    const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
    EXPECT_EQ(repair.status, JournalRepair::kFinished);
    EXPECT_EQ(repair.pointName, L"P9");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n3,c\r\n4,d\r\n");
}

// A start killed after it finished a store and before its notice was shown: the next start shows
// the notice, and gives no file its lines twice.
TEST_F(StoreJournalTest, AStartKilledBeforeItToldTellsAtTheNextStart) {
    WriteHostFile("p.xyh", kBefore);
    PutJournal({Record(5)});
    ASSERT_EQ(FinishInterruptedStore(L"\\j.qzj").status, JournalRepair::kFinished);
    const JournalRepairResult again = FinishInterruptedStore(L"\\j.qzj");
    EXPECT_EQ(again.status, JournalRepair::kFinished);
    EXPECT_EQ(again.pointName, L"P7");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n");
}

TEST_F(StoreJournalTest, ALineThatCannotBeWrittenKeepsTheJournalAndNamesThePointAndFile) {
    WriteHostFile("p.xyh", kBefore);
    std::filesystem::create_directories(root_ / "lib");
    PutJournal({{L"P7", {{L"\\p.xyh", 5, kLine}, {L"\\lib", 0, "1,P7\r\n"}}}});
    const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
    EXPECT_EQ(repair.status, JournalRepair::kFailed);
    EXPECT_EQ(repair.pointName, L"P7");
    EXPECT_EQ(repair.path, L"\\lib");
    EXPECT_EQ(SettleStoreJournal(L"\\j.qzj")->path, L"\\lib");
    EXPECT_TRUE(FileExists(L"\\j.qzj"));

    // Once the file can take its line, both finish it. The settled journal is kept empty for the
    // next store, and goes when the job is left.
    std::filesystem::remove(root_ / "lib");
    EXPECT_EQ(SettleStoreJournal(L"\\j.qzj"), std::nullopt);
    EXPECT_EQ(ReadHostFile("j.qzj"), "");
    EXPECT_EQ(CloseStoreJournal(L"\\j.qzj"), std::nullopt);
    EXPECT_FALSE(FileExists(L"\\j.qzj"));
    EXPECT_EQ(ReadHostFile("lib"), "1,P7\r\n");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n");
}

TEST_F(StoreJournalTest, ARecordReadsBackAsItWasWritten) {
    const StoreRecord record{L"名,1", {{L"\\数据\\a.xyh", 12, std::string("a\0\n:b", 5)}, {L"\\b", 0, ""}}};
    const JournalContents read = DecodeStoreJournal(EncodeStoreRecord(record) + EncodeStoreRecord(record));
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].pointName, record.pointName);
    ASSERT_EQ(read.records[1].entries.size(), 2u);
    EXPECT_EQ(read.records[1].entries[0].path, record.entries[0].path);
    EXPECT_EQ(read.records[1].entries[0].length, 12u);
    EXPECT_EQ(read.records[1].entries[0].bytes, record.entries[0].bytes);
    EXPECT_EQ(read.records[1].entries[1].bytes, "");
    EXPECT_FALSE(read.untoldFinish);
}

// A run of stores that made three files in one folder and the library in another: settling it syncs
// each file once and each folder once, then empties the journal.
TEST_F(StoreJournalTest, SettlingSyncsEachFileAndEachFolderOnce) {
    std::filesystem::create_directories(root_ / "data");
    std::vector<StoreRecord> stores;
    for (uint64_t i = 0; i < 16; ++i)
        stores.push_back({L"P",
                          {{L"\\data\\a.blh", 5 * i, "7,x\r\n"},
                           {L"\\data\\a.xyh", 5 * i, "7,x\r\n"},
                           {L"\\data\\a.rec", 5 * i, "7,x\r\n"},
                           {L"\\a.lib", 5 * i, "7,x\r\n"}}});
    PutJournal(stores);
    ASSERT_EQ(FinishStores(*ReadStoreJournal(L"\\j.qzj")), std::nullopt);
    RecordingCalls calls;
    {
        const ScopedFileSystemCalls counted(calls);
        ASSERT_EQ(SettleStoreJournal(L"\\j.qzj"), std::nullopt);
    }
    std::vector<std::string> syncs;
    for (const std::string& call : calls.log)
        if (call.rfind("fsync ", 0) == 0) syncs.push_back(call.substr(6));
    std::vector<std::string> expected = {
        "a.blh", "a.xyh", "a.rec", "a.lib", "data", root_.filename().string(), "j.qzj"};
    std::sort(syncs.begin(), syncs.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(syncs, expected);
    EXPECT_EQ(ReadHostFile("j.qzj"), "");
}
