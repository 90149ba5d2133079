#pragma once
// The frame's two-second duties: the receiver link's module sequencer and board poll, the no-data
// watch that re-initialises a silent receiver and reopens a receiver that hung up, and the parameter
// and base warnings with their acknowledged flags and the base-change flags the base watch sets.
#include <array>

#include "geodesy/GeodesyHost.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"
#include "shell/dialogs/WarningDialogs.h"

class JobSession;
class ReceiverLink;

// What the watch asks of the window that owns it.
class ISupervisedFrame {
public:
    virtual ~ISupervisedFrame() = default;
    // Resets the live state, shows `text` as its solution and tells the position window.
    virtual void ResetAndNotify(const CString& text) = 0;
    // Sends the configured board's start-up set again.
    virtual void RestartBoard() = 0;
    // Opens the receiver with the job's connection settings; false when it cannot.
    virtual BOOL ConnectJobReceiver() = 0;
    // A warning that just opened is drawn at once.
    virtual void PaintNow() = 0;
};

class Supervision {
public:
    // The watch's first "无数据" after this many silent ticks; then it restarts the count here.
    static constexpr int kSilentTicks = 15;
    static constexpr int kSilentRestart = 6;
    // Ticks between attempts to reopen a receiver that hung up: doubling up to the last, so that a
    // receiver that comes back is heard again within 4 s.
    static constexpr int kFirstReopenTicks = 1;
    static constexpr int kMaxReopenTicks = 2;
    // Shown in the solution field while the receiver is away; it fits the field.
    static constexpr const wchar_t* kPortLostText = L"接收机断开";
    // Shown there while the built-in Bluetooth module brings no data: the start-up opens its port but
    // does not link it to a receiver; the connection dialog's scan does.
    static constexpr const wchar_t* kModuleUnlinkedText = L"蓝牙未连接";
    static constexpr const wchar_t* kHowToLinkText =
        L"内置蓝牙没有连接接收机,请在设置→连接仪器中选内置蓝牙,扫描后连接";
    static constexpr double kMeridianLimitDeg = 5.0;
    static constexpr double kSevenRotationLimit = 0.00028;

    // The watch reads the job and works the receiver link; the frame does what only it can.
    Supervision(ISupervisedFrame& frame, ReceiverLink& link, const JobSession& job);

    void OnTick();
    // The job reaches its receiver through the built-in Bluetooth module.
    bool OnBuiltInModule() const;
    // The receiver's device went away: the user is told once, and each tick may try to reopen it.
    // The no-data watch rests meanwhile, so the loss stays shown until data flows again.
    void OnPortLost();
    bool PortLost() const { return portLost_; }
    // OK on a warning.
    void Acknowledge(WarningKind kind);
    // While acknowledged by the user, the tick does not raise that parameter warning.
    bool Acknowledged(ParamWarning warning) const { return paramAcknowledged_[static_cast<size_t>(warning)]; }
    // A changed parameter group raises its warning again.
    void Rearm(ParamWarning warning) { paramAcknowledged_[static_cast<size_t>(warning)] = false; }
    // New parameters or a new job may raise every parameter warning again.
    void RearmParamWarnings() { paramAcknowledged_.fill(false); }
    // The frame closes: open warnings go first.
    void CloseWarnings();
    const CWarningDlg& Warning(WarningKind kind) const;

    // ---- Told by the base watch.
    // A base position was heard, `fixed` when the rover's solution was fixed.
    void NoteBaseHeard(bool fixed);
    bool BaseHeard() const { return baseHeard_; }
    // A base position came with a fixed solution this session.
    bool BaseHeardFixed() const { return baseHeardFixed_; }
    // A base other than the stored one was heard (`heard` against `stored` identifiers, `distance`
    // metres apart): a changed identifier or, with the same one, the moved position is raised on the
    // next tick, until its warning is acknowledged.
    void NoteBaseChange(const CString& heard, const CString& stored, double distance);
    bool BaseIdChanged() const { return baseIdChanged_; }
    bool BaseCoordChanged() const { return baseCoordChanged_; }
    // What the base warnings say of the change.
    const CString& BaseChangeText() const { return baseChangeText_; }

private:
    void WatchForData();
    void ReopenLostPort();
    void RaiseWarnings();
    void Raise(CWarningDlg& warning);

    ISupervisedFrame& frame_;
    ReceiverLink& link_;
    const JobSession& job_;
    std::array<bool, 3> paramAcknowledged_{};  // by ParamWarning
    bool baseHeard_ = false;
    bool baseHeardFixed_ = false;
    bool baseIdChanged_ = false;
    bool baseCoordChanged_ = false;
    CString baseChangeText_;
    bool portLost_ = false;
    bool toldHowToLink_ = false;  // once a run
    int reopenIn_ = 0;
    int reopenStep_ = kFirstReopenTicks;
    CMeridianWarnDlg meridian_;
    CSevenParamWarnDlg seven_;
    CFourParamWarnDlg four_;
    CBaseCoordWarnDlg baseCoord_;
    CBaseIdWarnDlg baseId_;
};
