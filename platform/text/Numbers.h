#pragma once
#include <string_view>

// Numbers read from text as the handheld does: the leading number counts, anything after it is
// ignored, and text that starts with no number reads as 0. Always in the C locale. The checked
// forms at the end are for text from outside (the receiver, stored files), which must not read as 0.
#include <string_view>

// Optional blanks, an optional sign and decimal digits; saturates at the int range.
int ToInt(const wchar_t* text);
// The same on text that need not be terminated (a field of a line).
int ToInt(std::wstring_view text);

// Optional blanks and a decimal floating-point number ("-12.5", ".5", "3e-2"); no hex, inf or nan. A
// number beyond the double range ("1e999") reads as 0, as text without a number does.
double ToDouble(const wchar_t* text);

// As ToDouble, but false when the text holds a number beyond the double range.
bool ReadDouble(const wchar_t* text, double& value);

// The checked forms: true only when the whole text is one number (no blanks, nothing before or after
// it), so that an empty field, "nan", "inf", "0x1A" or "12abc" is refused rather than read as 0.
// A decimal number ("-12.5", ".5", "3e-2") within the double range.
bool ReadFiniteNumber(std::wstring_view text, double& value);
// The same on bytes (a field of a file's line), read as their ASCII text; a byte beyond ASCII is no
// digit, so text holding one is no number.
bool ReadFiniteNumber(std::string_view text, double& value);
// The quick part of that: true only when the whole text is a decimal of at most 15 digits and no
// exponent (as stores print numbers), read as the forms above read it; other text may still be one.
bool ReadShortDecimal(std::string_view text, double& value);
// Whether ReadFiniteNumber takes the bytes, without the cost of reading a short decimal's value.
bool IsFiniteNumber(std::string_view text);
// An optional sign and decimal digits within the int range.
bool ReadWholeInt(std::wstring_view text, int& value);
