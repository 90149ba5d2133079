#include "resources/LineStakeDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// 15257: plot on top, readouts in two columns, ten buttons (the store button over the plot), laid out
// to fill the 240 x 320 screen (180 units tall: 181 would reach a pixel below it).
namespace {
using namespace linestake;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", kPlot, 0, 0, 135, 120, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 121, 17, 8, L"线名:", SS_LEFT},
    {L"STATIC", kLineName, 18, 121, 47, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 65, 121, 16, 8, L"状态:", SS_LEFT},
    {L"STATIC", kSolution, 81, 121, 54, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 130, 17, 8, L"Dx:", SS_LEFT},
    {L"STATIC", kDx, 18, 130, 47, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 139, 17, 8, L"Dy:", SS_LEFT},
    {L"STATIC", kDy, 18, 139, 47, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 148, 17, 8, L"HR:", SS_LEFT},
    {L"STATIC", kRmsH, 18, 148, 47, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 157, 17, 8, L"VR:", SS_LEFT},
    {L"STATIC", kRmsV, 18, 157, 47, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 65, 130, 24, 8, L"偏离距:", SS_LEFT},
    {L"STATIC", kOffset, 89, 130, 46, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 65, 139, 24, 8, L"起点距:", SS_LEFT},
    {L"STATIC", kStartDistance, 89, 139, 46, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 65, 148, 24, 8, L"终点距:", SS_LEFT},
    {L"STATIC", kEndDistance, 89, 148, 46, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 65, 157, 24, 8, L"里程:", SS_LEFT},
    {L"STATIC", kMileage, 89, 157, 46, 8, L"", SS_LEFT},
    {L"BUTTON", kStore, 41, 43, 15, 15, L"", kButton},
    {L"BUTTON", kZoomIn, 0, 165, 15, 15, L"", kButton},
    {L"BUTTON", kZoomOut, 15, 165, 15, 15, L"", kButton},
    {L"BUTTON", kFollow, 30, 165, 15, 15, L"", kButton},
    {L"BUTTON", kFitAll, 45, 165, 15, 15, L"", kButton},
    {L"BUTTON", kLibrary, 60, 165, 15, 15, L"", kButton},
    {L"BUTTON", kSettings, 75, 165, 15, 15, L"", kButton},
    {L"BUTTON", kInfo, 90, 165, 15, 15, L"", kButton},
    {L"BUTTON", kCoordView, 105, 165, 15, 15, L"", kButton},
    {L"BUTTON", kClose, 120, 165, 15, 15, L"", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 180, L"", WS_POPUP | DS_SETFONT, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace
