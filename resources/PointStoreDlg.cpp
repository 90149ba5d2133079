#include "resources/PointStoreDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// 15254: name, code and antenna height, the fix's grid position and precision, the point kind.
namespace {
using namespace pointstore;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const BuiltDialogTemplate kTemplate(
    IDD, 135, 166, L"点存储", kDialogStyle,
    DialogRows()
        .Control({L"STATIC", kStatus, 4, 3, 127, 8, L"", SS_LEFT})
        .Field({4, 24, 30, 101}, kName, 13, L"点名:")
        .Field({4, 24, 30, 101}, kCode, 27, L"属性:")
        .Field({4, 26, 30, 28}, kAntHeight, 41, L"天线高:")
        .Control({L"BUTTON", kVertical, 60, 42, 24, 11, L"直高", kFirstRadio})
        .Control({L"BUTTON", kSlant, 84, 42, 24, 11, L"斜高", kRadio})
        .Control({L"BUTTON", kPole, 108, 42, 24, 11, L"杆高", kRadio})
        .Control({L"STATIC", IDC_STATIC, 4, 57, 10, 8, L"x:", SS_LEFT})
        .Control({L"EDIT", kX, 30, 55, 101, 12, L"", kEdit | WS_GROUP})
        .Field({4, 10, 30, 101}, kY, 69, L"y:")
        .Field({4, 10, 30, 101}, kH, 83, L"h:")
        .Field({4, 24, 30, 34}, kRmsH, 97, L"RMSH:")
        .Field({68, 24, 94, 37}, kRmsV, 97, L"RMSV:")
        .Control({L"BUTTON", kTerrain, 4, 113, 40, 11, L"地形点", kFirstRadio})
        .Control({L"BUTTON", kReference, 46, 113, 40, 11, L"参考点", kRadio})
        .Control({L"STATIC", kProgress, 92, 114, 39, 8, L"", SS_LEFT})
        .Control({L"BUTTON", kStop, 47, 129, 40, 14, L"停止",
                  BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | kHiddenControl})
        .Control({L"BUTTON", IDOK, 18, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP})
        .Controls());
}  // namespace
