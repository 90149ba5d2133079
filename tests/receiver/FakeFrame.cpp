#include "tests/receiver/FakeFrame.h"

#include "geodesy/Wgs84.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverStartup.h"

void CFakeFrame::Wgs84BlhToXyz(double lat, double lon, double height, double* x, double* y, double* z) {
    Wgs84Converter().BlhToXyz(lat, lon, height, *x, *y, *z);
}

void CFakeFrame::ListenForPositions(HWND window) {
    earlierPositionWindows.push_back(positionWindow);
    positionWindow = window;
}

void CFakeFrame::StopListening(HWND window) {
    if (window != positionWindow || earlierPositionWindows.empty()) return;
    positionWindow = earlierPositionWindows.back();
    earlierPositionWindows.pop_back();
}

void CFakeFrame::SetAuxNotifyWnd(HWND window) {
    auxWindow = window;
    verificationFlag = window ? 1 : 0;
}

int CFakeFrame::ConnectReceiver(int method, int choice, int typedPort, int baudRate) {
    connectRequests.push_back({method, choice, typedPort, baudRate});
    if (port.IsOpen()) port.Close();
    port.SetOwner(frameWindow, WM_SERIAL_DATA);
    return port.OpenPort(connectPortNumber, 57600) ? 1 : 0;
}

bool CFakeFrame::SaveSettings(const GeneralSettingsBlock& changed) {
    jobFileWrites.push_back(changed);
    if (!jobFileWritable) return false;
    settings = changed;
    parser.SetTimeZone(changed.connection.nTimeZone);
    parser.SetFixLevel(changed.connection.nFixLevel);
    return true;
}

void CFakeFrame::UseRadioChannel(int channel) {
    settings.dataLink.nModuleType = kLinkRadio;
    settings.dataLink.radioChannel = channel;
}

void CFakeFrame::ShowModuleStatus(const CString& text) {
    ResetAndNotify(state, positionWindow, text);
}

void CFakeFrame::ClearFixSignals() {
    device.AllLedsOff();
    gga.Clear();
}
