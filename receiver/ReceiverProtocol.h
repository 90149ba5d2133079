#pragma once
// The receiver's protocol by name: the binary command ids, the data-link kinds, the board types of
// the system file, the receiver kinds of the version reply, the kinds of fix forwarded to the
// position window and the words of a version reply that name the data link.
#include <optional>
#include <string_view>

#include "foundation/GeneralSettingsBlock.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

// The id byte of a binary command frame (CSerialPort::SendBinaryCommand).
enum class BinaryCommand : BYTE {
    kMotion = 30,        // "C1" kinematic, "C4" static
    kStaticParams = 41,  // the static recording parameters
    kVersionQuery = 52,  // asks for the version reply
    kPortSwitch = 53,    // "C0" the receiver's own port, "C1" the radio, "C2" the network module
    kBaseParams = 57,    // format + 1, interval, PDOP limit in tenths, mask
    kRepeatBase = 58,    // the manual base's repeat
    kDataLink = 59,      // link + 3: the data link and its module's mode
    kWorkMode = 61,      // mode + 1
    kPowerOff = 81,      // switches the receiver off
};

// The data-link kinds (DataLinkKind: radio, network, external) are kept with the job's settings, in
// foundation/GeneralSettingsBlock.h, included here.

// The receiver board of the system file (`nGPSOEMType`, 0 to 5); it chooses the sentences taken and
// every command set. No version reply names 0 or 3: they stand for a board not told yet.
enum BoardType : int {
    kBoardUnknown = 0,  // both command families are sent
    kBoardOemV = 1,     // "OEM-V", and any board the reply does not name: the position log family
    kBoardEclipse = 2,  // "OEM-E" or "ECLIPSE": the "$J" family
    kBoardOld = 3,
    kBoardOemD = 4,  // "OEM-D"
    kBoardOemT = 5,  // "OEM-T": the binary family
};

// The receiver kind of the version reply (0 to 4): kinds 2 to 4 carry a network module beside the
// radio, kind 1 the radio alone.
constexpr int kReceiverKindRadio = 1;
constexpr bool HasNetworkModule(int receiverKind) {
    return receiverKind >= 2 && receiverKind <= 4;
}

// lParam of WM_GPS_POSITION: what the state was last filled from.
enum ForwardedFix : LPARAM { kFixReset = 0, kFixGga = 1, kFixPositionLog = 4 };

// The marker of the version reply among the receiver's lines.
inline constexpr std::string_view kVersionLineMark = "GPXXX";

// A received line (its bytes) as text when it is the version reply, which holds the marker among its
// characters (not only among its bytes: a two-byte character may end in "G"); none for any other line,
// which is parsed as it came and never converted.
std::optional<CString> VersionReplyText(std::string_view bytes);

// The data link a version reply names by its words ("RADIO"; "NET", "GPRS", "CDMA", "VRS", "GSM";
// "EXT", tested in this order), or none.
std::optional<DataLinkKind> DataLinkNamedIn(const CString& line);
