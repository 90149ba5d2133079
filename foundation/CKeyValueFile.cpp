#include "foundation/CKeyValueFile.h"

#include <string>
#include "foundation/DamagedFileCopy.h"
#include "foundation/SettingsNumbers.h"
#include "platform/files/CFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

bool CKeyValueFile::OpenForWrite(const CString& path, UINT /*flags*/) {
    return writer_.BeginRewrite(path);
}

bool CKeyValueFile::Close() {
    return writer_.Commit();
}

void CKeyValueFile::WriteString(const CString& key, const CString& value) {
    writer_.Write(Format(L"[%s]%s\r\n", key.c_str(), OnOneLine(value).c_str()));
}

void CKeyValueFile::WriteInt(const CString& key, int value) {
    writer_.Write(Format(L"[%s]%d\r\n", key.c_str(), value));
}

void CKeyValueFile::WriteDouble(const CString& key, double value) {
    writer_.Write(Format(L"[%s]%.8f\r\n", key.c_str(), value));
}

bool CKeyValueFile::Open(const CString& path, UINT flags) {
    if (flags & CFile::modeCreate) return OpenForWrite(path, flags);
    std::string bytes;
    if (path.IsEmpty() || !FileExists(path) || !ReadWholeFile(path, bytes, kMaxSettingsFileBytes))
        return false;
    text_ = FromGbk(bytes);
    return true;
}

CString CKeyValueFile::FindValue(const CString& key) const {
    const std::wstring& text = text_.str();
    const std::wstring tag = L"[" + key.str() + L"]";
    for (size_t at = text.find(tag); at != std::wstring::npos; at = text.find(tag, at + 1)) {
        // Only at the start of a line: a value that happens to contain "[key]" is no key.
        if (at != 0 && text[at - 1] != L'\n') continue;
        const size_t start = at + tag.size();
        const size_t cr = text.find(L'\r', start);
        if (cr == std::wstring::npos) return CString();
        return CString(text.substr(start, cr - start));
    }
    return CString();
}

bool CKeyValueFile::GetString(const CString& key, CString& value) const {
    CString found = FindValue(key);
    if (found.IsEmpty()) return false;
    value = std::move(found);
    return true;
}

bool CKeyValueFile::GetInt(const CString& key, int& value) const {
    const CString found = FindValue(key);
    const std::optional<int32_t> number = found.IsEmpty() ? std::nullopt : SettingsInt(found);
    if (number) value = *number;
    return number.has_value();
}

bool CKeyValueFile::GetDouble(const CString& key, double& value) const {
    const CString found = FindValue(key);
    const std::optional<double> number = found.IsEmpty() ? std::nullopt : SettingsDouble(found);
    if (number) value = *number;
    return number.has_value();
}
