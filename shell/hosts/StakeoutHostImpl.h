#pragma once
// The stake-out screens' view of the main frame, and the menu commands that open them.
#include "stakeout/screens/StakeoutHost.h"

class CMainFrame;

class StakeoutHostImpl final : public IStakeoutHost {
public:
    explicit StakeoutHostImpl(CMainFrame& frame) : frame_(frame) {}

    void ListenForPositions(HWND window) override;
    void StopListening(HWND window) override;
    int LogicalKey(UINT message, UINT key) const override;
    CString JobFolder() const override;
    CString JobFileName() const override;
    CString DataFolder() const override;
    CString PointDataFile() const override;
    const GeneralSettingsBlock& JobSettings() const override;
    LinkValues Link() const override;
    StoredPointResult StorePoint(const CGpsState& fix, const StoreContext& context) override;
    void ReacquireAndSave() override;
    void RunDataVerify(CWnd* parent) override;
    void ShowReceiverInfo(CWnd* parent, const CString& info) override;
    void ShowCoordinateView() override;

private:
    CMainFrame& frame_;
};

// Menu commands 32795 and 32808.
void RunPointStakeout(CMainFrame& frame);
void RunLineStakeout(CMainFrame& frame);
