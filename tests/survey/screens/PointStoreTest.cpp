// The store path as the user meets it: the dialogs scripted on the virtual clock, the files in a
// fresh device root, a host double in place of the main frame.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "SurveyHostDouble.h"
#include "foundation/PointLines.h"
#include "foundation/StoreJournal.h"
#include "platform/files/FileOps.h"
#include "platform/files/FileSystemCalls.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "receiver/ReceiverMessages.h"
#include "resources/OffsetStoreDlg.h"
#include "resources/PointStoreDlg.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/platform/files/DeviceRootFixture.h"
#include "tests/platform/files/FullDisk.h"

namespace {

// Refuses every write to one file, as a full disk refuses the one file that needs a new block.
class NoRoomFor final : public FileSystemCalls {
public:
    explicit NoRoomFor(std::string name) : name_(std::move(name)) {}
    ssize_t Write(int fd, const void* data, size_t size) override {
        std::error_code unknown;
        if (std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), unknown).filename() ==
            name_) {
            errno = ENOSPC;
            return -1;
        }
        return FileSystemCalls::Write(fd, data, size);
    }

private:
    std::string name_;
};

constexpr const wchar_t* kHeaders =
    L"Rem Version      Quorin2.0 Ver: 2011.09.26\r\n"
    L"Rem BaseStation  0.00000000 0.00000000 0.000 0.000 0.000 0.000 0.000 0.000 0.000  \r\n";
// Columns 17-33 of a point stored from a fresh template.
constexpr const wchar_t* kAttributes = L"0,0.00,1,30,0.000,184,0.000,,,0.000,,,0.000,0.000,,,,";
constexpr const wchar_t* kDataFailed = L"数据文件写入失败,该点没有存储!";
// What an automatic store that fails says: its failure, and that automatic storing stopped.
CString Stopped(const wchar_t* failure) {
    return CString(failure) + L"\n自动存储已停止";
}

class PointStoreTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        std::filesystem::create_directories(root_ / "data");
        host.store.point.extraText = L"点7";
    }
    CString Text(const char* file) const { return FromGbk(ReadHostFile(file)); }
    // The store mode the next stores ask for.
    void Mode(int mode) { request = {.mode = mode}; }
    // Sends a fix to the dialog as the frame does for its store listener.
    static void Send(CDialog& dialog, CGpsState fix) {
        SendMessage(dialog.m_hWnd, WM_GPS_POSITION_STORE, reinterpret_cast<WPARAM>(&fix), 0);
    }
    static CString Title(CDialog& dialog) {
        CString title;
        dialog.GetWindowText(title);
        return title;
    }
    bool NoFiles() const {
        return !std::filesystem::exists(root_ / "data/a.blh") &&
               !std::filesystem::exists(root_ / "data/a.xyh") && !std::filesystem::exists(root_ / "a.lib");
    }

    CUiDriver ui;
    SurveyHostDouble host;
    CSurveyPointStore store{host, nullptr};
    StoreRequest request;
};

}  // namespace

TEST_F(PointStoreTest, APlainPointGoesToTheThreeFilesAfterItsNameIsSaved) {
    Mode(0);
    ui.OnModal(pointstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, pointstore::kName), L"点7");
        EXPECT_EQ(ui.GetText(d, pointstore::kCode), L"00000000");
        EXPECT_EQ(ui.GetText(d, pointstore::kX), L"1000.000");
        EXPECT_EQ(ui.GetText(d, pointstore::kStatus), L"解算状态:固定解状态");
        ui.SetText(d, pointstore::kAntHeight, L"1.5");
        ui.Click(d, pointstore::kSlant);
        ui.Click(d, IDOK);
    });
    const StoredPointResult result = store.StorePoint(TestFix(), request);
    ASSERT_EQ(result.number, 1);
    EXPECT_DOUBLE_EQ(result.point.h, 48.489);
    EXPECT_EQ(host.savedNames, std::vector<CString>{L"点7"});
    EXPECT_EQ(host.store.NextName(), L"点8");
    EXPECT_EQ(host.settings.szdRoverAntH, 1.511);
    EXPECT_EQ(host.settings.nAntHgtType, 1);
    const CString tail = CString(L"08:00:09,2026-12-07,");
    EXPECT_EQ(Text("data/a.blh"), CString(kHeaders) +
                                      L"点7,30.3000000000,114.1500000000,30.000,00000000,1.511,10,0.010,"
                                      L"0.020,09,1.80," +
                                      tail + L"3,0," + kAttributes + L"0,,,\r\n");
    EXPECT_EQ(Text("data/a.xyh"), L"点7,1000.000,2000.000,48.489,00000000,1.511,10,0.010,0.020,09,1.80," +
                                      tail + L"1,3,0," + kAttributes + L"0,,,\r\n");
    EXPECT_EQ(Text("a.lib"), L"4,点7,1000.000,2000.000,48.489,00000000\r\n");
    EXPECT_EQ(Text("data/a.rec"), L"点7,1000.0000,2000.0000,48.4890,00000000\r\n");
    // The journal holds the store until a run of stores is synced.
    const std::optional<JournalContents> journal = ReadStoreJournal(L"\\a.qzj");
    ASSERT_TRUE(journal && journal->records.size() == 1);
    EXPECT_EQ(journal->records[0].pointName, L"点7");
}

// Key A's store proposes the job's last code and keeps the one stored; the proposed name and code
// of another store (a staked point) are offered instead, and the last code stays.
TEST_F(PointStoreTest, TheRequestProposesNameAndCodeAndKeyAKeepsTheLastCode) {
    host.settings.connection.szLastPtCode = L"房角";
    const struct {
        StoreRequest request;
        const wchar_t* typedCode;  // nullptr: the offered code is stored
        const wchar_t* offeredName;
        const wchar_t* offeredCode;
        const wchar_t* lastCode;
        int settingsWrites;
    } cases[] = {
        {{.keepsLastCode = true}, L"电杆", L"点7", L"房角", L"电杆", 1},
        {{.keepsLastCode = true}, nullptr, L"点8", L"电杆", L"电杆", 0},
        {{.name = L"K5", .code = L"桩"}, nullptr, L"K5", L"桩", L"电杆", 0},
        {{}, nullptr, L"K6", L"00000000", L"电杆", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offeredName);
        ui.OnModal(pointstore::IDD, [&](CDialog& d) {
            EXPECT_EQ(ui.GetText(d, pointstore::kName), c.offeredName);
            EXPECT_EQ(ui.GetText(d, pointstore::kCode), c.offeredCode);
            if (c.typedCode) ui.SetText(d, pointstore::kCode, c.typedCode);
            ui.Click(d, IDOK);
        });
        const int writes = host.settingsSaved;
        ASSERT_EQ(store.StorePoint(TestFix(), c.request).number, 1);
        EXPECT_EQ(host.settings.connection.szLastPtCode, c.lastCode);
        EXPECT_EQ(host.settingsSaved - writes, c.settingsWrites);
    }
}

TEST_F(PointStoreTest, RefusalsChangeNoFile) {
    Mode(0);
    CGpsState noData = TestFix();
    noData.fixFlag = 0;
    ui.ExpectMessageBox(L"当前没有接收到数据,不能存储数据");
    EXPECT_EQ(store.StorePoint(noData, request).number, 0);

    ui.OnModal(pointstore::IDD, [&](CDialog& d) {
        ui.SetText(d, pointstore::kName, L"A,1");
        ui.ExpectMessageBox(L"点名和属性中不能有逗号,请重新输入!");
        ui.Click(d, IDOK);
        ui.SetText(d, pointstore::kName, L"");
        ui.ExpectMessageBox(L"中点点名为空,请输入点名后再存储");
        ui.Click(d, IDOK);
        ui.SetText(d, pointstore::kName, L"A");
        ui.SetText(d, pointstore::kCode, L"房,角");
        ui.ExpectMessageBox(L"点名和属性中不能有逗号,请重新输入!");
        ui.Click(d, IDOK);
        ui.SetText(d, pointstore::kCode, L"房角");
        ui.SetText(d, pointstore::kAntHeight, L"-1");
        ui.ExpectMessageBox(L"天线高不能小于0!");
        ui.Click(d, IDOK);
        ui.SetText(d, pointstore::kAntHeight, L"0.05");
        ui.Click(d, pointstore::kSlant);
        ui.ExpectMessageBox(L"斜高不能小于天线半径!");
        ui.Click(d, IDOK);
        ui.SetText(d, pointstore::kAntHeight, L"abc");
        ui.ExpectMessageBox(kRefuseNumber);
        ui.Click(d, IDOK);
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(store.StorePoint(TestFix(), request).number, 0);
    EXPECT_TRUE(NoFiles());
    EXPECT_TRUE(host.savedNames.empty());
    EXPECT_EQ(host.store.NextName(), L"点7");
}

TEST_F(PointStoreTest, OffsetPointReplacesTheFixAndCancelStoresNothing) {
    Mode(1);
    ui.OnModal(offsetstore::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    EXPECT_EQ(store.StorePoint(TestFix(), request).number, 0);
    EXPECT_TRUE(NoFiles());

    ui.OnModal(offsetstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, offsetstore::kY), L"2000.000");
        ui.SetText(d, offsetstore::kAngle, L"90.0000");
        ui.SetText(d, offsetstore::kDistance, L"10");
        ui.SetText(d, offsetstore::kHeightDiff, L"-1.5");
        ui.Click(d, IDOK);
    });
    ui.OnModal(pointstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, pointstore::kX), L"1000.000");
        EXPECT_EQ(ui.GetText(d, pointstore::kY), L"2010.000");
        EXPECT_EQ(ui.GetText(d, pointstore::kH), L"48.500");
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(store.StorePoint(TestFix(), request).number, 1);
    EXPECT_EQ(Text("a.lib"), L"4,点7,1000.000,2010.000,48.500,00000000\r\n");
    EXPECT_NE(Text("data/a.blh").Find(L",,,,1,10.000,-1.500,90.00000000,,,\r\n"), -1);
}

// One fix's precision reads the same in both dialogs of an offset store.
TEST_F(PointStoreTest, TheOffsetAndStoreDialogsShowTheSamePrecision) {
    Mode(1);
    CGpsState fix = TestFix();
    fix.rmsH = 0.0125;
    fix.rmsV = 0.0216;
    ui.OnModal(offsetstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, offsetstore::kRmsH), L"0.013");
        EXPECT_EQ(ui.GetText(d, offsetstore::kRmsV), L"0.022");
        ui.Click(d, IDOK);
    });
    ui.OnModal(pointstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, pointstore::kRmsH), L"0.013");
        EXPECT_EQ(ui.GetText(d, pointstore::kRmsV), L"0.022");
        ui.Click(d, IDCANCEL);
    });
    EXPECT_EQ(store.StorePoint(fix, request).number, 0);
}

TEST_F(PointStoreTest, SmoothingAveragesFiveEpochsOnePerSecond) {
    Mode(2);
    ui.OnModal(pointstore::IDD, [&](CDialog& d) {
        EXPECT_EQ(host.listener, d.m_hWnd);
        EXPECT_EQ(ui.GetText(d, pointstore::kX), L"");
        Send(d, TestFix(1000.0, 0.2));  // above the RMSH limit: rejected
        ui.Advance(1000);
        for (int i = 1; i <= 5; ++i) {
            Send(d, TestFix(900.0));
            Send(d, TestFix(1000.0 + i));  // the later of two fixes in a second counts
            ui.Advance(1000);
        }
        EXPECT_EQ(Title(d), L"正在平滑处理(5)...");
        EXPECT_EQ(ui.GetText(d, pointstore::kProgress), L"5/5");
        EXPECT_EQ(ui.GetText(d, pointstore::kX), L"1003.000");
        ui.Click(d, IDOK);  // still running: nothing happens
        Send(d, TestFix(2000.0));
        ui.Advance(1000);
        EXPECT_EQ(Title(d), L"平滑处理完成");
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(store.StorePoint(TestFix(), request).number, 1);
    EXPECT_EQ(host.listener, HWND());
    const std::vector<CString> raw = CutPointFileLines(Text("data/a.blh"));
    ASSERT_EQ(raw.size(), 7u);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(raw[static_cast<size_t>(i) + 1].Right(10), Format(L"2,5,5,%d,,,", i));
    EXPECT_EQ(Text("data/a.xyh").Left(33), L"点7,1003.000,2000.000,50.000,00000");
    EXPECT_EQ(LineField(Text("data/a.xyh"), 13), L"5");
}

TEST_F(PointStoreTest, StopAfterNoneOneOrFiveEpochs) {
    host.settings.nSmoothSecond = 8;
    for (int accepted : {0, 1, 5}) {
        Mode(2);
        ui.OnModal(pointstore::IDD, [&](CDialog& d) {
            for (int i = 0; i < accepted; ++i) {
                Send(d, TestFix(1000.0 + i));
                ui.Advance(1000);
            }
            ui.Click(d, pointstore::kStop);
            if (accepted == 0) {
                EXPECT_EQ(Title(d), L"没有合格数据,不能平滑存储");
                EXPECT_EQ(ui.GetText(d, pointstore::kProgress), L"NO");
                ui.ExpectMessageBox(L"没有合格数据,不能平滑存储");
                ui.Click(d, IDOK);
                ui.Click(d, IDCANCEL);
            } else {
                EXPECT_EQ(Title(d), L"平滑处理完成");
                ui.Click(d, IDOK);
            }
        });
        EXPECT_EQ(store.StorePoint(TestFix(), request).number, accepted == 0 ? 0 : 1) << accepted;
        EXPECT_EQ(host.listener, HWND());
    }
    const std::vector<CString> points = CutPointFileLines(Text("data/a.xyh"));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(LineField(points[0], 13), L"1");
    EXPECT_EQ(LineField(points[1], 13), L"5");
    EXPECT_EQ(LineField(points[1], 0), L"点8");
}

// Bytes after the last line end that are no line of the file are cut into its ".bad" copy and told
// once; a whole line without its line end is kept and given it before the point's line. The store went
// through: automatic storing goes on, and the notice waits for the frame's box rather than holding the
// fixes back in one of its own.
TEST_F(PointStoreTest, ATornLastLineIsCutAsideAWholeOneKeptAndAnEmptyRawFileGetsItsHeaders) {
    WriteHostFile("data/a.xyh", "A,1\r\nB,2,tor");
    WriteHostFile("data/a.blh", "");
    WriteHostFile("a.lib", "1,A,1,2,3,c\r\n2,B");
    Mode(3);
    host.SetAutoStoring(true);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    EXPECT_EQ(host.toldLater, std::vector<CString>{
                                  L"a.lib末尾的损坏内容已移到a.lib.bad\na.xyh末尾的损坏内容已移到a.xyh.bad"});
    EXPECT_TRUE(host.autoStore.running);
    EXPECT_EQ(Text("data/a.xyh").Left(8), L"A,1\r\n点7,");
    EXPECT_EQ(Text("data/a.blh").Left(43), CString(kHeaders).Left(43));
    EXPECT_EQ(Text("a.lib"), L"1,A,1,2,3,c\r\n4,点7,1000.000,2000.000,50.000,\r\n");
    EXPECT_EQ(ReadHostFile("data/a.xyh.bad"), "B,2,tor");
    EXPECT_EQ(ReadHostFile("a.lib.bad"), "2,B");

    // Lines typed on a PC, the last without its line end: kept.
    WriteHostFile("a.lib", "1,K1,1,2,3,c");
    const std::string points = ReadHostFile("data/a.xyh") + "K2,1,2,3";
    WriteHostFile("data/a.xyh", points);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    EXPECT_EQ(ReadHostFile("data/a.xyh").substr(0, points.size() + 2), points + "\r\n");
    EXPECT_EQ(Text("a.lib").Left(16), L"1,K1,1,2,3,c\r\n4,");
}

TEST_F(PointStoreTest, AFullDiskMidLineLeavesEveryFileAsItWasAndStopsAutomaticStoring) {
    Mode(3);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    const std::string raw = ReadHostFile("data/a.blh"), points = ReadHostFile("data/a.xyh"),
                      library = ReadHostFile("a.lib");
    host.SetAutoStoring(true);
    // The raw line fits; the disk fills in the middle of the point line.
    for (size_t budget : {size_t{0}, size_t{40}, raw.size() - 60}) {
        FullDisk disk(budget);
        ScopedFileSystemCalls calls(disk);
        ui.ExpectMessageBox(Stopped(kDataFailed).c_str());
        EXPECT_EQ(store.StoreQuickPoint(TestFix(), request).number, 0);
        EXPECT_EQ(ReadHostFile("data/a.blh"), raw) << budget;
        EXPECT_EQ(ReadHostFile("data/a.xyh"), points) << budget;
        EXPECT_EQ(ReadHostFile("a.lib"), library) << budget;
    }
    EXPECT_EQ(host.autoStore.running, 0);
    EXPECT_EQ(host.store.NextName(), L"点8");

    // A name that cannot be saved stores nothing either.
    host.nameSaves = false;
    ui.ExpectMessageBox(Stopped(kDataFailed).c_str());
    EXPECT_EQ(store.StoreQuickPoint(TestFix(), request).number, 0);
    EXPECT_EQ(ReadHostFile("data/a.xyh"), points);
}

TEST_F(PointStoreTest, AFullDiskAtAnyByteStoresThePointInEveryDataFileOrInNone) {
    // A library that cannot be written tells its box on every store, so each store shows one box.
    std::filesystem::create_directories(root_ / "a.lib");
    Mode(3);
    ui.ExpectMessageBox(Stopped(L"坐标库文件写入失败!").c_str());
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    const std::string raw = ReadHostFile("data/a.blh"), points = ReadHostFile("data/a.xyh"),
                      records = ReadHostFile("data/a.rec"), journal = ReadHostFile("a.qzj");
    // The disk fills at every 29th byte of the journal and the raw, point and record lines.
    for (size_t budget = 0;; budget += 29) {
        ASSERT_LT(budget, 20000u);
        FullDisk disk(budget);
        ScopedFileSystemCalls calls(disk);
        ui.AnswerMessageBox(IDOK);
        const bool stored = store.StoreQuickPoint(TestFix(), request).number == 1;
        if (stored) {
            EXPECT_EQ(CutPointFileLines(Text("data/a.rec")).size(), 2u) << budget;
            EXPECT_EQ(CutPointFileLines(Text("data/a.xyh")).size(), 2u) << budget;
            EXPECT_EQ(ReadStoreJournal(L"\\a.qzj")->records.size(), 2u) << budget;
            break;
        }
        EXPECT_EQ(ReadHostFile("a.qzj"), journal) << budget;
        EXPECT_EQ(ReadHostFile("data/a.blh"), raw) << budget;
        EXPECT_EQ(ReadHostFile("data/a.xyh"), points) << budget;
        EXPECT_EQ(ReadHostFile("data/a.rec"), records) << budget;
    }
}

TEST_F(PointStoreTest, ALibraryThatCannotBeWrittenKeepsThePoint) {
    std::filesystem::create_directories(root_ / "a.lib");
    Mode(3);
    ui.ExpectMessageBox(Stopped(L"坐标库文件写入失败!").c_str());
    EXPECT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    EXPECT_EQ(CutPointFileLines(Text("data/a.xyh")).size(), 1u);
    EXPECT_EQ(host.store.NextName(), L"点8");
}

// The library needs a new block and the disk has none: the point is stored in the raw, point and
// record files, and the journal keeps its library line. Automatic storing stops, told once. The
// next store finishes the library first, or, while there is still no room, names the point the
// library lacks and stores nothing.
TEST_F(PointStoreTest, ALibraryLineWithoutRoomStaysInTheJournalUntilAStoreHasRoom) {
    host.store.point.extraText = L"P7";
    Mode(3);
    host.SetAutoStoring(true);
    {
        NoRoomFor disk("a.lib");
        ScopedFileSystemCalls calls(disk);
        ui.ExpectMessageBox(Stopped(L"坐标库文件写入失败!").c_str());
        EXPECT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
        EXPECT_EQ(host.autoStore.running, 0);
        EXPECT_TRUE(FileExists(L"\\a.qzj"));
        EXPECT_FALSE(FileExists(L"\\a.lib"));

        ui.ExpectMessageBox(Stopped(L"点P7在a.lib中未能补全,请检查存储空间!").c_str());
        EXPECT_EQ(store.StoreQuickPoint(TestFix(), request).number, 0);
        EXPECT_EQ(host.store.NextName(), L"P8");
    }
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    EXPECT_EQ(FinishInterruptedStore(L"\\a.qzj").status, JournalRepair::kNone);
    const std::vector<CString> names{L"P7", L"P8"};
    for (const char* file : {"data/a.blh", "data/a.xyh", "data/a.rec", "a.lib"}) {
        std::vector<CString> held;
        for (const CString& line : CutPointFileLines(Text(file)))
            if (line.Left(4) != L"Rem ")
                held.push_back(LineField(line, std::string(file) == "a.lib" ? 1 : 0));
        EXPECT_EQ(held, names) << file;
    }
}

TEST_F(PointStoreTest, AReadOnlyFolderLeavesEveryFileAsItWas) {
    Mode(3);
    ASSERT_EQ(store.StoreQuickPoint(TestFix(), request).number, 1);
    // The job was left, as the exit leaves it: no store waits in the journal.
    ASSERT_EQ(CloseStoreJournal(L"\\a.qzj"), std::nullopt);
    const std::string raw = ReadHostFile("data/a.blh"), points = ReadHostFile("data/a.xyh");
    namespace fs = std::filesystem;
    for (const char* file : {"data/a.blh", "data/a.xyh", "a.lib"})
        fs::permissions(root_ / file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(root_ / "data", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
    fs::permissions(root_, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    // Permissions do not bind the superuser: the store runs in a child as nobody.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        ui.ExpectMessageBox(Stopped(kDataFailed).c_str());
        const int number = store.StoreQuickPoint(TestFix(), request).number;
        const std::vector<CString> texts = ui.MessageBoxTexts();
        _exit(number == 0 && texts.size() == 1 && texts[0] == Stopped(kDataFailed) ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadHostFile("data/a.blh"), raw);
    EXPECT_EQ(ReadHostFile("data/a.xyh"), points);
    fs::permissions(root_ / "data", fs::perms::owner_all);
}
