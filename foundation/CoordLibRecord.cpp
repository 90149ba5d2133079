#include "foundation/CoordLibRecord.h"

CString CoordLibTypeName(int32_t type) {
    static constexpr const wchar_t* kNames[kCoordLibTypeCount] = {L"输入点", L"有效点", L"参考点",
                                                                  L"边桩点", L"地形点", L"原始点"};
    return type >= 0 && type < kCoordLibTypeCount ? CString(kNames[type]) : CString();
}
