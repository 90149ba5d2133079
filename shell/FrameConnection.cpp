// The receiver connection: opening it, switching the receiver off, the fixed packet of the binary
// board family and the forced re-acquisition.
#include "foundation/ConnectionPort.h"
#include "platform/messages/MessageBox.h"
#include "platform/time/Clock.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/ReceiverStartup.h"
#include "shell/CMainFrame.h"

BOOL CMainFrame::ConnectReceiver(int port, int linkKind, int inputPort, int baud) {
    int32_t portNumber = 0, speed = 0;
    if (linkKind == 0) {
        if (!GetConnectionPortBaud(port, portNumber, speed)) return FALSE;
        if (port == 0) speed = baud;
    } else if (linkKind == 1) {
        portNumber = inputPort;
        speed = kTypedPortBaud;
    } else {
        return FALSE;
    }
    CSerialPort& serial = receiver_.port;
    if (serial.IsOpen()) {
        serial.Close();
        Sleep(100);
    }
    receiver_.moduleConfigured = 0;
    receiver_.antennaReadFailed = 0;
    serial.SetOwner(m_hWnd, WM_SERIAL_DATA);
    if (!serial.OpenPort(portNumber, static_cast<DWORD>(speed))) return FALSE;
    for (CString& text : receiver_.state.ident.text) text.Empty();
    serial.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    serial.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    serial.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
    serial.SendBinaryCommand(BinaryCommand::kPortSwitch, L"C0");
    Sleep(100);
    SendStartupSet(*this, receiver_.modules);
    receiver_.gga.Clear();
    return TRUE;
}

BOOL CMainFrame::ConnectJobReceiver() {
    const ConnectionSettings& c = job_.settings.connection;
    return ConnectReceiver(c.nPort, c.nComMode, c.nInputCom, c.nComBaud);
}

void CMainFrame::CloseReceiver() {
    if (MessageBox(L"确实要关闭GPS主机吗?", L"信息提示", MB_YESNO) != IDYES) return;
    CString payload;
    for (const wchar_t* ch = L"TovakGps"; *ch; ++ch) payload.AppendFormat(L"a%c ", *ch);
    CSerialPort& serial = receiver_.port;
    serial.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
    serial.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
    Sleep(1000);
    serial.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
    serial.SendBinaryCommand(BinaryCommand::kPowerOff, payload);
}

void CMainFrame::SendBinaryAppFile() {
    receiver_.modules.SendBinaryAppFile();
}

void CMainFrame::ReacquireAndSave() {
    CSerialPort& serial = receiver_.port;
    if (BoardType() == kBoardOemV) {
        serial.SendLine(L"ecutoff,89\r\n");
        Sleep(2000);
        serial.SendLine(L"ecutoff,0\r\n");
    } else if (BoardType() == kBoardOemT) {
        SendElevationMaskPacket(*this, 89);
        Sleep(2000);
        SendElevationMaskPacket(*this, 0);
    }
    job_.settings.connection.nGAngle = 0;
    if (!job_.jobs.WriteJobParams(job_.settings))
        AfxMessageBox(L"创建Ini文件错误,请检查错误!", MB_ICONINFORMATION | MB_OK);
}
