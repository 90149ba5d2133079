#include "resources/PowerlineScreens.h"

#include <algorithm>
#include <array>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// Both screens fill the form: their own fields on top, the live status block and the buttons below.
namespace {
using namespace powerscreen;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

constexpr DialogControlTemplate kStatusAndButtons[] = {
    {L"STATIC", IDC_STATIC, 2, 52, 24, 8, L"上一点:", SS_LEFT},
    {L"STATIC", kLastName, 28, 52, 105, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 2, 64, 24, 8, L"状态:", SS_LEFT},
    {L"STATIC", kSolution, 28, 64, 105, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 2, 76, 24, 8, L"卫星:", SS_LEFT},
    {L"STATIC", kSatellites, 28, 76, 105, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 2, 88, 10, 8, L"X:", SS_LEFT},
    {L"STATIC", kX, 12, 88, 58, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 2, 100, 10, 8, L"Y:", SS_LEFT},
    {L"STATIC", kY, 12, 100, 58, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 2, 112, 10, 8, L"H:", SS_LEFT},
    {L"STATIC", kH, 12, 112, 58, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 74, 88, 16, 8, L"HR:", SS_LEFT},
    {L"STATIC", kRmsH, 90, 88, 43, 8, L"", SS_LEFT},
    {L"STATIC", IDC_STATIC, 74, 100, 16, 8, L"VR:", SS_LEFT},
    {L"STATIC", kRmsV, 90, 100, 43, 8, L"", SS_LEFT},
    {L"BUTTON", kStore, 4, 128, 40, 15, L"存储", kButton},
    {L"BUTTON", kSettings, 48, 128, 40, 15, L"存储设置", kButton},
    {L"BUTTON", kVerify, 92, 128, 40, 15, L"数据校验", kButton},
    {L"BUTTON", kCoordView, 4, 147, 62, 15, L"查看测量点", kButton},
    {L"BUTTON", IDCANCEL, 70, 147, 62, 15, L"退出", kButton},
};

template <size_t N, size_t M>
constexpr std::array<DialogControlTemplate, N + M> Join(const DialogControlTemplate (&own)[N],
                                                        const DialogControlTemplate (&shared)[M]) {
    std::array<DialogControlTemplate, N + M> all{};
    std::copy(own, own + N, all.begin());
    std::copy(shared, shared + M, all.begin() + N);
    return all;
}

constexpr DialogControlTemplate kSurveyFields[] = {
    {L"STATIC", IDC_STATIC, 2, 8, 34, 8, L"记录格式:", SS_LEFT},
    {WC_COMBOBOX, powersurvey::kFormat, 38, 6, 60, 90, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
};
constexpr auto kSurveyControls = Join(kSurveyFields, kStatusAndButtons);
const DialogTemplate kSurvey{powersurvey::IDD, 135, 166, L"电力线勘测", kDialogStyle, kSurveyControls};
const DialogTemplateRegistration kSurveyRegistration(kSurvey);

constexpr DialogControlTemplate kSectionFields[] = {
    {L"STATIC", IDC_STATIC, 2, 6, 34, 8, L"塔基断面:", SS_LEFT},
    {L"EDIT", towersection::kSection, 38, 4, 95, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 2, 21, 34, 8, L"边桩号:", SS_LEFT},
    {L"EDIT", towersection::kStakeNumber, 38, 19, 95, 12, L"", kEdit},
    {L"STATIC", IDC_STATIC, 2, 36, 34, 8, L"基准高:", SS_LEFT},
    {L"EDIT", towersection::kRefHeight, 38, 34, 95, 12, L"", kEdit},
};
constexpr auto kSectionControls = Join(kSectionFields, kStatusAndButtons);
const DialogTemplate kSection{towersection::IDD, 135, 166, L"塔基断面放样", kDialogStyle, kSectionControls};
const DialogTemplateRegistration kSectionRegistration(kSection);
}  // namespace
