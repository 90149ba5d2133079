#include "shell/frame/JobSession.h"

#include <cstdio>
#include <utility>

#include "foundation/CoordLibFile.h"
#include "foundation/MissingLinesText.h"
#include "foundation/RecordFormatFile.h"
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

void JobSession::TellInBox(const CString& notice) {
    AfxMessageBox(notice, MB_ICONINFORMATION | MB_OK);
}

JobSession::JobSession(const CString& softwareVersion, NoticeSink tell) {
    jobs_.SetVersionInfo(softwareVersion, paths_.programFolder);
    jobs_.SetSystemFilePath(paths_.programFolder + L"\\qzsys.sys");
    jobs_.Files().SetNoticeSink(std::move(tell));
}

void JobSession::UseJobPaths(const CString& jobFilePath, const CString& dataFileName) {
    const int slash = jobFilePath.ReverseFind(L'\\');
    paths_.jobFolder = jobFilePath.Left(slash + 1);
    paths_.jobFileName = jobFilePath.Mid(slash + 1);
    paths_.dataFolder = paths_.jobFolder + L"data\\";
    paths_.resultFolder = paths_.jobFolder + L"result\\";
    paths_.dataFileName = dataFileName;
    paths_.coordFileName = paths_.jobFileName.Left(paths_.jobFileName.GetLength() - 3) + L"qza";
    jobs_.SetJobFilePaths({paths_.jobFolder + paths_.jobFileName, paths_.jobFolder + paths_.coordFileName});
}

void JobSession::UsePointFile(const CString& name) {
    paths_.dataFileName = name;
    jobs_.SetResultFileNames(paths_.dataFolder, name);
    pointNames_.Forget();
}

void JobSession::ResetSpareCoordParams() {
    jobs_.DefaultCoordParams(coord2_);
}

void JobSession::LoadAtStartup() {
    loaded_ = true;
    // An empty device root is a new device: the program folder comes first.
    if (!DirectoryExists(paths_.programFolder)) CreateDirectory(paths_.programFolder);
    const CString systemFile = paths_.programFolder + L"\\qzsys.sys";
    jobs_.SetSystemFilePath(systemFile);
    const size_t toldBefore = jobs_.Files().NoticesTold();
    // A damaged system file that lost its job path names the storage card's job: no choice of the user's.
    bool jobPathLacked = false;
    if (!Exists(systemFile)) {
        jobs_.DefaultSystemParams(system_);
        jobs_.WriteSystemFile(system_);
    } else if (!jobs_.ReadSystemFile(system_, &jobPathLacked)) {
        systemUnusable_ = true;
        jobs_.DefaultSystemParams(system_);
    }
    // A damaged system file may have lost the job it named, an unusable job gives way to the default
    // one: either way the user hears which job is open.
    bool jobToTell = jobs_.Files().NoticesTold() > toldBefore;

    if (!OpenCurrentJob()) {
        jobToTell = true;
        // The system file goes on naming the job the user will want back once it is mended; one that
        // named none names the job open instead, so that the next start has nothing to tell.
        if (!jobPathLacked) jobs_.Files().Hold(systemFile);
        LastFilesRecord defaults;
        jobs_.DefaultSystemParams(defaults);
        const bool sameJob = defaults.szIniFile.CompareNoCase(system_.szIniFile) == 0;
        system_.szIniFile = defaults.szIniFile;
        system_.szDataFile = defaults.szDataFile;
        if (sameJob || !OpenCurrentJob()) {
            jobs_.DefaultJobParams(settings_);
            jobs_.DefaultCoordParams(coord_);
        }
        if (jobPathLacked) jobs_.WriteSystemFile(system_);
    }
    if (jobToTell) jobs_.Files().Tell(Format(L"当前打开的工程为%s", paths_.JobFile().c_str()));

    if (!Exists(paths_.setupFolder + kAntennaFile) &&
        !jobs_.WriteAntennaFile(paths_.setupFolder, kAntennaFile))
        jobs_.Files().Tell(L"创建天线类型文件失败!");
    repairUntold_ = RepairInterruptedStore();
}

CString JobSession::JournalPath() const {
    return StoreJournalPath(paths_.jobFolder, paths_.jobFileName);
}

void JobSession::FinishInterruptedStore() {
    // Outside start-up a notice is shown as it is told.
    if (RepairInterruptedStore()) CloseStoreJournal(JournalPath());
}

void JobSession::StartNoticesShown() {
    if (std::exchange(repairUntold_, false)) CloseStoreJournal(JournalPath());
}

bool JobSession::RepairInterruptedStore() {
    const JournalRepairResult repair = ::FinishInterruptedStore(JournalPath());
    if (repair.status == JournalRepair::kFinished) {
        jobs_.Files().Tell(Format(L"上次存储被中断,点%s已补全存储", repair.pointName.c_str()));
        return true;
    }
    if (repair.status == JournalRepair::kFailed)
        jobs_.Files().Tell(L"上次存储被中断," + MissingLinesText({repair.pointName, repair.path}));
    return false;
}

bool JobSession::OpenCurrentJob() {
    UseJobPaths(system_.szIniFile, system_.szDataFile);
    jobs_.SetResultFileNames(paths_.dataFolder, paths_.dataFileName);
    for (const CString& folder :
         {paths_.programFolder + L"\\Jobs", WithoutTrailingSlash(paths_.jobFolder),
          WithoutTrailingSlash(paths_.dataFolder), WithoutTrailingSlash(paths_.resultFolder)})
        if (!DirectoryExists(folder)) CreateDirectory(folder);
    if (!DirectoryExists(WithoutTrailingSlash(paths_.jobFolder))) {
        jobs_.Files().Tell(Format(L"工程%s不能使用,本次运行使用默认工程", paths_.jobFileName.c_str()));
        return false;
    }

    if (!Exists(paths_.jobFolder + paths_.jobFileName)) {
        jobs_.DefaultJobParams(settings_);
        jobs_.WriteJobParams(settings_);
    } else if (!jobs_.ReadJobParams(settings_)) {
        return false;
    }
    if (!Exists(paths_.jobFolder + paths_.coordFileName)) {
        jobs_.DefaultCoordParams(coord_);
        jobs_.WriteCoordParams(coord_);
    } else if (!jobs_.ReadCoordParams(coord_)) {
        return false;
    }
    return true;
}

std::vector<CString> JobSession::OwnFiles(const CString& recordFile) const {
    const JobSettingsFiles& files = jobs_.Files();
    return {ResultFiles().DataFile(),
            ResultFiles().RawFile(),
            recordFile,
            CoordLibPath(paths_.jobFolder, paths_.jobFileName),
            files.GetJobFilePaths().jobFile,
            files.GetJobFilePaths().coordFile,
            files.SystemFilePath()};
}

GeneralSettingsBlock JobSession::NewJobSettings() const {
    GeneralSettingsBlock defaults = settings_;
    jobs_.DefaultJobParams(defaults);
    return defaults;
}

CoordSysParams JobSession::NewJobCoordParams() const {
    CoordSysParams defaults;
    jobs_.DefaultCoordParams(defaults);
    return defaults;
}

bool JobSession::ReadJobFiles(const CString& jobFile, GeneralSettingsBlock& settings,
                              CoordSysParams& coord) const {
    JobSettingsFiles files = jobs_.Files();
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
    JobSettingsFiles& files = jobs_.Files();
    if (!files.Held(files.SystemFilePath()) && !files.WriteSystemFile(changed)) return false;
    system_ = changed;
    return true;
}

bool JobSession::StoreSettings(const GeneralSettingsBlock& changed) {
    if (!jobs_.WriteJobParams(changed)) return false;
    UseSettings(changed);
    return true;
}

bool JobSession::StoreDataLink(const DataLinkReport& report) {
    GeneralSettingsBlock changed = settings_;
    DataLinkSettings& link = changed.dataLink;
    if (report.kind) link.nModuleType = *report.kind;
    if (report.channel) link.radioChannel = *report.channel;
    if (report.net) link.net = *report.net;
    return link == settings_.dataLink || StoreSettings(changed);
}

bool JobSession::StoreCoordParams(const CoordSysParams& changed) {
    if (!jobs_.WriteCoordParams(changed)) return false;
    coord_ = changed;
    if (coordChanged_) coordChanged_(coord_);
    return true;
}

bool JobSession::StoreLastNames(const CString& lastName, const TextTriple& series) {
    if (series == system_.lastNames) {
        system_.szLastSaveName = lastName;
        return true;
    }
    LastFilesRecord changed = system_;
    changed.szLastSaveName = lastName;
    changed.lastNames = series;
    const ScopedNoticeSink toldByTheStore(jobs_.Files(), {});
    return StoreSystem(changed);
}

void JobSession::TakeLoaded(const GeneralSettingsBlock& loadedSettings, const CoordSysParams& loadedCoord) {
    coord_ = loadedCoord;
    if (coordChanged_) coordChanged_(coord_);
    UseSettings(loadedSettings);
}

void JobSession::UseSettings(const GeneralSettingsBlock& changed) {
    settings_ = changed;
    if (settingsChanged_) settingsChanged_(settings_);
}

void JobSession::ChoseJob() {
    if (!systemUnusable_) jobs_.Files().Release(jobs_.Files().SystemFilePath());
}

void JobSession::StartPointNames() {
    // The point file, finished from the journal, knows the last stored name. The system file's is
    // a hint that a kill or a damaged file (written anew from defaults) loses, and must not bring a
    // stored name back. A store the journal could not finish (a full disk) is stored all the same.
    const CString last = LastStoredName(JournalPath(), PointFilePath(), system_.szLastSaveName);
    SetPointNames(system_.lastNames, last, settings_.szdRoverAntH);
    jobs_.SetNameAffixes(settings_.recordSave.szAfterName, settings_.recordSave.szBeferName);
}

void JobSession::SetPointNames(const TextTriple& series, const CString& lastName, double antennaHeight) {
    jobs_.SetStoreNames(series, lastName, antennaHeight, 1);
}

void JobSession::ContinuePointNames(LastNames last, int format) {
    jobs_.LoadRecSaveNames(last, format);
    pointNames_.Take(PointFilePath(), last);
}

CString JobSession::PointFilePath() const {
    return paths_.dataFolder + paths_.dataFileName;
}

const PointStoreState& JobSession::ProposeFreeNames() {
    pointNames_.Follow(PointFilePath());
    jobs_.Store().PassOver(pointNames_.Held());
    return jobs_.Store();
}

TextTriple JobSession::FreeSeries(const TextTriple& series) {
    pointNames_.Follow(PointFilePath());
    return CJobSettings::FreeSeries(pointNames_.Held(), series, JobRecordFormat(paths_.jobFolder));
}

void JobSession::PointFileRewritten() {
    pointNames_.Forget();
}

void JobSession::KeepTemplate(const SurveyPointRec& templatePoint) {
    jobs_.Store().point = templatePoint;
}

void JobSession::TakeStoredNames(const CString& next, const TextTriple& series,
                                 const StoredPointResult& result) {
    PointStoreState& store = jobs_.Store();
    store.point.extraText = next;
    store.point.texts = series;
    store.lastResult = result;
}

void JobSession::CloseStores() {
    CloseStoreJournal(JournalPath());
}

void JobSession::SaveAtExit() {
    if (!loaded_) return;
    // The program is ending: a failed write is printed, never put in a box that would hold the exit.
    const ScopedNoticeSink printed(jobs_.Files(), [](const CString& notice) {
        std::fprintf(stderr, "quorin: %s\n", ToUtf8(notice).c_str());
        std::fflush(stderr);
    });
    // The record names the job and point file in use, even when a write after choosing them failed.
    LastFilesRecord changed = system_;
    changed.szIniFile = paths_.JobFile();
    changed.szDataFile = paths_.dataFileName;
    changed.szLastSaveName = jobs_.GetLastNames(changed.lastNames);
    StoreSystem(changed);
    jobs_.GetNameAffixes(settings_.recordSave.szAfterName, settings_.recordSave.szBeferName);
    jobs_.WriteJobParams(settings_);
    CloseStores();
}
