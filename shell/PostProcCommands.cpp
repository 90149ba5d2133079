#include "shell/PostProcCommands.h"

#include "shell/CMainFrame.h"
#include "shell/SurveyHostImpl.h"
#include "survey/screens/PostProcCommand.h"

void OpenPostProcessing(CMainFrame& frame) {
    SurveyHostImpl host(frame);
    RunPostProcessCommand(host, &frame);
}
