#include "receiver/screens/ReceiverSettingsCommands.h"

#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "receiver/CSerialPort.h"
#include "receiver/IFrameServices.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/ReceiverStartup.h"
#include "receiver/screens/CReceiverSettingsDlgs.h"

bool SaveJobSettings(IFrameServices& frame, CWnd* parent) {
    if (frame.WriteJobParams()) return true;
    MessageBox(parent ? parent->GetSafeHwnd() : HWND(), L"创建文件失败!", L"提示",
               MB_OK | MB_ICONINFORMATION);
    return false;
}

void RunElevationMaskCommand(IFrameServices& frame, CWnd* parent) {
    CSatLimitDlg dlg(frame, parent);
    if (dlg.DoModal() != IDOK) return;
    GeneralSettingsBlock settings = frame.GeneralSettings();
    settings.connection.nGAngle = dlg.m_nAngle;
    frame.SetGeneralSettings(settings);
    SaveJobSettings(frame, parent);
    CSerialPort& port = frame.SerialPort();
    port.SendLine(Format(L"ecutoff,%d\r\n", dlg.m_nAngle));
    const int board = frame.BoardType();
    if (board == kBoardEclipse) port.SendLine(Format(L"$JMASK,%d", dlg.m_nAngle));
    if (board == kBoardOemT) SendElevationMaskPacket(frame, dlg.m_nAngle);
}

void RunRoverSettingsCommand(IFrameServices& frame, CWnd* parent) {
    CRoverSettingsDlg dlg(frame, parent);
    if (dlg.DoModal() != IDOK) return;
    GeneralSettingsBlock settings = frame.GeneralSettings();
    ConnectionSettings& c = settings.connection;
    c.nRadioFormat = dlg.m_nRadioFormat;
    c.nFixLevel = dlg.m_nFixLevel;
    c.dRmshLimit = dlg.m_dRmshLimit;
    c.dRmsvLimit = dlg.m_dRmsvLimit;
    c.nPDOPLimit = dlg.m_nPDOPLimit;
    c.dPDOPLimit = dlg.m_dPDOPLimit;
    frame.SetGeneralSettings(settings);
    SaveJobSettings(frame, parent);
    CSerialPort& port = frame.SerialPort();
    port.SendLine(L"unlogall,com2\r\n");
    static const wchar_t* const kInputFormats[] = {
        L"interfacemode,com2,rtca,novatel\r\n", L"interfacemode,com2,rtcm,novatel\r\n",
        L"interfacemode,com2,cmr,novatel\r\n", L"interfacemode,com2,rtcmv3,novatel\r\n"};
    if (c.nRadioFormat >= 0 && c.nRadioFormat < 4) port.SendLine(kInputFormats[c.nRadioFormat]);
}

void RunTimeZoneCommand(IFrameServices& frame, CWnd* parent) {
    CTimeZoneDlg dlg(frame, parent);
    if (dlg.DoModal() != IDOK) return;
    GeneralSettingsBlock settings = frame.GeneralSettings();
    settings.connection.nTimeZone = dlg.m_nTimeZone;
    frame.SetGeneralSettings(settings);
    SaveJobSettings(frame, parent);
}
