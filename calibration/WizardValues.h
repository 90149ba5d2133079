#pragma once
// What the base-station wizard works with besides its dialogs: the base identifier a receiver's
// serial gives in the job's differential format, the antenna constants of the receiver types it
// offers, the state of one run, and the files it writes (BaseKnown.xyh, the calibration log).
#include "calibration/RawPointSources.h"
#include "foundation/DataFileAppend.h"
#include "platform/text/CString.h"

// The identifier the format carries: RTCA the serial's last 4 characters, RTCM and RTCM3 the last
// 3, CMR the last 4 read as a number modulo 32 ("%d"); another format none.
CString BaseIdFromSerial(const CString& serial, int radioFormat);

// Rows 0 to 3 of the wizard's receiver-type list.
inline constexpr int kReceiverTypeCount = 4;
AntennaConstants ReceiverTypeAntenna(int row);
inline constexpr const wchar_t* kReceiverTypeNames[kReceiverTypeCount] = {L"QZ-1", L"QZ-2", L"QZ-3", L"QZ-4"};

// One run of the wizard: filled by its pages, read by the calibration that follows.
struct WizardRun {
    int count = 0;  // calibration slots in use: 1 to 3
    bool knownThreeParameter = false;
    bool unknownThreeParameter = false;
    bool secondStep = false;  // a page asked for the next page ("下一步")
    AntennaConstants rover;   // the rover's antenna, for the rover marks
};

// The two-point forms reduce a slant height with this fixed antenna radius (m).
inline constexpr double kSecondStepRadius = 0.0975;

// BaseKnown.xyh in the result folder: "x,y,h," and CR LF, the base's known point with its antenna.
bool WriteBaseKnownFile(const CString& resultFolder, double x, double y, double hWithAntenna);
// The calibration log in the result folder (adjustcoord.blh).
CString CalibrationLogPath(const CString& resultFolder);
// Appends the line (AdjustLogLine) and CR LF to the calibration log, by the store's rule of the file's
// end: a last line whole is kept, anything else cut aside (AppendLinesDurably).
LinesAppended AppendCalibrationLog(const CString& resultFolder, const CString& line);
