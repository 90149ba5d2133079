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
    const GeneralSettingsBlock& Settings() const override;
    const CCoordTransform& CalibrationConverter() const override;
    const CGpsState& LatestFix() const override;
    AntennaConstants Antenna() const override;
    CString RootFolder() const override;
    CString JobFolder() const override;
    CString JobFileName() const override;
    CString DataFolder() const override;
    CString ResultFolder() const override;
    CString SetupFolder() const override;
    GeoPointChoice PickGeoPoint(CWnd* parent) const override;
    bool BaseReceivedFixed() const override;
    bool SaveCoordParams(const CoordSysParams& params) override;
    bool SaveSettings(const GeneralSettingsBlock& settings) override;
    void PlayTone() override;
    const CalibrationMemory& Memory() const override;
    void Remember(const CalibrationMemory& memory) override;

private:
    CMainFrame& frame_;
};
