#include "shell/hosts/StakeoutHostImpl.h"

#include "receiver/ReceiverHost.h"
#include "receiver/screens/CGpsInfoDlg.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/link/ReceiverLink.h"
#include "survey/PointStorePath.h"

CString StakeoutHostImpl::JobFileName() const {
    return job_.Paths().jobFileName;
}

ICoordLibraryHost& StakeoutHostImpl::CoordLibrary() const {
    return services_.CoordLibrary();
}

CString StakeoutHostImpl::DataFolder() const {
    return job_.Paths().dataFolder;
}

CString StakeoutHostImpl::PointFileName() const {
    return job_.Paths().dataFileName;
}

std::vector<CString> StakeoutHostImpl::JobOwnFiles() const {
    return job_.OwnFiles(survey_.StoreFiles().record);
}

const GeneralSettingsBlock& StakeoutHostImpl::Settings() const {
    return job_.Settings();
}

LinkValues StakeoutHostImpl::Link() const {
    const DataLinkSettings& link = job_.Settings().dataLink;
    return {link.nModuleType, link.radioChannel, receiver_.ModuleConfigured()};
}

StoredPointResult StakeoutHostImpl::StorePoint(const CGpsState& fix, const StoreRequest& request) {
    return storePath_.StorePoint(fix, request);
}

void StakeoutHostImpl::ReacquireAndSave() {
    window_.ReacquireAndSave();
}

void StakeoutHostImpl::ShowReceiverInfo(CWnd* parent, const CString& info) {
    ::ShowReceiverInfo(services_, parent, info);
}
