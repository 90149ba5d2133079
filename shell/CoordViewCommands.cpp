#include "shell/CoordViewCommands.h"

#include "shell/SurveyHostImpl.h"
#include "survey/screens/CCoordViewDlg.h"

void OpenCoordView(CMainFrame& frame) {
    SurveyHostImpl host(frame);
    ShowCoordView(host);
}
