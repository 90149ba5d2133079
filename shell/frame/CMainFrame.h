#pragma once
// The main window and the owner of the program state. It is composed of parts that own their
// fields: the job (paths, settings, coordinate parameters, system record), the position
// converter, the receiver link, and the windows that listen for positions. The frame itself is
// the window: command bar, view layout, the two-second tick, the receiver's data, the commands.
// The receiver screens reach it through IFrameServices, the common controls through IFoundationFrame;
// the coordinate-system dialogs and the feature screens through hosts the shell implements over it
// (GeodesyHostImpl and the feature hosts).
#include <memory>
#include <string_view>

#include "foundation/FrameServices.h"
#include "platform/ui/CommandBar.h"
#include "receiver/IFrameServices.h"
#include "shell/commands/JobCommands.h"
#include "shell/frame/DisplayPointFill.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"
#include "shell/frame/PositionListeners.h"
#include "shell/frame/ReceiverLink.h"
#include "shell/frame/StorePathSlot.h"
#include "shell/frame/Supervision.h"
#include "shell/frame/SurveyRecords.h"
#include "shell/hosts/CalibrationHostImpl.h"
#include "shell/hosts/FrameHosts.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/PointStorePath.h"

class CFrmGraphView;
class CSurveyPointStore;

class CMainFrame : public CWnd,
                   public IFrameServices,
                   public IFoundationFrame,
                   private IFrameOperations,
                   private ISupervisedFrame,
                   private IReceiverLinkOwner {
public:
    static constexpr const wchar_t* kSoftwareVersion = L"2011.09.26";
    static constexpr UINT_PTR IDT_FRAME_TICK = 999;
    static constexpr UINT kTickMs = 2000;
    static constexpr UINT kViewId = 59648;
    // Lays the view out below the command bar.
    static constexpr UINT WM_RELAYOUT = 1074;
    static constexpr const wchar_t* kInstanceProperty = L"Quorin";
    // Closes as "Yes" to the exit question does, without asking (Ctrl-C and SIGTERM). WM_CLOSE,
    // from the command bar's close box or the window manager, asks first.
    static constexpr UINT WM_EXIT_NOW = 1075;
    // The display-point fill has read its points (wParam: the fill's number).
    static constexpr UINT WM_DISPLAY_POINTS_READ = 1076;
    // The record file's load at start-up has read its lines (wParam: the load's number).
    static constexpr UINT WM_SURVEY_RECORDS_READ = 1077;

    CMainFrame();
    ~CMainFrame() override;

    // Creates the window with its command bar and view; false when any part fails.
    BOOL CreateFrame();
    // Start-up once the window is made: the job's files and converters, the point store, the title
    // and the receiver connection; the stored points are read after the first screen, off this thread.
    void StartUp();

    JobSession& Job() { return job_; }
    PositionConverter& Position() { return position_; }
    ReceiverLink& Receiver() { return receiver_; }
    PositionListeners& Listeners() { return listeners_; }
    Supervision& Watch() { return supervision_; }
    CFrmGraphView* View() { return view_.get(); }
    CCommandBar& CommandBar() { return bar_; }
    SurveyRecords& Records() { return records_; }
    AutoStoreState& AutoStore() { return autoStore_; }
    CalibrationMemory& Calibration() { return calibration_; }
    // Every point stored from the frame and its view goes this way.
    IPointStorePath& StorePath() { return storePath_; }
    void SetStorePath(IPointStorePath* path) { storePath_.Use(path); }

    // ---- operations other screens use
    // Tells once that `skipped` lines of the data file at `path` could not be read (none: nothing).
    void TellSkippedLines(const CString& path, size_t skipped) override;
    void ApplyCoordParams();
    // The stored point joins the surveyed list (its store wrote it to the record file).
    void AppendSurveyRecord(const PointRecord& point) { records_.Append(point); }
    void ConvertPosition(CGpsState& state) { position_.Convert(state, job_.coord); }
    void ListenForPositions(HWND window) override { listeners_.ListenForPositions(window); }
    void StopListening(HWND window) override { listeners_.StopListening(window); }
    void ListenForStores(HWND window) { listeners_.ListenForStores(window); }
    void StopListeningForStores(HWND window) { listeners_.StopListeningForStores(window); }
    void SetAuxNotifyWnd(HWND window) override { listeners_.SetAuxNotifyWnd(window); }
    void RecalcViewLayout();
    // The window's text, shown as the title of the program's window.
    void SetTitle(const CString& title) override;
    void ConfirmExit() override;
    // Command 57664: the About dialog.
    void OnAppAbout();
    // Command 32781: the connection dialog; the values it connected with are kept in the job file.
    void OnConnectInstrument();
    // The logical key of a key message (see HardwareKeys.h).
    static int MapHardwareKey(UINT message, UINT key);
    // Resets the live state, shows `text` as its solution and tells the position window.
    void ResetAndNotify(const CString& text) override;

    // ---- receiver connection
    BOOL ConnectReceiver(int port, int linkKind, int inputPort, int baud) override;
    // With the job's connection settings, as start-up does.
    BOOL ConnectJobReceiver() override;
    // Asks first, then switches the receiver off.
    void CloseReceiver() override;
    // The re-acquisition of the measuring screens; a job file that cannot be written is told.
    void ReacquireAndSave() override;
    // The handler of WM_SERIAL_DATA.
    LRESULT OnReceiverData(WPARAM bytes, LPARAM count);
    void OnReceiverBytes(const uint8_t* bytes, size_t count) { receiver_.OnBytes(bytes, count); }

    // ---- base watch (FrameBaseWatch.cpp)
    void UpdateBaseStation(CGpsState& state);
    // Appends the "NowBase" line to the result folder's "basecoord.blh".
    void WriteBaseCoordFile(const CGpsState& state);

    // ---- IFrameServices
    IReceiverPort& Port() override { return receiver_.Port(); }
    const CGpsState& LatestFix() const override { return receiver_.State(); }
    const GeneralSettingsBlock& Settings() const override { return job_.settings; }
    int BoardType() const override { return job_.system.nGPSOEMType; }
    int BaseFlag() const override { return receiver_.BaseFlag(); }
    int ReceiverModelNumber() const override { return receiver_.Identity().receiverKind; }
    HWND PositionWindow() const override { return listeners_.PositionWindow(); }
    void Wgs84BlhToXyz(double latDeg, double lonDeg, double height, double* x, double* y, double* z) override;
    bool SaveSettings(const GeneralSettingsBlock& changed) override { return job_.StoreSettings(changed); }
    void UseRadioChannel(int channel) override;
    void ShowModuleStatus(const CString& text) override;
    void ClearFixSignals() override;
    void RunRadioRequest(HWND dialog, RadioRequest request, int channel) override {
        receiver_.RunRadioRequest(dialog, request, channel);
    }
    void CancelModuleCommands() override { receiver_.CancelModuleCommands(); }
    int VerificationFlag() const override { return listeners_.VerifyOn(); }
    void SetVerificationFlag(int flag) override { listeners_.SetVerifyOn(flag); }
    int ModuleNetworkType() const override { return receiver_.ModuleNetworkType(); }
    const CCoordTransform& DialogTransform() const override { return position_.Second(); }
    const CoordSysParams& JobCoordParams() const override { return job_.coord; }
    const CCoordTransform& PositionTransform() const override { return position_.First(); }
    ReceiverVersionInfo VersionInfo() const override { return receiver_.Identity(); }
    // Choosing the radio link has the next version reply re-read the radio's channel.
    void SetRadioLink(int flag) override { receiver_.SetRereadRadio(flag); }
    HWND FrameWindow() const override { return m_hWnd; }

    // ---- IFoundationFrame
    int ScreenMode() const override { return screenMode_; }
    void SetScreenMode(int mode) override { screenMode_ = mode; }
    CString RootFolder() const override { return job_.paths.programFolder; }
    CString JobFolder() const override { return job_.paths.jobFolder; }
    CString JobFileName() const override { return job_.paths.jobFileName; }
    CString DataFolder() const override { return job_.paths.dataFolder; }
    void Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& n, double& e, double& hOut) override;
    GeoPointChoice PickGeoPoint(CWnd* parent) override { return hosts_.Calibration().PickGeoPoint(parent); }
    // The points shown on the main map; LoadPointFile refills it.
    std::vector<PointRecord>& DisplayPoints() { return records_.display; }
    // Start-up and every job or point file that becomes current (and a change of the display rule)
    // refill the display list from the current point file, off the UI thread; the map redraws once
    // the points are in, and points stored meanwhile stay after them.
    void FillDisplayPoints() override;
    DisplayPointFill& DisplayFill() { return displayFill_; }

protected:
    int OnCreate() override;
    void OnDestroy() override;
    void OnClose() override { ConfirmExit(); }
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadJobAtStartup();
    // Tests set up and read the parts through it.
    friend struct FrameProbe;

    void OnMenuCommand(UINT id);
    LRESULT OnReceiverLost(WPARAM, LPARAM);
    LRESULT OnDisplayPointsRead(WPARAM number, LPARAM);
    LRESULT OnSurveyRecordsRead(WPARAM number, LPARAM);
    // A base that moved or changed: the previous one goes to "OldForAutoAdjust.xyh", the new one into
    // the job's record, its files and the first calibration slot.
    void WriteOldBaseFile();
    void TakeNewBase(const CGpsState& state);
    // ---- IFrameOperations
    CWnd& Window() override { return *this; }
    void ConnectInstrument() override { OnConnectInstrument(); }
    void ShowAbout() override { OnAppAbout(); }
    // ---- ISupervisedFrame
    void RestartBoard() override { receiver_.RestartBoard(); }
    void PaintNow() override { UpdateWindow(); }
    // ---- IReceiverLinkOwner
    void ConvertFix(CGpsState& state) override { ConvertPosition(state); }
    void WatchBase(CGpsState& state) override { UpdateBaseStation(state); }
    void ForwardFix(CGpsState& state, ForwardedFix kind) override { listeners_.Forward(state, kind); }

    JobSession job_;
    PositionConverter position_;
    PositionListeners listeners_;
    ReceiverLink receiver_;
    Supervision supervision_;
    CCommandBar bar_;
    std::unique_ptr<CFrmGraphView> view_;
    int screenMode_ = kScreenModeNormal;
    SurveyRecords records_;
    DisplayPointFill displayFill_;
    AutoStoreState autoStore_;
    CalibrationMemory calibration_;
    StorePathSlot storePath_;
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
                                .services = *this,
                                .window = *this}};
    JobCommands jobCommands_{job_, records_, supervision_, receiver_, storePath_, *this};
    // Built at start-up; the window is gone before they are.
    std::unique_ptr<SurveyHostImpl> storeHost_;
    std::unique_ptr<CSurveyPointStore> pointStore_;
};
