#pragma once
// What the calibration screens need of the main frame: const reads of the job's parameters and
// settings, the calibration converter (the frame's second, loaded with the job's parameters), the
// latest fix and the antenna in force, the job's folders; and the operations that store what a
// calibration decided. The shell implements it; tests use a small double.
#include "calibration/CalibrationMemory.h"
#include "calibration/RawPointSources.h"
#include "foundation/CGpsState.h"
#include "foundation/CoordLibraryHost.h"
#include "foundation/CoordSysParams.h"
#include "foundation/GeneralSettingsBlock.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/CString.h"

class ICalibrationHost {
public:
    virtual ~ICalibrationHost() = default;

    virtual const CoordSysParams& CoordParams() const = 0;
    virtual const GeneralSettingsBlock& Settings() const = 0;
    virtual const CCoordTransform& CalibrationConverter() const = 0;
    virtual const CGpsState& LatestFix() const = 0;
    // The antenna constants of the connected receiver, as its identification gave them.
    virtual AntennaConstants Antenna() const = 0;
    // The folder that holds "Jobs": the file dialogs' top.
    virtual CString RootFolder() const = 0;
    // The job's folders end in "\".
    virtual CString JobFolder() const = 0;
    // The job file's name, e.g. "road.qzs".
    virtual CString JobFileName() const = 0;
    virtual CString DataFolder() const = 0;
    virtual CString ResultFolder() const = 0;
    // Where the antenna table "AntType.at" lies.
    virtual CString SetupFolder() const = 0;
    // A point of the job's latitude/longitude library, chosen by the user.
    virtual GeoPointChoice PickGeoPoint(CWnd* parent) const = 0;
    // The job's coordinate library, for the screens that pick from it.
    virtual ICoordLibraryHost& CoordLibrary() const = 0;
    // The base's position came with a fixed solution in this session (the base watch's record).
    virtual bool BaseReceivedFixed() const = 0;

    // Writes the job's coordinate-parameter file with `params` through the job's guarded writer;
    // once written they are the job's, both converters are reloaded from them and the parameter
    // warnings may be raised again. False when the file was not written: nothing changed.
    virtual bool SaveCoordParams(const CoordSysParams& params) = 0;
    // The same for the job settings file.
    virtual bool SaveSettings(const GeneralSettingsBlock& settings) = 0;
    // The prompt tone before a calibration.
    virtual void PlayTone() = 0;
    // The frame's memory of the calibration screens, kept for the program's run.
    virtual const CalibrationMemory& Memory() const = 0;
    virtual void Remember(const CalibrationMemory& memory) = 0;
};
