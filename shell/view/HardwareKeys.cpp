#include "shell/view/HardwareKeys.h"

#include "platform/messages/Messages.h"

namespace {
struct KeyRow {
    UINT key;
    int logical;
};
constexpr KeyRow kKeys[] = {
    {kDeviceLeft, kKeyStore},
    {kDeviceDelete, kKeyStore},
    {'A', kKeyStore},
    {kDeviceUp, kKeyCoordView},
    {kDevicePageUp, kKeyCoordView},
    {'B', kKeyCoordView},
    {kDevicePageDown, kKeyC},
    {'C', kKeyC},
    {kDeviceDown, kKeyVerify},
    {kDeviceRight, kKeyD},
    {kDeviceInsert, kKeyD},
    {'D', kKeyD},
    {'S', kKeyS},
    {'2', kKeyNext},
    {kDeviceF2, kKeyNext},
    {'3', kKey3},
    {kDeviceF3, kKey3},
    {'5', kKeyRedraw},
    {kDeviceF5, kKeyRedraw},
    {'6', kKey6},
    {kDeviceF6, kKey6},
    {'7', kKey7},
    {kDeviceF7, kKey7},
    {'8', kKeyPrevious},
    {kDeviceF8, kKeyPrevious},
    {'9', kKey9},
    {kDeviceF9, kKey9},
    {kDeviceBracket, kKeyBracket},
    {kDeviceEquals, kKeyReacquire},
};
}  // namespace

int MapHardwareKey(UINT message, UINT key) {
    if (message == WM_SYSKEYDOWN) return key >= 'A' && key <= 'D' ? static_cast<int>(key) : kNoLogicalKey;
    if (message != WM_KEYDOWN && message != WM_CHAR) return kNoLogicalKey;
    for (const KeyRow& row : kKeys)
        if (row.key == key) return row.logical;
    return kNoLogicalKey;
}
