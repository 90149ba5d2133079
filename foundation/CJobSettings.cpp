#include "foundation/CJobSettings.h"

#include "foundation/DevicePathJoin.h"
#include "foundation/RecordFormatFile.h"

namespace {
// The record format that keeps the J and Z series where they are.
constexpr int kBaiheRecordFormat = 6;
}  // namespace

void CJobSettings::LoadRecSaveNames(const CString& name, const CString& lastJ, const CString& lastZ,
                                    const CString& lastN) {
    store_.point.name = name;
    const std::optional<int> format = ReadRecordFormat(DeviceFolderOf(files_.GetJobFilePaths().jobFile));
    if (!format) return;
    store_.AdvanceLoadedNames(name, {lastJ, lastZ, lastN}, *format != kBaiheRecordFormat);
}
