#pragma once
// The job commands of the main menu: new job, open job, new point file, open point file, and the
// target-point store; and the scan that recovers the last point names of a point file. A job or
// point file that becomes current empties the map's points.
#include "foundation/PointLines.h"

class CMainFrame;

void NewJob(CMainFrame& frame);
void OpenJob(CMainFrame& frame);
void NewPointFile(CMainFrame& frame);
void OpenPointFile(CMainFrame& frame);
// Stores the live fix as a point, refused while no fix came in.
void TargetPointSurvey(CMainFrame& frame);
// The last names of the point file at `path`, by the record format of the job's "qzrecauto".
LastNames LoadAutoRecord(CMainFrame& frame, const CString& path);
