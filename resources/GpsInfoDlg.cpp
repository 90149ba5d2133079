#include "resources/GpsInfoDlg.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"

// The receiver information dialog and four of its pages (the base page: RefPointDlg.cpp).
namespace {
constexpr DWORD kPage = WS_CHILD;
constexpr DWORD kValue = SS_LEFT;

const DialogControlTemplate kSheetControls[] = {
    {WC_TABCONTROL, gpsinfo::kTab, 0, 0, 135, 166, L"", WS_TABSTOP},
};
const DialogTemplate kSheet{gpsinfo::IDD, 135, 166, L"信息显示", kDialogStyle, kSheetControls};
const DialogTemplateRegistration kSheetRegistration(kSheet);

constexpr short RowY(int row) {
    return static_cast<short>(4 + row * 11);
}
constexpr DialogControlTemplate Label(int row, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, 4, RowY(row), 30, 9, text, SS_LEFT};
}
constexpr DialogControlTemplate Value(int row, UINT id) {
    return {L"STATIC", id, 36, RowY(row), 92, 9, L"", kValue};
}
const DialogControlTemplate kPositionControls[] = {
    Label(0, L"纬度:"),   Value(0, positionpage::kLatitude),
    Label(1, L"经度:"),   Value(1, positionpage::kLongitude),
    Label(2, L"椭球高:"), Value(2, positionpage::kHeight),
    Label(3, L"北(X):"),  Value(3, positionpage::kX),
    Label(4, L"东(Y):"),  Value(4, positionpage::kY),
    Label(5, L"高(H):"),  Value(5, positionpage::kH),
    Label(6, L"PDOP:"),   Value(6, positionpage::kPdop),
    Label(7, L"状态:"),   Value(7, positionpage::kSolution),
    Label(8, L"卫星:"),   Value(8, positionpage::kSatellites),
    Label(9, L"VRMS:"),   Value(9, positionpage::kRmsV),
    Label(10, L"HRMS:"),  Value(10, positionpage::kRmsH),
    Label(11, L"时间:"),  Value(11, positionpage::kTime),
};
const DialogTemplate kPosition{positionpage::IDD, 131, 150, L"", kPage, kPositionControls};
const DialogTemplateRegistration kPositionRegistration(kPosition);

const DialogTemplate kSky{skyplotpage::IDD, 131, 150, L"", kPage, {}};
const DialogTemplateRegistration kSkyRegistration(kSky);

const DialogControlTemplate kSatListControls[] = {
    {WC_LISTVIEW, satlistpage::kList, 0, 0, 131, 148, L"",
     LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP},
};
const DialogTemplate kSatList{satlistpage::IDD, 131, 150, L"", kPage, kSatListControls};
const DialogTemplateRegistration kSatListRegistration(kSatList);

constexpr DialogControlTemplate Line(int k) {
    return {L"STATIC", static_cast<UINT>(gpstextpage::kFirstLine + k),
            4,         static_cast<short>(4 + k * 9),
            124,       9,
            L"",       SS_LEFT};
}
const DialogControlTemplate kTextControls[] = {
    Line(0), Line(1), Line(2),  Line(3),  Line(4),  Line(5),  Line(6),  Line(7),
    Line(8), Line(9), Line(10), Line(11), Line(12), Line(13), Line(14),
};
const DialogTemplate kText{gpstextpage::IDD, 131, 150, L"", kPage, kTextControls};
const DialogTemplateRegistration kTextRegistration(kText);
}  // namespace
