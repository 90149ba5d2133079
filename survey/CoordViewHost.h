#pragma once
// What the coordinate view needs of the main frame.
#include "platform/text/CString.h"

class ICoordViewHost {
public:
    virtual ~ICoordViewHost() = default;
    // The job's point file: the data folder joined with the point-file name.
    virtual CString PointFilePath() const = 0;
    // The main map's point list read again from the point file, in file order.
    virtual void ReloadDisplayPoints() = 0;
};
