#include "foundation/MissingLinesText.h"

#include "foundation/DevicePathJoin.h"
#include "platform/files/DevicePath.h"
#include "platform/text/Format.h"

CString MissingLinesText(const MissingLines& missing) {
    const wchar_t* cause =
        LeadsOutOfRoot(missing.path) ? L"该文件是指向设备目录之外的链接!" : L"请检查存储空间!";
    return Format(L"点%s在%s中未能补全,%s", missing.pointName.c_str(), DeviceFileNameOf(missing.path).c_str(),
                  cause);
}
