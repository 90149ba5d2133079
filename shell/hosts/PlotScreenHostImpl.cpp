#include "shell/hosts/PlotScreenHostImpl.h"

#include "powerline/PowerlineHost.h"
#include "receiver/screens/CDataVerifyDlg.h"
#include "shell/frame/PositionListeners.h"
#include "shell/view/HardwareKeys.h"
#include "stakeout/StakeoutHost.h"
#include "survey/screens/CCoordViewDlg.h"

template <class Host>
void PlotScreenHostImpl<Host>::ListenForPositions(HWND window) {
    listeners_.ListenForPositions(window);
}

template <class Host>
void PlotScreenHostImpl<Host>::StopListening(HWND window) {
    listeners_.StopListening(window);
}

template <class Host>
int PlotScreenHostImpl<Host>::LogicalKey(UINT message, UINT key) const {
    return MapHardwareKey(message, key);
}

template <class Host>
CString PlotScreenHostImpl<Host>::JobFolder() const {
    return survey_.JobFolder();
}

template <class Host>
void PlotScreenHostImpl<Host>::RunDataVerify(CWnd* parent) {
    RunDataVerifyCommand(services_, parent);
}

template <class Host>
void PlotScreenHostImpl<Host>::ShowCoordinateView() {
    ShowCoordView(survey_);
}

template class PlotScreenHostImpl<IStakeoutHost>;
template class PlotScreenHostImpl<IPowerlineHost>;
