#pragma once
// The calibration's list files as text: lines cut at LF (a CR before it dropped), empty lines
// skipped, a last line without LF kept; fields cut at ","; and whole-file reads and rewrites in
// the device's code page. A rewrite replaces the file atomically, so a failed write leaves it as
// it was.
#include <vector>

#include "platform/text/CString.h"

std::vector<CString> CutListLines(const CString& text);
// Field `index` of a line cut at ","; empty when the line has fewer fields.
CString ListField(const CString& line, int index);
// The file's lines; false (no lines) when it cannot be read.
bool ReadListFile(const CString& path, std::vector<CString>& lines);
// Writes the lines, each followed by CR LF, in place of the file; false when it was not written.
bool RewriteListFile(const CString& path, const std::vector<CString>& lines);
