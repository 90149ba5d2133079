#include "resources/GeoCoordLibDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

namespace {
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

const DialogControlTemplate kLibraryControls[] = {
    {WC_LISTVIEW, geolib::kList, 0, 0, 135, 126, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {L"BUTTON", geolib::kAdd, 2, 130, 31, 15, L"增加", kButton},
    {L"BUTTON", geolib::kEdit, 35, 130, 31, 15, L"编辑", kButton},
    {L"BUTTON", geolib::kDelete, 68, 130, 31, 15, L"删除", kButton},
    {L"BUTTON", geolib::kClear, 101, 130, 31, 15, L"清除", kButton},
    {L"BUTTON", geolib::kOpen, 2, 148, 31, 15, L"打开", kButton},
    {L"BUTTON", geolib::kFind, 35, 148, 31, 15, L"查找", kButton},
    {L"BUTTON", IDOK, 68, 148, 31, 15, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 101, 148, 31, 15, L"取消", kButton},
};
const DialogTemplate kLibraryTemplate{geolib::IDD, 135, 166, L"经纬度坐标库", kDialogStyle, kLibraryControls};
const DialogTemplateRegistration kLibraryRegistration(kLibraryTemplate);

constexpr FieldColumns kPointColumns{5, 30, 36, 94};
const std::vector<DialogControlTemplate> kPointControls =
    DialogRows()
        .Field(kPointColumns, geopoint::kName, 7, L"点  名:")
        .Field(kPointColumns, geopoint::kB, 25, L"纬  度:")
        .Field(kPointColumns, geopoint::kL, 43, L"经  度:")
        .Field(kPointColumns, geopoint::kH, 61, L"高  程:")
        .Field(kPointColumns, geopoint::kAttribute, 79, L"属  性:")
        .OkCancel(100)
        .Controls();
const BuiltDialogTemplate kAddPoint(geopoint::IDD_ADD, 135, 120, L"增加大地坐标", kDialogStyle | DS_CENTER,
                                    kPointControls);
const BuiltDialogTemplate kEditPoint(geopoint::IDD_EDIT, 135, 120, L"编辑大地坐标", kDialogStyle | DS_CENTER,
                                     kPointControls);

constexpr DWORD kShown = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
const DialogControlTemplate kFindControls[] = {
    {L"EDIT", geofind::kText, 4, 4, 90, 12, L"", kEdit},
    {L"BUTTON", geofind::kSearch, 98, 3, 33, 14, L"查找", kButton},
    {L"LISTBOX", geofind::kNames, 4, 20, 127, 56, L"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 4, 82, 30, 8, L"纬度B", SS_LEFT},
    {L"EDIT", geofind::kB, 36, 80, 95, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 96, 30, 8, L"经度L", SS_LEFT},
    {L"EDIT", geofind::kL, 36, 94, 95, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 110, 30, 8, L"高程H", SS_LEFT},
    {L"EDIT", geofind::kH, 36, 108, 95, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 4, 124, 30, 8, L"编码", SS_LEFT},
    {L"EDIT", geofind::kCode, 36, 122, 95, 12, L"", kShown},
    {L"BUTTON", IDOK, 22, 142, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {L"BUTTON", IDCANCEL, 72, 142, 40, 14, L"取消", kButton},
};
const DialogTemplate kFindTemplate{geofind::IDD, 135, 162, L"查找", kDialogStyle | DS_CENTER, kFindControls};
const DialogTemplateRegistration kFindRegistration(kFindTemplate);
}  // namespace
