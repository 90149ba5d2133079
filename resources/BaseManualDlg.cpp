#include "resources/BaseManualDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 166: the position (geodetic or plane), the transmit parameters, the antenna and the repeat option.
namespace {
using namespace basemanual;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const DialogControlTemplate kControls[] = {
    {L"BUTTON", kGeodetic, 4, 3, 44, 11, L"大地坐标", kFirstRadio},
    {L"BUTTON", kPlane, 50, 3, 44, 11, L"平面坐标", kRadio},
    {L"BUTTON", kSinglePoint, 98, 2, 32, 13, L"单点", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP},
    {L"STATIC", kLabelB, 4, 19, 10, 8, L"B:", SS_LEFT},
    {L"EDIT", kB, 16, 17, 114, 12, L"", kEdit},
    {L"STATIC", kLabelL, 4, 33, 10, 8, L"L:", SS_LEFT},
    {L"EDIT", kL, 16, 31, 114, 12, L"", kEdit},
    {L"STATIC", kLabelH, 4, 47, 10, 8, L"H:", SS_LEFT},
    {L"EDIT", kH, 16, 45, 114, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 62, 28, 8, L"天线高:", SS_LEFT},
    {L"EDIT", kAntHeight, 32, 60, 24, 12, L"", kEdit},
    {L"BUTTON", kVertical, 58, 61, 24, 11, L"直高", kFirstRadio},
    {L"BUTTON", kSlant, 82, 61, 24, 11, L"斜高", kRadio},
    {L"BUTTON", kPole, 106, 61, 24, 11, L"杆高", kRadio},
    {L"STATIC", IDC_STATIC, 4, 77, 56, 8, L"发射间隔(秒):", SS_LEFT},
    {L"EDIT", kInterval, 60, 75, 20, 12, L"", kEdit | WS_GROUP},
    {L"STATIC", IDC_STATIC, 84, 77, 22, 8, L"截止角:", SS_LEFT},
    {L"EDIT", kMask, 110, 75, 20, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 4, 92, 56, 8, L"差分数据格式:", SS_LEFT},
    {WC_COMBOBOX, kFormat, 60, 90, 70, 60, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 107, 36, 8, L"PDOP限制:", SS_LEFT},
    {L"EDIT", kPdop, 42, 105, 24, 12, L"", kEdit},
    {L"BUTTON", kRepeat, 70, 105, 60, 12, L"下次重复设站", BS_AUTOCHECKBOX | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 120, 126, 26,
     L"使用单点定位坐标设置基准站时,天线高必须设置为零.使用已知坐标设置基准站时,需要输入天线高.", SS_LEFT},
    {L"BUTTON", IDOK, 18, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
};
const DialogTemplate kTemplate{IDD,      135, 166, L"使用手工输入坐标设置基准站", kDialogStyle | DS_CENTER,
                               kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace
