#include "foundation/RecordFormatFile.h"

#include "foundation/CKeyValueFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"
#include "platform/text/Numbers.h"

namespace {
constexpr const wchar_t* kFormatKey = L"QZRecSaveFormat";
}  // namespace

CString RecordFormatPath(const CString& jobFolder) {
    return JoinDevicePath(jobFolder, L"qzrecauto");
}

std::optional<int> ReadRecordFormat(const CString& jobFolder) {
    CKeyValueFile file;
    if (!file.Open(RecordFormatPath(jobFolder), CFile::modeRead)) return std::nullopt;
    return ToInt(file.FindValue(kFormatKey));
}

int JobRecordFormat(const CString& jobFolder) {
    return ReadRecordFormat(jobFolder).value_or(1);
}

bool WriteRecordFormat(const CString& jobFolder, int format) {
    CKeyValueFile file;
    if (!file.OpenForWrite(RecordFormatPath(jobFolder), CFile::modeCreate | CFile::modeWrite)) return false;
    file.WriteInt(kFormatKey, format);
    return file.Close();
}
