#include "calibration/WizardValues.h"

#include <algorithm>
#include <string_view>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
// An "adjust" line whole, as AdjustLogLine prints it: its five fields, the last the eight-digit code; a
// line cut short lacks a field or a digit.
bool HoldsAdjustLogLine(std::string_view line) {
    constexpr std::ptrdiff_t kCommas = 4;
    return line.starts_with("adjust,") && std::count(line.begin(), line.end(), ',') == kCommas &&
           line.ends_with(",00000000");
}
}  // namespace

CString BaseIdFromSerial(const CString& serial, int radioFormat) {
    switch (radioFormat) {
        case 0:
            return serial.Right(4);
        case 1:
        case 3:
            return serial.Right(3);
        case 2:
            return Format(L"%d", ToInt(serial.Right(4)) % 32);
        default:
            return CString();
    }
}

AntennaConstants ReceiverTypeAntenna(int row) {
    static constexpr AntennaConstants kRows[kReceiverTypeCount] = {{0.0468, 0.0468 + 0.059, 0.093},
                                                                   {0.0727, 0.0727, 0.12},
                                                                   {0.0103, 0.0103 + 0.066, 0.0975},
                                                                   {0.0103, 0.0103 + 0.092, 0.0975}};
    return row >= 0 && row < kReceiverTypeCount ? kRows[row] : AntennaConstants{};
}

bool WriteBaseKnownFile(const CString& resultFolder, double x, double y, double hWithAntenna) {
    return AtomicRewrite(resultFolder + L"BaseKnown.xyh",
                         ToGbk(Format(L"%.3f,%.3f,%.3f,\r\n", x, y, hWithAntenna)));
}

CString CalibrationLogPath(const CString& resultFolder) {
    return resultFolder + L"adjustcoord.blh";
}

LinesAppended AppendCalibrationLog(const CString& resultFolder, const CString& line) {
    return AppendLinesDurably(CalibrationLogPath(resultFolder), ToGbk(line + L"\r\n"), HoldsAdjustLogLine);
}
