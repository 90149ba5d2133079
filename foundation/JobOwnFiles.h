#pragma once
// The files a job keeps its data and settings in: its point file with the raw and record files beside
// it, its coordinate library, its job, parameter and system files. A file the user names for a save
// or an export is never one of them.
#include <vector>

#include "platform/text/CString.h"

// What the user is told of a name that would replace one of them.
inline constexpr const wchar_t* kJobOwnFileRefusal = L"不能输出为工程自身的文件类型,请换一个扩展名!";

// True when `path` names one of `jobFiles` on the device (names ignore case, as the device's do).
bool IsJobOwnFile(const CString& path, const std::vector<CString>& jobFiles);
