#include "foundation/PointNames.h"

#include <cstdint>
#include <string>
#include "platform/text/Format.h"

namespace {
// Up to this many digits the number and any step fit in 64 bits.
constexpr size_t kDigitsIn64Bits = 18;

std::string AddToDecimal(std::string digits, uint64_t add) {
    for (size_t i = digits.size(); i-- > 0 && add > 0;) {
        const uint64_t sum = static_cast<uint64_t>(digits[i] - '0') + add;
        digits[i] = static_cast<char>('0' + sum % 10);
        add = sum / 10;
    }
    return add > 0 ? std::to_string(add) + digits : digits;
}

// The digits are larger than `sub`.
std::string SubtractFromDecimal(std::string digits, uint64_t sub) {
    int64_t borrow = 0;
    for (size_t i = digits.size(); i-- > 0 && (sub > 0 || borrow > 0);) {
        int64_t d = (digits[i] - '0') - static_cast<int64_t>(sub % 10) - borrow;
        sub /= 10;
        borrow = d < 0 ? 1 : 0;
        if (d < 0) d += 10;
        digits[i] = static_cast<char>('0' + d);
    }
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}
}  // namespace

CString NextPointNameOf(const CString& name, int step) {
    int n = 0;
    while (n < name.GetLength() && name[name.GetLength() - 1 - n] >= L'0' &&
           name[name.GetLength() - 1 - n] <= L'9')
        ++n;
    if (n == 0) return name + Format(L"%d", step);

    std::string digits;
    for (int i = name.GetLength() - n; i < name.GetLength(); ++i) digits += static_cast<char>(name[i]);
    const size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);

    std::string next;
    if (digits.size() <= kDigitsIn64Bits) {
        next = std::to_string(std::stoll(digits) + step);
    } else if (step >= 0) {
        next = AddToDecimal(digits, static_cast<uint64_t>(step));
    } else {
        next = SubtractFromDecimal(digits, static_cast<uint64_t>(-static_cast<int64_t>(step)));
    }
    CString result = name.Left(name.GetLength() - n);
    for (char c : next) result += static_cast<wchar_t>(c);
    return result;
}
