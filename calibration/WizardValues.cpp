#include "calibration/WizardValues.h"

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

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

bool AppendCalibrationLog(const CString& resultFolder, const CString& line) {
    return AppendDurably(resultFolder + L"adjustcoord.blh", ToGbk(line + L"\r\n"));
}
