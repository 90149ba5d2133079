#pragma once
// The stake-out screens' view of the main frame.
#include "shell/hosts/PlotScreenHostImpl.h"
#include "stakeout/StakeoutHost.h"

class IFrameOperations;
class IPointStorePath;
class JobSession;
class ReceiverLink;

class StakeoutHostImpl final : public PlotScreenHostImpl<IStakeoutHost> {
public:
    StakeoutHostImpl(const SurveyHostImpl& survey, PositionListeners& listeners, IReceiverHost& services,
                     const JobSession& job, const ReceiverLink& receiver, IPointStorePath& storePath,
                     IFrameOperations& window)
        : PlotScreenHostImpl(survey, listeners, services),
          job_(job),
          receiver_(receiver),
          storePath_(storePath),
          window_(window) {}

    CString JobFileName() const override;
    CString DataFolder() const override;
    ICoordLibraryHost& CoordLibrary() const override;
    CString PointFileName() const override;
    std::vector<CString> JobOwnFiles() const override;
    const GeneralSettingsBlock& Settings() const override;
    LinkValues Link() const override;
    StoredPointResult StorePoint(const CGpsState& fix, const StoreRequest& request) override;
    void ReacquireAndSave() override;
    void ShowReceiverInfo(CWnd* parent, const CString& info) override;

private:
    const JobSession& job_;
    const ReceiverLink& receiver_;
    IPointStorePath& storePath_;
    IFrameOperations& window_;
};
