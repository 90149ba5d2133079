#pragma once
// The main frame's parts, which the tests set up and read as the running program's own code would.
// The frame hands none of them out.
#include "shell/commands/MainMenuCommands.h"
#include "shell/frame/CMainFrame.h"
#include "shell/view/CFrmGraphView.h"

struct FrameProbe {
    static JobSession& Job(CMainFrame& frame) { return frame.job_; }
    static const PositionConverter& Position(CMainFrame& frame) { return frame.position_; }
    static ReceiverLink& Receiver(CMainFrame& frame) { return frame.receiver_; }
    static PositionListeners& Listeners(CMainFrame& frame) { return frame.listeners_; }
    static Supervision& Watch(CMainFrame& frame) { return frame.supervision_; }
    static CFrmGraphView* View(CMainFrame& frame) { return frame.view_.get(); }
    static CCommandBar& CommandBar(CMainFrame& frame) { return frame.bar_; }
    static SurveyRecords& Records(CMainFrame& frame) { return frame.records_; }
    static AutoStoreState& AutoStore(CMainFrame& frame) { return frame.autoStore_; }
    static CalibrationMemory& Calibration(CMainFrame& frame) { return frame.calibration_; }
    static IPointStorePath& StorePath(CMainFrame& frame) { return frame.storePath_; }
    static void SetStorePath(CMainFrame& frame, IPointStorePath* path) { frame.storePath_.Use(path); }
    static ::DisplayPoints& DisplayPoints(CMainFrame& frame) { return frame.records_.display; }
    // The names of the points the map's list holds, oldest first.
    static std::vector<CString> DisplayNames(CMainFrame& frame) {
        const ::DisplayPoints& points = frame.records_.display;
        std::vector<CString> names;
        for (size_t i = points.Front(); i < points.size(); ++i) names.push_back(points[i].name);
        return names;
    }
    static const FrameHosts& Hosts(CMainFrame& frame) { return frame.hosts_; }
    // As the menu runs command `id`: false when the table has no handler for it.
    static bool RunMenuCommand(CMainFrame& frame, UINT id) {
        MenuContext context{frame, frame.receiverHost_, frame.hosts_, frame.jobCommands_};
        return ::RunMenuCommand(context, id);
    }
    // The frame's own steps, as its messages and commands run them.
    static void ApplyCoordParams(CMainFrame& frame) { frame.ApplyCoordParams(); }
    static void ConvertPosition(CMainFrame& frame, CGpsState& state) { frame.ConvertPosition(state); }
    static void OnReceiverBytes(CMainFrame& frame, const uint8_t* bytes, size_t count) {
        frame.OnReceiverBytes(bytes, count);
    }
    static void RecalcViewLayout(CMainFrame& frame) { frame.RecalcViewLayout(); }
    static void CloseReceiver(CMainFrame& frame) { frame.CloseReceiver(); }
    static void ReacquireAndSave(CMainFrame& frame) { frame.ReacquireAndSave(); }
    static void ConfirmExit(CMainFrame& frame) { frame.ConfirmExit(); }
    // OK on each parameter warning, as the user gives it.
    static void AcknowledgeParamWarnings(CMainFrame& frame) {
        for (WarningKind kind : {WarningKind::kMeridian, WarningKind::kSevenParam, WarningKind::kFourParam})
            frame.supervision_.Acknowledge(kind);
    }
    // Which parameter warnings stand acknowledged, by ParamWarning.
    static std::array<bool, 3> ParamAcknowledged(const CMainFrame& frame) {
        const Supervision& watch = frame.supervision_;
        return {watch.Acknowledged(ParamWarning::kCentralMeridian),
                watch.Acknowledged(ParamWarning::kSevenRotation),
                watch.Acknowledged(ParamWarning::kFourScale)};
    }
    static DisplayPointFill& DisplayFill(CMainFrame& frame) { return frame.displayFill_; }
    static bool WaitForRawCheck(CMainFrame& frame, int timeoutMs) { return frame.rawCheck_.Wait(timeoutMs); }
    static IReceiverHost& Services(CMainFrame& frame) { return frame.receiverHost_; }
    static ICoordLibraryHost& Library(CMainFrame& frame) { return frame.libraryHost_; }
};
