#include "receiver/screens/DataLinkCommands.h"

#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/screens/CGprsModuleDlg.h"
#include "receiver/screens/CRadioSetDlg.h"
#include "receiver/screens/ReceiverSettingsCommands.h"

void RunRadioSettingsCommand(IReceiverHost& frame, CWnd* parent) {
    const DataLinkSettings& link = frame.Settings().dataLink;
    if (link.nModuleType == kLinkRadio) {
        CRadioSetDlg dlg(frame, parent);
        dlg.values.channel = link.radioChannel;
        dlg.DoModal();
    } else if (link.nModuleType == kLinkNetwork) {
        CGprsModuleDlg dlg(frame, parent);
        dlg.Kept() = link.net;
        if (dlg.DoModal() != IDOK) return;
        GeneralSettingsBlock settings = frame.Settings();
        settings.dataLink.net = dlg.Kept();
        SaveJobSettings(frame, settings, parent);
    }
}
