#include "shell/dialogs/CSysInfoDlg.h"

#include "platform/ui/DataExchange.h"
#include "shell/dialogs/SystemInfo.h"

BOOL CSysInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ISystemInfoSource& source = SystemInfoSource();
    const KilobyteTexts program = ToKilobyteTexts(source.ProgramMemory());
    const KilobyteTexts storage = ToKilobyteTexts(source.Storage());
    programTotal_ = program.total;
    programFree_ = program.free;
    programUsed_ = program.used;
    storageTotal_ = storage.total;
    storageFree_ = storage.free;
    storageUsed_ = storage.used;
    UpdateData(FALSE);
    return TRUE;
}

void CSysInfoDlg::DoDataExchange(CDataExchange* pDX) {
    using namespace sysinfo;
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kProgramTotal, programTotal_);
    DDX_Text(pDX, kProgramFree, programFree_);
    DDX_Text(pDX, kProgramUsed, programUsed_);
    DDX_Text(pDX, kStorageTotal, storageTotal_);
    DDX_Text(pDX, kStorageFree, storageFree_);
    DDX_Text(pDX, kStorageUsed, storageUsed_);
}
