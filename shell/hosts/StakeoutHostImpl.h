#pragma once
// The stake-out screens' view of the main frame.
#include "shell/hosts/PlotScreenHostImpl.h"
#include "stakeout/screens/StakeoutHost.h"

class StakeoutHostImpl final : public PlotScreenHostImpl<IStakeoutHost> {
public:
    using PlotScreenHostImpl::PlotScreenHostImpl;

    CString JobFileName() const override;
    CString DataFolder() const override;
    CString PointFileName() const override;
    const GeneralSettingsBlock& Settings() const override;
    LinkValues Link() const override;
    StoredPointResult StorePoint(const CGpsState& fix, const StoreContext& context) override;
    void ReacquireAndSave() override;
    void ShowReceiverInfo(CWnd* parent, const CString& info) override;
};
