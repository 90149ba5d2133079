#pragma once
// Data post-processing from the menu: the parameter choice, then the files, then the run.
#include "survey/SurveyHost.h"

class CWnd;

// Asks where the parameters come from and runs post-processing on OK.
void RunPostProcessCommand(const ISurveyHost& host, CWnd* parent);
// Mode 0: the job's parameters with the plane and height parts from a control-point file; mode 1:
// the job's parameters. Then the raw file and the result file are chosen and the result written.
void RunPostProcessing(const ISurveyHost& host, int mode, CWnd* parent);
