#include "resources/OffsetStoreDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 235: the fix, the reference direction (north or towards a library point) and the offset.
namespace {
using namespace offsetstore;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

constexpr FieldColumns kFields{4, 36, 44, 87};
const BuiltDialogTemplate kTemplate(
    IDD, 135, 166, L"偏移存储", kDialogStyle,
    DialogRows()
        .Control({L"STATIC", kStatus, 4, 3, 127, 8, L"", SS_LEFT})
        .Field({4, 10, 16, 115}, kX, 13, L"x:")
        .Field({4, 10, 16, 115}, kY, 27, L"y:")
        .Field({4, 10, 16, 115}, kH, 41, L"h:")
        .Field({4, 24, 28, 36}, kRmsH, 55, L"RMSH:")
        .Field({68, 24, 93, 38}, kRmsV, 55, L"RMSV:")
        .Control({L"BUTTON", kNorth, 4, 70, 50, 11, L"正北方向", kFirstRadio})
        .Control({L"BUTTON", kByPoint, 58, 70, 50, 11, L"据点计算", kRadio})
        .Control({L"EDIT", kRefName, 4, 83, 104, 12, L"", kEdit | WS_GROUP})
        .Control({L"BUTTON", kPick, 112, 82, 19, 14, L"", BS_OWNERDRAW | WS_TABSTOP})
        .Control({L"STATIC", IDC_STATIC, 4, 99, 127, 8, L"角度输入格式:dd.mmssssss", SS_LEFT})
        .Field(kFields, kAngle, 110, L"偏移角度:")
        .Field(kFields, kDistance, 124, L"偏移距离:")
        .Field(kFields, kHeightDiff, 138, L"高  差:")
        .Control({L"BUTTON", IDOK, 18, 152, 40, 13, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", IDCANCEL, 72, 152, 40, 13, L"取消", BS_PUSHBUTTON | WS_TABSTOP})
        .Controls());
}  // namespace
