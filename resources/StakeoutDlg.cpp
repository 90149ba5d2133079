#include "resources/StakeoutDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// 15256: plot on top, readouts in two columns, ten buttons (the store button over the plot), laid out
// to fill the 240 x 320 screen (180 units tall: 181 would reach a pixel below it).
namespace {
using namespace pointstake;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", kPlot, 0, 0, 135, 118, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 120, 17, 8, L"点名:", SS_LEFT},
    {L"STATIC", kPointName, 18, 120, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 129, 17, 8, L"状态:", SS_LEFT},
    {L"STATIC", kSolution, 18, 129, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 138, 17, 8, L"卫星:", SS_LEFT},
    {L"STATIC", kSatellites, 18, 138, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 147, 17, 8, L"HR:", SS_LEFT},
    {L"STATIC", kRmsH, 18, 147, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 156, 17, 8, L"VR:", SS_LEFT},
    {L"STATIC", kRmsV, 18, 156, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 68, 120, 17, 8, L"Dx:", SS_LEFT},
    {L"STATIC", kDx, 85, 120, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 68, 129, 17, 8, L"Dy:", SS_LEFT},
    {L"STATIC", kDy, 85, 129, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 68, 138, 17, 8, L"Dh:", SS_LEFT},
    {L"STATIC", kDh, 85, 138, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 68, 147, 17, 8, L"距离:", SS_LEFT},
    {L"STATIC", kDistance, 85, 147, 50, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 68, 156, 17, 8, L"方位:", SS_LEFT},
    {L"STATIC", kAzimuth, 85, 156, 50, 8, L"", SS_LEFT},
    {L"BUTTON", kStore, 53, 54, 15, 15, L"", kButton},
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
