#include "shell/frame/JobSession.h"

#include <cstdio>

#include "foundation/DevicePathJoin.h"
#include "foundation/PointLines.h"
#include "foundation/StoreJournal.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace {
// Anything at the path counts: a file that exists but cannot be read is not a first run.
bool Exists(const CString& path) {
    return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

CString WithoutTrailingSlash(const CString& folder) {
    return folder.Left(folder.GetLength() - 1);
}
}  // namespace

JobSession::JobSession() {
    jobs.SetSystemFilePath(paths.programFolder + L"\\qzsys.sys");
    jobs.Files().SetNoticeSink(
        [](const CString& notice) { AfxMessageBox(notice, MB_ICONINFORMATION | MB_OK); });
}

void JobSession::DerivePaths(const CString& jobFilePath, const CString& dataFileName) {
    const int slash = jobFilePath.ReverseFind(L'\\');
    paths.jobFolder = jobFilePath.Left(slash + 1);
    paths.jobFileName = jobFilePath.Mid(slash + 1);
    paths.dataFolder = paths.jobFolder + L"data\\";
    paths.resultFolder = paths.jobFolder + L"result\\";
    paths.dataFileName = dataFileName;
    paths.coordFileName = paths.jobFileName.Left(paths.jobFileName.GetLength() - 3) + L"qza";
}

void JobSession::LoadAtStartup(const CString& softwareVersion) {
    loaded_ = true;
    jobs.SetVersionInfo(softwareVersion, paths.programFolder);
    // An empty device root is a new device: the program folder comes first.
    if (!DirectoryExists(paths.programFolder)) CreateDirectory(paths.programFolder);
    const CString systemFile = paths.programFolder + L"\\qzsys.sys";
    jobs.SetSystemFilePath(systemFile);
    if (!Exists(systemFile)) {
        jobs.DefaultSystemParams(system);
        jobs.WriteSystemFile(system);
    } else if (!jobs.ReadSystemFile(system)) {
        systemUnusable_ = true;
        jobs.DefaultSystemParams(system);
    }

    if (!OpenCurrentJob()) {
        // The system file goes on naming the job the user will want back once it is mended.
        jobs.Files().Hold(systemFile);
        LastFilesRecord defaults;
        jobs.DefaultSystemParams(defaults);
        const bool sameJob = defaults.szIniFile.CompareNoCase(system.szIniFile) == 0;
        system.szIniFile = defaults.szIniFile;
        system.szDataFile = defaults.szDataFile;
        if (sameJob || !OpenCurrentJob()) {
            jobs.DefaultJobParams(settings);
            jobs.DefaultCoordParams(coord);
        }
    }

    if (!Exists(paths.setupFolder + kAntennaFile) && !jobs.WriteAntennaFile(paths.setupFolder, kAntennaFile))
        AfxMessageBox(L"创建天线类型文件失败!", MB_ICONINFORMATION | MB_OK);
    FinishInterruptedStore();
}

void JobSession::FinishInterruptedStore() {
    const CString journal = StoreJournalPath(paths.jobFolder, paths.jobFileName);
    const JournalRepairResult repair = ::FinishInterruptedStore(journal);
    if (repair.status == JournalRepair::kFinished) {
        AfxMessageBox(Format(L"上次存储被中断,点%s已补全存储", repair.pointName.c_str()),
                      MB_ICONINFORMATION | MB_OK);
        // Only once told: a start killed under the notice tells it again.
        DeleteFile(journal);
    } else if (repair.status == JournalRepair::kFailed) {
        AfxMessageBox(Format(L"上次存储被中断,点%s在%s中未能补全,请检查存储空间!", repair.pointName.c_str(),
                             DeviceFileNameOf(repair.path).c_str()),
                      MB_ICONINFORMATION | MB_OK);
    }
}

bool JobSession::OpenCurrentJob() {
    DerivePaths(system.szIniFile, system.szDataFile);
    jobs.SetResultFileNames(paths.dataFolder, paths.dataFileName);
    jobs.SetJobFilePaths({paths.jobFolder + paths.jobFileName, paths.jobFolder + paths.coordFileName});
    for (const CString& folder :
         {paths.programFolder + L"\\Jobs", WithoutTrailingSlash(paths.jobFolder),
          WithoutTrailingSlash(paths.dataFolder), WithoutTrailingSlash(paths.resultFolder)})
        if (!DirectoryExists(folder)) CreateDirectory(folder);
    if (!DirectoryExists(WithoutTrailingSlash(paths.jobFolder))) {
        AfxMessageBox(Format(L"工程%s不能使用,本次运行使用默认工程", paths.jobFileName.c_str()),
                      MB_ICONINFORMATION | MB_OK);
        return false;
    }

    if (!Exists(paths.jobFolder + paths.jobFileName)) {
        jobs.DefaultJobParams(settings);
        jobs.WriteJobParams(settings);
    } else if (!jobs.ReadJobParams(settings)) {
        return false;
    }
    if (!Exists(paths.jobFolder + paths.coordFileName)) {
        jobs.DefaultCoordParams(coord);
        jobs.WriteCoordParams(coord);
    } else if (!jobs.ReadCoordParams(coord)) {
        return false;
    }
    return true;
}

std::array<CString, 3> JobSession::OwnFiles() const {
    const JobSettingsFiles& files = jobs.Files();
    return {files.GetJobFilePaths().jobFile, files.GetJobFilePaths().coordFile, files.SystemFilePath()};
}

GeneralSettingsBlock JobSession::NewJobSettings() const {
    GeneralSettingsBlock defaults = settings;
    jobs.DefaultJobParams(defaults);
    return defaults;
}

CoordSysParams JobSession::NewJobCoordParams() const {
    CoordSysParams defaults;
    jobs.DefaultCoordParams(defaults);
    return defaults;
}

bool JobSession::ReadJobFiles(const CString& jobFile, GeneralSettingsBlock& settings,
                              CoordSysParams& coord) const {
    JobSettingsFiles files = jobs.Files();
    files.SetJobFilePaths({jobFile, jobFile.Left(jobFile.GetLength() - 3) + L"qza"});
    if (!Exists(files.GetJobFilePaths().coordFile))
        files.DefaultCoordParams(coord);
    else if (!files.ReadCoordParams(coord))
        return false;
    if (!Exists(jobFile))
        files.DefaultJobParams(settings);
    else if (!files.ReadJobParams(settings))
        return false;
    return true;
}

bool JobSession::StoreSystem(const LastFilesRecord& changed) {
    JobSettingsFiles& files = jobs.Files();
    if (!files.Held(files.SystemFilePath()) && !files.WriteSystemFile(changed)) return false;
    system = changed;
    return true;
}

bool JobSession::StoreSettings(const GeneralSettingsBlock& changed) {
    if (!jobs.WriteJobParams(changed)) return false;
    UseSettings(changed);
    return true;
}

bool JobSession::StoreDataLink(const DataLinkReport& report) {
    GeneralSettingsBlock changed = settings;
    DataLinkSettings& link = changed.dataLink;
    if (report.kind) link.nModuleType = *report.kind;
    if (report.channel) link.radioChannel = *report.channel;
    if (report.net) link.net = *report.net;
    return link == settings.dataLink || StoreSettings(changed);
}

bool JobSession::StoreCoordParams(const CoordSysParams& changed) {
    if (!jobs.WriteCoordParams(changed)) return false;
    coord = changed;
    if (coordChanged_) coordChanged_(coord);
    return true;
}

void JobSession::TakeLoaded(const GeneralSettingsBlock& loadedSettings, const CoordSysParams& loadedCoord) {
    coord = loadedCoord;
    if (coordChanged_) coordChanged_(coord);
    UseSettings(loadedSettings);
}

void JobSession::UseSettings(const GeneralSettingsBlock& changed) {
    settings = changed;
    if (settingsChanged_) settingsChanged_(settings);
}

void JobSession::ChoseJob() {
    if (!systemUnusable_) jobs.Files().Release(jobs.Files().SystemFilePath());
}

void JobSession::StartPointNames() {
    // The point file, finished from the journal, knows the last stored name; the system file's may
    // be a write that was lost (a damaged file written anew from defaults) and must not bring a
    // stored name back. A store the journal could not finish (a full disk) is stored all the same.
    const std::optional<JournalContents> journal =
        ReadStoreJournal(StoreJournalPath(paths.jobFolder, paths.jobFileName));
    const CString stored = journal && !journal->records.empty()
                               ? journal->records.back().pointName
                               : LastStoredPointName(paths.dataFolder + paths.dataFileName);
    const CString& last = stored.IsEmpty() ? system.szLastSaveName : stored;
    jobs.SetStoreNames(system.lastNames, last, settings.szdRoverAntH, 1);
    jobs.SetNameAffixes(settings.recordSave.szAfterName, settings.recordSave.szBeferName);
}

void JobSession::SaveAtExit() {
    if (!loaded_) return;
    // The program is ending: a failed write is printed, never put in a box that would hold the exit.
    const ScopedNoticeSink printed(jobs.Files(), [](const CString& notice) {
        std::fprintf(stderr, "quorin: %s\n", ToUtf8(notice).c_str());
        std::fflush(stderr);
    });
    // The record names the job and point file in use, even when a write after choosing them failed.
    LastFilesRecord changed = system;
    changed.szIniFile = paths.JobFile();
    changed.szDataFile = paths.dataFileName;
    changed.szLastSaveName = jobs.GetLastNames(changed.lastNames);
    StoreSystem(changed);
    jobs.GetNameAffixes(settings.recordSave.szAfterName, settings.recordSave.szBeferName);
    jobs.WriteJobParams(settings);
}
