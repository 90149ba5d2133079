#include "receiver/screens/InstrumentCommands.h"

#include "platform/messages/Messages.h"
#include "platform/ui/WindowMessages.h"
#include "receiver/CSerialPort.h"
#include "receiver/InstrumentSends.h"
#include "receiver/ReceiverHost.h"
#include "receiver/screens/BaseParamDlgs.h"
#include "receiver/screens/CBaseManualDlg.h"
#include "receiver/screens/CConnectDlg.h"
#include "receiver/screens/InstrumentChoiceDlgs.h"
#include "receiver/screens/ReceiverSettingsCommands.h"

namespace {

void RunWorkMode(IReceiverHost& frame) {
    CWorkModeDlg mode(frame.VersionInfo().workMode);
    if (mode.DoModal() != IDOK) return;
    SendWorkMode(frame, mode.nWorkMode);
    if (mode.nWorkMode != kWorkBase) return;
    CBaseSetupDlg base;
    if (base.DoModal() != IDOK) return;
    if (base.nSetupKind == CBaseSetupDlg::kAutoStart)
        SetupBaseAutoStart(frame);
    else
        SetupManualBase(frame);
}

void RunDataLink(IReceiverHost& frame) {
    CDataLinkDlg link;
    if (link.DoModal() == IDOK) SendDataLink(frame, link.nLinkType);
}

}  // namespace

void RunConnectInstrument(IReceiverHost& frame) {
    const ConnectionSettings stored = frame.Settings().connection;
    CConnectDlg dlg(frame);
    dlg.nMethod = stored.nPort;
    dlg.nChoice = stored.nComMode;
    dlg.nInputPort = stored.nInputCom;
    dlg.nBaudRate = stored.nComBaud;
    if (dlg.DoModal() != IDOK) return;
    PortOpenFailure failure = PortOpenFailure::kNone;
    if (frame.ConnectReceiver(dlg.nMethod, dlg.nChoice, dlg.nInputPort, dlg.nBaudRate, &failure) != 1) {
        // The dialog let go of the working port on its way out: the stored link takes it up again.
        frame.ConnectReceiver(stored.nPort, stored.nComMode, stored.nInputCom, stored.nComBaud);
        const CString refusal = PortOpenFailureText(failure);
        AfxMessageBox(refusal.IsEmpty() ? PortOpenFailureText(PortOpenFailure::kBusy) : refusal);
        return;
    }
    GeneralSettingsBlock settings = frame.Settings();
    settings.connection.nPort = dlg.nMethod;
    settings.connection.nComMode = dlg.nChoice;
    settings.connection.nInputCom = dlg.nInputPort;
    settings.connection.nComBaud = dlg.nBaudRate;
    SaveJobSettings(frame, settings, nullptr);
}

void RunInstrumentSettings(IReceiverHost& frame) {
    CInstrumentSetDlg choice;
    if (choice.DoModal() != IDOK) return;
    switch (choice.nChoice) {
        case 0:
            RunWorkMode(frame);
            break;
        case 1:
            SetupStaticMode(frame);
            break;
        case 2:
            RunDataLink(frame);
            break;
        default:
            break;
    }
}

int SetupBaseAutoStart(IReceiverHost& frame) {
    CBaseAutoStartDlg dlg(frame.Settings().connection.nRadioFormat);
    if (dlg.DoModal() != IDOK) return 0;
    if (!SendBaseAutoStart(frame, dlg.values)) TellJobFileNotWritten(nullptr);
    AfxMessageBox(L"自动启动基站参数设置完成!", MB_OK | MB_ICONINFORMATION);
    return 1;
}

int SetupManualBase(IReceiverHost& frame) {
    CBaseManualDlg dlg(frame);
    if (dlg.DoModal() != IDOK) return 0;
    SendManualBase(frame, dlg.values);
    AfxMessageBox(L"基准站设置成功!", MB_OK | MB_ICONINFORMATION);
    return 1;
}

void SetupStaticMode(IReceiverHost& frame) {
    CStaticModeDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    SendStaticMode(frame.Port(), dlg.values);
    // Posted, so that the exit runs once this command has returned.
    PostMessage(frame.FrameWindow(), WM_COMMAND, kAppExitCommand, 0);
}
