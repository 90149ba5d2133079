#include "shell/hosts/SurveyHostImpl.h"

#include "foundation/CoordLibFile.h"
#include "foundation/PointLines.h"
#include "foundation/StoreJournal.h"
#include "platform/files/FileOps.h"
#include "platform/messages/MessageBox.h"
#include "shell/frame/DisplayPointFill.h"
#include "shell/frame/FrameOperations.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionListeners.h"
#include "shell/frame/SurveyRecords.h"
#include "shell/hosts/ReceiverAntenna.h"
#include "shell/link/ReceiverLink.h"

const GeneralSettingsBlock& SurveyHostImpl::Settings() const {
    return job_.Settings();
}

const PointStoreState& SurveyHostImpl::Store() const {
    return job_.ProposeFreeNames();
}

const CGpsState& SurveyHostImpl::LatestFix() const {
    return receiver_.State();
}

AntennaConstants SurveyHostImpl::Antenna() const {
    return ReceiverAntenna(receiver_.Identity());
}

StoreFilePaths SurveyHostImpl::StoreFiles() const {
    const JobSession& job = job_;
    const JobResultFiles& files = job.ResultFiles();
    StoreFilePaths paths;
    paths.raw = files.RawFile();
    paths.point = files.DataFile();
    paths.library = CoordLibPath(job.Paths().jobFolder, job.Paths().jobFileName);
    paths.record = records_.RecordFile();
    paths.journal = StoreJournalPath(job.Paths().jobFolder, job.Paths().jobFileName);
    paths.version = job.SoftwareVersion();
    paths.base = job.CoordParams().base;
    return paths;
}

const AutoStoreState& SurveyHostImpl::AutoStore() const {
    return autoStore_;
}

CoordSysParams SurveyHostImpl::CoordParams() const {
    return job_.CoordParams();
}

CString SurveyHostImpl::JobFolder() const {
    return job_.Paths().jobFolder;
}

ICoordLibraryHost& SurveyHostImpl::CoordLibrary() const {
    return library_;
}

CString SurveyHostImpl::DataFolder() const {
    return job_.Paths().dataFolder;
}

CString SurveyHostImpl::PointFilePath() const {
    return job_.Paths().dataFolder + job_.Paths().dataFileName;
}

bool SurveyHostImpl::SaveSettings(const GeneralSettingsBlock& settings) {
    const bool ruleChanged = settings.nShowSurveyPoint != job_.Settings().nShowSurveyPoint;
    const bool written = job_.StoreSettings(settings);
    // The list holds only what the old rule showed.
    if (ruleChanged) window_.FillDisplayPoints();
    return written;
}

bool SurveyHostImpl::SaveLastStoredName(const CString& name) {
    return SaveStoredNames(name, job_.PointStore().point.texts);
}

bool SurveyHostImpl::SaveStoredNames(const CString& name, const TextTriple& series) {
    return job_.StoreLastNames(name, series);
}

void SurveyHostImpl::KeepTemplate(const SurveyPointRec& templatePoint) {
    job_.KeepTemplate(templatePoint);
}

void SurveyHostImpl::ListenForStore(HWND window) {
    listeners_.ListenForStores(window);
}

void SurveyHostImpl::StopListeningForStore(HWND window) {
    listeners_.StopListeningForStores(window);
}

void SurveyHostImpl::SetAutoStoring(bool on) {
    AutoStoreState& state = autoStore_;
    state.running = on ? 1 : 0;
    if (on) state.firstPoint = 1;
}

void SurveyHostImpl::ResetAutoStoreCount() {
    autoStore_.count = 0;
}

void SurveyHostImpl::PlayTone() {
    receiver_.PlayTone(CDeviceIo::kToneHz, CDeviceIo::kToneMs, CDeviceIo::kToneVolume);
}

void SurveyHostImpl::ReloadDisplayPoints() {
    job_.PointFileRewritten();
    displayFill_.Stop();
    size_t skipped = 0;
    PointFileWindow window;
    window.skipped = &skipped;
    FilePoints read;
    const bool done = read.Read(PointFilePath(), window);
    // A file that cannot be opened leaves the list as it was; one that failed part way empties it.
    if (done || FileExists(PointFilePath())) {
        records_.display.Clear();
        records_.display.TakeFilePoints(std::move(read));
    }
    if (!done)
        AfxMessageBox(kNoPointData);
    else
        window_.TellSkippedLines(PointFilePath(), skipped);
}

std::unique_ptr<PointFileRows> SurveyHostImpl::LendCoordViewRows() {
    return records_.coordView ? std::move(records_.coordView) : std::make_unique<PointFileRows>();
}

void SurveyHostImpl::GiveBackCoordViewRows(std::unique_ptr<PointFileRows> rows) {
    records_.coordView = std::move(rows);
}

void SurveyHostImpl::TellSkippedLines(const CString& path, size_t skipped) {
    window_.TellSkippedLines(path, skipped);
}

void SurveyHostImpl::TellLater(const CString& notice) {
    window_.TellLater(notice);
}
