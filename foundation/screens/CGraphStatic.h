#pragma once
// The plot area of the map-like windows: a static control that paints only its background and
// then tells its window (WM_PLOT_PAINTED) so that the window draws the map over it.
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/Static.h"

constexpr UINT WM_PLOT_PAINTED = WM_USER + 889;  // 1913
constexpr UINT kPlotControlId = 1001;

class CGraphStatic : public CStatic {
public:
    CGraphStatic();

    // A solid background of that colour replaces the previous one.
    CGraphStatic& SetBkColor(COLORREF color);
    void SetNotifyTarget(HWND target);
    bool NotifyOn() const { return notifyOn_; }

    HBRUSH CtlColor(CDC* dc, UINT ctlColor) override;
    void OnPaint() override;

private:
    COLORREF textColor_;
    CBrush backBrush_;
    LOGFONT logFont_;
    CFont font_;
    HWND notifyWnd_;
    bool notifyOn_ = false;
};
