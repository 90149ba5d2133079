#include "resources/CoordViewDlg.h"

#include "platform/gdi/CImage.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

// 15163 "坐标查看": the list over the selected point's name and coordinates, and the row buttons.
namespace {
using namespace coordview;
constexpr DWORD kShown = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DialogControlTemplate kControls[] = {
    {WC_LISTVIEW, kList, 0, 0, 135, 110, L"",
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_BORDER | WS_TABSTOP},
    {L"STATIC", IDC_STATIC, 2, 115, 20, 8, L"点名:", SS_LEFT},
    {L"EDIT", kName, 22, 113, 48, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 74, 115, 8, 8, L"h:", SS_LEFT},
    {L"EDIT", kH, 83, 113, 50, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 2, 130, 8, 8, L"x:", SS_LEFT},
    {L"EDIT", kX, 11, 128, 59, 12, L"", kShown},
    {L"STATIC", IDC_STATIC, 74, 130, 8, 8, L"y:", SS_LEFT},
    {L"EDIT", kY, 83, 128, 50, 12, L"", kShown},
    {L"BUTTON", kEdit, 4, 146, 38, 15, L"编辑", kButton},
    {L"BUTTON", kDelete, 48, 146, 38, 15, L"删除", kButton},
    {L"BUTTON", IDCANCEL, 92, 146, 38, 15, L"退出", kButton},
};
const DialogTemplate kTemplate{IDD, 135, 166, L"坐标查看", kDialogStyle, kControls};
const DialogTemplateRegistration kRegistration(kTemplate);

// A filled disc of one colour in a 16 x 16 square; white is the mask colour.
CImage Disc(COLORREF colour) {
    CImage image(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15;
            image.SetPixel(x, y, dx * dx + dy * dy <= 120 ? colour : RGB(255, 255, 255));
        }
    return image;
}
}  // namespace

CImage CoordViewRowImages() {
    const COLORREF colours[] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 160, 0), RGB(230, 160, 0),
                                RGB(208, 32, 32)};
    CImage strip(16 * 5, 16);
    for (int i = 0; i < 5; ++i) {
        const CImage disc = Disc(colours[i]);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) strip.SetPixel(16 * i + x, y, disc.GetPixel(x, y));
    }
    return strip;
}
