#pragma once
// Conversion between wide text and the device's multibyte code page (GBK, code page 936),
// and UTF-8 for host file names. A character that cannot be converted is replaced and the
// rest of the text converted: "?" when writing GBK, U+FFFD for each invalid byte when reading.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text/CString.h"

std::string ToGbk(const CString& text);
// At most maxBytes bytes, cut before a character that would not fit whole (fixed line buffers).
std::string ToGbk(const CString& text, size_t maxBytes);
CString FromGbk(std::string_view bytes);

std::string ToUtf8(const CString& text);
CString FromUtf8(std::string_view bytes);
