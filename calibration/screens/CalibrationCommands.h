#pragma once
// The main menu's calibration commands: each runs its screen and stores what it decided.
#include "calibration/CalibrationHost.h"

class CWnd;

// 求转换参数: the control-point dialog; 应用 makes its file and result the job's parameters.
void RunControlPointCommand(ICalibrationHost& host, CWnd* parent);
// 计算四参数 and 计算七参数: the common points and the computation (each stores what it confirmed).
void RunFourParamCommand(ICalibrationHost& host, CWnd* parent);
void RunSevenParamCommand(ICalibrationHost& host, CWnd* parent);
// 经纬度库: the job's latitude/longitude library for managing it.
void RunGeoLibraryCommand(ICalibrationHost& host, CWnd* parent);
// 校正向导: the base-station set-up wizard and the calibration it ends with.
void RunCalibrationWizardCommand(ICalibrationHost& host, CWnd* parent);
