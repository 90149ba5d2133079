#include "receiver/DataVerify.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

VerifyLiveTexts FormatVerifyLiveTexts(const CGpsState& s) {
    VerifyLiveTexts t;
    t.x = Format(L"%.3f", s.gridX);
    t.y = Format(L"%.3f", s.gridY);
    t.h = Format(L"%.3f", s.gridH);
    t.time = Format(L"%02d:%02d:%02d", s.hour, s.minute, s.second);
    t.status = Format(L"(%02d)%s", s.gpsUsedCount, s.solutionText.c_str());
    t.pdop = Format(L"%.3f", s.pdop);
    t.rmsH = Format(L"%.3f", s.rmsH);
    t.rmsV = Format(L"%.3f", s.rmsV);
    return t;
}

std::array<CString, 3> TakenCoordinates(const CGpsState& s) {
    return {Format(L"%.3f", s.gridX), Format(L"%.3f", s.gridY), Format(L"%.3f", s.gridH)};
}

std::array<CString, 3> CoordinateDifferences(const std::array<CString, 3>& first,
                                             const std::array<CString, 3>& second) {
    std::array<CString, 3> d;
    for (size_t i = 0; i < d.size(); ++i) d[i] = Format(L"%.3f", ToDouble(second[i]) - ToDouble(first[i]));
    return d;
}
