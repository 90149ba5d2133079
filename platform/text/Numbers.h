#pragma once
// Numbers read from text as the handheld does: the leading number counts, anything after it is
// ignored, and text that starts with no number reads as 0. Always in the C locale.

// Optional blanks, an optional sign and decimal digits; saturates at the int range.
int ToInt(const wchar_t* text);

// Optional blanks and a decimal floating-point number ("-12.5", ".5", "3e-2"); no hex, inf or nan.
double ToDouble(const wchar_t* text);
