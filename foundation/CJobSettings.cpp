#include "foundation/CJobSettings.h"

#include "foundation/CKeyValueFile.h"
#include "foundation/DevicePathJoin.h"
#include "platform/files/CFile.h"

namespace {
// The record format that keeps the J and Z series where they are.
constexpr int kBaiheRecordFormat = 6;
}  // namespace

void CJobSettings::LoadRecSaveNames(const CString& name, const CString& lastJ, const CString& lastZ,
                                    const CString& lastN) {
    store_.point.name = name;
    CKeyValueFile file;
    if (!file.Open(JoinDevicePath(DeviceFolderOf(files_.GetJobFilePaths().jobFile), L"qzrecauto"),
                   CFile::modeRead))
        return;
    int format = 0;
    file.GetInt(L"QZRecSaveFormat", format);
    store_.AdvanceLoadedNames(name, {lastJ, lastZ, lastN}, format != kBaiheRecordFormat);
}
