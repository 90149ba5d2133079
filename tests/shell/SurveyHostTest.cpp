// The survey store path installed on the frame: key A stores into the job's files, the name goes to
// the system file first, and the job file is written only through the frame's guarded writer.
#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "receiver/ReceiverProtocol.h"
#include "resources/MainViewForm.h"
#include "resources/PointStoreDlg.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/platform/files/RecordingCalls.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/JobStoreSupport.h"

namespace {

class SurveyHostTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        job_.Install(root_);
        FrameProbe::Listeners(frame).ListenForPositions(FrameProbe::View(frame)->m_hWnd);
    }
    void TearDown() override {
        job_.Close();
        FrameTest::TearDown();
    }
    void StoreWithKeyA() {
        CGpsState fix;
        fix.fixFlag = 1;
        fix.solutionCode = 10;
        fix.gridX = 100.0;
        fix.gridY = 200.0;
        fix.latitude = 30.0;
        fix.longitude = 120.0;
        FrameProbe::View(frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
        ui_.OnModal(pointstore::IDD, [&](CDialog& d) {
            ui_.SetText(d, pointstore::kCode, L"井");
            ui_.Click(d, IDOK);
        });
        FrameProbe::View(frame)->SetFocus();
        ui_.PressKey('A');
    }

    FrameJobStore job_{frame};
    SurveyHostImpl& host = job_.host;
};

}  // namespace

TEST_F(SurveyHostTest, KeyAStoresIntoTheJobFilesAndKeepsTheNameForTheExit) {
    StoreWithKeyA();
    EXPECT_EQ(FromGbk(ReadHostFile("job/data/j.xyh")).Left(32), L"K2,100.000,200.000,0.000,井,0.000");
    EXPECT_EQ(FromGbk(ReadHostFile("job/j.lib")), L"4,K2,100.000,200.000,0.000,井\r\n");
    EXPECT_EQ(ReadHostFile("job/data/j.blh").substr(0, 11), "Rem Version");
    EXPECT_EQ(FrameProbe::Job(frame).PointStore().NextName(), L"K3");
    EXPECT_EQ(FromGbk(ReadHostFile("job/data/j.rec")), L"K2,100.0000,200.0000,0.0000,井\r\n");
    // The last code goes to the job file.
    EXPECT_NE(FromGbk(ReadHostFile("job/j.qzs")).Find(L"井"), -1);
    // The system record's last name is written with the record, at the exit.
    EXPECT_EQ(FrameProbe::Job(frame).SystemRecord().szLastSaveName, L"K2");
    EXPECT_FALSE(FileExists(L"\\Program Files\\qzsys.sys"));
}

// Start-up found the job file "j" unusable and could keep no copy of it: it ran on the default job and
// holds both that file and the system file naming it.
TEST_F(SurveyHostTest, FilesThatStartUpFoundUnusableAreNeverWritten) {
    JobSession& job = FrameProbe::Job(frame);
    ChangeSystemRecord(job, [](LastFilesRecord& r) {
        r.szIniFile = L"\\job\\j.qzs";
        r.szDataFile = L"j.xyh";
    });
    const std::string unusable = "garbage";
    WriteHostFile("job/j.qzs", unusable);
    ui_.ExpectMessageBox(L"读取qzs文件错误,请检查错误!");
    ui_.ExpectMessageBox(L"当前打开的工程为\\Program Files\\Jobs\\vorna\\vorna.qzs");
    {
        RecordingCalls noCopy;
        noCopy.failingName = ".bad";
        const ScopedFileSystemCalls calls(noCopy);
        job.LoadAtStartup();
    }
    ASSERT_EQ(job.Paths().jobFileName, L"vorna.qzs");
    const std::string system = ReadHostFile("Program Files/qzsys.sys");
    job_.Install(root_);
    StoreWithKeyA();
    EXPECT_EQ(ReadHostFile("job/j.qzs"), unusable);
    EXPECT_EQ(ReadHostFile("Program Files/qzsys.sys"), system);
    EXPECT_EQ(CutPointFileLines(FromGbk(ReadHostFile("job/data/j.xyh"))).size(), 1u);
}

TEST_F(SurveyHostTest, TheStoreListenerIsGivenBack) {
    CListenerWindow previous, dialog;
    FrameProbe::Listeners(frame).ListenForStores(previous.hwnd);
    host.ListenForStore(dialog.hwnd);
    EXPECT_EQ(FrameProbe::Listeners(frame).StoreWindow(), dialog.hwnd);
    host.StopListeningForStore(dialog.hwnd);
    EXPECT_EQ(FrameProbe::Listeners(frame).StoreWindow(), previous.hwnd);
    EXPECT_EQ(FrameProbe::Listeners(frame).StoreOn(), 1);
}

// While every position line is refused, the last position grows stale: the view says so in its
// solution line and key A stores nothing; the next accepted fix is stored again.
TEST_F(SurveyHostTest, AStalePositionIsShownAndNeverStored) {
    ChangeSystemRecord(FrameProbe::Job(frame), [](LastFilesRecord& r) { r.nGPSOEMType = kBoardOemD; });
    for (int i = 0; i < 3; ++i) {
        Feed(sim::GgaSentence(Epoch()));
        ui_.Advance(200);  // five fixes a second
    }
    EXPECT_EQ(FrameProbe::View(frame)->Texts().solution, CString(L"固定解"));
    std::string refused = sim::GgaSentence(Epoch());
    refused.replace(refused.find(",3014."), 6, ",nan.");  // the check is made over the damage
    refused = sim::NmeaSentence(refused.substr(1, refused.find('*') - 1));
    for (int i = 0; i < 4; ++i) {
        Feed(refused);
        ui_.Advance(100);
    }
    EXPECT_EQ(FrameProbe::View(frame)->Texts().solution, CString(L"固定解"));  // 0.4 s old: within 2 s
    for (int i = 0; i < 20; ++i) {
        Feed(refused);
        ui_.Advance(100);
    }
    EXPECT_EQ(FrameProbe::View(frame)->Texts().solution, CString(ViewStatusTexts::kStaleText));
    ui_.ExpectMessageBox(L"当前没有接收到数据,不能存储数据");
    FrameProbe::View(frame)->SetFocus();
    ui_.PressKey('A');
    EXPECT_FALSE(FileExists(L"\\job\\data\\j.xyh"));

    sim::Epoch next = Epoch();
    next.second = 3;  // the receiver's own time has moved on with the clock
    Feed(sim::GgaSentence(next));
    EXPECT_EQ(FrameProbe::View(frame)->Texts().solution, CString(L"固定解"));
    ui_.OnModal(pointstore::IDD, [&](CDialog& d) { ui_.Click(d, IDOK); });
    FrameProbe::View(frame)->SetFocus();
    ui_.PressKey('A');
    EXPECT_EQ(CutPointFileLines(FromGbk(ReadHostFile("job/data/j.xyh"))).size(), 1u);
}
