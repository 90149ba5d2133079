#include "stakeout/LineTexts.h"

#include <cmath>
#include <cwchar>

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "stakeout/LineGuidance.h"
#include "stakeout/StakeGeometry.h"

namespace {

bool IsNumber(CString text) {
    text.Trim();
    if (text.IsEmpty()) return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (!std::wcschr(L"0123456789+-.eE", text[i])) return false;
    wchar_t* end = nullptr;
    const double value = std::wcstod(text.c_str(), &end);
    return end && *end == L'\0' && std::isfinite(value);
}

PointRecord ParsePoint(const PointTexts& t) {
    return {t.name, ToDouble(t.north.c_str()), ToDouble(t.east.c_str()), ToDouble(t.height.c_str()), t.code,
            0};
}

PointTexts FormatPoint(const PointRecord& p) {
    return {p.name, Format(L"%.3f", p.x), Format(L"%.3f", p.y), Format(L"%.3f", p.h), p.code};
}

}  // namespace

CString CheckLineTexts(const LineTexts& texts, int& badField) {
    int offset = 0;
    for (const PointTexts* end : {&texts.start, &texts.end}) {
        int field = 0;
        const CString refusal = CheckPointTexts(*end, &field);
        if (!refusal.IsEmpty()) {
            badField = offset + field;
            return refusal;
        }
        offset += 5;
    }
    if (!IsNumber(texts.mileage)) {
        badField = kLineMileageField;
        return L"里程必须是数字,请重新输入!";
    }
    const LineSegRec line = ParseLineTexts(texts);
    if (PlanDistance(line.start.x, line.start.y, 0, line.end.x, line.end.y, 0) < kShortestLine) {
        badField = 6;
        return L"起点和终点不能重合!";
    }
    return CString();
}

LineSegRec ParseLineTexts(const LineTexts& texts) {
    return {ParsePoint(texts.start), ParsePoint(texts.end), ToDouble(texts.mileage.c_str())};
}

LineTexts FormatLineTexts(const LineSegRec& line) {
    return {FormatPoint(line.start), FormatPoint(line.end), MileageText(line.startMileage)};
}

CString MileageText(double metres) {
    return Format(L"%.4f", metres);
}
