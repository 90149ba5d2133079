#pragma once
// Choosing a point of the job's latitude/longitude library for the add-point dialog. The
// calibration feature installs its library dialog here; until then nothing is ever chosen.
#include <functional>

#include "platform/text/CString.h"

class CWnd;

struct GeoPointChoice {
    bool chosen = false;
    CString name;
    CString latitude;   // packed degrees-minutes-seconds, ddd.mmssss
    CString longitude;  // packed degrees-minutes-seconds
    CString height;
    CString code;
};

using GeoPointPicker = std::function<GeoPointChoice(CWnd* parent)>;
// A null picker restores the stand-in. Returns the picker it replaces.
GeoPointPicker SetGeoPointPicker(GeoPointPicker picker);
GeoPointChoice PickGeoPoint(CWnd* parent);
