#include "shell/commands/ExportCommands.h"

#include "export/screens/CBlhExportDlg.h"
#include "export/screens/CResultExportDlg.h"
#include "shell/frame/CMainFrame.h"
#include "shell/hosts/ExportHostImpl.h"

namespace {
template <class Dialog>
void RunExport(CMainFrame& frame) {
    const ExportHostImpl host(frame.Job().paths);
    Dialog dialog(host, &frame);
    dialog.DoModal();
}
}  // namespace

void RunResultExport(CMainFrame& frame) {
    RunExport<CResultExportDlg>(frame);
}

void RunBlhExport(CMainFrame& frame) {
    RunExport<CBlhExportDlg>(frame);
}
