#pragma once
// 145 "塔基断面放样": the tower-foundation section stake-out screen. Its points are side stakes of
// the section named here, with their number and the reference height their height difference is
// taken from.
#include "powerline/screens/CPowerlineScreen.h"

struct TowerSectionValues {
    CString section;
    int stakeNumber = 1;
    double refHeight = 0.0;
};

class CTowerSectionStakeDlg : public CPowerlineScreen {
public:
    CTowerSectionStakeDlg(IPowerlineHost& host, ISurveyHost& survey, CWnd* parent);

    TowerSectionValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    std::optional<StoreTarget> PrepareStore(CPointStoreCtrl& ctrl) override;
    void OnPointStored(const StorePointSubBlock&) override {}
};
