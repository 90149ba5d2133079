#include "resources/AutoStoreDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 249: start name, code, antenna height, the count stored so far, start and stop.
namespace {
using namespace autostore;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

constexpr FieldColumns kFields{4, 36, 42, 86};
const BuiltDialogTemplate kTemplate(
    IDD, 132, 124, L"自动存储", kDialogStyle | DS_CENTER,
    DialogRows()
        .Field(kFields, kName, 4, L"起始点名:")
        .Field(kFields, kCode, 20, L"属性:")
        .Field(kFields, kAntHeight, 36, L"天线高:")
        .Control({L"BUTTON", kVertical, 14, 52, 34, 11, L"直高", kFirstRadio})
        .Control({L"BUTTON", kSlant, 50, 52, 34, 11, L"斜高", kRadio})
        .Control({L"BUTTON", kPole, 86, 52, 34, 11, L"杆高", kRadio})
        .Control({L"STATIC", IDC_STATIC, 4, 70, 52, 8, L"当前存储个数:", SS_LEFT})
        .Control({L"STATIC", kCount, 58, 70, 70, 8, L"0", SS_LEFT})
        .Control({L"BUTTON", kStart, 10, 84, 52, 14, L"开始存储", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP})
        .Control({L"BUTTON", kStop, 70, 84, 52, 14, L"停止存储", BS_PUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", IDOK, 14, 104, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", IDCANCEL, 76, 104, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP})
        .Controls());
}  // namespace
