#include "receiver/screens/ReceiverSettingsCommands.h"

#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "receiver/BoardLines.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverPort.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/ReceiverStartup.h"
#include "receiver/screens/CReceiverSettingsDlgs.h"

void TellJobFileNotWritten(CWnd* parent) {
    MessageBox(parent ? parent->GetSafeHwnd() : HWND(), L"创建文件失败!", L"提示",
               MB_OK | MB_ICONINFORMATION);
}

bool SaveJobSettings(IReceiverHost& frame, const GeneralSettingsBlock& changed, CWnd* parent) {
    if (frame.SaveSettings(changed)) return true;
    TellJobFileNotWritten(parent);
    return false;
}

namespace {
// The dialog's connection settings become the job's, which are then saved.
void StoreConnection(IReceiverHost& frame, const ConnectionSettings& values, CWnd* parent) {
    GeneralSettingsBlock settings = frame.Settings();
    settings.connection = values;
    SaveJobSettings(frame, settings, parent);
}
}  // namespace

void RunElevationMaskCommand(IReceiverHost& frame, CWnd* parent) {
    CSatLimitDlg dlg(frame.Settings().connection, parent);
    if (dlg.DoModal() != IDOK) return;
    StoreConnection(frame, dlg.values, parent);
    const int angle = dlg.values.nGAngle;
    IReceiverPort& port = frame.Port();
    port.SendLine(Format(L"ecutoff,%d\r\n", angle));
    const int board = frame.BoardType();
    if (board == kBoardEclipse) port.SendLine(Format(L"$JMASK,%d", angle));
    if (board == kBoardOemT) SendElevationMaskPacket(port, angle);
}

void RunRoverSettingsCommand(IReceiverHost& frame, CWnd* parent) {
    CRoverSettingsDlg dlg(frame.Settings().connection, parent);
    if (dlg.DoModal() != IDOK) return;
    StoreConnection(frame, dlg.values, parent);
    const int format = dlg.values.nRadioFormat;
    IReceiverPort& port = frame.Port();
    port.SendLine(L"unlogall,com2\r\n");
    if (const wchar_t* line = InterfaceModeLine(format, true)) port.SendLine(line);
}

void RunTimeZoneCommand(IReceiverHost& frame, CWnd* parent) {
    CTimeZoneDlg dlg(frame.Settings().connection, parent);
    if (dlg.DoModal() != IDOK) return;
    StoreConnection(frame, dlg.values, parent);
}
