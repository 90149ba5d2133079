#include "shell/CalibrationHostImpl.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "shell/CMainFrame.h"

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
    return frame_.Receiver().state;
}

AntennaConstants CCalibrationHostImpl::RoverAntenna() const {
    const AntennaRecord& antenna = frame_.Receiver().antenna;
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
    frame_.Receiver().device.PlayTone(2913, 100, 100);
}

bool CCalibrationHostImpl::StoreCoordParams(const CoordSysParams& params) {
    JobSession& job = frame_.Job();
    if (!job.jobs.WriteCoordParams(params)) return false;
    job.coord = params;
    frame_.ApplyCoordParams();
    for (ParamWarning warning :
         {ParamWarning::kCentralMeridian, ParamWarning::kSevenRotation, ParamWarning::kFourScale})
        frame_.Watch().Rearm(warning);
    return true;
}

bool CCalibrationHostImpl::StoreJobSettings(const GeneralSettingsBlock& settings) {
    JobSession& job = frame_.Job();
    if (!job.jobs.WriteJobParams(settings)) return false;
    job.settings = settings;
    return true;
}

CGeoLibraryPickerInstall::CGeoLibraryPickerInstall(CMainFrame& frame)
    : previous_(SetGeoPointPicker([&frame](CWnd* parent) {
          return PickFromGeoLibrary(CCalibrationHostImpl(frame).Folders(), parent);
      })) {}

CGeoLibraryPickerInstall::~CGeoLibraryPickerInstall() {
    SetGeoPointPicker(std::move(previous_));
}
