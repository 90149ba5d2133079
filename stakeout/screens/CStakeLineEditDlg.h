#pragma once
// 15146 "增加线" and 15147 "编辑线": one stake line's two end points, typed or picked from the
// coordinate library, and its start mileage. OK refuses texts the line file cannot keep.
#include "foundation/CoordLibraryHost.h"
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "stakeout/LineTexts.h"

class CStakeLineEditDlg : public CDialog {
public:
    // Adding starts with both codes "00000000" and the mileage "0.0"; editing starts empty.
    CStakeLineEditDlg(ICoordLibraryHost& library, bool adding, CWnd* parent);

    LineTexts texts;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void OnPickStart();
    void OnPickEnd();
    void Pick(PointTexts& end);

    CIconButton pickStart_;
    CIconButton pickEnd_;
    ICoordLibraryHost& library_;
};
