#include "shell/hosts/StakeoutHostImpl.h"

#include "receiver/IFrameServices.h"
#include "receiver/screens/CGpsInfoDlg.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/ReceiverLink.h"
#include "survey/PointStorePath.h"

CString StakeoutHostImpl::JobFileName() const {
    return job_.paths.jobFileName;
}

IFoundationFrame& StakeoutHostImpl::CoordLibrary() const {
    return services_.CoordLibrary();
}

CString StakeoutHostImpl::DataFolder() const {
    return job_.paths.dataFolder;
}

CString StakeoutHostImpl::PointFileName() const {
    return job_.paths.dataFileName;
}

std::vector<CString> StakeoutHostImpl::JobOwnFiles() const {
    const StoreFilePaths store = survey_.StoreFiles();
    const JobSettingsFiles& settings = job_.jobs.Files();
    return {store.point,
            store.raw,
            store.record,
            store.library,
            settings.GetJobFilePaths().jobFile,
            settings.GetJobFilePaths().coordFile,
            settings.SystemFilePath()};
}

const GeneralSettingsBlock& StakeoutHostImpl::Settings() const {
    return job_.settings;
}

LinkValues StakeoutHostImpl::Link() const {
    const DataLinkSettings& link = job_.settings.dataLink;
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
