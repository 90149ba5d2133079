#pragma once
// Reading the tools' point-entry rows and angle fields, and filling a row from the coordinate
// library. A refused value is told in a message box and the focus put on its field, the
// framework's way (the exchange fails).
#include "cogo/CogoGeometry.h"
#include "platform/ui/DataExchange.h"

class CWnd;
class ICoordLibraryHost;

void DDX_PlanePoint(CDataExchange* pDX, UINT row, PlanePoint& point);
void DDX_SpacePoint(CDataExchange* pDX, UINT row, SpacePoint& point);
// A packed ddd.mmssss angle as decimal degrees.
void DDX_PackedAngle(CDataExchange* pDX, UINT id, double& degrees);

// Runs the coordinate library as a picker and puts the chosen point's name, north, east and
// (when the row has one) height into the row; false when nothing was chosen.
bool FillRowFromLibrary(ICoordLibraryHost& library, CWnd& dialog, UINT row);
