#pragma once
// The sky plot page: horizon, 45 degree and elevation-mask circles, a cross, the legend and a disc per
// satellite in view, coloured by system and by whether the receiver uses it.
#include "foundation/CGpsState.h"
#include "platform/ui/Dialog.h"
#include "receiver/SkyPlot.h"
#include "resources/GpsInfoDlg.h"

class IReceiverHost;

class CSkyPlotPage : public CDialog {
public:
    // COLORREF values of the discs.
    static constexpr COLORREF kBlue = 0xFF0000;
    static constexpr COLORREF kRed = 0x0000FF;
    static constexpr COLORREF kGreen = 0x00FF00;
    static constexpr COLORREF kYellow = 0x00FFFF;

    explicit CSkyPlotPage(IReceiverHost& frame) : frame_(frame) {}
    // Redraws the plot from the state: the area is wiped first, so a satellite that moved or set
    // leaves nothing behind.
    void Refresh(const CGpsState& state);
    const SkyPlotBox& Box() const { return box_; }
    CGpsState m_gps;

protected:
    BOOL OnInitDialog() override;
    void OnPaint() override;

private:
    void DrawPlot(CDC& dc);
    void DrawLegend(CDC& dc);
    void DrawSatellites(CDC& dc);

    IReceiverHost& frame_;
    SkyPlotBox box_;
};
