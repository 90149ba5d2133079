#pragma once
// The main menu's calibration commands: each runs its screen and stores what it decided.
#include "calibration/CalibrationHost.h"

class CWnd;

// 求转换参数: the control-point dialog; 应用 makes its file and result the job's parameters.
void RunControlPointCommand(ICalibrationHost& host, CWnd* parent);
