#include "resources/PowerlineStoreDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// The power-line store dialogs. Each shares the top row (solution text, name) and the bottom
// block (antenna height, the fix, precision, point kind, smoothing, OK and Cancel); its format's
// own controls take the rows between, at 26, 39, 52, 65 and 78 dialog units.
namespace {
using namespace plstore;
using Controls = std::vector<DialogControlTemplate>;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

DialogControlTemplate Label(short x, short y, short cx, const wchar_t* text) {
    return {L"STATIC", IDC_STATIC, x, static_cast<short>(y + 2), cx, 8, text, SS_LEFT};
}

// `kinds`: the valid/reference choice (a tower-section point is always a side stake).
Controls Dialog(bool kinds, Controls own) {
    Controls c = {
        {L"STATIC", kStatus, 4, 2, 127, 8, L"", SS_LEFT},
        Label(4, 12, 22, L"点名:"),
        {L"EDIT", kName, 26, 12, 50, 12, L"", kEdit},
    };
    c.insert(c.end(), own.begin(), own.end());
    const Controls bottom = {
        Label(4, 91, 26, L"天线高:"),
        {L"EDIT", kAntHeight, 30, 91, 28, 12, L"", kEdit | WS_GROUP},
        {L"BUTTON", kVertical, 60, 92, 24, 11, L"直高", kFirstRadio},
        {L"BUTTON", kSlant, 84, 92, 24, 11, L"斜高", kRadio},
        {L"BUTTON", kPole, 108, 92, 24, 11, L"杆高", kRadio},
        Label(2, 104, 6, L"x"),
        {L"EDIT", kX, 8, 104, 40, 12, L"", kEdit | WS_GROUP},
        Label(50, 104, 6, L"y"),
        {L"EDIT", kY, 56, 104, 40, 12, L"", kEdit},
        Label(98, 104, 6, L"h"),
        {L"EDIT", kH, 104, 104, 27, 12, L"", kEdit},
        Label(4, 117, 22, L"RMSH:"),
        {L"EDIT", kRmsH, 26, 117, 24, 12, L"", kEdit},
        Label(52, 117, 22, L"RMSV:"),
        {L"EDIT", kRmsV, 74, 117, 24, 12, L"", kEdit},
        {L"STATIC", kProgress, 100, 119, 31, 8, L"", SS_LEFT},
        {L"BUTTON", kStop, 92, 130, 39, 13, L"停止", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | kHiddenControl},
        {L"BUTTON", IDOK, 18, 148, 40, 14, L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP},
        {L"BUTTON", IDCANCEL, 72, 148, 40, 14, L"取消", BS_PUSHBUTTON | WS_TABSTOP},
    };
    c.insert(c.end(), bottom.begin(), bottom.end());
    if (kinds) {
        c.push_back({L"BUTTON", kValid, 4, 131, 40, 11, L"有效点", kFirstRadio});
        c.push_back({L"BUTTON", kReference, 46, 131, 40, 11, L"参考点", kRadio});
    }
    return c;
}

// Row 78 of most formats: mileage and remark.
Controls MileageRemark() {
    return {
        Label(4, 78, 22, L"里程:"),
        {L"EDIT", kMileage, 26, 78, 40, 12, L"", kEdit},
        Label(70, 78, 22, L"备注:"),
        {L"EDIT", kRemark, 92, 78, 39, 12, L"", kEdit},
    };
}

Controls CodeRow(short y) {
    return {Label(4, y, 22, L"编码:"), {L"EDIT", kCode, 26, y, 105, 12, L"", kEdit}};
}

Controls Joined(std::initializer_list<Controls> parts) {
    Controls c;
    for (const Controls& part : parts) c.insert(c.end(), part.begin(), part.end());
    return c;
}

// The three series a format names its points from, shown on one row.
Controls SeriesRow(short y, UINT j, UINT z, UINT n) {
    return {
        Label(4, y, 8, L"J:"),  {L"STATIC", j, 12, static_cast<short>(y + 2), 20, 8, L"", SS_LEFT},
        Label(32, y, 8, L"Z:"), {L"STATIC", z, 40, static_cast<short>(y + 2), 20, 8, L"", SS_LEFT},
        Label(60, y, 8, L"N:"), {L"STATIC", n, 68, static_cast<short>(y + 2), 14, 8, L"", SS_LEFT},
    };
}

// Columns 21, 23 and 26 on one row.
Controls DimensionRow(short y, UINT length, UINT width, UINT height) {
    return {
        Label(4, y, 17, L"物长"),  {L"EDIT", length, 21, y, 22, 12, L"", kEdit},
        Label(45, y, 17, L"物宽"), {L"EDIT", width, 62, y, 22, 12, L"", kEdit},
        Label(86, y, 17, L"量高"), {L"EDIT", height, 103, y, 28, 12, L"", kEdit},
    };
}

namespace dh = daohengstore;
const Controls kDaoheng =
    Dialog(true, Joined({{
                             Label(4, 26, 22, L"类型:"),
                             {WC_COMBOBOX, dh::kSubType, 26, 26, 105, 80, L"", kList},
                             {L"BUTTON", dh::kFirstPoint, 84, 40, 15, 11, L"1", kFirstRadio},
                             {L"BUTTON", dh::kSecondPoint, 100, 40, 15, 11, L"2", kRadio},
                             {L"BUTTON", dh::kThirdPoint, 116, 40, 15, 11, L"3", kRadio},
                             {L"STATIC", dh::kPoleLabel, 4, 54, 22, 8, L"杆型:", SS_LEFT},
                             {WC_COMBOBOX, dh::kPoleType, 26, 52, 38, 80, L"", kList | WS_GROUP},
                             {L"STATIC", dh::kCrossingLabel, 66, 54, 22, 8, L"跨越:", SS_LEFT},
                             {WC_COMBOBOX, dh::kCrossing, 88, 52, 43, 80, L"", kList},
                             {L"STATIC", dh::kFeatureLabel, 4, 54, 22, 8, L"地物:", SS_LEFT},
                             {WC_COMBOBOX, dh::kFeature, 26, 52, 105, 80, L"", kList},
                             {WC_COMBOBOX, dh::kAuxiliary, 26, 52, 105, 80, L"", kList},
                         },
                         SeriesRow(39, dh::kSeriesJ, dh::kSeriesZ, dh::kSeriesN),
                         DimensionRow(65, dh::kLength, dh::kWidth, dh::kHeight),
                         MileageRemark()}));

namespace sw = siweistore;
const Controls kSiwei = Dialog(true, Joined({{
                                                 Label(4, 26, 36, L"编码类型:"),
                                                 {WC_COMBOBOX, sw::kCodeType, 40, 26, 91, 80, L"", kList},
                                             },
                                             CodeRow(39),
                                             {
                                                 Label(4, 52, 22, L"属性1:"),
                                                 {L"EDIT", sw::kText31, 26, 52, 40, 12, L"", kEdit},
                                                 Label(70, 52, 22, L"属性2:"),
                                                 {L"EDIT", sw::kText32, 92, 52, 39, 12, L"", kEdit},
                                             },
                                             DimensionRow(65, sw::kLength, sw::kWidth, sw::kHeight),
                                             MileageRemark()}));

const Controls kHaizhi =
    Dialog(true, Joined({CodeRow(26),
                         {
                             Label(4, 39, 22, L"杆型:"),
                             {WC_COMBOBOX, haizhistore::kPoleKind, 26, 39, 105, 60, L"", kList},
                             Label(4, 78, 22, L"里程:"),
                             {L"EDIT", kMileage, 26, 78, 40, 12, L"", kEdit},
                         }}));

namespace xl = xlcadstore;
const Controls kXlcad = Dialog(true, Joined({{
                                                 Label(4, 26, 22, L"类型:"),
                                                 {WC_COMBOBOX, xl::kType, 26, 26, 105, 60, L"", kList},
                                             },
                                             SeriesRow(39, xl::kSeriesJ, xl::kSeriesZ, xl::kSeriesN),
                                             CodeRow(52),
                                             {
                                                 Label(4, 65, 21, L"数值1"),
                                                 {L"EDIT", xl::kNumber31, 25, 65, 18, 12, L"", kEdit},
                                                 Label(45, 65, 21, L"数值2"),
                                                 {L"EDIT", xl::kNumber32, 66, 65, 18, 12, L"", kEdit},
                                                 Label(86, 65, 17, L"量高"),
                                                 {L"EDIT", xl::kHeight, 103, 65, 28, 12, L"", kEdit},
                                             },
                                             MileageRemark()}));

const Controls kGeneral = Dialog(true, Joined({CodeRow(26), MileageRemark()}));

const Controls kSibeida =
    Dialog(true, Joined({{
                             Label(4, 26, 22, L"类型:"),
                             {L"EDIT", sibeidastore::kType, 26, 26, 22, 12, L"", kEdit},
                             Label(52, 26, 22, L"角度:"),
                             {L"EDIT", sibeidastore::kAngle, 74, 26, 57, 12, L"", kEdit},
                         },
                         CodeRow(39),
                         MileageRemark()}));

namespace bh = baihestore;
const Controls kBaihe = Dialog(
    true, Joined({{
                      Label(78, 12, 17, L"备注"), {L"EDIT", kRemark, 95, 12, 36, 12, L"", kEdit},
                      Label(4, 26, 17, L"类型"),  {L"EDIT", bh::kType, 21, 26, 16, 12, L"", kEdit},
                      Label(39, 26, 17, L"类别"), {WC_COMBOBOX, bh::kCategory, 56, 26, 24, 80, L"", kList},
                      Label(82, 26, 17, L"序号"), {WC_COMBOBOX, bh::kPointIndex, 99, 26, 32, 60, L"", kList},
                      Label(4, 39, 8, L"J:"),     {L"EDIT", bh::kJNumber, 12, 39, 22, 12, L"", kEdit},
                      Label(36, 39, 8, L"Z:"),    {L"EDIT", bh::kZNumber, 44, 39, 22, 12, L"", kEdit},
                      Label(68, 39, 17, L"编码"), {L"EDIT", kCode, 85, 39, 46, 12, L"", kEdit},
                      Label(4, 52, 17, L"杆型"),  {L"EDIT", bh::kPoleCode, 21, 52, 22, 12, L"", kEdit},
                      Label(45, 52, 17, L"跨越"), {L"EDIT", bh::kCrossingCode, 62, 52, 22, 12, L"", kEdit},
                      Label(86, 52, 17, L"地物"), {L"EDIT", bh::kFeatureCode, 103, 52, 28, 12, L"", kEdit},
                  },
                  DimensionRow(65, bh::kLength, bh::kWidth, bh::kHeight),
                  {
                      Label(4, 78, 17, L"里程"),
                      {L"EDIT", kMileage, 21, 78, 30, 12, L"", kEdit},
                      Label(53, 78, 13, L"附1"),
                      {L"EDIT", bh::kTrailing1, 66, 78, 20, 12, L"", kEdit},
                      Label(88, 78, 13, L"附2"),
                      {L"EDIT", bh::kTrailing2, 101, 78, 30, 12, L"", kEdit},
                  }}));

namespace ss = sectionstore;
const Controls kSection = Dialog(false, Joined({{
                                                    {L"STATIC", ss::kLabel, 4, 28, 127, 8, L"", SS_LEFT},
                                                },
                                                CodeRow(39),
                                                {
                                                    Label(4, 52, 22, L"偏距:"),
                                                    {L"EDIT", ss::kOffset, 26, 52, 40, 12, L"", kEdit},
                                                    Label(70, 52, 22, L"高差:"),
                                                    {L"EDIT", ss::kHeightDiff, 92, 52, 39, 12, L"", kEdit},
                                                    Label(4, 78, 22, L"里程:"),
                                                    {L"EDIT", kMileage, 26, 78, 40, 12, L"", kEdit},
                                                }}));

const DialogTemplate kTemplates[] = {
    {dh::IDD, 135, 166, L"电力线勘测存储(道亨)", kDialogStyle, kDaoheng},
    {sw::IDD, 135, 166, L"电力勘测存储(思维)", kDialogStyle, kSiwei},
    {haizhistore::IDD, 135, 166, L"电力线勘测存储(海智)", kDialogStyle, kHaizhi},
    {xl::IDD, 135, 166, L"电力勘测存储(XLCAD)", kDialogStyle, kXlcad},
    {generalstore::IDD, 135, 166, L"电力线勘测存储(通用)", kDialogStyle, kGeneral},
    {sibeidastore::IDD, 135, 166, L"电力勘测存储(斯贝达)", kDialogStyle, kSibeida},
    {bh::IDD, 135, 166, L"电力线勘测存储(百合新格式)", kDialogStyle, kBaihe},
    {ss::IDD, 135, 166, L"塔基断面放样存储", kDialogStyle, kSection},
};
const struct Registration {
    Registration() {
        for (const DialogTemplate& t : kTemplates) RegisterDialogTemplate(t);
    }
} kRegistration;
}  // namespace
