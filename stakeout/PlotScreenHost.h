#pragma once
// What every plot screen (stake-out and power-line) needs of the main frame: the position messages
// while it is open, the logical keys, the job folder, the data check and the coordinate view.
#include "platform/base/WinTypes.h"
#include "platform/text/CString.h"

class CWnd;

class IPlotScreenHost {
public:
    virtual ~IPlotScreenHost() = default;

    // Positions (message 1912) go to `window` until StopListening gives them back to the window
    // that had them before.
    virtual void ListenForPositions(HWND window) = 0;
    virtual void StopListening(HWND window) = 0;
    // The logical key of a key message (PlotKey and others).
    virtual int LogicalKey(UINT message, UINT key) const = 0;
    virtual CString JobFolder() const = 0;
    virtual void RunDataVerify(CWnd* parent) = 0;
    // The coordinate view of the job's stored points, modal.
    virtual void ShowCoordinateView() = 0;
};
