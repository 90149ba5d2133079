#pragma once
// 校正向导: where the base stands, the known points of the base or of one or two rover marks, then
// the calibration from the live fix (single-point shifts, four parameters from two marks, or the
// three-parameter datum shift), stored as the job's parameters. Nothing is sent to the receiver.
#include "calibration/CalibrationHost.h"
#include "calibration/WizardValues.h"

class CWnd;

void RunCalibrationWizard(ICalibrationHost& host, CWnd* parent);

// The calibration after the pages: the prompt, the fix as it is when the prompt closes, the
// not-fixed question, the log line, the computation and the stores. Nothing changes when any
// step refuses or the user declines.
void CalibrateKnownBase(ICalibrationHost& host, const WizardRun& run, CWnd* parent);
void CalibrateUnknownBase(ICalibrationHost& host, const WizardRun& run, CWnd* parent);
