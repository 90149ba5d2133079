#pragma once
// The base station on entered coordinates: from the values of the entered-coordinates dialog, the
// transmit parameters, the position commands of the board type, the station identifiers derived from
// the receiver's serial number, and the controller's repeat-at-power-on command.
#include <string>

#include "platform/text/CString.h"
#include "receiver/InstrumentSends.h"

class IReceiverHost;
struct ReceiverVersionInfo;

struct ManualBaseValues : BaseTransmitParams {
    CString szB = L"00.0000000000";  // packed degrees-minutes-seconds, or plane x
    CString szL = L"00.0000000000";  // packed degrees-minutes-seconds, or plane y
    CString szH = L"0.00";
    int nCoordType = 0;  // 0 geodetic, 1 plane
    int bRepeatSetup = 0;
    double dAntHeight = 0.0;      // as typed
    int nAntHeightType = 0;       // 0 vertical, 1 slant, 2 pole
    double dVertAntHeight = 0.0;  // the vertical height derived from the typed one
};

// The vertical antenna height of a typed one: a slant height √(h² − R²) + F (0 for a slant of 0), a
// pole height h plus the instrument height (both to the millimetre), a vertical height itself. The
// slant height must exceed the instrument radius R.
double VerticalAntennaHeight(double typed, int heightType, const ReceiverVersionInfo& receiver);
bool IsSlantHeightTooShort(double typed, const ReceiverVersionInfo& receiver);

// The station identifiers of a serial number: its last four and last three characters, and the
// leading number of the last four modulo 32 (a signed remainder). A short serial gives short texts.
struct StationIds {
    CString id4;
    CString id3;
    int idMod = 0;
    // The leading number of id3 (0 when it has none), sent as a 16-bit value.
    int id3Value = 0;
};
StationIds StationIdsOf(const CString& serial);

// The payload of the binary board's base packet (without 02 00 64, length, check byte and 03).
std::string ManualBasePacketPayload(const ManualBaseValues& values, double bRad, double lRad, double h,
                                    const StationIds& ids);

// Sends the whole set-up after the dialog's OK; plane coordinates are first turned into geodetic ones
// and written back into `values`. The height sent is the entered one plus the derived vertical
// antenna height, or plus nothing when the typed antenna height is 0. The dialog has saved the chosen
// differential format with the antenna height.
void SendManualBase(IReceiverHost& frame, ManualBaseValues& values);
