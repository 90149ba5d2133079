#pragma once
// The screens' keyed settings files: one line "[key]value" per key, in the device code page with
// CR LF line ends, always written whole (and replaced atomically).
#include "foundation/SettingsFileWriter.h"
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class CKeyValueFile {
public:
    // Starts a whole-file write; false when the target cannot be written.
    bool OpenForWrite(const CString& path, UINT flags);
    // Puts the written keys on disk; true on success.
    bool Close();
    void WriteString(const CString& key, const CString& value);
    void WriteInt(const CString& key, int value);
    void WriteDouble(const CString& key, double value);  // eight decimals

    // Reads the whole file; false (old text kept) when it does not exist. With create in the
    // flags it starts a write instead, as OpenForWrite.
    bool Open(const CString& path, UINT flags);
    // The text after "[key]" at the start of a line up to the next CR; empty when the key is
    // missing or its line has no CR.
    CString FindValue(const CString& key) const;
    // On a missing or empty value, or a number its type cannot hold, the out value is left
    // unchanged and the result is false.
    bool GetString(const CString& key, CString& value) const;
    bool GetInt(const CString& key, int& value) const;
    bool GetDouble(const CString& key, double& value) const;

private:
    SettingsFileWriter writer_;
    CString text_;
};
