#pragma once
// What the coordinate library and its point dialogs need of the main frame: the job's folders, the
// conversion to the job's grid and the latitude/longitude library. Whoever opens them hands it in;
// the shell implements it over the frame's parts, tests with a small double.
#include "platform/text/CString.h"

class CWnd;

// A point chosen from the job's latitude/longitude library.
struct GeoPointChoice {
    bool chosen = false;
    CString name;
    CString latitude;   // packed degrees-minutes-seconds, ddd.mmssss
    CString longitude;  // packed degrees-minutes-seconds
    CString height;
    CString code;
};

class ICoordLibraryHost {
public:
    virtual ~ICoordLibraryHost() = default;

    virtual CString JobFolder() const = 0;
    // The job file's name, e.g. "road.qzs".
    virtual CString JobFileName() const = 0;
    virtual CString DataFolder() const = 0;
    // Grid north, east and height of a WGS-84 position (decimal degrees), through the frame's
    // position converter.
    virtual void Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& n, double& e,
                                   double& hOut) = 0;
    // A point of the job's latitude/longitude library, chosen by the user; none chosen when closed.
    virtual GeoPointChoice PickGeoPoint(CWnd* parent) = 0;
};
