#pragma once
// The calibration's list files as text: lines cut at LF (a CR before it dropped), empty lines
// skipped, a last line without LF kept; fields cut at ","; and whole-file reads and rewrites in
// the device's code page. A rewrite replaces the file atomically, so a failed write leaves it as
// it was.
#include <initializer_list>
#include <vector>

#include "foundation/DataFileRead.h"
#include "platform/text/CString.h"

std::vector<CString> CutListLines(const CString& text);
// Field `index` of a line cut at ","; empty when the line has fewer fields.
CString ListField(const CString& line, int index);
// The file's lines; none when it cannot be read or is over 64 MiB. Its readers leave out and count
// the lines whose fields they cannot read.
DataFileRead ReadListFile(const CString& path, std::vector<CString>& lines);
// True when each of the line's `fields` is one finite number (blanks around it allowed).
bool ListNumbers(const CString& line, std::initializer_list<int> fields);
// The same, a blank field allowed (a value not yet known).
bool ListNumbersOrBlank(const CString& line, std::initializer_list<int> fields);
// Writes the lines, each followed by CR LF, in place of the file; false when it was not written.
bool RewriteListFile(const CString& path, const std::vector<CString>& lines);
