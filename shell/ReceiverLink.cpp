#include "shell/ReceiverLink.h"

#include "receiver/ReceiverProtocol.h"

namespace {
const wchar_t* const kInterfaceModes[] = {
    L"interfacemode,com2,rtca,novatel\r\n",
    L"interfacemode,com2,rtcm,novatel\r\n",
    L"interfacemode,com2,cmr,novatel\r\n",
    L"interfacemode,com2,rtcmv3,novatel\r\n",
};
constexpr int kHousekeepingCount = 30;
}  // namespace

void ReceiverLink::KeepPositionLogBoard(int radioFormat) {
    if (!talkerSent_) {
        port.SendLine(L"nmeatalker auto\r\n");
        port.SendLine(L"nmeatalker auto\r\n");
        talkerSent_ = 1;
    }
    if (state.ident.text[0].IsEmpty()) port.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    if (!baseLogStop_) {
        if (baseLog_ >= kHousekeepingCount) {
            port.SendLine(L"log,refstationa,ontime,10\r\n");
            baseLog_ = 0;
        } else {
            ++baseLog_;
        }
    }
    if (state.diffAge < 1 || state.diffAge > 8) {
        if (noFix_ < kHousekeepingCount) {
            ++noFix_;
        } else if (baseFlag != 1) {
            if (radioFormat >= 0 && radioFormat <= 3) port.SendLine(kInterfaceModes[radioFormat]);
            noFix_ = 0;
        }
    }
}

bool ReceiverLink::AppFileDue() {
    if (baseSolutionSeen_) return false;
    if (appFile_ < kHousekeepingCount) {
        ++appFile_;
        return false;
    }
    appFile_ = 0;
    return true;
}

void ReceiverLink::FixForwarded() {
    watchdog = 0;
    hasData = 1;
    state.fixFlag = 0;
}
