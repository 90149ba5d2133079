#include "tests/receiver/ReceiverHostDouble.h"

#include "geodesy/Wgs84.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverStartup.h"

void ReceiverHostDouble::Wgs84BlhToXyz(double lat, double lon, double height, double* x, double* y,
                                       double* z) {
    Wgs84Converter().BlhToXyz(lat, lon, height, *x, *y, *z);
}

void ReceiverHostDouble::ListenForPositions(HWND window) {
    earlierPositionWindows.push_back(positionWindow);
    positionWindow = window;
}

void ReceiverHostDouble::StopListening(HWND window) {
    if (window != positionWindow || earlierPositionWindows.empty()) return;
    positionWindow = earlierPositionWindows.back();
    earlierPositionWindows.pop_back();
}

void ReceiverHostDouble::SetAuxNotifyWnd(HWND window) {
    auxWindow = window;
    verificationFlag = window ? 1 : 0;
}

int ReceiverHostDouble::ConnectReceiver(int method, int choice, int typedPort, int baudRate,
                                        PortOpenFailure* failure) {
    connectRequests.push_back({method, choice, typedPort, baudRate});
    if (port.IsOpen()) port.Close();
    port.SetOwner(frameWindow, WM_SERIAL_DATA);
    return port.OpenPort(connectPortNumber, 57600, failure) ? 1 : 0;
}

bool ReceiverHostDouble::SaveSettings(const GeneralSettingsBlock& changed) {
    jobFileWrites.push_back(changed);
    if (!jobFileWritable) return false;
    settings = changed;
    ParserSettings taken = parser.Settings();
    taken.timeZone = changed.connection.nTimeZone;
    taken.fixLevel = changed.connection.nFixLevel;
    parser.UseSettings(taken);
    return true;
}

void ReceiverHostDouble::TellParserTheBoard() {
    ParserSettings board = parser.Settings();
    board.boardType = system.nGPSOEMType;
    parser.UseSettings(board);
}

void ReceiverHostDouble::OnModuleProgress(const ModuleProgress& progress) {
    if (progress.radioChannel) {
        settings.dataLink.nModuleType = kLinkRadio;
        settings.dataLink.radioChannel = *progress.radioChannel;
    }
    ResetAndNotify(state, positionWindow, progress.text);
}

void ReceiverHostDouble::ClearFixSignals() {
    device.AllLedsOff();
    gga.Clear();
}
