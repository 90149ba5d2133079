#include "shell/view/ViewButtons.h"

#include "platform/gdi/SysColors.h"

namespace {
constexpr int kIconSize = 28;
constexpr int kFaceLift = 0x1E;
}  // namespace

COLORREF ViewButtonFace() {
    return LightenPerChannel(GetSysColor(COLOR_BTNFACE), kFaceLift);
}

void SetUpViewButton(CIconButton& button, CWnd& view, const ViewButtonEntry& entry) {
    button.SubclassDlgItem(entry.id, &view);
    button.SetIconImages(ViewButtonIcon(entry.icon), kIconSize, kIconSize);
    button.SetColor(CIconButton::kBackHover, ViewButtonFace(), FALSE);
    button.SetColor(CIconButton::kTextHover, RGB(0, 128, 0), FALSE);
    button.SetAlign(kIconRight, FALSE);
    button.SetFlat(FALSE, FALSE);
    button.SetFont(view.GetFont(), TRUE);
}
