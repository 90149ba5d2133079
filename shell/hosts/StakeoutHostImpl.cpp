#include "shell/hosts/StakeoutHostImpl.h"

#include "receiver/screens/CGpsInfoDlg.h"
#include "shell/frame/CMainFrame.h"

CString StakeoutHostImpl::JobFileName() const {
    return frame_.JobFileName();
}

CString StakeoutHostImpl::DataFolder() const {
    return frame_.DataFolder();
}

CString StakeoutHostImpl::PointFileName() const {
    return frame_.Job().system.szDataFile;
}

const GeneralSettingsBlock& StakeoutHostImpl::Settings() const {
    return frame_.Job().settings;
}

LinkValues StakeoutHostImpl::Link() const {
    const DataLinkSettings& link = frame_.Job().settings.dataLink;
    return {link.nModuleType, link.radioChannel, frame_.Receiver().ModuleConfigured()};
}

StoredPointResult StakeoutHostImpl::StorePoint(const CGpsState& fix, const StoreContext& c) {
    CJobSettings& jobs = frame_.Job().jobs;
    jobs.SetStoreContext(c.mode, c.kind, c.format, c.name, 0, 0.0, c.code);
    jobs.SetStoreFlag(0);
    return frame_.StorePath().StorePoint(fix);
}

void StakeoutHostImpl::ReacquireAndSave() {
    frame_.ReacquireAndSave();
}

void StakeoutHostImpl::ShowReceiverInfo(CWnd* parent, const CString& info) {
    ::ShowReceiverInfo(frame_, parent, info);
}
