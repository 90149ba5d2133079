#include "survey/DataEditRules.h"

#include "platform/text/Format.h"

namespace {
const wchar_t* const kPrefixes[kSiweiCodeTypes] = {
    L"JGJ",    L"Z",    L"Z",    L"F",     L"FP",  L"D",   L"J",    L"10KV-", L"35KV-", L"110KV-", L"220KV-",
    L"500KV-", L"TXX-", L"GLX-", L"220V-", L"SL-", L"GL-", L"DCL-", L"XL-",   L"XH-",   L"Q-",     L"GG-",
    L"TG-",    L"DLF-", L"TL-",  L"JJL-",  L"CT-", L"HL-", L"DH-",  L"QF-",   L"FW-",   L"GSL-",
};
constexpr int kFirstPatterned = 7;

bool OneOf(int type, std::initializer_list<int> types) {
    for (int t : types)
        if (t == type) return true;
    return false;
}
}  // namespace

void ChangeAntennaHeight(SurveyPointRec& point, double antennaHeight) {
    point.pointH += point.antennaHeight - antennaHeight;
    point.antennaHeight = antennaHeight;
}

CString SiweiCode(const SurveyPointRec& p) {
    const int t = p.surveyType;
    if (t < kFirstPatterned || t >= kSiweiCodeTypes) return p.code;
    const double height = p.value26, width = p.value23, length = p.value21;
    CString dimensions;
    if (t <= 14) {
        dimensions = Format(L"%.2f-%.2f", height, length);
    } else if (OneOf(t, {15, 19, 20, 21, 25, 26, 27, 28, 30})) {
        dimensions = Format(L"%.2f-%.2f-%.2f", width, height, length);
    } else if (OneOf(t, {16, 17, 24, 31})) {
        dimensions = Format(L"%.2f-%.2f", width, length);
    } else if (OneOf(t, {18, 22})) {
        dimensions = Format(L"%.2f", length);
    } else {  // 23 and 29
        dimensions = Format(L"%.2f", p.value29);
    }
    return CString(kPrefixes[t]) + dimensions;
}

CString SiweiPrefix(int type) {
    return type >= 0 && type < kSiweiCodeTypes ? kPrefixes[type] : L"";
}
