#pragma once
// The job's keyed file "qzrecauto": the record format (0-6) of the last power-line points, which
// decides how the last names of a point file are scanned when a job is opened.
#include <optional>

#include "platform/text/CString.h"

CString RecordFormatPath(const CString& jobFolder);
// Nullopt when the file cannot be read; a missing key reads as 0.
std::optional<int> ReadRecordFormat(const CString& jobFolder);
// The format a point file's names are scanned and moved on by: the file's, and 1 for a job that has
// none (one that never used the power-line screens).
int JobRecordFormat(const CString& jobFolder);
// Replaces the file atomically with "[QZRecSaveFormat]%d"; false when it could not be written (the
// old file is then left as it was).
bool WriteRecordFormat(const CString& jobFolder, int format);
