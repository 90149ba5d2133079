#pragma once
// What the calibration's entry dialogs accept: names and codes without "," (it would cut a list
// file's line), and numbers that are numbers.
#include "platform/text/CString.h"

// An optional sign, digits with at most one ".", an optional exponent; blanks around it allowed.
bool IsNumberText(const CString& text);
bool HasComma(const CString& text);

inline constexpr const wchar_t* kCommaRefusal = L"点名和编码中不能有逗号,请重新输入!";
inline constexpr const wchar_t* kNumberRefusal = L"坐标和高程必须是数字,请重新输入!";
