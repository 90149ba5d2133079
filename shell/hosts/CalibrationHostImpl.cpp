#include "shell/hosts/CalibrationHostImpl.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"
#include "shell/frame/Supervision.h"
#include "shell/hosts/ReceiverAntenna.h"
#include "shell/link/ReceiverLink.h"

const CoordSysParams& CalibrationHostImpl::CoordParams() const {
    return job_.CoordParams();
}

const GeneralSettingsBlock& CalibrationHostImpl::Settings() const {
    return job_.Settings();
}

const CCoordTransform& CalibrationHostImpl::CalibrationConverter() const {
    return position_.Second();
}

const CGpsState& CalibrationHostImpl::LatestFix() const {
    return receiver_.State();
}

AntennaConstants CalibrationHostImpl::Antenna() const {
    return ReceiverAntenna(receiver_.Identity());
}

CString CalibrationHostImpl::RootFolder() const {
    return job_.Paths().programFolder;
}

CString CalibrationHostImpl::JobFolder() const {
    return job_.Paths().jobFolder;
}

CString CalibrationHostImpl::JobFileName() const {
    return job_.Paths().jobFileName;
}

CString CalibrationHostImpl::DataFolder() const {
    return job_.Paths().dataFolder;
}

CString CalibrationHostImpl::ResultFolder() const {
    return job_.Paths().resultFolder;
}

CString CalibrationHostImpl::SetupFolder() const {
    return job_.Paths().setupFolder;
}

bool CalibrationHostImpl::BaseReceivedFixed() const {
    return watch_.BaseHeardFixed();
}

void CalibrationHostImpl::PlayTone() {
    receiver_.PlayTone(CDeviceIo::kToneHz, CDeviceIo::kToneMs, CDeviceIo::kToneVolume);
}

const CalibrationMemory& CalibrationHostImpl::Memory() const {
    return memory_;
}

void CalibrationHostImpl::Remember(const CalibrationMemory& memory) {
    memory_ = memory;
}

bool CalibrationHostImpl::SaveCoordParams(const CoordSysParams& params) {
    JobSession& job = job_;
    // The base's grid position and slot 0 follow the parameters: a new datum moves them.
    CoordSysParams stored = params;
    CCoordTransform converter;
    ApplyCoordParams(stored, converter);
    RecomputeBaseStation(stored, converter);
    if (!job.StoreCoordParams(stored)) return false;
    watch_.RearmParamWarnings();
    return true;
}

bool CalibrationHostImpl::SaveSettings(const GeneralSettingsBlock& settings) {
    return job_.StoreSettings(settings);
}

ICoordLibraryHost& CalibrationHostImpl::CoordLibrary() const {
    return library_;
}

GeoPointChoice CalibrationHostImpl::PickGeoPoint(CWnd* parent) const {
    return PickFromGeoLibrary(*this, parent);
}
