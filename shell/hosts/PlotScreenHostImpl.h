#pragma once
// The forwarding every plot screen's host shares, once: `Host` is the screens' host interface,
// which derives from IPlotScreenHost; the stake-out and power-line hosts derive from this.
#include "shell/hosts/SurveyHostImpl.h"
#include "stakeout/PlotScreenHost.h"

class IReceiverHost;
class PositionListeners;

template <class Host>
class PlotScreenHostImpl : public Host {
public:
    // `survey` serves the job's folder and the coordinate view.
    PlotScreenHostImpl(const SurveyHostImpl& survey, PositionListeners& listeners, IReceiverHost& services)
        : survey_(survey), listeners_(listeners), services_(services) {}

    void ListenForPositions(HWND window) override;
    void StopListening(HWND window) override;
    int LogicalKey(UINT message, UINT key) const override;
    CString JobFolder() const override;
    void RunDataVerify(CWnd* parent) override;
    void ShowCoordinateView() override;

protected:
    SurveyHostImpl survey_;
    PositionListeners& listeners_;
    IReceiverHost& services_;
};
