#include "resources/MainViewForm.h"

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// Form 133: the plot above, the point name, solution and position texts below it.
namespace {
using namespace mainview;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {L"STATIC", kPlot, 0, 0, 135, 111, L"", SS_LEFT},
    {L"STATIC", kMarkText, 81, 58, 42, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 112, 19, 8, L"点名:", SS_LEFT},
    {L"STATIC", kPointName, 20, 112, 42, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 73, 112, 19, 8, L"状态:", SS_LEFT},
    {L"STATIC", kSolution, 92, 112, 43, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 121, 8, 8, L"x:", SS_LEFT},
    {L"STATIC", kGridX, 9, 121, 53, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 131, 8, 8, L"y:", SS_LEFT},
    {L"STATIC", kGridY, 9, 131, 53, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 1, 139, 8, 8, L"h:", SS_LEFT},
    {L"STATIC", kGridH, 9, 139, 53, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 69, 121, 25, 8, L"PDOP:", SS_LEFT},
    {L"STATIC", kPdop, 94, 121, 41, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 69, 130, 25, 8, L"HRMS:", SS_LEFT},
    {L"STATIC", kHrms, 94, 130, 41, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 69, 139, 25, 8, L"VRMS:", SS_LEFT},
    {L"STATIC", kVrms, 94, 139, 41, 8, L"", SS_LEFT},
    {L"BUTTON", kZoomIn, 0, 150, 15, 15, L"", kButton},
    {L"BUTTON", kZoomOut, 15, 150, 15, 15, L"", kButton},
    {L"BUTTON", kFollow, 30, 150, 15, 15, L"", kButton},
    {L"BUTTON", kFitAll, 45, 150, 15, 15, L"", kButton},
    {L"BUTTON", kStorePoint, 63, 47, 15, 15, L"", kButton},
    {L"BUTTON", kStoreSettings, 60, 150, 15, 15, L"", kButton},
    {L"BUTTON", kReceiverInfo, 75, 150, 15, 15, L"", kButton},
    {L"BUTTON", kParamView, 90, 150, 15, 15, L"", kButton},
    {L"BUTTON", kConnect, 105, 150, 15, 15, L"", kButton},
    {L"BUTTON", kExit, 120, 150, 15, 15, L"", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"", WS_CHILD | DS_SETFONT, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace
