#include "shell/hosts/CalibrationHostImpl.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/CMainFrame.h"
#include "shell/hosts/ReceiverAntenna.h"

const CoordSysParams& CalibrationHostImpl::CoordParams() const {
    return frame_.Job().coord;
}

const GeneralSettingsBlock& CalibrationHostImpl::Settings() const {
    return frame_.Job().settings;
}

const CCoordTransform& CalibrationHostImpl::CalibrationConverter() const {
    return frame_.Position().Second();
}

const CGpsState& CalibrationHostImpl::LatestFix() const {
    return frame_.Receiver().State();
}

AntennaConstants CalibrationHostImpl::Antenna() const {
    return ReceiverAntenna(frame_.Receiver().Identity());
}

CString CalibrationHostImpl::RootFolder() const {
    return frame_.Job().paths.programFolder;
}

CString CalibrationHostImpl::JobFolder() const {
    return frame_.Job().paths.jobFolder;
}

CString CalibrationHostImpl::JobFileName() const {
    return frame_.Job().paths.jobFileName;
}

CString CalibrationHostImpl::DataFolder() const {
    return frame_.Job().paths.dataFolder;
}

CString CalibrationHostImpl::ResultFolder() const {
    return frame_.Job().paths.resultFolder;
}

CString CalibrationHostImpl::SetupFolder() const {
    return frame_.Job().paths.setupFolder;
}

bool CalibrationHostImpl::BaseReceivedFixed() const {
    return frame_.Watch().baseFixedReceived != 0;
}

void CalibrationHostImpl::PlayTone() {
    frame_.Receiver().PlayTone(CDeviceIo::kToneHz, CDeviceIo::kToneMs, CDeviceIo::kToneVolume);
}

const CalibrationMemory& CalibrationHostImpl::Memory() const {
    return frame_.Calibration();
}

void CalibrationHostImpl::Remember(const CalibrationMemory& memory) {
    frame_.Calibration() = memory;
}

bool CalibrationHostImpl::SaveCoordParams(const CoordSysParams& params) {
    JobSession& job = frame_.Job();
    // The base's grid position and slot 0 follow the parameters: a new datum moves them.
    CoordSysParams stored = params;
    CCoordTransform converter;
    ApplyCoordParams(stored, converter);
    RecomputeBaseStation(stored, converter);
    if (!job.StoreCoordParams(stored)) return false;
    for (ParamWarning warning :
         {ParamWarning::kCentralMeridian, ParamWarning::kSevenRotation, ParamWarning::kFourScale})
        frame_.Watch().Rearm(warning);
    return true;
}

bool CalibrationHostImpl::SaveSettings(const GeneralSettingsBlock& settings) {
    return frame_.Job().StoreSettings(settings);
}

GeoPointChoice CalibrationHostImpl::PickGeoPoint(CWnd* parent) const {
    return PickFromGeoLibrary(*this, parent);
}
