#pragma once
// The calibration screens' view of the main frame: reads through const access to the job, the
// calibration converter and the receiver; stores through the job's writers, after which the
// converters are reloaded and the parameter warnings re-armed.
#include "calibration/CalibrationHost.h"

class JobSession;
class PositionConverter;
class ReceiverLink;
class Supervision;

class CalibrationHostImpl : public ICalibrationHost {
public:
    CalibrationHostImpl(JobSession& job, const PositionConverter& position, ReceiverLink& receiver,
                        Supervision& watch, CalibrationMemory& memory, ICoordLibraryHost& library)
        : job_(job),
          position_(position),
          receiver_(receiver),
          watch_(watch),
          memory_(memory),
          library_(library) {}

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
    ICoordLibraryHost& CoordLibrary() const override;
    bool BaseReceivedFixed() const override;
    bool SaveCoordParams(const CoordSysParams& params) override;
    bool SaveSettings(const GeneralSettingsBlock& settings) override;
    void PlayTone() override;
    const CalibrationMemory& Memory() const override;
    void Remember(const CalibrationMemory& memory) override;

private:
    JobSession& job_;
    const PositionConverter& position_;
    ReceiverLink& receiver_;
    Supervision& watch_;
    CalibrationMemory& memory_;
    ICoordLibraryHost& library_;
};
