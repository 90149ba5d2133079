#pragma once
// Reads the keys of one section into record fields, storing a default for every key the file lacks.
#include "foundation/CIniFile.h"

class IniFieldReader {
public:
    IniFieldReader(const CIniFile& file, const wchar_t* section) : file_(file), section_(section) {}

    void Read(const wchar_t* key, int& field, int missing) const {
        if (!file_.GetInt(section_, key, field)) field = missing;
    }
    void Read(const wchar_t* key, double& field, double missing) const {
        if (!file_.GetDouble(section_, key, field)) field = missing;
    }
    void Read(const wchar_t* key, CString& field, const CString& missing) const {
        if (!file_.GetString(section_, key, field)) field = missing;
    }

private:
    const CIniFile& file_;
    CString section_;
};
