#include "resources/HeightFitParamDlg.h"

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 15121 "设置高程拟合参数", maximised: the switch, the six coefficients and the surface's origin.
namespace {
using namespace heightfit;
constexpr FieldColumns kFields{8, 20, 30, 98};
const BuiltDialogTemplate kTemplate(IDD, 135, 166, L"设置高程拟合参数", kDialogStyle,
                                    DialogRows()
                                        .Control({L"BUTTON", kEnable, 8, 6, 100, 10, L"启用高程拟合参数",
                                                  BS_AUTOCHECKBOX | WS_TABSTOP})
                                        .Field(kFields, kA0, 21, L"A0:")
                                        .Field(kFields, kA1, 36, L"A1:")
                                        .Field(kFields, kA2, 51, L"A2:")
                                        .Field(kFields, kA3, 66, L"A3:")
                                        .Field(kFields, kA4, 81, L"A4:")
                                        .Field(kFields, kA5, 96, L"A5:")
                                        .Field(kFields, kX0, 111, L"X0:")
                                        .Field(kFields, kY0, 126, L"Y0:")
                                        .OkCancel(148)
                                        .Controls());
}  // namespace
