#pragma once
// What the two power-line screens share: they hold the frame's position messages while open and
// show the live status, store by their button or key A (in automatic mode the automatic-store
// dialog, then a point whenever the trigger takes a fix), open the coordinate view by button 1025
// or key B pressed twice within 3 s, and reach the storage settings and data verification.
#include <optional>

#include "foundation/CGpsState.h"
#include "platform/ui/Dialog.h"
#include "powerline/CPointStoreCtrl.h"
#include "powerline/PowerlineHost.h"
#include "powerline/PowerlineStatus.h"
#include "powerline/StakeLine.h"
#include "powerline/screens/PowerlineStore.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/PlotKeys.h"
#include "survey/SurveyHost.h"

class CPowerlineScreen : public CDialog {
public:
    CPowerlineScreen(UINT idd, IPowerlineHost& host, ISurveyHost& survey, CWnd* parent);

    const PowerlineStatusTexts& Status() const { return status_; }
    const CPointStoreCtrl& Store() const { return ctrl_; }
    // The point's place on the current stake line, from the line library; none stores along no line.
    void SetStakeLine(const std::optional<StakeLinePosition>& line) { stakeLine_ = line; }

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // What the screen stores: the store kind and survey format.
    struct StoreTarget {
        int kind = kPowerLinePoint;
        int format = kDaoheng;
    };
    // Sets the controller's line context for the next store and gives its target; nullopt refuses
    // the store (the screen has told the user why).
    virtual std::optional<StoreTarget> PrepareStore(CPointStoreCtrl& ctrl) = 0;
    // A point of the controller's context was stored.
    virtual void OnPointStored(const StorePointSubBlock& context) = 0;

    const std::optional<StakeLinePosition>& StakeLine() const { return stakeLine_; }

    IPowerlineHost& host_;
    ISurveyHost& survey_;

private:
    LRESULT OnPositionUpdate(WPARAM state, LPARAM);
    void OnStore();
    void OnSettings();
    void OnVerify();
    void OnCoordView();
    void Stored(const StoredPointResult& result);
    void ShowStatus();

    CPointStoreCtrl ctrl_;
    CPowerlineStore store_;
    // What the store key asked for last; automatic storing stores by it.
    StoreRequest request_;
    CGpsState fix_;
    PowerlineStatusTexts status_;
    PlotKeys keys_;
    AutoStoreTrigger trigger_;
    std::optional<StakeLinePosition> stakeLine_;
};
