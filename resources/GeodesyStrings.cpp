#include "platform/ui/StringTable.h"
#include "resources/ParamViewDlg.h"

// Texts of the coordinate-system dialogs.
namespace {
const StringTableEntry kStrings[] = {
    {paramview::kTitleProjection, L"投影"},
    {paramview::kTitleFour, L"转换"},
    {paramview::kTitleFit, L"拟合"},
    {paramview::kTitleSeven, L"七参"},
};
const StringTableRegistration kRegister(kStrings);
}  // namespace
