// Finishing a store that a kill cut short: each file of the journal in each state a kill (or a
// power loss, or later work) can leave it in, and journals that are not whole.
#include <gtest/gtest.h>

#include "foundation/StoreJournal.h"
#include "platform/files/FileOps.h"
#include "tests/platform/files/DeviceRootFixture.h"

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
};

class StoreJournalTest : public DeviceRootTest {
protected:
    static StoreJournal Journal(uint64_t length) { return {L"P7", {{L"\\p.xyh", length, kLine}}}; }
    void PutJournal(const StoreJournal& journal) { WriteHostFile("j.qzj", EncodeStoreJournal(journal)); }
};

}  // namespace

TEST_F(StoreJournalTest, EachFileGetsWhatItLacksAndNoMore) {
    for (const FileCase& c : kFileCases) {
        SCOPED_TRACE(c.name);
        WriteHostFile("p.xyh", c.onDisk);
        PutJournal(Journal(std::string(kBefore).size()));
        const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
        EXPECT_EQ(repair.status, c.finished ? JournalRepair::kFinished : JournalRepair::kNone);
        EXPECT_EQ(ReadHostFile("p.xyh"), c.after);
        EXPECT_FALSE(FileExists(L"\\j.qzj"));
    }
}

TEST_F(StoreJournalTest, AFileTheStoreWasToCreateIsCreatedAndTheNameIsTold) {
    WriteHostFile("p.xyh", kBefore);
    PutJournal({L"点7", {{L"\\raw.blh", 0, "Rem Version\r\n7,x\r\n"}, {L"\\p.xyh", 5, kLine}}});
    const JournalRepairResult repair = FinishInterruptedStore(L"\\j.qzj");
    EXPECT_EQ(repair.status, JournalRepair::kFinished);
    EXPECT_EQ(repair.pointName, L"点7");
    EXPECT_EQ(ReadHostFile("raw.blh"), "Rem Version\r\n7,x\r\n");
    EXPECT_EQ(ReadHostFile("p.xyh"), "1,a\r\n2,b\r\n");
}

TEST_F(StoreJournalTest, NoJournalOrOneNotWholeChangesNoFile) {
    WriteHostFile("p.xyh", kBefore);
    EXPECT_EQ(FinishInterruptedStore(L"\\j.qzj").status, JournalRepair::kNone);
    const std::string whole = EncodeStoreJournal(Journal(5));
    for (const std::string& damaged : {whole.substr(0, whole.size() - 1), whole.substr(0, 20), std::string(),
                                       whole + "x", "QZJ1\n" + std::string("99:x\n")}) {
        WriteHostFile("j.qzj", damaged);
        EXPECT_EQ(FinishInterruptedStore(L"\\j.qzj").status, JournalRepair::kNone);
        EXPECT_FALSE(FileExists(L"\\j.qzj"));
    }
    EXPECT_EQ(ReadHostFile("p.xyh"), kBefore);
}

TEST_F(StoreJournalTest, AJournalReadsBackAsItWasWritten) {
    const StoreJournal journal{L"名,1", {{L"\\数据\\a.xyh", 12, std::string("a\0\n:b", 5)}, {L"\\b", 0, ""}}};
    const std::optional<StoreJournal> read = DecodeStoreJournal(EncodeStoreJournal(journal));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pointName, journal.pointName);
    ASSERT_EQ(read->entries.size(), 2u);
    EXPECT_EQ(read->entries[0].path, journal.entries[0].path);
    EXPECT_EQ(read->entries[0].length, 12u);
    EXPECT_EQ(read->entries[0].bytes, journal.entries[0].bytes);
    EXPECT_EQ(read->entries[1].bytes, "");
}
