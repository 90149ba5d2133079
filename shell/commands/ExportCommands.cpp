#include "shell/commands/ExportCommands.h"

#include "export/screens/CBlhExportDlg.h"
#include "export/screens/CResultExportDlg.h"

namespace {
template <class Dialog>
void RunExport(const IExportHost& host, CWnd* parent) {
    Dialog dialog(host, parent);
    dialog.DoModal();
}
}  // namespace

void RunResultExport(const IExportHost& host, CWnd* parent) {
    RunExport<CResultExportDlg>(host, parent);
}

void RunBlhExport(const IExportHost& host, CWnd* parent) {
    RunExport<CBlhExportDlg>(host, parent);
}
