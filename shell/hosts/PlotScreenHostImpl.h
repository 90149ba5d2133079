#pragma once
// The forwarding every plot screen's host shares, once: `Host` is the screens' host interface,
// which derives from IPlotScreenHost; the stake-out and power-line hosts derive from this.
#include "stakeout/PlotScreenHost.h"

class CMainFrame;

template <class Host>
class PlotScreenHostImpl : public Host {
public:
    explicit PlotScreenHostImpl(CMainFrame& frame) : frame_(frame) {}

    void ListenForPositions(HWND window) override;
    void StopListening(HWND window) override;
    int LogicalKey(UINT message, UINT key) const override;
    CString JobFolder() const override;
    void RunDataVerify(CWnd* parent) override;
    void ShowCoordinateView() override;

protected:
    CMainFrame& frame_;
};
