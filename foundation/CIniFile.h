#pragma once
// Settings files of "[section]" headers followed by "key=value" lines, in the device code page with
// CR LF line ends: the system, job and coordinate-parameter files and the antenna table.
//
// Reading is by line: a header is a whole line "[name]"; a key line's key is the text before its
// first "=", compared exactly, and the rest of the line is the value (it may hold "[", "]" or "=").
// Sections of the same name are searched in file order.
#include <string_view>
#include <vector>
#include "foundation/AntennaRecord.h"
#include "foundation/SettingsFileWriter.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

struct CIniSection {
    CString name;
    CString body;  // the section's lines, each ending in CR LF
};

inline constexpr const wchar_t* kAntennaTableUnread = L"Read AntTye file failed!";

class CIniFile {
public:
    // Writing: Open with create+write (whole-file replace) or write alone (append to an existing
    // file), the writes, then Close, which puts everything on disk and reports whether it worked.
    bool Open(const CString& path, UINT flags);
    bool Close();
    void WriteRaw(const CString& text);
    // "[name]" on a line of its own. Values (and names) with CR or LF are written with blanks in
    // their place, so that no value adds a line.
    void WriteSection(const CString& name);
    void WriteString(const CString& key, const CString& value);
    void WriteInt(const CString& key, int value);
    void WriteDouble(const CString& key, double value);  // ten decimals
    // Seventeen significant digits: the value reads back bit for bit (tiny fit coefficients).
    void WriteDoubleRoundTrip(const CString& key, double value);

    // Reads and splits the whole file; false (sections kept) when the path names no file or one
    // larger than any settings file.
    bool Load(const CString& path, UINT flags = 0);
    // Splits bytes read already. Lines before the first header belong to no section: the non-blank
    // ones are only counted (StrayLines).
    void Parse(std::string_view bytes);
    int StrayLines() const { return strayLines_; }
    bool FindValue(const CString& section, const CString& key, CString& value) const;
    // On false (no such key, or a number its type cannot hold) the out value is left unchanged.
    bool GetString(const CString& section, const CString& key, CString& value) const;
    bool GetInt(const CString& section, const CString& key, int& value) const;
    bool GetDouble(const CString& section, const CString& key, double& value) const;

    int AddSection(const CIniSection& section);
    void SetSectionAt(int index, const CIniSection& section);
    const std::vector<CIniSection>& Sections() const { return sections_; }

    // The antenna table: appends a section for the record's receiver type to an existing file.
    bool WriteAntennaSection(const CString& folder, const CString& fileName, const AntennaRecord& record);
    // Reads the receiver type's section into the record; missing keys leave their fields as they
    // were. False when the file cannot be loaded: the caller tells the user kAntennaTableUnread.
    bool ReadAntennaSection(const CString& folder, const CString& fileName, const CString& receiverType,
                            AntennaRecord& record);

private:
    SettingsFileWriter writer_;
    std::vector<CIniSection> sections_;
    int strayLines_ = 0;
};
