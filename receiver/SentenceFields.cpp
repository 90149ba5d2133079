#include "receiver/SentenceFields.h"

#include "platform/text/Numbers.h"

namespace {

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return 0;
}

}  // namespace

bool CheckNmeaFraming(const CString& line, CString* sentence) {
    const int dollar = line.Find(L'$');
    if (dollar < 0) return false;
    const CString text = line.Mid(dollar);
    const int star = text.Find(L'*');
    if (star < 0 || text.GetLength() < 2 || star + 1 >= text.GetLength()) return false;
    unsigned sum = 0;
    for (int i = 1; i < star; ++i) sum ^= static_cast<unsigned>(text[i]) & 0xFF;
    const int high = HexDigit(text[star + 1]);
    const int low = star + 2 < text.GetLength() ? HexDigit(text[star + 2]) : 0;
    if (static_cast<unsigned>(high * 16 + low) != sum) return false;
    *sentence = text;
    return true;
}

std::vector<CString> SplitFields(const CString& text, wchar_t separator, int count) {
    std::vector<CString> fields;
    const std::wstring& s = text.str();
    size_t start = 0;
    for (;;) {
        if (count >= 0 && static_cast<int>(fields.size()) == count) break;
        const size_t end = s.find(separator, start);
        fields.emplace_back(
            std::wstring(s.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start)));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    if (count >= 0) fields.resize(static_cast<size_t>(count));
    return fields;
}

int FieldInt(const CString& field) {
    return ToInt(field.c_str());
}

double FieldDouble(const CString& field) {
    return ToDouble(field.c_str());
}

double NmeaAngle(const CString& field, int degreeDigits, const CString& hemisphere) {
    const double degrees = FieldInt(field.Left(degreeDigits));
    const double value = degrees + FieldDouble(field.Mid(degreeDigits)) / 60.0;
    const wchar_t h = hemisphere.IsEmpty() ? L' ' : hemisphere[0];
    return (h == L'S' || h == L'W') ? -value : value;
}

int WrapHour(int hour) {
    return ((hour % 24) + 24) % 24;
}

int TruncInt(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(value);
}
