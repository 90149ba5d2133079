#include "resources/ExportDlgs.h"

#include <vector>

#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "resources/DialogRows.h"

// One layout for both exports: the source file, the styles as radios in a group, the file name.
namespace {
using namespace exportdlg;

std::vector<DialogControlTemplate> Controls(const wchar_t* sourceLabel, const wchar_t* groupLabel,
                                            std::initializer_list<const wchar_t*> styles) {
    std::vector<DialogControlTemplate> c = {
        {L"STATIC", IDC_STATIC, 4, 5, 40, 8, sourceLabel, SS_LEFT},
        {L"STATIC", kSource, 44, 5, 88, 8, L"", SS_LEFT | SS_ENDELLIPSIS},
        {L"BUTTON", IDC_STATIC, 2, 18, 131, static_cast<short>(16 + 13 * styles.size()), groupLabel,
         BS_GROUPBOX},
    };
    short y = 30;
    UINT id = kFirstStyle;
    for (const wchar_t* style : styles) {
        const DWORD first = id == kFirstStyle ? WS_GROUP | WS_TABSTOP : 0;
        c.push_back({L"BUTTON", id++, 8, y, 120, 11, style, static_cast<DWORD>(BS_AUTORADIOBUTTON | first)});
        y = static_cast<short>(y + 13);
    }
    y = static_cast<short>(y + 10);
    c.push_back({L"STATIC", IDC_STATIC, 4, y, 100, 8, L"输出文件名:", SS_LEFT});
    c.push_back({L"EDIT", kFileName, 4, static_cast<short>(y + 11), 127, 12, L"",
                 ES_AUTOHSCROLL | ES_ENDELLIPSIS | WS_BORDER | WS_TABSTOP | WS_GROUP});
    c.push_back({L"STATIC", IDC_STATIC, 4, static_cast<short>(y + 27), 127, 8,
                 L"文件保存在工程的result目录下", SS_LEFT});
    c.push_back({L"BUTTON", IDOK, 20, 150, 40, 13, L"输出", BS_DEFPUSHBUTTON | WS_TABSTOP});
    c.push_back({L"BUTTON", IDCANCEL, 75, 150, 40, 13, L"退出", BS_PUSHBUTTON | WS_TABSTOP});
    return c;
}

const BuiltDialogTemplate kResult(
    resultexport::IDD, 135, 166, L"成果文件输出", kDialogStyle | DS_CENTER,
    Controls(L"点文件:", L"输出格式", {L"点名,编码,y(东),x(北),h", L"点名,x,y,h,编码", L"点名,编码,x,y,h"}));
const BuiltDialogTemplate kBlh(blhexport::IDD, 135, 166, L"BLH成果文件输出", kDialogStyle | DS_CENTER,
                               Controls(L"点文件:", L"经纬度格式",
                                        {L"十进制度(9位小数)", L"度.分秒(ddd.mmssss)"}));
}  // namespace
