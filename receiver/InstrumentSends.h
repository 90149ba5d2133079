#pragma once
// What the instrument-settings command sends after its dialogs: the working mode, the data link, the
// base station's transmit parameters and the static recording parameters.
#include "platform/text/CString.h"

class IReceiverPort;
class IReceiverHost;

// Transmit parameters of a base station, one byte each in binary command 57.
struct BaseTransmitParams {
    int nDiffFormat = 0;    // 0 RTCA, 1 RTCM, 2 CMR, 3 RTCM3
    int nSendInterval = 1;  // seconds
    double dPdopLimit = 3.0;
    int nElevMask = 10;  // degrees
};

// The static recording parameters of binary command 41.
struct StaticModeParams {
    CString szPointName = L"abcd";
    int nSendInterval = 15;  // seconds
    int nElevMask = 10;
    double dPdopLimit = 3.0;
    double dAntHeight = 0.0;  // metres
};

enum WorkModeChoice { kWorkKinematic = 0, kWorkBase = 1, kWorkRover = 2, kWorkStatic = 3 };

// Binary command 57: format + 1, interval, PDOP limit in tenths (truncated), mask.
void SendBaseTransmitParams(IReceiverPort& port, const BaseTransmitParams& params);
// Binary command 61 with the mode unless the receiver reports it already, the kinematic or static
// switch of command 30, then a 1000 ms wait; a base then gets "fix,none" twice.
void SendWorkMode(IReceiverHost& frame, int workMode);
// Binary command 59 with link + 3, four times; the radio link also sets the frame's radio-link flag.
void SendDataLink(IReceiverHost& frame, int linkType);
// Base auto-start: keeps the format as the job's differential format, writes the job file and sends
// the transmit parameters. False when the job file could not be written (the parameters still go).
bool SendBaseAutoStart(IReceiverHost& frame, const BaseTransmitParams& params);
// Binary command 41 with the recording parameters, then command 30 "C4" (static).
void SendStaticMode(IReceiverPort& port, const StaticModeParams& params);
CString StaticModeTokens(const StaticModeParams& params);

// 1 to 16 printable ASCII characters without blanks: one byte each in the command.
bool IsStaticPointName(const CString& name);
