// Point files and point names in the built program: an X11 window on a private Xvfb server, the
// receiver simulator on a pseudo-terminal, keys and taps by xdotool. 新建文件 refuses the open point
// file before asking anything and leaves it whole; after a new point file, opening the first one
// again (as a file, then with its job) proposes the name after its last point, never one it holds.
#include <set>
#include <string>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

constexpr const char* kNoData = "quorin: [信息提示] 当前没有接收到数据,不能存储数据";
constexpr const char* kRefusal = "quorin: [信息提示] 该文件是工程自身的文件,请换一个文件名!";

class PointFileNamesEndToEnd : public ProgramInXvfb {
protected:
    size_t Printed(const std::string& text) { return Count(ReadAll(ErrorFile()), text); }
    std::string Title() { return Xdo("getwindowname " + window_); }
    // The file dialogs fill the screen: their caption runs across the top.
    bool FileDialogShown() const { return ScreenPixel(200, 13) == 0x000080; }
    // 工程 (its menu at (16, 13), shown twice as large) and the item's key.
    void JobMenu(const std::string& key) {
        Xdo("mousemove --window " + window_ + " 32 26 click 1");
        Keys(key);
        ASSERT_TRUE(PlayUntil([&] { return FileDialogShown(); }, 30000))
            << "工程 " << key << " opened nothing";
    }
    // 3 新建文件: the folder tree has the focus, Tab reaches the name, Return is 确定.
    void NewPointFile(const std::string& name) {
        ASSERT_NO_FATAL_FAILURE(JobMenu("3"));
        Keys("Tab");
        Xdo("type --delay 50 " + name);
        Keys("Return");
    }
    // The file dialog of `key` (2 打开工程, 4 打开文件): the path typed over what its path field at
    // (140, 39) shows; Return is 确定.
    void Open(const std::string& key, const std::string& path) {
        ASSERT_NO_FATAL_FAILURE(JobMenu(key));
        Xdo("mousemove --window " + window_ + " 280 78 click 1");
        Keys("ctrl+a BackSpace");
        Xdo("type --delay 50 '" + path + "'");
        Keys("Return");
    }
    // The point file's points as every reader of it sees them, a last line without its line end too.
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        CutPointFileBytes(ReadAll(Job("data/vorna.xyh")), [&](std::string_view line, uint64_t) {
            if (HoldsPointPosition(line)) names.push_back(ToUtf8(LineField(FromGbk(line), 0)));
        });
        return names;
    }
    // Key A, 确定 in the store dialog and Yes to the precision question, until the file has one more.
    // A fix that went stale meanwhile is refused in a box, which the first Return answers: A is tried
    // again with the next fix.
    void StoreByKeyA() {
        const size_t before = Names().size();
        for (int tries = 0; tries < 5 && Names().size() == before; ++tries) {
            const size_t refusals = Printed(kNoData);
            ASSERT_NO_FATAL_FAILURE(Act("key --delay 100 a Return Return"));
            PlayUntil([&] { return Names().size() > before || Printed(kNoData) > refusals; }, 30000);
        }
        ASSERT_EQ(Names().size(), before + 1) << "key A stored nothing:\n" << ReadAll(ErrorFile());
    }
};

}  // namespace

TEST_F(PointFileNamesEndToEnd, ANewFileLeavesTheOpenOneWholeAndNamesGoOnAfterTheFileOpened) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    std::string points;
    for (const char* name : {"1", "2", "3", "4", "5"})
        points += std::string(name) + ",3348000.000,500000.000,12.500,c\r\n";
    std::ofstream(Job("data/vorna.xyh"), std::ios::binary) << points;
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());

    // The open point file's own name: refused at once, the dialog left with Escape.
    ASSERT_NO_FATAL_FAILURE(NewPointFile("vorna"));
    ASSERT_TRUE(PlayUntil([&] { return Printed(kRefusal) == 1; }, 30000)) << ReadAll(ErrorFile());
    Keys("Return Escape");
    EXPECT_EQ(Printed("该文件已存在"), 0u);
    EXPECT_EQ(ReadAll(Job("data/vorna.xyh")), points);

    // A new file, then the first one opened again, as a file and through its job: key A goes on
    // after its last point each time, a last line without its line end (written on a PC while
    // another file was open) counted as a point.
    const struct {
        const char* made;
        const char* item;  // of the 工程 menu
        const char* reopened;
        const char* appended;
    } reopenings[] = {
        {"pts", "4", "\\Program Files\\Jobs\\vorna\\data\\vorna.xyh", ""},
        {"pts2", "2", "\\Program Files\\Jobs\\vorna\\vorna.qzs", "9,3348000.000,500000.000,12.500,c"},
        {"pts3", "4", "\\Program Files\\Jobs\\vorna\\data\\vorna.xyh", "12,3348000.000,500000.000,12.500,c"},
    };
    for (const auto& r : reopenings) {
        SCOPED_TRACE(r.reopened);
        ASSERT_NO_FATAL_FAILURE(NewPointFile(r.made));
        const std::string madeTitle = std::string("<") + r.made + ".xyh>";
        ASSERT_TRUE(PlayUntil([&] { return Title().find(madeTitle) != std::string::npos; }, 30000))
            << Title();
        std::ofstream(Job("data/vorna.xyh"), std::ios::binary | std::ios::app) << r.appended;
        ASSERT_NO_FATAL_FAILURE(Open(r.item, r.reopened));
        ASSERT_TRUE(PlayUntil([&] { return Title().find("<vorna.xyh>") != std::string::npos; }, 30000))
            << Title();
        ASSERT_NO_FATAL_FAILURE(StoreByKeyA());
    }
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    const std::vector<std::string> names = Names();
    EXPECT_EQ(names, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "9", "10", "12", "13"}));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

// Key A never proposes a name the point file holds: at a start after a last point whose successors
// are held, after names typed over the proposal, and in automatic storing.
TEST_F(PointFileNamesEndToEnd, ProposalsPassOverTheNamesTheFileHolds) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    std::string points;
    for (const char* name : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "3"})
        points += std::string(name) + ",3348000.000,500000.000,12.500,c\r\n";
    std::ofstream(Job("data/vorna.xyh"), std::ios::binary) << points;
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());

    // A start after the last point 3: its successors up to 10 are held.
    ASSERT_NO_FATAL_FAILURE(StoreByKeyA());
    // Names typed over the proposal (13, then 12) are stored as typed; the proposal then passes
    // over both.
    for (const char* typed : {"13", "12"}) {
        const size_t before = PointLines();
        ASSERT_NO_FATAL_FAILURE(Act("key --delay 100 a ctrl+a BackSpace"));
        Xdo(std::string("type --delay 50 ") + typed);
        Keys("Return Return");
        ASSERT_TRUE(PlayUntil([&] { return PointLines() > before; }, 30000)) << ReadAll(ErrorFile());
    }
    ASSERT_NO_FATAL_FAILURE(StoreByKeyA());
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    // Automatic storing every second from the proposed start, after a last point 15 whose
    // successors 16, 17 and 19 are held.
    std::ofstream added(Job("data/vorna.xyh"), std::ios::binary | std::ios::app);
    for (const char* name : {"16", "17", "19", "15"}) added << name << ",3348000.000,500000.000,12.500,c\r\n";
    added.close();
    Edit(Job("vorna.qzs"), "nSaveType=0", "nSaveType=3");
    Edit(Job("vorna.qzs"), "nAutoSaveTime=5", "nAutoSaveTime=1");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    const size_t before = PointLines();
    Xdo("mousemove --window " + window_ + " 250 244 click 1");
    Keys("Return");
    Xdo("mousemove --window " + window_ + " 124 516 click 1");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() >= before + 3; }, 30000))
        << "automatic storing stored nothing";
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    const std::vector<std::string> names = Names();
    const std::vector<std::string> expected = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
                                               "9",  "10", "3",  "11", "13", "12", "14", "16",
                                               "17", "19", "15", "18", "20", "21"};
    ASSERT_GE(names.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + expected.size()), expected);
    EXPECT_EQ(std::set<std::string>(names.begin() + 11, names.end()).size(), names.size() - 11);
}
