#include "shell/hosts/SurveyHostImpl.h"

#include "foundation/CoordLibFile.h"
#include "foundation/PointLines.h"
#include "foundation/StoreJournal.h"
#include "platform/messages/MessageBox.h"
#include "shell/frame/CMainFrame.h"
#include "shell/hosts/ReceiverAntenna.h"

const GeneralSettingsBlock& SurveyHostImpl::Settings() const {
    return frame_.Job().settings;
}

const PointStoreState& SurveyHostImpl::Store() const {
    return frame_.Job().jobs.Store();
}

const CGpsState& SurveyHostImpl::LatestFix() const {
    return frame_.Receiver().State();
}

AntennaConstants SurveyHostImpl::Antenna() const {
    return ReceiverAntenna(frame_.Receiver().Identity());
}

StoreFilePaths SurveyHostImpl::StoreFiles() const {
    const JobSession& job = frame_.Job();
    const JobResultFiles& files = job.jobs.ResultFiles();
    StoreFilePaths paths;
    paths.raw = files.RawFile();
    paths.point = files.DataFile();
    paths.library = CoordLibPath(job.paths.jobFolder, job.paths.jobFileName);
    paths.record = frame_.Records().RecordFile();
    paths.journal = StoreJournalPath(job.paths.jobFolder, job.paths.jobFileName);
    paths.version = job.jobs.Files().Version();
    paths.base = job.coord.base;
    return paths;
}

const AutoStoreState& SurveyHostImpl::AutoStore() const {
    return frame_.AutoStore();
}

CoordSysParams SurveyHostImpl::CoordParams() const {
    return frame_.Job().coord;
}

CString SurveyHostImpl::JobFolder() const {
    return frame_.JobFolder();
}

CString SurveyHostImpl::DataFolder() const {
    return frame_.DataFolder();
}

CString SurveyHostImpl::PointFilePath() const {
    return frame_.DataFolder() + frame_.Job().paths.dataFileName;
}

bool SurveyHostImpl::SaveSettings(const GeneralSettingsBlock& settings) {
    const bool ruleChanged = settings.nShowSurveyPoint != frame_.Job().settings.nShowSurveyPoint;
    const bool written = frame_.Job().StoreSettings(settings);
    // The list holds only what the old rule showed.
    if (ruleChanged) frame_.FillDisplayPoints();
    return written;
}

bool SurveyHostImpl::SaveLastStoredName(const CString& name) {
    return SaveStoredNames(name, frame_.Job().jobs.Store().point.texts);
}

bool SurveyHostImpl::SaveStoredNames(const CString& name, const TextTriple& series) {
    JobSession& job = frame_.Job();
    job.system.szLastSaveName = name;
    job.system.lastNames = series;
    // A system file that start-up found unusable is held: the names then live on in memory only.
    // A failure is the store's to tell, in its own words.
    const ScopedNoticeSink toldByTheStore(job.jobs.Files(), {});
    return job.jobs.Files().Held(job.jobs.Files().SystemFilePath()) || job.jobs.WriteSystemFile(job.system);
}

void SurveyHostImpl::TakeStoredPoint(const SurveyPointRec& templatePoint, const StoredPointResult& result) {
    PointStoreState& store = frame_.Job().jobs.Store();
    store.point = templatePoint;
    store.lastResult = result;
}

void SurveyHostImpl::ListenForStore(HWND window) {
    frame_.Listeners().ListenForStores(window);
}

void SurveyHostImpl::StopListeningForStore(HWND window) {
    frame_.Listeners().StopListeningForStores(window);
}

void SurveyHostImpl::SetAutoStoring(bool on) {
    AutoStoreState& state = frame_.AutoStore();
    state.running = on ? 1 : 0;
    if (on) state.firstPoint = 1;
}

void SurveyHostImpl::ResetAutoStoreCount() {
    frame_.AutoStore().count = 0;
}

void SurveyHostImpl::PlayTone() {
    frame_.Receiver().PlayTone(CDeviceIo::kToneHz, CDeviceIo::kToneMs, CDeviceIo::kToneVolume);
}

void SurveyHostImpl::ReloadDisplayPoints() {
    frame_.DisplayFill().Stop();
    size_t skipped = 0;
    PointFileWindow window;
    window.skipped = &skipped;
    if (!LoadPointFile(PointFilePath(), frame_.Records().display, window))
        AfxMessageBox(kNoPointData);
    else
        frame_.TellSkippedLines(PointFilePath(), skipped);
}
