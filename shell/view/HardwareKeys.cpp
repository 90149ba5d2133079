#include "shell/view/HardwareKeys.h"

#include "platform/messages/Messages.h"

namespace {
struct KeyRow {
    UINT key;
    int logical;
};
constexpr KeyRow kKeys[] = {
    {37, 65},  {46, 65}, {65, 65},  {38, 66}, {33, 66},  {66, 66}, {34, 67},  {67, 67},   {40, 133}, {39, 68},
    {45, 68},  {68, 68}, {83, 83},  {50, 50}, {113, 50}, {51, 51}, {114, 51}, {53, 53},   {116, 53}, {54, 54},
    {117, 54}, {55, 55}, {118, 55}, {56, 56}, {119, 56}, {57, 57}, {120, 57}, {221, 221}, {61, 132},
};
}  // namespace

int MapHardwareKey(UINT message, UINT key) {
    if (message == WM_SYSKEYDOWN) return key >= 65 && key <= 68 ? static_cast<int>(key) : kNoLogicalKey;
    if (message != WM_KEYDOWN && message != WM_CHAR) return kNoLogicalKey;
    for (const KeyRow& row : kKeys)
        if (row.key == key) return row.logical;
    return kNoLogicalKey;
}
