#include "receiver/ReceiverStartup.h"

#include <string>

#include "platform/messages/Messages.h"
#include "platform/text/Format.h"
#include "platform/time/Clock.h"
#include "receiver/BoardLines.h"
#include "receiver/CModuleCommandQueue.h"
#include "receiver/CSerialPort.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverProtocol.h"

namespace {

// Texts kept with their own CR LF: the line writer adds another, so each is followed by an empty line.
void SendAll(IReceiverPort& port, std::initializer_list<const wchar_t*> lines) {
    for (const wchar_t* line : lines) port.SendLine(line);
}

void SendVersionQueries(IReceiverPort& port) {
    port.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    port.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
}

CString JobElevationMaskLine(const StartupLink& link) {
    return ElevationMaskLine(link.connection.nGAngle);
}

// The port-2 interface mode by differential format; another format repeats the elevation-mask line.
void SendInterfaceMode(const StartupLink& link, bool boardOutput) {
    if (const wchar_t* line = InterfaceModeLine(link.connection.nRadioFormat, boardOutput))
        link.port.SendLine(line);
    else
        link.port.SendLine(JobElevationMaskLine(link));
}

void SendCommonStart(const StartupLink& link) {
    SendAll(link.port,
            {L"dgpstimeout,60\r\n", L"DGPSTIMEOUT,60\r\n", L"nmeatalker auto\r\n", L"NMEATALKER AUTO\r\n"});
    link.port.SendLine(JobElevationMaskLine(link));
}

void SendLogLines(IReceiverPort& port) {
    SendAll(port, {L"log,gpgga,ontime,3\r\n", L"log,gpgsa,ontime,3\r\n", L"log,gpgsv,ontime,1\r\n",
                   L"log,gpzda,ontime,1\r\n", L"log,refstationa,onchanged\r\n",
                   L"log,refstationa,ontime,10\r\n", L"log,bestposa,ontime,1\r\n"});
}

void SettleAndClear(const StartupLink& link) {
    Sleep(100);
    link.clearFixSignals();
}

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return 0;
}

}  // namespace

void EnableNmeaJ(IReceiverPort& port) {
    SendAll(port, {L"$JOFF,PORTA\r\n", L"$JOFF,PORTA\r\n", L"$JASC,gpgga,1\r\n", L"$JASC,gpgga,1\r\n",
                   L"$JASC,gpgsa,1\r\n", L"$JASC,gpzda,1\r\n", L"$JASC,gpgsv,1\r\n", L"$JASC,gpgst,1\r\n",
                   L"$JASC,gpgga,1\r\n", L"$JAPP\r\n"});
    SendVersionQueries(port);
}

void EnableNmeaLog(IReceiverPort& port) {
    SendAll(port, {L"log,gpgsa,ontime,1\r\n", L"log,gpzda,ontime,1\r\n", L"log,gpgga,ontime,1\r\n"});
    SendVersionQueries(port);
}

void StartReceiverLog(const StartupLink& link) {
    SendCommonStart(link);
    SendInterfaceMode(link, false);
    SendLogLines(link.port);
    SendVersionQueries(link.port);
    SettleAndClear(link);
}

void StartReceiverBothFamilies(const StartupLink& link) {
    SendCommonStart(link);
    SendInterfaceMode(link, true);
    SendLogLines(link.port);
    SettleAndClear(link);
    SendAll(link.port, {L"$JASC,gpgga,1\r\n", L"$JASC,gpgsa,1\r\n", L"$JASC,gpzda,1\r\n",
                        L"$JASC,gpgsv,1\r\n", L"$JAPP\r\n"});
    SendVersionQueries(link.port);
}

void SendStartupSet(int board, const StartupLink& link, CModuleCommandQueue& queue) {
    switch (board) {
        case kBoardUnknown:
            StartReceiverBothFamilies(link);
            break;
        case kBoardOemV:
            StartReceiverLog(link);
            break;
        case kBoardEclipse:
            EnableNmeaJ(link.port);
            break;
        case kBoardOemD:
            EnableNmeaLog(link.port);
            queue.SendBinaryAppFile();
            break;
        case kBoardOemT:
            queue.SendBinaryAppFile();
            break;
        default:
            break;
    }
}

CString ElevationMaskPacketText(int maskDegrees) {
    const int mask = ((maskDegrees % 256) + 256) % 256;
    CString first = L"01 00 00 03 00 01 00";
    CString second = L"01 08 " + Format(L"%02x 01 %02x", mask, 0x63) + L"00 00 01 00 00";
    first.Remove(L' ');
    second.Remove(L' ');
    CString text = L"020064";
    text += Format(L"%02x", (first.GetLength() + second.GetLength()) / 2);
    text += first;
    text += second;
    text += HexByteSumChecksum(text.Mid(2));
    text += L"03";
    return text;
}

void SendElevationMaskPacket(IReceiverPort& port, int maskDegrees) {
    const CString text = ElevationMaskPacketText(maskDegrees);
    std::string bytes;
    for (int i = 0; i + 1 < text.GetLength(); i += 2)
        bytes += static_cast<char>(HexValue(text[i]) * 16 + HexValue(text[i + 1]));
    port.Write(bytes.data(), static_cast<DWORD>(bytes.size()));
    Sleep(500);
}

void ResetReceiverState(CGpsState& s, bool full) {
    if (full) {
        s.baseId = L"0000";
        s.baseType = L"RTCA";
        s.baseLat = s.baseLon = s.baseHeight = 0.0;
        s.baseX = s.baseY = s.baseZ = 0.0;
        s.ident.Reset();
        s.antennaType.Empty();
        s.modelText.Empty();
    }
    s.fixFlag = 0;
    s.pdop = s.hdop = s.vdop = 0.0;
    s.gpsInView = s.gpsUsedCount = s.gloInView = s.gloUsedCount = 0;
    s.rmsH = s.rmsV = 0.0;
    s.diffAge = 0;
    s.solutionCode = 0;
    s.latitude = s.longitude = s.height = 0.0;
    s.gridX = s.gridY = s.gridH = 0.0;
    s.projX = s.projY = s.projH = 0.0;
    s.geoidSeparation = 0.0;
    s.solutionText.Empty();
}

void ResetAndNotify(CGpsState& state, HWND positionWindow, const CString& text) {
    ResetReceiverState(state, false);
    state.solutionText = text;
    SendMessage(positionWindow, WM_GPS_POSITION, reinterpret_cast<WPARAM>(&state), kFixReset);
}
