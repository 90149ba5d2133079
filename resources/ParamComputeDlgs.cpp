#include "resources/ParamComputeDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

namespace {
using namespace pairlist;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

// The list and its commands. No constant here may take the name of a list id: kEdit is a button.
std::vector<DialogControlTemplate> ListControls(UINT openId) {
    return DialogRows()
        .Control({WC_LISTVIEW, kList, 0, 0, 135, 112, L"",
                  LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP})
        .Field({2, 18, 20, 113}, kPath, 114, L"文件:")
        .Control({L"BUTTON", kAdd, 2, 130, 31, 15, L"增加", kButton})
        .Control({L"BUTTON", kDelete, 35, 130, 31, 15, L"删除", kButton})
        .Control({L"BUTTON", kEdit, 68, 130, 31, 15, L"编辑", kButton})
        .Control({L"BUTTON", kClear, 101, 130, 31, 15, L"清除", kButton})
        .Control({L"BUTTON", openId, 2, 148, 31, 15, L"打开", kButton})
        .Control({L"BUTTON", IDOK, 68, 148, 31, 15, L"计算", BS_DEFPUSHBUTTON | WS_TABSTOP})
        .Control({L"BUTTON", IDCANCEL, 101, 148, 31, 15, L"取消", kButton})
        .Controls();
}
const BuiltDialogTemplate kFourList(IDD_FOUR, 135, 166, L"计算四参数", kDialogStyle, ListControls(kOpenFour));
const BuiltDialogTemplate kSevenList(IDD_SEVEN, 135, 166, L"计算七参数", kDialogStyle,
                                     ListControls(kOpenSeven));

constexpr FieldColumns kFourWide{5, 30, 36, 94};
const BuiltDialogTemplate kFourPair(
    fourpair::IDD, 135, 146, L"计算四参数", kDialogStyle | DS_CENTER,
    DialogRows()
        .Field({5, 30, 36, 60}, fourpair::kName, 6, L"点  名:")
        .Control({L"STATIC", IDC_STATIC, 5, 24, 60, 8, L"转换前坐标:", SS_LEFT})
        .Control({L"BUTTON", fourpair::kPickSource, 100, 18, 30, 16, L"", kButton})
        .Field(kFourWide, fourpair::kSourceN, 38, L"北坐标:")
        .Field(kFourWide, fourpair::kSourceE, 54, L"东坐标:")
        .Control({L"STATIC", IDC_STATIC, 5, 74, 60, 8, L"转换后坐标:", SS_LEFT})
        .Control({L"BUTTON", fourpair::kPickTarget, 100, 68, 30, 16, L"", kButton})
        .Field(kFourWide, fourpair::kTargetN, 88, L"北坐标:")
        .Field(kFourWide, fourpair::kTargetE, 104, L"东坐标:")
        .OkCancel(126)
        .Controls());

// The name and X leave room for their group's pick button.
constexpr FieldColumns kSevenShort{6, 24, 30, 66};
constexpr FieldColumns kSevenWide{6, 24, 30, 100};
const BuiltDialogTemplate kSevenPair(
    sevenpair::IDD, 135, 162, L"计算七参数", kDialogStyle | DS_CENTER,
    DialogRows()
        .Control({L"BUTTON", IDC_STATIC, 2, 2, 131, 70, L"大地坐标", BS_GROUPBOX})
        .Control({L"BUTTON", sevenpair::kPickGeodetic, 100, 10, 30, 16, L"", kButton})
        .Field(kSevenShort, sevenpair::kName, 12, L"点名:")
        .Field(kSevenWide, sevenpair::kB, 28, L"B:")
        .Field(kSevenWide, sevenpair::kL, 42, L"L:")
        .Field(kSevenWide, sevenpair::kH, 56, L"H:")
        .Control({L"BUTTON", IDC_STATIC, 2, 74, 131, 62, L"平面坐标", BS_GROUPBOX})
        .Control({L"BUTTON", sevenpair::kPickPlane, 100, 82, 30, 16, L"", kButton})
        .Field(kSevenShort, sevenpair::kX, 86, L"X:")
        .Field(kSevenWide, sevenpair::kY, 102, L"Y:")
        .Field(kSevenWide, sevenpair::kLocalH, 118, L"H:")
        .OkCancel(142)
        .Controls());
}  // namespace
