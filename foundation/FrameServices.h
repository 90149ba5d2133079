#pragma once
// What the common controls, file dialogs and coordinate library need of the main frame: its
// fields and operations under their own names. The shell's main frame implements it and
// registers itself at start; tests register a small double.
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

class IFoundationFrame {
public:
    virtual ~IFoundationFrame() = default;

    // nScreenMode: 11 normally, 29 while the coordinate library is open.
    virtual int ScreenMode() const = 0;
    virtual void SetScreenMode(int mode) = 0;
    // The folder under which the program keeps "Jobs"; the file dialogs open there by default.
    virtual CString RootFolder() const = 0;
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

constexpr int kScreenModeNormal = 11;
constexpr int kScreenModeCoordLibrary = 29;

// The registered frame, or null before the frame exists.
IFoundationFrame* FoundationFrame();
// Returns the frame it replaces.
IFoundationFrame* SetFoundationFrame(IFoundationFrame* frame);
