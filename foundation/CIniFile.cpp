#include "foundation/CIniFile.h"

#include <string>
#include "foundation/DamagedFileCopy.h"
#include "foundation/SettingsNumbers.h"
#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace {
// Calls f(line) for each line of the text, without its CR LF; stops when f returns true.
template <typename F>
bool ForEachLine(const std::wstring& text, F f) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        const size_t next = end == std::wstring::npos ? text.size() : end + 1;
        if (end == std::wstring::npos) end = text.size();
        size_t stop = end;
        while (stop > start && text[stop - 1] == L'\r') --stop;
        if (f(std::wstring_view(text).substr(start, stop - start))) return true;
        start = next;
    }
    return false;
}
}  // namespace

bool CIniFile::Open(const CString& path, UINT flags) {
    if ((flags & (CFile::modeWrite | CFile::modeReadWrite)) == 0) return false;
    return (flags & CFile::modeCreate) ? writer_.BeginRewrite(path) : writer_.BeginAppend(path);
}

bool CIniFile::Close() {
    return writer_.Commit();
}

void CIniFile::WriteRaw(const CString& text) {
    writer_.Write(text);
}

void CIniFile::WriteSection(const CString& name) {
    writer_.Write(L"[" + OnOneLine(name) + L"]\r\n");
}

void CIniFile::WriteString(const CString& key, const CString& value) {
    writer_.Write(Format(L"%s=%s\r\n", key.c_str(), OnOneLine(value).c_str()));
}

void CIniFile::WriteInt(const CString& key, int value) {
    writer_.Write(Format(L"%s=%d\r\n", key.c_str(), value));
}

void CIniFile::WriteDouble(const CString& key, double value) {
    writer_.Write(Format(L"%s=%.10f\r\n", key.c_str(), value));
}

void CIniFile::WriteDoubleRoundTrip(const CString& key, double value) {
    writer_.Write(Format(L"%s=%.17g\r\n", key.c_str(), value));
}

bool CIniFile::Load(const CString& path, UINT /*flags*/) {
    std::string bytes;
    if (path.IsEmpty() || !FileExists(path) || !ReadWholeFile(path, bytes, kMaxSettingsFileBytes))
        return false;
    Parse(bytes);
    return true;
}

void CIniFile::Parse(std::string_view bytes) {
    sections_.clear();
    strayLines_ = 0;
    const CString text = FromGbk(bytes);
    ForEachLine(text.str(), [this](std::wstring_view line) {
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
            sections_.push_back({CString(line.substr(1, line.size() - 2)), CString()});
        } else if (!sections_.empty()) {
            CString& body = sections_.back().body;
            body += CString(line);
            body += L"\r\n";
        } else if (line.find_first_not_of(L" \t") != std::wstring_view::npos) {
            ++strayLines_;
        }
        return false;
    });
}

bool CIniFile::FindValue(const CString& section, const CString& key, CString& value) const {
    for (const CIniSection& s : sections_) {
        if (s.name != section) continue;
        const bool found = ForEachLine(s.body.str(), [&](std::wstring_view line) {
            const size_t eq = line.find(L'=');
            if (eq == std::wstring_view::npos) return false;
            const std::wstring_view lineKey = line.substr(0, eq);
            if (lineKey != key.str()) return false;
            value = CString(line.substr(eq + 1));
            return true;
        });
        if (found) return true;
    }
    return false;
}

bool CIniFile::GetString(const CString& section, const CString& key, CString& value) const {
    return FindValue(section, key, value);
}

bool CIniFile::GetInt(const CString& section, const CString& key, int& value) const {
    CString text;
    const std::optional<int32_t> number = FindValue(section, key, text) ? SettingsInt(text) : std::nullopt;
    if (number) value = *number;
    return number.has_value();
}

bool CIniFile::GetDouble(const CString& section, const CString& key, double& value) const {
    CString text;
    const std::optional<double> number = FindValue(section, key, text) ? SettingsDouble(text) : std::nullopt;
    if (number) value = *number;
    return number.has_value();
}

int CIniFile::AddSection(const CIniSection& section) {
    sections_.push_back(section);
    return static_cast<int>(sections_.size()) - 1;
}

void CIniFile::SetSectionAt(int index, const CIniSection& section) {
    if (index < 0) return;
    if (static_cast<size_t>(index) >= sections_.size()) sections_.resize(static_cast<size_t>(index) + 1);
    sections_[static_cast<size_t>(index)] = section;
}
