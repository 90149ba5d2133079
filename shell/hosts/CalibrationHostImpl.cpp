#include "shell/hosts/CalibrationHostImpl.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/CMainFrame.h"

const CoordSysParams& CCalibrationHostImpl::CoordParams() const {
    return frame_.Job().coord;
}

const GeneralSettingsBlock& CCalibrationHostImpl::JobSettings() const {
    return frame_.Job().settings;
}

const CCoordTransform& CCalibrationHostImpl::CalibrationConverter() const {
    return frame_.Position().Second();
}

const CGpsState& CCalibrationHostImpl::LatestFix() const {
    return frame_.Receiver().State();
}

AntennaConstants CCalibrationHostImpl::RoverAntenna() const {
    const AntennaRecord& antenna = frame_.Receiver().Antenna();
    return AntennaConstants{antenna.AntHgtFactor, antenna.GPSInstrumentHgt, antenna.GpsInstrumentRadius};
}

CalibrationFolders CCalibrationHostImpl::Folders() const {
    const JobPaths& paths = frame_.Job().paths;
    return CalibrationFolders{paths.programFolder, paths.jobFolder,    paths.jobFileName,
                              paths.dataFolder,    paths.resultFolder, paths.setupFolder};
}

bool CCalibrationHostImpl::BaseReceivedFixed() const {
    return frame_.Watch().baseFixedReceived != 0;
}

void CCalibrationHostImpl::Beep() {
    frame_.Receiver().PlayTone(2913, 100, 100);
}

const CalibrationMemory& CCalibrationHostImpl::Memory() const {
    return frame_.Calibration();
}

void CCalibrationHostImpl::Remember(const CalibrationMemory& memory) {
    frame_.Calibration() = memory;
}

bool CCalibrationHostImpl::StoreCoordParams(const CoordSysParams& params) {
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

bool CCalibrationHostImpl::StoreJobSettings(const GeneralSettingsBlock& settings) {
    return frame_.Job().StoreSettings(settings);
}

GeoPointChoice CCalibrationHostImpl::PickGeoPoint(CWnd* parent) const {
    return PickFromGeoLibrary(Folders(), parent);
}
