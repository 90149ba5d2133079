#pragma once
// The main window and the owner of the program state. It is composed of parts that own their
// fields: the job (paths, settings, coordinate parameters, system record), the position
// converter, the receiver link, and the windows that listen for positions. The frame itself is
// the window: command bar, view layout, the two-second tick, the receiver's data, the commands.
// The receiver screens reach it through IFrameServices, the common controls through IFoundationFrame;
// the coordinate-system dialogs and the feature screens through hosts the shell implements over it
// (FrameGeodesyHost and the feature hosts).
#include <memory>
#include <string_view>

#include "foundation/FrameServices.h"
#include "platform/ui/CommandBar.h"
#include "receiver/IFrameServices.h"
#include "shell/CalibrationHostImpl.h"
#include "shell/DisplayPointFill.h"
#include "shell/JobSession.h"
#include "shell/PositionConverter.h"
#include "shell/PositionListeners.h"
#include "shell/ReceiverLink.h"
#include "shell/Supervision.h"
#include "shell/SurveyRecords.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/PointStorePath.h"

class CFrmGraphView;

class CMainFrame : public CWnd, public IFrameServices, public IFoundationFrame, private ISupervisedFrame {
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
    IPointStorePath& StorePath() { return *storePath_; }
    void SetStorePath(IPointStorePath* path) { storePath_ = path ? path : &NoPointStorePath(); }

    // ---- operations other screens use
    void ApplyCoordParams();
    // The surveyed point joins the list and the record file.
    void AppendSurveyRecord(const PointRecord& point) { records_.Append(point); }
    void ConvertPosition(CGpsState& state) { position_.Convert(state, job_.coord); }
    static void ClampQuality(CGpsState& state);
    void ListenForPositions(HWND window) override { listeners_.ListenForPositions(window); }
    void StopListening(HWND window) override { listeners_.StopListening(window); }
    void ListenForStores(HWND window) { listeners_.ListenForStores(window); }
    void StopListeningForStores(HWND window) { listeners_.StopListeningForStores(window); }
    void SetAuxNotifyWnd(HWND window) override { listeners_.SetAuxNotifyWnd(window); }
    void SetRadioWait(int value) { receiver_.modules.SetRadioWait(value); }
    void SetRadioDlg(HWND window) { receiver_.modules.SetRadioDlg(window); }
    void RecalcViewLayout();
    // The window's text, shown as the title of the program's window.
    void SetTitle(const CString& title);
    void ConfirmExit();
    // Command 57664: the About dialog.
    void OnAppAbout();
    // Command 32781: the connection dialog; the values it connected with are kept in the job file.
    void OnConnectInstrument();
    // The logical key of a key message (see HardwareKeys.h).
    static int MapHardwareKey(UINT message, UINT key);
    // Resets the live state, shows `text` as its solution and tells the position window.
    void ResetAndNotify(const CString& text) override;

    // ---- receiver connection (FrameConnection.cpp)
    BOOL ConnectReceiver(int port, int linkKind, int inputPort, int baud) override;
    // With the job's connection settings, as start-up does.
    BOOL ConnectJobReceiver() override;
    void CloseReceiver();
    void SendBinaryAppFile();
    void ReacquireAndSave();

    // ---- receiver data (FrameRouting.cpp): the handler of WM_SERIAL_DATA
    LRESULT OnReceiverData(WPARAM bytes, LPARAM count);
    void OnReceiverBytes(const uint8_t* bytes, size_t count);

    // ---- network position report and module replies (FrameModuleReplies.cpp)
    void UploadGga(CGpsState state);
    // The chunk while a module sequence waits for its reply.
    void OnModuleReply(std::string_view chunk);

    // ---- base watch (FrameBaseWatch.cpp)
    void UpdateBaseStation(CGpsState& state);
    // Appends the "NowBase" line to the result folder's "basecoord.blh".
    void WriteBaseCoordFile(const CGpsState& state);

    // ---- IFrameServices
    CSerialPort& SerialPort() override { return receiver_.port; }
    const CGpsState& GpsState() const override { return receiver_.state; }
    const GeneralSettingsBlock& GeneralSettings() const override { return job_.settings; }
    int BoardType() const override { return job_.system.nGPSOEMType; }
    int BaseFlag() const override { return receiver_.baseFlag; }
    int ReceiverModelNumber() const override { return receiver_.ident.receiverKind; }
    HWND PositionWindow() const override { return listeners_.PositionWindow(); }
    void Wgs84BlhToXyz(double latDeg, double lonDeg, double height, double* x, double* y, double* z) override;
    void SetGeneralSettings(const GeneralSettingsBlock& settings) override;
    void UseRadioChannel(int channel) override;
    void ShowModuleStatus(const CString& text) override;
    void ClearFixSignals() override;
    void RunRadioRequest(HWND dialog, RadioRequest request, int channel) override {
        receiver_.modules.RunRadioRequest(dialog, request, channel);
    }
    void CancelModuleCommands() override { receiver_.modules.CancelCommands(); }
    int VerificationFlag() const override { return listeners_.VerifyOn(); }
    void SetVerificationFlag(int flag) override { listeners_.SetVerifyOn(flag); }
    int ModuleNetworkType() const override { return receiver_.moduleNetworkType; }
    const CCoordTransform& DialogTransform() const override { return position_.Second(); }
    const CoordSysParams& JobCoordParams() const override { return job_.coord; }
    const CCoordTransform& PositionTransform() const override { return position_.First(); }
    ReceiverVersionInfo VersionInfo() const override;
    bool WriteJobParams() override { return job_.jobs.WriteJobParams(job_.settings); }
    // Choosing the radio link has the next version reply re-read the radio's channel.
    void SetRadioLink(int flag) override { receiver_.rereadRadio = flag; }
    HWND FrameWindow() const override { return m_hWnd; }

    // ---- IFoundationFrame
    int ScreenMode() const override { return screenMode_; }
    void SetScreenMode(int mode) override { screenMode_ = mode; }
    CString RootFolder() const override { return job_.paths.programFolder; }
    CString JobFolder() const override { return job_.paths.jobFolder; }
    CString JobFileName() const override { return job_.paths.jobFileName; }
    CString DataFolder() const override { return job_.paths.dataFolder; }
    void Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& n, double& e, double& hOut) override;
    // The points shown on the main map; LoadPointFile refills it.
    std::vector<PointRecord>& DisplayPoints() { return records_.display; }
    // Start-up and every job or point file that becomes current (and a change of the display rule)
    // refill the display list from the current point file, off the UI thread; the map redraws once
    // the points are in, and points stored meanwhile stay after them.
    void FillDisplayPoints();
    DisplayPointFill& DisplayFill() { return displayFill_; }

protected:
    int OnCreate() override;
    void OnDestroy() override;
    void OnClose() override { ConfirmExit(); }
    void OnTimer(UINT_PTR id) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMenuCommand(UINT id);
    LRESULT OnReceiverLost(WPARAM, LPARAM);
    LRESULT OnDisplayPointsRead(WPARAM number, LPARAM);
    LRESULT OnSurveyRecordsRead(WPARAM number, LPARAM);
    void HandleLine(const CString& line);
    void HandleVersionLine(const CString& line);
    // The data-link type named by a version reply; a reply that names none leaves it.
    void TakeLinkType(const CString& line);
    void OnPositionLog();
    void OnGgaLine(const CString& line);
    // The solution text to show; no solution leaves the grid at 0.
    void TakeSolutionText();
    void CheckAntennaSection();
    // A base that moved or changed: the previous one goes to "OldForAutoAdjust.xyh", the new one into
    // the job's record, its files and the first calibration slot.
    void WriteOldBaseFile();
    void TakeNewBase(const CGpsState& state);
    // Writes the system record to the given device path (the job settings' system-file writer).
    void WriteSystemFile(const CString& path);
    bool IsBase() const { return receiver_.baseFlag == 1; }
    // ---- ISupervisedFrame
    void RestartBoard() override;
    void PaintNow() override { UpdateWindow(); }

    JobSession job_;
    PositionConverter position_;
    ReceiverLink receiver_;
    PositionListeners listeners_;
    Supervision supervision_;
    CCommandBar bar_;
    std::unique_ptr<CFrmGraphView> view_;
    int screenMode_ = kScreenModeNormal;
    SurveyRecords records_;
    DisplayPointFill displayFill_;
    AutoStoreState autoStore_;
    CalibrationMemory calibration_;
    IPointStorePath* storePath_ = &NoPointStorePath();
    CGeoLibraryPickerInstall geoPicker_{*this};
};
