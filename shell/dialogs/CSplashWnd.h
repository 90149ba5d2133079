#pragma once
// The picture shown over the main window while it comes up: once per run, for 2000 ms. The object
// deletes itself when its window is gone.
#include "platform/gdi/CImage.h"
#include "platform/ui/Wnd.h"

class CSplashWnd : public CWnd {
public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kShowMs = 2000;

    static void EnableSplashScreen(BOOL enable);
    // Shows the splash over `parent` when enabled and none is up.
    static void ShowSplashScreen(CWnd* parent);
    // The splash that is up, else null.
    static CSplashWnd* Current();
    void HideSplashScreen();

protected:
    int OnCreate() override;
    void OnPaint() override;
    void OnTimer(UINT_PTR id) override;
    void PostNcDestroy() override;

private:
    CSplashWnd() = default;

    CImage bitmap_;
};
