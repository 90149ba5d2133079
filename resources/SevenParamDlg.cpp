#include "resources/SevenParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 148 "设置七参数", maximised: the switch, three shifts, three rotations and the scale.
namespace {
using namespace sevenparam;
constexpr FieldColumns kFields{8, 42, 52, 76};
const BuiltDialogTemplate kTemplate(IDD, 135, 166, L"设置七参数", kDialogStyle,
                                    DialogRows()
                                        .Control({L"BUTTON", kEnable, 8, 6, 80, 10, L"启用七参数",
                                                  BS_AUTOCHECKBOX | WS_TABSTOP})
                                        .Field(kFields, kDx, 22, L"ΔX(米):")
                                        .Field(kFields, kDy, 37, L"ΔY(米):")
                                        .Field(kFields, kDz, 52, L"ΔZ(米):")
                                        .Field(kFields, kRx, 67, L"Δα(″):")
                                        .Field(kFields, kRy, 82, L"Δβ(″):")
                                        .Field(kFields, kRz, 97, L"Δγ(″):")
                                        .Field(kFields, kPpm, 112, L"ΔK(ppm):")
                                        .OkCancel(148)
                                        .Controls());
}  // namespace
