#include "receiver/screens/DataLinkCommands.h"

#include "receiver/IFrameServices.h"
#include "receiver/screens/CGprsModuleDlg.h"
#include "receiver/screens/CRadioSetDlg.h"

void RunRadioSettingsCommand(IFrameServices& frame, CWnd* parent) {
    DataLinkSettings& link = frame.GeneralSettings().dataLink;
    if (link.nModuleType == 0) {
        CRadioSetDlg dlg(frame, parent);
        dlg.m_nChannel = link.radioChannel;
        dlg.DoModal();
    } else if (link.nModuleType == 1) {
        CGprsModuleDlg dlg(frame, parent);
        dlg.Kept() = link.net;
        if (dlg.DoModal() == IDOK) link.net = dlg.Kept();
    }
}
