#include "shell/commands/CoordViewCommands.h"

#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/CCoordViewDlg.h"

void OpenCoordView(CMainFrame& frame) {
    SurveyHostImpl host(frame);
    ShowCoordView(host);
}
