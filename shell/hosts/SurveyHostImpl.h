#pragma once
// The survey screens' host over the main frame: reads of its job, receiver and store state, and
// the operations that change them (the job file only through the frame's guarded writer).
#include "survey/SurveyHost.h"

class DisplayPointFill;
class IFrameOperations;
class JobSession;
class PositionListeners;
class ReceiverLink;
class SurveyRecords;

class SurveyHostImpl final : public ISurveyHost {
public:
    SurveyHostImpl(JobSession& job, ReceiverLink& receiver, SurveyRecords& records,
                   PositionListeners& listeners, AutoStoreState& autoStore, DisplayPointFill& displayFill,
                   ICoordLibraryHost& library, IFrameOperations& window)
        : job_(job),
          receiver_(receiver),
          records_(records),
          listeners_(listeners),
          autoStore_(autoStore),
          displayFill_(displayFill),
          library_(library),
          window_(window) {}

    const GeneralSettingsBlock& Settings() const override;
    const PointStoreState& Store() const override;
    const CGpsState& LatestFix() const override;
    AntennaConstants Antenna() const override;
    StoreFilePaths StoreFiles() const override;
    const AutoStoreState& AutoStore() const override;
    CoordSysParams CoordParams() const override;
    CString JobFolder() const override;
    CString DataFolder() const override;
    ICoordLibraryHost& CoordLibrary() const override;
    CString PointFilePath() const override;

    bool SaveSettings(const GeneralSettingsBlock& settings) override;
    bool SaveLastStoredName(const CString& name) override;
    void KeepTemplate(const SurveyPointRec& templatePoint) override;
    void ListenForStore(HWND window) override;
    void StopListeningForStore(HWND window) override;
    void ReloadDisplayPoints() override;
    std::unique_ptr<PointFileRows> LendCoordViewRows() override;
    void GiveBackCoordViewRows(std::unique_ptr<PointFileRows> rows) override;
    void TellSkippedLines(const CString& path, size_t skipped) override;
    void TellLater(const CString& notice) override;
    void SetAutoStoring(bool on) override;
    void ResetAutoStoreCount() override;
    void PlayTone() override;

    // The stored name and the J, Z and N series, as JobSession::StoreLastNames keeps them.
    bool SaveStoredNames(const CString& name, const TextTriple& series);

private:
    JobSession& job_;
    ReceiverLink& receiver_;
    SurveyRecords& records_;
    PositionListeners& listeners_;
    AutoStoreState& autoStore_;
    DisplayPointFill& displayFill_;
    ICoordLibraryHost& library_;
    IFrameOperations& window_;
};
