#include "shell/commands/JobCommands.h"

#include <string>

#include "foundation/JobOwnFiles.h"
#include "foundation/PointLines.h"
#include "foundation/RecordFormatFile.h"
#include "foundation/screens/CFileDialogs.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/screens/CParamWizardDlg.h"
#include "geodesy/screens/NewJobCoordParams.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "resources/StringIds.h"
#include "shell/dialogs/CNewJobDlg.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/Supervision.h"
#include "shell/frame/SurveyRecords.h"
#include "shell/hosts/GeodesyHostImpl.h"
#include "shell/link/ReceiverLink.h"
#include "survey/PointStorePath.h"

namespace {

const TextTriple kResetNames{L"J1", L"Z1", L"1"};

CString WithoutExtension(const CString& fileName) {
    return fileName.Left(fileName.GetLength() - 3);
}

CString WithoutSlash(const CString& folder) {
    return folder.Left(folder.GetLength() - 1);
}

CString FileNameOf(const CString& path) {
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

// The system record naming `jobFile` and `pointFile` with the names the store continues from, so
// that a start after a kill continues the point file's names, not the last file's.
LastFilesRecord Naming(LastFilesRecord record, const CString& jobFile, const CString& pointFile,
                       const PointStoreState& store) {
    record.szIniFile = jobFile;
    record.szDataFile = pointFile;
    record.szLastSaveName = store.GetLastNames(record.lastNames);
    return record;
}

// An empty point file at `path`; the points one held are kept in "<name>.bak" (an older copy there
// replaced) before it is emptied. False when either write failed: the file is as it was.
bool EmptyKeepingCopy(const CString& path) {
    std::string points;
    if (FileExists(path) && !ReadWholeFile(path, points)) return false;
    if (!points.empty() && !AtomicRewrite(path + L".bak", points)) return false;
    return AtomicRewrite(path, "");
}

bool CreateFolders(const CString& jobFolder) {
    for (const CString& folder : {WithoutSlash(jobFolder), jobFolder + L"data", jobFolder + L"result"})
        if (!DirectoryExists(folder) && !CreateDirectory(folder)) return false;
    return true;
}
}  // namespace

// What a new job starts from, prepared in copies: a cancel leaves the current job as it was.
struct JobCommands::NewJobStart {
    GeneralSettingsBlock settings;
    CoordSysParams coord;
    CoordSysValues wizardValues;
};

CWnd* JobCommands::DialogParent() const {
    return CWnd::FromHandle(window_.DialogParent());
}

void JobCommands::ShowTitle() {
    window_.SetTitle(LoadStringResource(strings::kTitlePrefix) + job_.Paths().dataFileName + L">");
}

// What follows the job settings beside the parser (the job session tells it): the local time, and
// the parameter warnings, which the new job may raise again.
void JobCommands::TakeJobSettings() {
    watch_.RearmParamWarnings();
    SetLocalTimeOffsetMinutes(job_.Settings().connection.nTimeZone * 60);
}

// The point file `name` of the job's data folder becomes current.
void JobCommands::TakePointFile(const CString& name) {
    job_.UsePointFile(name);
    records_.SetRecordFile(SurveyRecords::RecordFilePath(job_.Paths().dataFolder, name));
    window_.FillDisplayPoints();
    window_.CheckRawFile();
}

// The store's names move on past those the point file holds, by the job's record format.
void JobCommands::ContinueNamesFrom(const CString& pointFile) {
    const int format = JobRecordFormat(job_.Paths().jobFolder);
    job_.ContinuePointNames(ScanLastNamesInFile(pointFile, format), format);
}

// The surveyed list of the current point file, and once what of it could not be read.
void JobCommands::LoadRecords() {
    records_.Load();
    window_.TellSkippedLines(records_.RecordFile(), records_.surveyed.SkippedLines());
}

// Mode 0: defaults with the current connection and the coordinate-system wizard's values; mode 1:
// the files of a job the user picks. False when the user cancelled or the files cannot be read.
bool JobCommands::ChooseNewJobStart(int mode, NewJobStart& start) {
    start.settings = job_.Settings();
    start.coord = job_.CoordParams();
    if (mode == 0) {
        start.settings = job_.NewJobSettings();
        GeneralSettingsBlock& settings = start.settings;
        const ConnectionSettings& kept = job_.Settings().connection;
        settings.connection.nPort = kept.nPort;
        settings.connection.nRadioFormat = kept.nRadioFormat;
        settings.connection.nComMode = kept.nComMode;
        settings.connection.nInputCom = kept.nInputCom;
        settings.connection.nComBaud = kept.nComBaud;
        settings.dataLink.nModuleType = job_.Settings().dataLink.nModuleType;
        job_.ResetSpareCoordParams();
        CParamWizardDlg wizard(job_.SpareCoordParams(), DialogParent());
        if (wizard.DoModal() != IDOK) return false;
        start.wizardValues = wizard.m_values;
    } else if (mode == 1) {
        const CString sourceJob =
            ChooseFileToOpen(DialogParent(), L"*.qzs", job_.Paths().programFolder, job_.Paths().jobFolder);
        if (sourceJob.IsEmpty() || !job_.ReadJobFiles(sourceJob, start.settings, start.coord)) return false;
    }
    return true;
}

// A new folder appears with the job's files in it or not at all: it is filled under a temporary
// name and then renamed. The job's paths then name the job file in its folder.
bool JobCommands::WriteNewJobFolder(const CString& jobFile, const CString& jobFolder, int mode,
                                    const NewJobStart& start, const CString& pointFile) {
    const CString finalFolder = WithoutSlash(jobFolder);
    const bool freshFolder = !DirectoryExists(finalFolder);
    const CString buildFolder = freshFolder ? finalFolder + L".new\\" : jobFolder;
    if (!CreateFolders(buildFolder)) {
        AfxMessageBox(L"创建作业文件夹失败!");
        return false;
    }
    job_.UseJobPaths(buildFolder + FileNameOf(jobFile), pointFile);
    job_.StoreSettings(start.settings);
    GeodesyHostImpl host(job_, watch_);
    if (mode == 0)
        StoreNewJobCoordParams(host, start.wizardValues);
    else
        host.SaveCoordParams(start.coord, BaseStation::kReprojected);
    if (freshFolder && !MoveFile(WithoutSlash(buildFolder), finalFolder)) {
        AfxMessageBox(L"创建作业文件夹失败!");
        return false;
    }
    job_.UseJobPaths(jobFile, pointFile);
    return true;
}

void JobCommands::NewJob() {
    CNewJobDlg dialog(job_.Paths().programFolder, DialogParent());
    if (dialog.DoModal() != IDOK) return;
    const CString jobFile = dialog.JobFile();
    const CString jobFolder = dialog.values.rootPath + dialog.values.name + L"\\";
    if (FileExists(jobFile) &&
        AfxMessageBox(LoadStringResource(strings::kJobExists), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    NewJobStart start;
    if (!ChooseNewJobStart(dialog.values.mode, start)) return;
    const CString pointFile = WithoutExtension(FileNameOf(jobFile)) + L"xyh";
    job_.CloseStores();
    if (!WriteNewJobFolder(jobFile, jobFolder, dialog.values.mode, start, pointFile)) return;
    job_.ChoseJob();
    TakePointFile(pointFile);
    // A job made over an existing folder keeps its point file: the names go on after its points.
    job_.SetPointNames(kResetNames, L"0", start.settings.szdRoverAntH);
    ContinueNamesFrom(job_.Paths().dataFolder + pointFile);
    job_.StoreSystem(Naming(job_.SystemRecord(), jobFile, pointFile, job_.PointStore()));
    TakeJobSettings();
    ShowTitle();
}

void JobCommands::OpenJob() {
    const CString jobFile =
        ChooseFileToOpen(DialogParent(), L"*.qzs", job_.Paths().programFolder, job_.Paths().jobFolder);
    if (jobFile.IsEmpty()) return;
    GeneralSettingsBlock settings;
    CoordSysParams coord;
    if (!job_.ReadJobFiles(jobFile, settings, coord)) return;

    const CString pointFile = WithoutExtension(FileNameOf(jobFile)) + L"xyh";
    job_.CloseStores();
    job_.UseJobPaths(jobFile, pointFile);
    job_.FinishInterruptedStore();
    job_.TakeLoaded(settings, coord);
    TakeJobSettings();
    job_.ChoseJob();
    TakePointFile(pointFile);
    job_.SetPointNames(kResetNames, L"0", settings.szdRoverAntH);
    ContinueNamesFrom(job_.Paths().dataFolder + pointFile);
    job_.StoreSystem(Naming(job_.SystemRecord(), jobFile, pointFile, job_.PointStore()));
    LoadRecords();
    ShowTitle();
}

void JobCommands::NewPointFile() {
    const CString dataFolder = job_.Paths().dataFolder;
    const std::vector<CString> ownFiles = job_.OwnFiles(records_.RecordFile());
    CFileSaveDlg save(DialogParent());
    save.SetFilter(L"*.xyh");
    save.SetRootFolder(dataFolder);
    save.SetStartFolder(dataFolder);
    save.KeepOff(ownFiles);
    if (save.DoModal() != IDOK) return;
    const CString name = FileNameOf(save.GetPathName());
    // The file made is the data folder's, whichever folder the dialog was at.
    if (IsJobOwnFile(dataFolder + name, ownFiles)) {
        AfxMessageBox(kJobOwnNameRefusal, MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The journal's stores may name the file about to be emptied.
    job_.CloseStores();
    if (!EmptyKeepingCopy(dataFolder + name)) {
        AfxMessageBox(L"文件保存失败!", MB_OK | MB_ICONINFORMATION);
        return;
    }
    TakePointFile(name);
    // The reset names are the store's too, or the exit would write the old ones back.
    job_.SetPointNames(kResetNames, L"0", job_.Settings().szdRoverAntH);
    job_.StoreSystem(Naming(job_.SystemRecord(), job_.Paths().JobFile(), name, job_.PointStore()));
    ShowTitle();
}

void JobCommands::OpenPointFile() {
    const CString path =
        ChooseFileToOpen(DialogParent(), L"*.xyh", job_.Paths().dataFolder, job_.Paths().dataFolder);
    if (path.IsEmpty()) return;
    const CString name = FileNameOf(path);
    TakePointFile(name);
    ContinueNamesFrom(job_.Paths().dataFolder + name);
    job_.StoreSystem(Naming(job_.SystemRecord(), job_.Paths().JobFile(), name, job_.PointStore()));
    LoadRecords();
    ShowTitle();
}

void JobCommands::TargetPointSurvey() {
    if (receiver_.HasData() == 0) {
        AfxMessageBox(LoadStringResource(strings::kNoDataToStore));
        return;
    }
    CGpsState state = receiver_.State();
    state.fixFlag = 1;
    const StoredPointResult result = storePath_.StorePoint(state, {.mode = job_.Settings().nSaveType});
    if (result.number != 0) records_.Append(result.point);
}
