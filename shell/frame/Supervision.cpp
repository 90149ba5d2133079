#include "shell/frame/Supervision.h"

#include <algorithm>
#include <cmath>

#include "foundation/ConnectionPort.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "resources/StringIds.h"
#include "shell/frame/JobSession.h"
#include "shell/link/ReceiverLink.h"

Supervision::Supervision(ISupervisedFrame& frame, ReceiverLink& link, const JobSession& job)
    : frame_(frame),
      link_(link),
      job_(job),
      meridian_(*this),
      seven_(*this),
      four_(*this),
      baseCoord_(*this),
      baseId_(*this) {}

void Supervision::OnTick() {
    link_.RunModuleSequencer();
    link_.PollBoard();
    WatchForData();
    ReopenLostPort();
    RaiseWarnings();
}

void Supervision::WatchForData() {
    if (portLost_) return;
    if (link_.SilentTicks() < kSilentTicks) {
        link_.SetSilentTicks(link_.SilentTicks() + 1);
        return;
    }
    const bool module = OnBuiltInModule();
    frame_.ResetAndNotify(module ? kModuleUnlinkedText : L"无数据");
    if (link_.PortOpen()) {
        link_.ReleaseModule();
        Sleep(500);
        frame_.RestartBoard();
    }
    link_.LedsOff();
    link_.SetSilentTicks(kSilentRestart);
    if (module && !toldHowToLink_) {
        toldHowToLink_ = true;
        AfxMessageBox(kHowToLinkText, MB_OK | MB_ICONINFORMATION);
    }
}

bool Supervision::OnBuiltInModule() const {
    const ConnectionSettings& c = job_.Settings().connection;
    return c.nComMode == 0 && c.nPort == kBuiltInModuleLink;
}

void Supervision::OnPortLost() {
    if (portLost_) return;
    portLost_ = true;
    reopenStep_ = kFirstReopenTicks;
    reopenIn_ = reopenStep_;
    link_.SetSilentTicks(0);
    frame_.ResetAndNotify(kPortLostText);
}

void Supervision::ReopenLostPort() {
    if (!portLost_ || --reopenIn_ > 0) return;
    if (frame_.ConnectJobReceiver()) {
        portLost_ = false;
        return;
    }
    reopenStep_ = std::min(reopenStep_ * 2, kMaxReopenTicks);
    reopenIn_ = reopenStep_;
}

void Supervision::RaiseWarnings() {
    const CGpsState& state = link_.State();
    const CoordSysParams& coord = job_.CoordParams();
    if (state.longitude > 1e-10 && state.solutionCode >= 2 && !Acknowledged(ParamWarning::kCentralMeridian) &&
        std::fabs(state.longitude - coord.projection.szdCenter) > kMeridianLimitDeg)
        Raise(meridian_);
    const double scale = std::fabs(coord.four.szdCk1);
    if (coord.four.nDifang == 1 && !Acknowledged(ParamWarning::kFourScale) && (scale > 1.05 || scale < 0.95))
        Raise(four_);
    const SevenParamBlock& seven = coord.seven;
    if (seven.nSevenPar == 1 && !Acknowledged(ParamWarning::kSevenRotation) &&
        (std::fabs(seven.szdWx) > kSevenRotationLimit || std::fabs(seven.szdWy) > kSevenRotationLimit ||
         std::fabs(seven.szdWz) > kSevenRotationLimit))
        Raise(seven_);
    const DataLinkSettings& link = job_.Settings().dataLink;
    if (link.nModuleType != kLinkRadio && (link.net.workMode == 1 || link.net.workMode == 2)) return;
    if (baseIdChanged_)
        Raise(baseId_);
    else if (baseCoordChanged_)
        Raise(baseCoord_);
}

void Supervision::NoteBaseHeard(bool fixed) {
    baseHeard_ = true;
    if (fixed) baseHeardFixed_ = true;
}

void Supervision::NoteBaseChange(const CString& heard, const CString& stored, double distance) {
    const CString distanceText =
        Format(L"%s:%.3f", LoadStringResource(strings::kBaseDistance).c_str(), distance);
    if (heard != stored) {
        baseIdChanged_ = true;
        baseChangeText_ =
            Format(L"%s:%s  %s:%s\r\n", LoadStringResource(strings::kCurrentBaseId).c_str(), heard.c_str(),
                   LoadStringResource(strings::kPreviousBaseId).c_str(), stored.c_str()) +
            distanceText;
    } else {
        baseCoordChanged_ = true;
        baseChangeText_ = distanceText;
    }
}

void Supervision::Raise(CWarningDlg& warning) {
    const bool wasOpen = warning.IsOpen();
    warning.Raise();
    if (!wasOpen) frame_.PaintNow();
}

void Supervision::Acknowledge(WarningKind kind) {
    switch (kind) {
        case WarningKind::kMeridian:
            paramAcknowledged_[static_cast<size_t>(ParamWarning::kCentralMeridian)] = true;
            break;
        case WarningKind::kSevenParam:
            paramAcknowledged_[static_cast<size_t>(ParamWarning::kSevenRotation)] = true;
            break;
        case WarningKind::kFourParam:
            paramAcknowledged_[static_cast<size_t>(ParamWarning::kFourScale)] = true;
            break;
        case WarningKind::kBaseCoord:
            baseCoordChanged_ = false;
            break;
        case WarningKind::kBaseId:
            baseIdChanged_ = false;
            break;
    }
}

void Supervision::CloseWarnings() {
    for (CWarningDlg* warning : {static_cast<CWarningDlg*>(&meridian_), static_cast<CWarningDlg*>(&seven_),
                                 static_cast<CWarningDlg*>(&four_), static_cast<CWarningDlg*>(&baseCoord_),
                                 static_cast<CWarningDlg*>(&baseId_)})
        warning->Close();
}

const CWarningDlg& Supervision::Warning(WarningKind kind) const {
    switch (kind) {
        case WarningKind::kMeridian:
            return meridian_;
        case WarningKind::kSevenParam:
            return seven_;
        case WarningKind::kFourParam:
            return four_;
        case WarningKind::kBaseCoord:
            return baseCoord_;
        case WarningKind::kBaseId:
            break;
    }
    return baseId_;
}
