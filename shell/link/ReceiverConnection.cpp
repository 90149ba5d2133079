// The receiver connection: opening it, switching the receiver off and the forced re-acquisition.
#include "foundation/ConnectionPort.h"
#include "platform/time/Clock.h"
#include "receiver/BoardLines.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverStartup.h"
#include "shell/frame/JobSession.h"
#include "shell/link/ReceiverLink.h"

bool ReceiverLink::Connect(HWND owner, int port, int linkKind, int inputPort, int baud,
                           PortOpenFailure* failure) {
    int32_t portNumber = 0, speed = 0;
    if (linkKind == 0 && GetConnectionPortBaud(port, portNumber, speed)) {
        if (port == 0) speed = baud;
    } else if (linkKind == 1) {
        portNumber = inputPort;
        speed = kTypedPortBaud;
    } else {
        if (failure) *failure = PortOpenFailure::kBadSettings;
        return false;
    }
    if (port_.IsOpen()) {
        port_.Close();
        Sleep(100);
    }
    moduleConfigured_ = 0;
    antennaReadFailed_ = 0;
    port_.SetOwner(owner, WM_SERIAL_DATA);
    if (!port_.OpenPort(portNumber, static_cast<DWORD>(speed), failure)) return false;
    for (CString& text : state_.ident.text) text.Empty();
    port_.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    port_.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    port_.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
    port_.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
    Sleep(100);
    RestartBoard();
    gga_.Clear();
    return true;
}

void ReceiverLink::SwitchOff() {
    CString payload;
    for (const wchar_t* ch = kPowerOffWord; *ch; ++ch) payload.AppendFormat(L"a%c ", *ch);
    port_.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
    port_.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
    Sleep(1000);
    port_.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
    port_.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
}

bool ReceiverLink::ReacquireAndSave() {
    if (BoardType() == kBoardOemV) {
        port_.SendLine(ElevationMaskLine(kMaskAllDegrees));
        Sleep(2000);
        port_.SendLine(ElevationMaskLine(0));
    } else if (BoardType() == kBoardOemT) {
        SendElevationMaskPacket(port_, kMaskAllDegrees);
        Sleep(2000);
        SendElevationMaskPacket(port_, 0);
    }
    GeneralSettingsBlock changed = job_.Settings();
    changed.connection.nGAngle = 0;
    return job_.StoreSettings(changed);
}
