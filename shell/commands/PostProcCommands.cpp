#include "shell/commands/PostProcCommands.h"

#include "shell/frame/CMainFrame.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/PostProcCommand.h"

void OpenPostProcessing(CMainFrame& frame) {
    SurveyHostImpl host(frame);
    RunPostProcessCommand(host, &frame);
}
