// A start on a device root whose job folder, point file and system file are links to a folder
// outside it: the program refuses each link and names it by its device path, stores and shuts down,
// and the folder outside is afterwards exactly as it was.
#include <filesystem>
#include <map>
#include <string>

#include "platform/messages/MessageBoxScript.h"
#include "platform/serial/SerialPortMap.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/CQuorinApp.h"
#include "tests/platform/files/FolderSnapshot.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/ShellStoreDouble.h"
#include "tests/shell/ShellTestSupport.h"

namespace fs = std::filesystem;

namespace {

class LinkedRootStart : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSerialDevicePath(3, (root_ / "no-receiver").string());
        outside_ = root_.string() + "-outside";
        fs::remove_all(outside_);
        fs::create_directories(outside_ / "road/data");
        std::ofstream(outside_ / "road/road.qzs") << "\r\n[DataSave Par]\r\nnShowSurveyPoint=-1\r\n";
        std::ofstream(outside_ / "road/data/road.xyh") << "P1,10,10,1,c\r\nP2,20,20,2,c";
        std::ofstream(outside_ / "road/road.qzs.tmp999999-1") << "not the program's";
        std::ofstream(outside_ / "qzsys.sys") << kRoadSystemFile;
    }
    void TearDown() override {
        SetSerialDevicePath(3, "");
        fs::remove_all(outside_);
        ShellTest::TearDown();
    }
    fs::path outside_;
};

}  // namespace

TEST_F(LinkedRootStart, LinksOutOfTheRootAreNamedAndNothingOutsideChanges) {
    const struct {
        const char* what;
        const char* link;
        const char* target;
    } cases[] = {
        {"the job folder", "Program Files/Jobs/road", "road"},
        {"the system file", "Program Files/qzsys.sys", "qzsys.sys"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CMessageBoxScript boxes;  // the job's refusal and the link's naming, each answered OK
        fs::remove_all(root_ / "Program Files");
        fs::create_directories(root_ / "Program Files/Jobs");
        if (std::string(c.target) != "qzsys.sys")
            fs::copy_file(outside_ / "qzsys.sys", root_ / "Program Files/qzsys.sys");
        fs::create_symlink(outside_ / c.target, root_ / c.link);
        const auto before = FolderSnapshot(outside_);
        for (int restart = 0; restart < 2; ++restart) {
            CQuorinApp app;
            ASSERT_TRUE(app.InitInstance());
            CMainFrame& frame = *app.MainFrame();
            RecordingStore store;
            FrameProbe::SetStorePath(frame, &store);
            ui_.Advance(CSplashWnd::kShowMs + mainframe::kTickMs);
            FrameProbe::SetStorePath(frame, nullptr);
            frame.DestroyWindow();
            ui_.Pump();
        }
        // By its device path, once in the process's run, never by the host's path.
        CString devicePath = L"\\" + FromUtf8(c.link);
        devicePath.Replace(L'/', L'\\');
        int named = 0;
        for (const CString& text : boxes.Texts()) {
            named += text == Format(L"链接 %s 指向设备目录之外,已拒绝使用!", devicePath.c_str()) ? 1 : 0;
            EXPECT_LT(text.Find(FromUtf8(root_.string())), 0) << ToUtf8(text);
        }
        EXPECT_EQ(named, 1);
        EXPECT_EQ(FolderSnapshot(outside_), before);
    }
}
