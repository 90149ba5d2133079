#include "platform/ui/StringTable.h"

// Strings of the foundation's screens that the shared table does not hold.
namespace {
const StringTableEntry kStrings[] = {
    {61264, L"编号"},
    {61265, L"描述"},
};
const StringTableRegistration kRegistration(kStrings);
}  // namespace
