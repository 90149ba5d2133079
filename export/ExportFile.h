#pragma once
// The file an export is written to: a plain name in the job's result folder, never one of the
// kinds of file a job is made of, replaced whole or not at all.
#include <string_view>

#include "platform/text/CString.h"

enum class ExportNameCheck {
    kOk,
    kEmpty,
    kBadCharacter,  // a path separator or a character no file name may hold
    kJobFileKind,   // the extension of a job's own files (*.xyh, *.blh, *.qzs ...)
    kLeadingDot,    // ".", ".." or a name that would be its extension alone
    kOutsideCodePage,
    kTooLong,  // more than a host file name holds
};
ExportNameCheck CheckExportName(const CString& name);

// Writes the bytes by atomic replace: a failure leaves the file as it was.
bool WriteExportFile(const CString& path, std::string_view bytes);
