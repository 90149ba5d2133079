#pragma once
// Collects the lines of a settings file in the device code page and puts them on disk in one go:
// a whole-file write replaces the file atomically (a power cut leaves the old or the new file,
// never a truncated one); an append goes to the end of an existing file and is synced.
#include <string>
#include "platform/text/CString.h"

// A value with its CR and LF replaced by blanks: a value never adds a line to a settings file.
CString OnOneLine(CString value);

class SettingsFileWriter {
public:
    // Whole-file rewrite: false when the target cannot be written (its folder is missing or the
    // path is a folder).
    bool BeginRewrite(const CString& path);
    // Append: false unless the file already exists.
    bool BeginAppend(const CString& path);
    bool IsOpen() const { return mode_ == Mode::Rewrite || mode_ == Mode::Append; }
    // Converts the text whole (no line length limit) and keeps it for Commit.
    void Write(const CString& text);
    // Puts the collected bytes on disk; true on success, and true when nothing was begun. Nothing
    // is written without it. After a Begin that failed it is false: the writes went nowhere.
    bool Commit();

private:
    enum class Mode { Closed, Failed, Rewrite, Append };
    Mode mode_ = Mode::Closed;
    CString path_;
    std::string bytes_;
};
