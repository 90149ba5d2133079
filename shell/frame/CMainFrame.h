#pragma once
// The main window and the owner of the program state. It is composed of parts that own their
// fields: the job (paths, settings, coordinate parameters, system record), the position
// converter, the receiver link, and the windows that listen for positions. The frame itself is
// the window: command bar, view layout, the two-second tick, the receiver's data, the commands.
// It hands no part out: the hosts (FrameHosts), the job commands and the main view are built from
// the parts they need, and reach the window through IFrameOperations, which it implements privately.
// The receiver screens reach it through ReceiverHostImpl, the coordinate library and its point
// dialogs through CoordLibraryHostImpl: hosts over its parts, handed to whoever opens them.
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "foundation/CoordLibraryHost.h"
#include "platform/ui/CommandBar.h"
#include "receiver/ReceiverHost.h"
#include "shell/commands/JobCommands.h"
#include "shell/frame/BaseWatch.h"
#include "shell/frame/DisplayPointFill.h"
#include "shell/frame/FrameConstants.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PendingNotices.h"
#include "shell/frame/PositionConverter.h"
#include "shell/frame/PositionListeners.h"
#include "shell/frame/StorePathSlot.h"
#include "shell/frame/Supervision.h"
#include "shell/frame/SurveyRecords.h"
#include "shell/hosts/CalibrationHostImpl.h"
#include "shell/hosts/CoordLibraryHostImpl.h"
#include "shell/hosts/FrameHosts.h"
#include "shell/hosts/ReceiverHostImpl.h"
#include "shell/link/ReceiverLink.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/PointStorePath.h"

class CFrmGraphView;
class CSurveyPointStore;

class CMainFrame : public CWnd,
                   private IFrameOperations,
                   private ISupervisedFrame,
                   private IReceiverLinkOwner {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Creates the window with its command bar and view; false when any part fails.
    BOOL CreateFrame();
    // Start-up once the window is made: the job's files and converters, the point store and the
    // receiver connection; the stored points are read after the first screen, off this thread. What
    // start-up met is told in one box over the first screen, and the title comes once it is answered.
    void StartUp();

protected:
    int OnCreate() override;
    void OnDestroy() override;
    void OnClose() override { ConfirmExit(); }
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Tests set up and read the parts through it.
    friend struct FrameProbe;

    static constexpr UINT_PTR IDT_FRAME_TICK = 999;
    static constexpr UINT kViewId = 59648;

    // Start-up up to its first screen, while the job's notices wait.
    void StartUpGathering();
    void LoadJobAtStartup();
    void OnMenuCommand(UINT id);
    void ApplyCoordParams();
    void ConvertPosition(CGpsState& state) { position_.Convert(state, job_.CoordParams()); }
    void RecalcViewLayout();
    // Command 57664: the About dialog.
    void OnAppAbout();
    // Command 32781: the connection dialog; the values it connected with are kept in the job file.
    void OnConnectInstrument();
    // The handler of WM_SERIAL_DATA.
    LRESULT OnReceiverData(WPARAM bytes, LPARAM count);
    void OnReceiverBytes(const uint8_t* bytes, size_t count) { receiver_.OnBytes(bytes, count); }
    LRESULT OnReceiverLost(WPARAM, LPARAM);
    LRESULT OnDisplayPointsRead(WPARAM number, LPARAM);
    // The record file's index and the coordinate view's, read ahead off this thread.
    void StartIndexes();
    LRESULT OnSurveyRecordsRead(WPARAM number, LPARAM);
    LRESULT OnRawFileChecked(WPARAM number, LPARAM);
    LRESULT OnTellNotices(WPARAM, LPARAM);
    // ---- IFrameOperations
    HWND DialogParent() const override { return GetSafeHwnd(); }
    void SetTitle(const CString& title) override;
    // Start-up and every job or point file that becomes current (and a change of the display rule)
    // refill the display list from the current point file, off the UI thread; the map redraws once
    // the points are in, and points stored meanwhile stay after them.
    void FillDisplayPoints() override;
    void CheckRawFile() override;
    void TellSkippedLines(const CString& path, size_t skipped) override;
    void TellLater(const CString& notice) override { notices_.Tell(notice); }
    void ConfirmExit() override;
    void CloseReceiver() override;
    void ReacquireAndSave() override;
    void ConnectInstrument() override { OnConnectInstrument(); }
    void ShowAbout() override { OnAppAbout(); }
    // ---- ISupervisedFrame
    // Resets the live state, shows `text` as its solution and tells the position window.
    void ResetAndNotify(const CString& text) override;
    // With the job's connection settings, as start-up does.
    BOOL ConnectJobReceiver() override;
    void RestartBoard() override { receiver_.RestartBoard(); }
    void PaintNow() override { UpdateWindow(); }
    // ---- IReceiverLinkOwner
    void ConvertFix(CGpsState& state) override { ConvertPosition(state); }
    void WatchBase(CGpsState& state) override { baseWatch_.Update(state); }
    void ForwardFix(CGpsState& state, ForwardedFix kind) override { listeners_.Forward(state, kind); }
    HWND PositionWindow() const override { return listeners_.PositionWindow(); }
    HWND FrameWindow() const override { return GetSafeHwnd(); }

    // The job's notices: told at once, or while start-up or a receiver line runs, after it.
    PendingNotices notices_;
    JobSession job_{mainframe::kSoftwareVersion, [this](const CString& notice) { notices_.Tell(notice); }};
    PositionConverter position_;
    PositionListeners listeners_;
    CoordLibraryHostImpl libraryHost_{job_, position_};
    ReceiverLink receiver_{job_, *this};
    ReceiverHostImpl receiverHost_{job_, receiver_, position_, listeners_, libraryHost_, *this};
    Supervision supervision_;
    BaseWatch baseWatch_{job_, position_, supervision_,
                         [this](const CString& notice) { notices_.Tell(notice); }};
    CCommandBar bar_;
    std::unique_ptr<CFrmGraphView> view_;
    SurveyRecords records_;
    DisplayPointFill displayFill_;
    bool indexesAfterFill_ = false;  // the start's indexes wait for the map's points
    AutoStoreState autoStore_;
    CalibrationMemory calibration_;
    StorePathSlot storePath_;
    struct RawFileChecked {
        CString path;
        size_t skipped = 0;
    };
    BackgroundRead<RawFileChecked> rawCheck_;
    // The data files whose unreadable lines were told in this run.
    std::set<std::wstring> toldSkipped_;
    FrameHosts hosts_{HostParts{.job = job_,
                                .position = position_,
                                .receiver = receiver_,
                                .listeners = listeners_,
                                .watch = supervision_,
                                .records = records_,
                                .displayFill = displayFill_,
                                .autoStore = autoStore_,
                                .calibration = calibration_,
                                .storePath = storePath_,
                                .services = receiverHost_,
                                .library = libraryHost_,
                                .window = *this}};
    JobCommands jobCommands_{job_, records_, supervision_, receiver_, storePath_, *this};
    // Built at start-up; the window is gone before they are.
    std::unique_ptr<SurveyHostImpl> storeHost_;
    std::unique_ptr<CSurveyPointStore> pointStore_;
};
