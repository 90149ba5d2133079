#include "shell/commands/JobCommands.h"

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
#include "shell/frame/CMainFrame.h"
#include "shell/hosts/GeodesyHostImpl.h"

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

// Anything by that name, a folder included: it is there, readable or not.
bool PathExists(const CString& path) {
    return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

// A job's two files into scratch records: a missing file gives the defaults, one that cannot be
// read (the reader has said so) gives false.
bool ReadJobFiles(const CJobSettings& jobs, const CString& jobFile, GeneralSettingsBlock& settings,
                  CoordSysParams& coord) {
    JobSettingsFiles files = jobs.Files();
    files.SetJobFilePaths({jobFile, WithoutExtension(jobFile) + L"qza"});
    if (!PathExists(files.GetJobFilePaths().coordFile))
        files.DefaultCoordParams(coord);
    else if (!files.ReadCoordParams(coord))
        return false;
    if (!PathExists(jobFile))
        files.DefaultJobParams(settings);
    else if (!files.ReadJobParams(settings))
        return false;
    return true;
}

void ShowTitle(CMainFrame& frame) {
    frame.SetTitle(LoadStringResource(strings::kTitlePrefix) + frame.Job().system.szDataFile + L">");
}

// What follows the job settings beside the parser (the job session tells it): the local time, and
// the parameter warnings, which the new job may raise again.
void TakeJobSettings(CMainFrame& frame) {
    frame.Watch().paramAcknowledged.fill(false);
    SetLocalTimeOffsetMinutes(frame.Job().settings.connection.nTimeZone * 60);
}

// The point file `name` of the job's data folder becomes current.
void TakePointFile(CMainFrame& frame, const CString& name) {
    JobSession& job = frame.Job();
    job.paths.dataFileName = name;
    job.system.szDataFile = name;
    job.jobs.SetResultFileNames(job.paths.dataFolder, name);
    frame.Records().SetRecordFile(SurveyRecords::RecordFilePath(job.paths.dataFolder, name));
    frame.FillDisplayPoints();
}

void ContinueNamesFrom(CMainFrame& frame, const CString& pointFile) {
    const LastNames last = LoadAutoRecord(frame, pointFile);
    frame.Job().jobs.LoadRecSaveNames(last.lastPoint, last.first, last.second, last.third);
}

bool CreateFolders(const CString& jobFolder) {
    for (const CString& folder : {WithoutSlash(jobFolder), jobFolder + L"data", jobFolder + L"result"})
        if (!DirectoryExists(folder) && !CreateDirectory(folder)) return false;
    return true;
}

// What a new job starts from, prepared in copies: a cancel leaves the current job as it was.
struct NewJobStart {
    GeneralSettingsBlock settings;
    CoordSysParams coord;
    CoordSysValues wizardValues;
};

// Mode 0: defaults with the current connection and the coordinate-system wizard's values; mode 1:
// the files of a job the user picks. False when the user cancelled or the files cannot be read.
bool ChooseNewJobStart(CMainFrame& frame, int mode, NewJobStart& start) {
    JobSession& job = frame.Job();
    start.settings = job.settings;
    start.coord = job.coord;
    if (mode == 0) {
        GeneralSettingsBlock& settings = start.settings;
        job.jobs.DefaultJobParams(settings);
        const ConnectionSettings& kept = job.settings.connection;
        settings.connection.nPort = kept.nPort;
        settings.connection.nRadioFormat = kept.nRadioFormat;
        settings.connection.nComMode = kept.nComMode;
        settings.connection.nInputCom = kept.nInputCom;
        settings.connection.nComBaud = kept.nComBaud;
        settings.dataLink.nModuleType = job.settings.dataLink.nModuleType;
        job.jobs.DefaultCoordParams(job.coord2);
        CParamWizardDlg wizard(job.coord2, &frame);
        if (wizard.DoModal() != IDOK) return false;
        start.wizardValues = wizard.m_values;
    } else if (mode == 1) {
        const CString sourceJob =
            ChooseFileToOpen(&frame, L"*.qzs", job.paths.programFolder, job.paths.jobFolder);
        if (sourceJob.IsEmpty() || !ReadJobFiles(job.jobs, sourceJob, start.settings, start.coord))
            return false;
    }
    return true;
}

// A new folder appears with the job's files in it or not at all: it is filled under a temporary
// name and then renamed. The job's paths then name the job file in its folder.
bool WriteNewJobFolder(CMainFrame& frame, const CString& jobFile, const CString& jobFolder, int mode,
                       const NewJobStart& start, const CString& pointFile) {
    JobSession& job = frame.Job();
    const CString finalFolder = WithoutSlash(jobFolder);
    const bool freshFolder = !DirectoryExists(finalFolder);
    const CString buildFolder = freshFolder ? finalFolder + L".new\\" : jobFolder;
    if (!CreateFolders(buildFolder)) {
        AfxMessageBox(L"创建作业文件夹失败!");
        return false;
    }
    job.DerivePaths(buildFolder + FileNameOf(jobFile), pointFile);
    job.jobs.SetJobFilePaths({buildFolder + job.paths.jobFileName, buildFolder + job.paths.coordFileName});
    job.StoreSettings(start.settings);
    GeodesyHostImpl host(frame);
    if (mode == 0)
        StoreNewJobCoordParams(host, start.wizardValues);
    else
        host.SaveCoordParams(start.coord, BaseStation::kReprojected);
    if (freshFolder && !MoveFile(WithoutSlash(buildFolder), finalFolder)) {
        AfxMessageBox(L"创建作业文件夹失败!");
        return false;
    }
    job.DerivePaths(jobFile, pointFile);
    job.jobs.SetJobFilePaths({jobFile, job.paths.jobFolder + job.paths.coordFileName});
    return true;
}
}  // namespace

void NewJob(CMainFrame& frame) {
    JobSession& job = frame.Job();
    CNewJobDlg dialog(job.paths.programFolder, &frame);
    if (dialog.DoModal() != IDOK) return;
    const CString jobFile = dialog.m_strJobFile;
    const CString jobFolder = dialog.m_strRootPath + dialog.m_strName + L"\\";
    if (FileExists(jobFile) &&
        AfxMessageBox(LoadStringResource(strings::kJobExists), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    NewJobStart start;
    if (!ChooseNewJobStart(frame, dialog.m_nMode, start)) return;
    const CString pointFile = WithoutExtension(FileNameOf(jobFile)) + L"xyh";
    if (!WriteNewJobFolder(frame, jobFile, jobFolder, dialog.m_nMode, start, pointFile)) return;
    job.ChoseJob();
    job.system.szIniFile = jobFile;
    job.system.szLastSaveName = L"0";
    job.system.lastNames = kResetNames;
    TakePointFile(frame, pointFile);
    job.jobs.WriteSystemFile(job.system);
    job.jobs.SetStoreNames(kResetNames, L"0", start.settings.szdRoverAntH, 1);
    TakeJobSettings(frame);
    ShowTitle(frame);
}

void OpenJob(CMainFrame& frame) {
    JobSession& job = frame.Job();
    const CString jobFile = ChooseFileToOpen(&frame, L"*.qzs", job.paths.programFolder, job.paths.jobFolder);
    if (jobFile.IsEmpty()) return;
    GeneralSettingsBlock settings;
    CoordSysParams coord;
    if (!ReadJobFiles(job.jobs, jobFile, settings, coord)) return;

    const CString pointFile = WithoutExtension(FileNameOf(jobFile)) + L"xyh";
    job.DerivePaths(jobFile, pointFile);
    job.FinishInterruptedStore();
    job.jobs.SetJobFilePaths({jobFile, job.paths.jobFolder + job.paths.coordFileName});
    job.TakeLoaded(settings, coord);
    TakeJobSettings(frame);
    job.ChoseJob();
    job.system.szIniFile = jobFile;
    TakePointFile(frame, pointFile);
    job.jobs.WriteSystemFile(job.system);
    frame.Records().Load();
    frame.TellSkippedLines(frame.Records().RecordFile(), frame.Records().surveyed.SkippedLines());
    job.jobs.SetStoreNames(job.system.lastNames, job.system.szLastSaveName, settings.szdRoverAntH, 1);
    ContinueNamesFrom(frame, job.paths.dataFolder + pointFile);
    ShowTitle(frame);
}

void NewPointFile(CMainFrame& frame) {
    JobSession& job = frame.Job();
    const CString path = ChooseFileToSave(&frame, L"*.xyh", job.paths.dataFolder, job.paths.dataFolder);
    if (path.IsEmpty()) return;
    const CString name = FileNameOf(path);
    if (!AtomicRewrite(job.paths.dataFolder + name, "")) return;
    TakePointFile(frame, name);
    job.system.szLastSaveName = L"0";
    job.system.lastNames = kResetNames;
    job.jobs.WriteSystemFile(job.system);
    // The reset names are the store's too, or the exit would write the old ones back.
    job.jobs.SetStoreNames(kResetNames, L"0", job.settings.szdRoverAntH, 1);
    ShowTitle(frame);
}

void OpenPointFile(CMainFrame& frame) {
    JobSession& job = frame.Job();
    const CString path = ChooseFileToOpen(&frame, L"*.xyh", job.paths.dataFolder, job.paths.dataFolder);
    if (path.IsEmpty()) return;
    const CString name = FileNameOf(path);
    TakePointFile(frame, name);
    job.jobs.WriteSystemFile(job.system);
    ContinueNamesFrom(frame, job.paths.dataFolder + name);
    frame.Records().Load();
    frame.TellSkippedLines(frame.Records().RecordFile(), frame.Records().surveyed.SkippedLines());
    ShowTitle(frame);
}

void TargetPointSurvey(CMainFrame& frame) {
    if (frame.Receiver().HasData() == 0) {
        AfxMessageBox(LoadStringResource(strings::kNoDataToStore));
        return;
    }
    CGpsState state = frame.LatestFix();
    state.fixFlag = 1;
    frame.Job().jobs.SetStoreContext(frame.Job().settings.nSaveType, kSurveyStoreKind, 0, CString(), 0, 0.0,
                                     CString());
    const StoredPointResult result = frame.StorePath().StorePoint(state);
    if (result.number != 0) frame.AppendSurveyRecord(result.point);
}

LastNames LoadAutoRecord(CMainFrame& frame, const CString& path) {
    return ScanLastNamesInFile(path, ReadRecordFormat(frame.Job().paths.jobFolder).value_or(1));
}
