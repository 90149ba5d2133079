#pragma once
// Numbers of the settings files, read as the handheld reads them (the leading number counts, a
// value without one reads as 0) but refused when the type cannot hold them: an integer beyond the
// int range, an infinite or not-a-number double ("inf", "nan", "1e999").
#include <cstdint>
#include <optional>
#include "platform/text/CString.h"

std::optional<int32_t> SettingsInt(const CString& text);
std::optional<double> SettingsDouble(const CString& text);
