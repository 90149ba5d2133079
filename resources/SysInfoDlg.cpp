#include "resources/SysInfoDlg.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 206 "系统信息": six read-only figures in kilobytes.
namespace {
using namespace sysinfo;
constexpr DWORD kShown = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
const DialogControlTemplate kControls[] = {
    {L"STATIC", IDC_STATIC, 101, 12, 32, 10, L"单位:KB", SS_LEFT},
    {L"STATIC", IDC_STATIC, 4, 12, 54, 10, L"程序内存(总计)", SS_LEFT},
    {L"EDIT", kProgramTotal, 58, 10, 40, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 28, 54, 10, L"程序内存  剩余", SS_LEFT},
    {L"EDIT", kProgramFree, 58, 26, 40, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 44, 54, 10, L"已使用", SS_LEFT},
    {L"EDIT", kProgramUsed, 58, 42, 40, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 66, 54, 10, L"存储内存(总计)", SS_LEFT},
    {L"EDIT", kStorageTotal, 58, 64, 40, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 82, 54, 10, L"存储内存  剩余", SS_LEFT},
    {L"EDIT", kStorageFree, 58, 80, 40, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 98, 54, 10, L"已使用", SS_LEFT},
    {L"EDIT", kStorageUsed, 58, 96, 40, 12, L"", kShown},
};
const DialogTemplate kTemplate{IDD, 135, 121, L"系统信息", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace
