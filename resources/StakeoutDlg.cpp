#include "resources/StakeoutDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// 15256: plot on top, readouts in two columns, ten buttons (the store button over the plot), laid out
// to fill the 240 x 320 screen.
namespace {
using namespace pointstake;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", kPlot, 0, 0, 135, 118, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 120, 19, 8, L"点名:", SS_LEFT},
    {L"STATIC", kPointName, 20, 120, 54, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 129, 19, 8, L"状态:", SS_LEFT},
    {L"STATIC", kSolution, 20, 129, 54, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 138, 19, 8, L"卫星:", SS_LEFT},
    {L"STATIC", kSatellites, 20, 138, 54, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 147, 19, 8, L"HR:", SS_LEFT},
    {L"STATIC", kRmsH, 20, 147, 54, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 156, 19, 8, L"VR:", SS_LEFT},
    {L"STATIC", kRmsV, 20, 156, 54, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 73, 120, 18, 8, L"Dx:", SS_LEFT},
    {L"STATIC", kDx, 91, 120, 44, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 73, 129, 18, 8, L"Dy:", SS_LEFT},
    {L"STATIC", kDy, 91, 129, 44, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 73, 138, 18, 8, L"Dh:", SS_LEFT},
    {L"STATIC", kDh, 91, 138, 44, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 73, 147, 18, 8, L"距离:", SS_LEFT},
    {L"STATIC", kDistance, 91, 147, 44, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 73, 156, 18, 8, L"方位:", SS_LEFT},
    {L"STATIC", kAzimuth, 91, 156, 44, 8, L"", SS_LEFT},
    {L"BUTTON", kStore, 53, 54, 15, 15, L"", kButton},
    {L"BUTTON", kZoomIn, 0, 166, 15, 15, L"", kButton},
    {L"BUTTON", kZoomOut, 15, 166, 15, 15, L"", kButton},
    {L"BUTTON", kFollow, 30, 166, 15, 15, L"", kButton},
    {L"BUTTON", kFitAll, 45, 166, 15, 15, L"", kButton},
    {L"BUTTON", kLibrary, 60, 166, 15, 15, L"", kButton},
    {L"BUTTON", kSettings, 75, 166, 15, 15, L"", kButton},
    {L"BUTTON", kInfo, 90, 166, 15, 15, L"", kButton},
    {L"BUTTON", kCoordView, 105, 166, 15, 15, L"", kButton},
    {L"BUTTON", kClose, 120, 166, 15, 15, L"", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 181, L"", WS_POPUP | DS_SETFONT, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace
