#include "shell/hosts/ReceiverHostImpl.h"

#include "geodesy/Wgs84.h"
#include "platform/ui/Wnd.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"
#include "shell/frame/PositionListeners.h"
#include "shell/link/ReceiverLink.h"

IReceiverPort& ReceiverHostImpl::Port() {
    return receiver_.Port();
}

const CGpsState& ReceiverHostImpl::LatestFix() const {
    return receiver_.State();
}

const GeneralSettingsBlock& ReceiverHostImpl::Settings() const {
    return job_.Settings();
}

int ReceiverHostImpl::BoardType() const {
    return receiver_.BoardType();
}

int ReceiverHostImpl::ReceiverModelNumber() const {
    return receiver_.Identity().receiverKind;
}

HWND ReceiverHostImpl::PositionWindow() const {
    return listeners_.PositionWindow();
}

void ReceiverHostImpl::Wgs84BlhToXyz(double latDeg, double lonDeg, double height, double* x, double* y,
                                     double* z) {
    Wgs84Converter().BlhToXyz(latDeg, lonDeg, height, *x, *y, *z);
}

const CoordSysParams& ReceiverHostImpl::JobCoordParams() const {
    return job_.CoordParams();
}

const CCoordTransform& ReceiverHostImpl::PositionTransform() const {
    return position_.First();
}

const CCoordTransform& ReceiverHostImpl::DialogTransform() const {
    return position_.Second();
}

bool ReceiverHostImpl::SaveSettings(const GeneralSettingsBlock& changed) {
    return job_.StoreSettings(changed);
}

void ReceiverHostImpl::RunRadioRequest(HWND dialog, RadioRequest request, int channel) {
    receiver_.RunRadioRequest(dialog, request, channel);
}

void ReceiverHostImpl::CancelModuleCommands() {
    receiver_.CancelModuleCommands();
}

void ReceiverHostImpl::ListenForPositions(HWND window) {
    listeners_.ListenForPositions(window);
}

void ReceiverHostImpl::StopListening(HWND window) {
    listeners_.StopListening(window);
}

void ReceiverHostImpl::SetAuxNotifyWnd(HWND window) {
    listeners_.SetAuxNotifyWnd(window);
}

int ReceiverHostImpl::VerificationFlag() const {
    return listeners_.VerifyOn();
}

void ReceiverHostImpl::SetVerificationFlag(int flag) {
    listeners_.SetVerifyOn(flag);
}

int ReceiverHostImpl::ModuleNetworkType() const {
    return receiver_.ModuleNetworkType();
}

int ReceiverHostImpl::ConnectReceiver(int method, int choice, int typedPort, int baudRate,
                                      PortOpenFailure* failure) {
    return receiver_.Connect(FrameWindow(), method, choice, typedPort, baudRate, failure) ? 1 : 0;
}

ReceiverVersionInfo ReceiverHostImpl::VersionInfo() const {
    return receiver_.Identity();
}

// Choosing the radio link has the next version reply re-read the radio's channel.
void ReceiverHostImpl::SetRadioLink(int flag) {
    receiver_.SetRereadRadio(flag);
}

HWND ReceiverHostImpl::FrameWindow() const {
    return window_.GetSafeHwnd();
}
