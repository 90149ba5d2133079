#include "resources/MainViewForm.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

// Form 133: the plot above, the point name, solution and position texts below it.
namespace {
using namespace mainview;
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
};
const DialogTemplate kTemplate{IDD, 135, 166, L"", WS_CHILD | DS_SETFONT, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);
}  // namespace
