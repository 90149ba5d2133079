#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"
#include "resources/BaseSetupDlg.h"
#include "resources/DataLinkDlg.h"
#include "resources/InstrumentSetDlg.h"
#include "resources/WorkModeDlg.h"

// The four choice dialogs of the instrument settings: a radio group (or three buttons) and OK/Cancel.
namespace {
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kOkStyle = BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

const DialogControlTemplate kInstrumentSetControls[] = {
    {L"BUTTON", instrumentset::kWorkMode, 30, 10, 80, 12, L"设置工作模式", kFirstRadio},
    {L"BUTTON", instrumentset::kStatic, 30, 28, 80, 12, L"设置静态参数", kRadio},
    {L"BUTTON", instrumentset::kDataLink, 30, 46, 80, 12, L"设置数据链", kRadio},
    {L"BUTTON", IDOK, 18, 68, 40, 14, L"确定", kOkStyle},
    {L"BUTTON", IDCANCEL, 72, 68, 40, 14, L"取消", kButton},
};
const DialogTemplate kInstrumentSet{instrumentset::IDD,    130, 90, L"仪器设置", kDialogStyle | DS_CENTER,
                                    kInstrumentSetControls};
const DialogTemplateRegistration kInstrumentSetRegistration(kInstrumentSet);

const DialogControlTemplate kWorkModeControls[] = {
    {L"BUTTON", workmode::kKinematic, 20, 10, 44, 12, L"动 态 ", kFirstRadio},
    {L"BUTTON", workmode::kBase, 70, 10, 44, 12, L"基准站", kRadio},
    {L"BUTTON", workmode::kRover, 20, 30, 44, 12, L"移动站", kRadio},
    {L"BUTTON", workmode::kStatic, 70, 30, 44, 12, L"静 态 ", kRadio},
    {L"BUTTON", IDOK, 18, 54, 40, 14, L"确定", kOkStyle},
    {L"BUTTON", IDCANCEL, 72, 54, 40, 14, L"取消", kButton},
};
const DialogTemplate kWorkMode{workmode::IDD,    130, 76, L"工作模式设置", kDialogStyle | DS_CENTER,
                               kWorkModeControls};
const DialogTemplateRegistration kWorkModeRegistration(kWorkMode);

const DialogControlTemplate kDataLinkControls[] = {
    {L"BUTTON", datalink::kRadio, 10, 12, 34, 12, L"电台", kFirstRadio},
    {L"BUTTON", datalink::kModule, 48, 12, 34, 12, L"模块", kRadio},
    {L"BUTTON", datalink::kExternal, 86, 12, 34, 12, L"外置", kRadio},
    {L"BUTTON", IDOK, 18, 36, 40, 14, L"确定", kOkStyle},
    {L"BUTTON", IDCANCEL, 72, 36, 40, 14, L"取消", kButton},
};
const DialogTemplate kDataLink{datalink::IDD,    130, 58, L"数据链设置", kDialogStyle | DS_CENTER,
                               kDataLinkControls};
const DialogTemplateRegistration kDataLinkRegistration(kDataLink);

const DialogControlTemplate kBaseSetupControls[] = {
    {L"BUTTON", basesetup::kAutoStart, 10, 10, 110, 16, L"自动启动基站参数设置", kButton},
    {L"BUTTON", basesetup::kManual, 10, 32, 110, 16, L"手工输入坐标设置基站", kButton},
    {L"BUTTON", IDCANCEL, 45, 56, 40, 14, L"退出", kButton},
};
const DialogTemplate kBaseSetup{basesetup::IDD,    130, 78, L"基准站设置", kDialogStyle | DS_CENTER,
                                kBaseSetupControls};
const DialogTemplateRegistration kBaseSetupRegistration(kBaseSetup);
}  // namespace
