#pragma once
// What the calibration screens need of the main frame: const reads of the job's parameters and
// settings, the calibration converter (the frame's second, loaded with the job's parameters), the
// latest fix and the antenna in force, the job's folders; and the operations that store what a
// calibration decided. The shell implements it; tests use a small double.
#include "calibration/CalibrationMemory.h"
#include "calibration/RawPointSources.h"
#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "foundation/FrameServices.h"
#include "foundation/GeneralSettingsBlock.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/CString.h"

struct CalibrationFolders {
    CString root;         // the folder that holds "Jobs"; the file dialogs' top
    CString jobFolder;    // ends in "\"
    CString jobFileName;  // e.g. "road.qzs"
    CString dataFolder;   // ends in "\"
    CString resultFolder;
    CString setupFolder;  // where the antenna table "AntType.at" lies
};

class ICalibrationHost {
public:
    virtual ~ICalibrationHost() = default;

    virtual const CoordSysParams& CoordParams() const = 0;
    virtual const GeneralSettingsBlock& JobSettings() const = 0;
    virtual const CCoordTransform& CalibrationConverter() const = 0;
    virtual const CGpsState& LatestFix() const = 0;
    // The constants of the antenna in force (from the antenna table for the connected receiver).
    virtual AntennaConstants RoverAntenna() const = 0;
    virtual CalibrationFolders Folders() const = 0;
    // A point of the job's latitude/longitude library, chosen by the user.
    virtual GeoPointChoice PickGeoPoint(CWnd* parent) const = 0;
    // The base's position came with a fixed solution in this session (the base watch's record).
    virtual bool BaseReceivedFixed() const = 0;

    // Writes the job's coordinate-parameter file with `params` through the job's guarded writer;
    // once written they are the job's, both converters are reloaded from them and the parameter
    // warnings may be raised again. False when the file was not written: nothing changed.
    virtual bool StoreCoordParams(const CoordSysParams& params) = 0;
    // The same for the job settings file.
    virtual bool StoreJobSettings(const GeneralSettingsBlock& settings) = 0;
    // The prompt tone before a calibration.
    virtual void Beep() = 0;
    // The frame's memory of the calibration screens, kept for the program's run.
    virtual const CalibrationMemory& Memory() const = 0;
    virtual void Remember(const CalibrationMemory& memory) = 0;
};
