// The surveyed list reads a stored point from its line in the record file, found from the lines
// appended before it; a point whose line the file did not get as stored stays in memory whole.
#include "shell/frame/SurveyRecords.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "foundation/PointLines.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Wnd.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {

using SurveyRecordsTest = DeviceRootTest;

// Hears that the record file's index is read and hands it to the list, as the frame does.
class CIndexWindow : public CWnd {
public:
    static constexpr UINT kIndexed = WM_USER + 1;
    explicit CIndexWindow(SurveyRecords& records) : records_(records) {
        CreateEx(0, nullptr, L"records", WS_POPUP, CRect(0, 0, 240, 320), nullptr, 0);
        BindMessage(kIndexed, &CIndexWindow::OnIndexed);
    }
    int taken = 0;

private:
    LRESULT OnIndexed(WPARAM number, LPARAM) {
        if (records_.FinishLoad(number)) ++taken;
        return 0;
    }
    SurveyRecords& records_;
};

// A store as the program's store path leaves it: the line appended to the record file, or not.
void Store(SurveyRecords& records, const std::filesystem::path& file, const PointRecord& point,
           bool written) {
    if (written) std::ofstream(file, std::ios::binary | std::ios::app) << ToGbk(FormatRecordLine(point));
    records.Append(point);
}

std::vector<CString> Names(const SurveyedPoints& list) {
    std::vector<CString> names;
    for (size_t i = 0; i < list.size(); ++i) names.push_back(list[i].name);
    return names;
}

TEST_F(SurveyRecordsTest, StoredPointsAreReadFromTheLinesTheStoreAppended) {
    WriteHostFile("d/j.rec", "A,1.0000,2.0000,3.0000,a\r\nB,4,5");  // an append cut short
    SurveyRecords records;
    records.SetRecordFile(L"\\d\\j.rec");
    records.Load();
    ASSERT_EQ(records.surveyed.size(), 1u);
    const PointRecord stored{L"\u70b9C", 7.123456, 8.0, 9.0, L"c", 0};
    // The store cuts the torn piece and appends the line, as the program's store does.
    WriteHostFile("d/j.rec", "A,1.0000,2.0000,3.0000,a\r\n" + ToGbk(FormatRecordLine(stored)));
    records.Append(stored);
    const PointRecord unwritten{L"D", 10.0, 11.0, 12.0, L"d", 0};
    records.Append(unwritten);  // the record file did not get its line
    const PointRecord next{L"E", 13.0, 14.0, 15.0, L"e", 0};
    WriteHostFile("d/j.rec", "A,1.0000,2.0000,3.0000,a\r\n" + ToGbk(FormatRecordLine(stored)) +
                                 ToGbk(FormatRecordLine(next)));
    records.Append(next);
    const PointRecord after{L"F", 16.0, 17.0, 18.0, L"", 0};
    std::string file = "A,1.0000,2.0000,3.0000,a\r\n" + ToGbk(FormatRecordLine(stored)) +
                       ToGbk(FormatRecordLine(next)) + ToGbk(FormatRecordLine(after));
    WriteHostFile("d/j.rec", file);
    records.Append(after);
    // Another line reached the file with this one's: the point is kept, and the lines after it are
    // found from the end of all that.
    const PointRecord crowded{L"G", 19.0, 20.0, 21.0, L"g", 0};
    file += "X,0,0,0,x\r\n" + ToGbk(FormatRecordLine(crowded));
    WriteHostFile("d/j.rec", file);
    records.Append(crowded);
    const PointRecord last{L"H", 22.0, 23.0, 24.0, L"h", 0};
    WriteHostFile("d/j.rec", file + ToGbk(FormatRecordLine(last)));
    records.Append(last);

    const SurveyedPoints& list = records.surveyed;
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[1].name, L"\u70b9C");
    EXPECT_EQ(list[1].x, 7.1235);  // as its line holds it
    EXPECT_EQ(list[2].name, L"D");
    EXPECT_EQ(list[2].h, 12.0);
    EXPECT_EQ(list[3].name, L"E");
    EXPECT_EQ(list[3].code, L"e");
    EXPECT_EQ(list[4].name, L"F");
    EXPECT_EQ(list[4].h, 18.0);
    EXPECT_EQ(list[5].name, L"G");
    EXPECT_EQ(list[6].name, L"H");
    EXPECT_EQ(list[6].y, 23.0);
}

// At start the list begins before the record file is indexed: a point stored around the index
// joins it once, after the file's lines and in store order, whatever the index has got to.
TEST_F(SurveyRecordsTest, PointsStoredAroundTheStartUpIndexJoinOnceInStoreOrder) {
    enum When { kIndexNotStarted, kIndexRunning, kIndexReadNotTaken, kIndexTaken };
    struct File {
        const char* bytes;  // null: no record file yet
        std::vector<CString> names;
        size_t skipped;
    } files[] = {
        {"A,1,2,3,a\r\nB,4,x,6,b\r\nC,7,8,9,c\r\n", {L"A", L"C"}, 1},
        // The index ends at an empty line: a point stored after it is still listed.
        {"A,1,2,3,a\r\n\r\nC,7,8,9,c\r\n", {L"A"}, 0},
        {nullptr, {}, 0},
    };
    const PointRecord written{L"S", 10.0, 11.0, 12.0, L"s", 0};
    const PointRecord kept{L"T", 13.0, 14.0, 15.0, L"t", 0};  // its line did not reach the file
    const PointRecord later{L"U", 16.0, 17.0, 18.0, L"u", 0};
    const std::filesystem::path path = root_ / "d/j.rec";
    for (When when : {kIndexNotStarted, kIndexRunning, kIndexReadNotTaken, kIndexTaken}) {
        for (const File& file : files) {
            SCOPED_TRACE(testing::Message() << "when " << when << ", file " << &file - files);
            std::filesystem::remove_all(root_ / "d");
            std::filesystem::create_directories(root_ / "d");
            if (file.bytes) WriteHostFile("d/j.rec", file.bytes);
            CUiDriver ui;
            SurveyRecords records;
            CIndexWindow window(records);
            records.SetRecordFile(L"\\d\\j.rec");
            records.BeginLoad();
            const auto store = [&] {
                Store(records, path, written, true);
                Store(records, path, kept, false);
            };
            if (when == kIndexNotStarted) store();
            records.StartLoad(window.m_hWnd, CIndexWindow::kIndexed);
            if (when == kIndexRunning) store();
            ASSERT_TRUE(records.WaitForLoad(-1));
            if (when == kIndexReadNotTaken) store();
            ui.Pump();
            if (when == kIndexTaken) store();
            Store(records, path, later, true);

            std::vector<CString> names = file.names;
            names.insert(names.end(), {L"S", L"T", L"U"});
            EXPECT_EQ(Names(records.surveyed), names);
            EXPECT_EQ(records.surveyed.SkippedLines(), file.skipped);
            EXPECT_EQ(records.surveyed[names.size() - 3].y, 11.0);
            EXPECT_EQ(records.surveyed[names.size() - 2].h, 15.0);
            EXPECT_EQ(window.taken, file.bytes ? 1 : 0);
            window.DestroyWindow();
        }
    }
}

// A point file opened before the start-up index runs is read whole: the index left for the first
// file is not read over it.
TEST_F(SurveyRecordsTest, AListReadWholeBeforeTheStartUpIndexKeepsItsPoints) {
    WriteHostFile("d/j.rec", "A,1,2,3,a\r\nB,4,5,6,b\r\nC,7,8,9,c\r\nD,1,2,3,d\r\nE,4,5,6,e\r\n");
    WriteHostFile("d/k.rec", "K,1,1,1,k\r\n");
    CUiDriver ui;
    SurveyRecords records;
    CIndexWindow window(records);
    records.SetRecordFile(L"\\d\\j.rec");
    records.BeginLoad();
    records.SetRecordFile(L"\\d\\k.rec");
    records.Load();
    Store(records, root_ / "d/k.rec", {L"S", 10.0, 11.0, 12.0, L"s", 0}, true);
    records.StartLoad(window.m_hWnd, CIndexWindow::kIndexed);
    ASSERT_TRUE(records.WaitForLoad(-1));
    ui.Pump();
    EXPECT_EQ(Names(records.surveyed), (std::vector<CString>{L"K", L"S"}));
    EXPECT_EQ(window.taken, 0);
    window.DestroyWindow();
}

}  // namespace
