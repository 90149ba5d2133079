#include "receiver/ManualBaseSetup.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/time/Clock.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverPort.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/ReceiverVersionInfo.h"

namespace {
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr int kPacketSettleMs = 500;
enum DiffFormat { kRtca = 0, kRtcm = 1, kCmr = 2, kRtcm3 = 3 };

void AppendBytes(std::string& out, std::initializer_list<int> bytes) {
    for (int b : bytes) out += static_cast<char>(b);
}

// IEEE 754 double, most significant byte first.
void AppendBigEndian(std::string& out, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

// 02, 00 64, length, payload, the byte sum of everything after the 02, 03.
std::string HexPacket(const std::string& payload) {
    std::string packet = {'\x02', '\x00', '\x64', static_cast<char>(payload.size())};
    packet += payload;
    unsigned sum = 0;
    for (size_t i = 1; i < packet.size(); ++i) sum += static_cast<uint8_t>(packet[i]);
    packet += static_cast<char>(sum & 0xFF);
    packet += '\x03';
    return packet;
}

CString Right(const CString& text, int count) {
    return text.GetLength() <= count ? text : text.Mid(text.GetLength() - count);
}

CString FixText(const CString& bs, const CString& ls, const CString& hs) {
    return L"fix,position," + bs + L"," + ls + L"," + hs + L"\r\n";
}

void SendLines(IReceiverPort& port, std::initializer_list<CString> lines) {
    for (const CString& line : lines) port.SendLine(line);
}

CString SendBoardOneV(IReceiverPort& port, const ManualBaseValues& v, const StationIds& ids,
                      const CString& bs, const CString& ls, const CString& hs) {
    static const wchar_t* const kModes[] = {
        L"interfacemode,com2,none,rtca\r\n", L"interfacemode,com2,none,rtcm\r\n",
        L"interfacemode,com2,none,cmr\r\n", L"interfacemode,com2,none,rtcmv3\r\n"};
    const bool known = v.nDiffFormat >= kRtca && v.nDiffFormat <= kRtcm3;
    port.SendLine(L"unlogall,com2\r\n");
    port.SendLine(known ? kModes[v.nDiffFormat] : L"");
    const CString fix = FixText(bs, ls, hs);
    port.SendLine(fix);
    switch (v.nDiffFormat) {
        case kRtca:
            port.SendLine(L"dgpstxid,rtca,\"" + ids.id4 + L"\"\r\n");
            break;
        case kRtcm:
        case kRtcm3:
            port.SendLine(L"dgpstxid,rtcm," + ids.id3);
            break;
        case kCmr:
            port.SendLine(Format(L"dgpstxid,cmr,%d", ids.idMod));
            break;
        default:
            port.SendLine(L"");
    }
    const int n = v.nSendInterval;
    switch (v.nDiffFormat) {
        case kRtca:
            SendLines(port,
                      {Format(L"log,com2,rtcaobs,ontime,%d\r\n", n), L"log,com2,rtcaref,ontime,10\r\n"});
            break;
        case kRtcm:
            SendLines(port, {L"log,com2,rtcm3,ontime,10\r\n", Format(L"log,com2,rtcm59,ontime,%d\r\n", n),
                             L"log,com2,rtcm1033,ontime,10\r\n", L"log,com2,rtcm1007,ontime,10\r\n"});
            break;
        case kCmr:
            SendLines(port, {Format(L"log,com2,cmrobs,ontime,%d\r\n", n), L"log,com2,cmrref,ontime,10\r\n"});
            break;
        case kRtcm3:
            SendLines(port,
                      {L"log,com2,rtcm1002,ontime,10\r\n", L"log,com2,rtcm1006,ontime,10\r\n",
                       L"log,com2,rtcm1007,ontime,10\r\n", Format(L"log,com2,rtcm1003,ontime,%d\r\n", n),
                       L"log,com2,rtcm1033,ontime,10\r\n", L"log,com2,rtcm1012,ontime,10\r\n"});
            break;
        default:
            break;
    }
    return fix;
}

CString SendBoardEclipse(IReceiverPort& port, const ManualBaseValues& v, const CString& bs, const CString& ls,
                         const CString& hs) {
    SendLines(port, {L"$JOFF,PORTB\r\n", L"$JOFF,PORTB\r\n", L"$JOFF,PORTB\r\n"});
    port.SendLine(Format(L"$JMASK,%d", v.nElevMask));
    // The board outputs RTCM3 for every format but CMR.
    if (v.nDiffFormat == kCmr)
        port.SendLine(L"$JASC,CMR,1,PORTB\r\n");
    else if (v.nDiffFormat >= kRtca && v.nDiffFormat <= kRtcm3)
        port.SendLine(L"$JASC,RTCM3,1,PORTB\r\n");
    port.SendLine(Format(L"$JRTK,1,%s,%s,%s", bs, ls, hs));
    port.SendLine(L"$JSAVE\r\n");
    return FixText(bs, ls, hs);
}

CString SendBoardBinary(IReceiverPort& port, const ManualBaseValues& v, const StationIds& ids, double bDeg,
                        double lDeg, double h, const CString& hs) {
    const double bRad = bDeg * kRadiansPerDegree;
    const double lRad = lDeg * kRadiansPerDegree;
    static const wchar_t* const kModes[] = {L"", L"interfacemode,com2,none,rtcm,off\r\n",
                                            L"interfacemode,com2,none,cmr,off\r\n",
                                            L"interfacemode,com2,none,rtcmv3,off\r\n"};
    const bool known = v.nDiffFormat >= kRtca && v.nDiffFormat <= kRtcm3;
    port.SendLine(known ? kModes[v.nDiffFormat] : L"");
    static const uint8_t kFixed[] = {0x02, 0x00, 0x64, 0x11, 0x01, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00, 0x07,
                                     0x08, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x89, 0x03};
    port.Write(kFixed, sizeof kFixed);
    Sleep(kPacketSettleMs);
    const std::string packet = HexPacket(ManualBasePacketPayload(v, bRad, lRad, h, ids));
    port.Write(packet.data(), static_cast<DWORD>(packet.size()));
    Sleep(kPacketSettleMs);
    return FixText(Format(L"%.10f", bRad), Format(L"%.10f", lRad), hs);
}

void SendRepeatCommand(IReceiverPort& port, bool repeat, const CString& fixText) {
    if (!repeat) {
        port.SendBinaryCommand(BinaryCommand::kRepeatBase, L"C0");
        return;
    }
    CString tokens;
    for (int i = 0; i < fixText.GetLength(); ++i) tokens += Format(L"a%c ", fixText[i]);
    port.SendBinaryCommand(BinaryCommand::kRepeatBase, tokens);
}

}  // namespace

double VerticalAntennaHeight(double typed, int heightType, const ReceiverVersionInfo& receiver) {
    double vertical = typed;
    if (heightType == 1) {
        if (typed == 0.0) return 0.0;  // no slant reading, no height
        const double r = receiver.instrumentRadius;
        vertical = std::sqrt(typed * typed - r * r) + receiver.antennaHeightFactor;
    } else if (heightType == 2) {
        vertical = typed + receiver.instrumentHeight;
    } else {
        return typed;
    }
    return ToDouble(Format(L"%.3f", vertical));
}

bool IsSlantHeightTooShort(double typed, const ReceiverVersionInfo& receiver) {
    return typed > 0.0 && typed <= receiver.instrumentRadius;
}

StationIds StationIdsOf(const CString& serial) {
    StationIds ids;
    ids.id4 = Right(serial, 4);
    ids.id3 = Right(serial, 3);
    ids.idMod = ToInt(ids.id4) % 32;
    ids.id3Value = ToInt(ids.id3);
    return ids;
}

std::string ManualBasePacketPayload(const ManualBaseValues& v, double bRad, double lRad, double h,
                                    const StationIds& ids) {
    std::string payload;
    AppendBytes(payload, {0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00});
    // The PDOP limit itself here, not in tenths.
    AppendBytes(payload, {0x01, 0x08, v.nElevMask & 0xFF, 0x01, static_cast<int>(v.dPdopLimit) & 0xFF, 0x00,
                          0x00, 0x01, 0x00, 0x00});
    AppendBytes(payload, {0x03, 0x25, 0x00, 0x00, 'C', 'R', 'E', 'F', '0', '0', '0', '1'});
    const int format = v.nDiffFormat;
    if (format == kRtcm || format == kRtcm3 || format == kCmr) {
        AppendBigEndian(payload, bRad);
        AppendBigEndian(payload, lRad);
        AppendBigEndian(payload, h);
        if (format == kCmr)
            AppendBytes(payload, {0x00, 0x00, ids.idMod & 0xFF});
        else
            AppendBytes(payload, {(ids.id3Value >> 8) & 0xFF, ids.id3Value & 0xFF, 0x00});
    }
    if (format == kRtcm) AppendBytes(payload, {0x07, 0x06, 0x03, 0x01, 0x03, 0x00, 0x03, 0x00});
    if (format == kRtcm3) AppendBytes(payload, {0x07, 0x06, 0x03, 0x01, 0x03, 0x00, 0x21, 0x00});
    if (format == kCmr) AppendBytes(payload, {0x07, 0x06, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00});
    return payload;
}

void SendManualBase(IReceiverHost& frame, ManualBaseValues& v) {
    IReceiverPort& port = frame.Port();
    SendBaseTransmitParams(port, v);
    const CCoordTransform& angles = frame.DialogTransform();
    if (v.nCoordType == 1) {
        double b = 0, l = 0, h = 0;
        frame.PositionTransform().LocalPlaneToWgs84(ToDouble(v.szB), ToDouble(v.szL), ToDouble(v.szH), b, l,
                                                    h);
        v.szB = Format(L"%.10f", angles.ConvertDmsAngle(b, 0));
        v.szL = Format(L"%.10f", angles.ConvertDmsAngle(l, 0));
        v.szH = Format(L"%.3f", h);
    }
    const double bDeg = angles.ConvertDmsAngle(ToDouble(v.szB), 1) * kRadToDeg;
    const double lDeg = angles.ConvertDmsAngle(ToDouble(v.szL), 1) * kRadToDeg;
    // The vertical antenna height: a slant or pole reading added as typed would misplace the base. A
    // typed 0 is a base on its own single-point fix, whose height already is the antenna's: nothing.
    const double h = ToDouble(v.szH) + (v.dAntHeight == 0.0 ? 0.0 : v.dVertAntHeight);
    const CString bs = Format(L"%.10f", bDeg);
    const CString ls = Format(L"%.10f", lDeg);
    const CString hs = Format(L"%.10f", h);
    const StationIds ids = StationIdsOf(frame.LatestFix().ident.text[0]);
    CString fixText;
    switch (frame.BoardType()) {
        case kBoardOemV:
            fixText = SendBoardOneV(port, v, ids, bs, ls, hs);
            break;
        case kBoardEclipse:
            fixText = SendBoardEclipse(port, v, bs, ls, hs);
            break;
        case kBoardOemD:
            fixText = FixText(bs, ls, Format(L"%.3f", h));
            port.SendLine(fixText);
            port.SendLine(fixText);
            break;
        case kBoardOemT:
            fixText = SendBoardBinary(port, v, ids, bDeg, lDeg, h, hs);
            break;
        default:
            break;
    }
    SendRepeatCommand(port, v.bRepeatSetup != 0, fixText);
}
