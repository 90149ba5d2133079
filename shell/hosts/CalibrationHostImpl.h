#pragma once
// The calibration screens' view of the main frame: reads through const access to the job, the
// calibration converter and the receiver; stores through the job's writers, after which the
// converters are reloaded and the parameter warnings re-armed.
#include "calibration/CalibrationHost.h"

class CMainFrame;

class CalibrationHostImpl : public ICalibrationHost {
public:
    explicit CalibrationHostImpl(CMainFrame& frame) : frame_(frame) {}

    const CoordSysParams& CoordParams() const override;
    const GeneralSettingsBlock& JobSettings() const override;
    const CCoordTransform& CalibrationConverter() const override;
    const CGpsState& LatestFix() const override;
    AntennaConstants RoverAntenna() const override;
    CalibrationFolders Folders() const override;
    GeoPointChoice PickGeoPoint(CWnd* parent) const override;
    bool BaseReceivedFixed() const override;
    bool StoreCoordParams(const CoordSysParams& params) override;
    bool StoreJobSettings(const GeneralSettingsBlock& settings) override;
    void Beep() override;
    const CalibrationMemory& Memory() const override;
    void Remember(const CalibrationMemory& memory) override;

private:
    CMainFrame& frame_;
};
