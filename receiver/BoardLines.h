#pragma once
// The text lines the board families are kept logging with. Each keeps its own CR LF: the line writer
// adds another, so each is followed by an empty line on the wire.
#include "platform/text/CString.h"

class IReceiverPort;

inline constexpr const wchar_t* kTalkerAutoLine = L"nmeatalker auto\r\n";
// The reference-station log asked again while the board does not log it by itself.
inline constexpr const wchar_t* kBaseLogLine = L"log,refstationa,ontime,10\r\n";
// The poll of the "$J" family: a base asks for its base solution, a rover for its position.
inline constexpr const wchar_t* kEclipseBasePoll = L"$JRTK,1\r\n";
inline constexpr const wchar_t* kEclipseRoverPoll = L"$JRTK,17\r\n";

// The port-2 interface mode of a differential format (0 RTCA, 1 RTCM, 2 CMR, 3 RTCM 3): `boardProtocol`
// keeps the board's own protocol on the port's output, otherwise the output repeats the format.
// Null for a format outside 0 to 3.
const wchar_t* InterfaceModeLine(int format, bool boardProtocol);

// The elevation mask of the position-log family, "ecutoff,<degrees>"; 89 masks every satellite.
inline constexpr int kMaskAllDegrees = 89;
CString ElevationMaskLine(int maskDegrees);

// The word the power-off packet spells, each letter as "a<letter> ".
inline constexpr const wchar_t* kPowerOffWord = L"TovakGps";

// A sentence for the data link's far end, sent out of the receiver's second port.
void SendThroughSecondPort(IReceiverPort& port, const CString& sentence);
