// What a store costs the disk, counted through the file layer's calls: the journal's sync comes
// first, so the point is safe at once; the files are synced once for a run of stores, and no
// settings file is replaced, by key A or by automatic storing at 20 Hz.
#include <algorithm>

#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "resources/PointStoreDlg.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "shell/view/CFrmGraphView.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/platform/files/RecordingCalls.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

namespace {

constexpr int kStores = 64;
constexpr const char* kPointFile = "Program Files/Jobs/vorna/data/vorna.xyh";

class StoreSyncsTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        JobSession& job = FrameProbe::Job(frame);
        job.LoadAtStartup();
        job.StartPointNames();
        FrameProbe::SetStorePath(frame, &store_);
        FrameProbe::Listeners(frame).ListenForPositions(FrameProbe::View(frame)->m_hWnd);
        ui_.Pump();
    }
    // The exit writes into the device root: before it goes.
    void TearDown() override {
        FrameProbe::SetStorePath(frame, nullptr);
        frame.DestroyWindow();
        FrameTest::TearDown();
    }
    void UseSaveType(int saveType) {
        JobSession& job = FrameProbe::Job(frame);
        GeneralSettingsBlock settings = job.Settings();
        settings.nSaveType = saveType;
        settings.nAsMode = 1;
        settings.szdAutoSaveDis = 0.001;
        // Key A keeps the code it stores: one the job already keeps writes no settings.
        settings.connection.szLastPtCode = L"00000000";
        ASSERT_TRUE(job.StoreSettings(settings));
    }
    // A fix 1 m on from the last, 50 ms after it.
    void SendFix() {
        CGpsState fix;
        fix.fixFlag = 1;
        fix.solutionCode = 10;
        fix.latitude = 30.5;
        fix.longitude = 114.25;
        fix.gridX = 100.0 + sent_++;
        ui_.Advance(50);
        FrameProbe::View(frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
    }
    size_t Stored() const { return CutPointFileLines(FromGbk(ReadHostFile(kPointFile))).size(); }

    SurveyHostImpl host_{FrameProbe::Hosts(frame).Survey()};
    CSurveyPointStore store_{host_, &frame};
    int sent_ = 0;
};

struct Costs {
    size_t fsyncs = 0, renames = 0;
    bool journalFirst = true;  // each store's first sync was the journal's
};

}  // namespace

TEST_F(StoreSyncsTest, AStoreSyncsItsJournalFirstAndARunOfStoresCostsUnderThreeSyncsAStoreAndNoRename) {
    const struct {
        const char* name;
        int saveType;
        bool keyA;
    } cases[] = {{"automatic storing at 20 Hz", kStoreAutomatic, false}, {"key A", kStorePlain, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(UseSaveType(c.saveType));
        host_.SetAutoStoring(!c.keyA);
        const size_t before = Stored();
        Costs costs;
        RecordingCalls calls;
        {
            const ScopedFileSystemCalls counted(calls);
            for (int i = 0; i < kStores; ++i) {
                calls.log.clear();
                SendFix();
                if (c.keyA) {
                    ui_.OnModal(pointstore::IDD, [&](CDialog& d) { ui_.Click(d, IDOK); });
                    FrameProbe::View(frame)->SetFocus();
                    ui_.PressKey('A');
                }
                ASSERT_EQ(Stored(), before + i + 1);
                const auto fsync = [](const std::string& call) { return call.rfind("fsync ", 0) == 0; };
                const auto first = std::find_if(calls.log.begin(), calls.log.end(), fsync);
                costs.journalFirst =
                    costs.journalFirst && first != calls.log.end() && *first == "fsync vorna.qzj";
                costs.fsyncs += static_cast<size_t>(std::count_if(calls.log.begin(), calls.log.end(), fsync));
                costs.renames += static_cast<size_t>(
                    std::count_if(calls.log.begin(), calls.log.end(),
                                  [](const std::string& call) { return call.rfind("rename ", 0) == 0; }));
            }
        }
        host_.SetAutoStoring(false);
        std::cout << c.name << ": " << costs.fsyncs << " syncs and " << costs.renames << " renames for "
                  << kStores << " stores\n";
        EXPECT_TRUE(costs.journalFirst);
        EXPECT_LE(costs.fsyncs, 3u * kStores);
        EXPECT_EQ(costs.renames, 0u);
    }
}

// The stores the journal held are whole in the point file, synced, once the job is left.
TEST_F(StoreSyncsTest, TheExitSyncsTheStoresAndTheJournalGoes) {
    ASSERT_NO_FATAL_FAILURE(UseSaveType(kStoreAutomatic));
    host_.SetAutoStoring(true);
    for (int i = 0; i < 5; ++i) SendFix();
    ASSERT_EQ(Stored(), 5u);
    ASSERT_TRUE(FileExists(L"\\Program Files\\Jobs\\vorna\\vorna.qzj"));
    RecordingCalls calls;
    {
        const ScopedFileSystemCalls counted(calls);
        frame.DestroyWindow();
    }
    EXPECT_NE(std::find(calls.log.begin(), calls.log.end(), "fsync vorna.xyh"), calls.log.end());
    EXPECT_FALSE(FileExists(L"\\Program Files\\Jobs\\vorna\\vorna.qzj"));
    EXPECT_EQ(Stored(), 5u);
}
