#include "foundation/screens/CGraphStatic.h"

#include "platform/gdi/SysColors.h"

CGraphStatic::CGraphStatic() : textColor_(GetSysColor(COLOR_WINDOWTEXT)) {
    backBrush_.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    static_cast<CFont*>(GetStockObject(SYSTEM_FONT))->GetLogFont(&logFont_);
    font_.CreateFontIndirect(&logFont_);
}

CGraphStatic& CGraphStatic::SetBkColor(COLORREF color) {
    backBrush_.DeleteObject();
    backBrush_.CreateSolidBrush(color);
    return *this;
}

void CGraphStatic::SetNotifyTarget(HWND target) {
    notifyWnd_ = target;
    notifyOn_ = true;
}

HBRUSH CGraphStatic::CtlColor(CDC* dc, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_STATIC) {
        dc->SelectObject(&font_);
        dc->SetTextColor(textColor_);
        dc->SetBkMode(TRANSPARENT);
    }
    return &backBrush_;
}

void CGraphStatic::OnPaint() {
    Default();
    // Sent, not posted: the window has drawn its map when the paint returns.
    if (notifyOn_) ::SendMessage(notifyWnd_, WM_PLOT_PAINTED, 0, 0);
}
