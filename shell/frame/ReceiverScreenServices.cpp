#include "shell/frame/ReceiverScreenServices.h"

#include "geodesy/Wgs84.h"
#include "platform/ui/Wnd.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"
#include "shell/frame/PositionListeners.h"
#include "shell/frame/ReceiverLink.h"

IReceiverPort& ReceiverScreenServices::Port() {
    return receiver_.Port();
}

const CGpsState& ReceiverScreenServices::LatestFix() const {
    return receiver_.State();
}

const GeneralSettingsBlock& ReceiverScreenServices::Settings() const {
    return job_.Settings();
}

int ReceiverScreenServices::BoardType() const {
    return receiver_.BoardType();
}

int ReceiverScreenServices::ReceiverModelNumber() const {
    return receiver_.Identity().receiverKind;
}

HWND ReceiverScreenServices::PositionWindow() const {
    return listeners_.PositionWindow();
}

void ReceiverScreenServices::Wgs84BlhToXyz(double latDeg, double lonDeg, double height, double* x, double* y,
                                           double* z) {
    Wgs84Converter().BlhToXyz(latDeg, lonDeg, height, *x, *y, *z);
}

const CoordSysParams& ReceiverScreenServices::JobCoordParams() const {
    return job_.CoordParams();
}

const CCoordTransform& ReceiverScreenServices::PositionTransform() const {
    return position_.First();
}

const CCoordTransform& ReceiverScreenServices::DialogTransform() const {
    return position_.Second();
}

bool ReceiverScreenServices::SaveSettings(const GeneralSettingsBlock& changed) {
    return job_.StoreSettings(changed);
}

void ReceiverScreenServices::RunRadioRequest(HWND dialog, RadioRequest request, int channel) {
    receiver_.RunRadioRequest(dialog, request, channel);
}

void ReceiverScreenServices::CancelModuleCommands() {
    receiver_.CancelModuleCommands();
}

void ReceiverScreenServices::ListenForPositions(HWND window) {
    listeners_.ListenForPositions(window);
}

void ReceiverScreenServices::StopListening(HWND window) {
    listeners_.StopListening(window);
}

void ReceiverScreenServices::SetAuxNotifyWnd(HWND window) {
    listeners_.SetAuxNotifyWnd(window);
}

int ReceiverScreenServices::VerificationFlag() const {
    return listeners_.VerifyOn();
}

void ReceiverScreenServices::SetVerificationFlag(int flag) {
    listeners_.SetVerifyOn(flag);
}

int ReceiverScreenServices::ModuleNetworkType() const {
    return receiver_.ModuleNetworkType();
}

int ReceiverScreenServices::ConnectReceiver(int method, int choice, int typedPort, int baudRate,
                                            PortOpenFailure* failure) {
    return receiver_.Connect(FrameWindow(), method, choice, typedPort, baudRate, failure) ? 1 : 0;
}

ReceiverVersionInfo ReceiverScreenServices::VersionInfo() const {
    return receiver_.Identity();
}

// Choosing the radio link has the next version reply re-read the radio's channel.
void ReceiverScreenServices::SetRadioLink(int flag) {
    receiver_.SetRereadRadio(flag);
}

HWND ReceiverScreenServices::FrameWindow() const {
    return window_.GetSafeHwnd();
}
