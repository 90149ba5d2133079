#include "shell/hosts/CalibrationHostImpl.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/CMainFrame.h"

const CoordSysParams& CalibrationHostImpl::CoordParams() const {
    return frame_.Job().coord;
}

const GeneralSettingsBlock& CalibrationHostImpl::JobSettings() const {
    return frame_.Job().settings;
}

const CCoordTransform& CalibrationHostImpl::CalibrationConverter() const {
    return frame_.Position().Second();
}

const CGpsState& CalibrationHostImpl::LatestFix() const {
    return frame_.Receiver().State();
}

AntennaConstants CalibrationHostImpl::RoverAntenna() const {
    const AntennaRecord& antenna = frame_.Receiver().Antenna();
    return AntennaConstants{antenna.AntHgtFactor, antenna.GPSInstrumentHgt, antenna.GpsInstrumentRadius};
}

CalibrationFolders CalibrationHostImpl::Folders() const {
    const JobPaths& paths = frame_.Job().paths;
    return CalibrationFolders{paths.programFolder, paths.jobFolder,    paths.jobFileName,
                              paths.dataFolder,    paths.resultFolder, paths.setupFolder};
}

bool CalibrationHostImpl::BaseReceivedFixed() const {
    return frame_.Watch().baseFixedReceived != 0;
}

void CalibrationHostImpl::Beep() {
    frame_.Receiver().PlayTone(2913, 100, 100);
}

const CalibrationMemory& CalibrationHostImpl::Memory() const {
    return frame_.Calibration();
}

void CalibrationHostImpl::Remember(const CalibrationMemory& memory) {
    frame_.Calibration() = memory;
}

bool CalibrationHostImpl::StoreCoordParams(const CoordSysParams& params) {
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

bool CalibrationHostImpl::StoreJobSettings(const GeneralSettingsBlock& settings) {
    return frame_.Job().StoreSettings(settings);
}

GeoPointChoice CalibrationHostImpl::PickGeoPoint(CWnd* parent) const {
    return PickFromGeoLibrary(Folders(), parent);
}
