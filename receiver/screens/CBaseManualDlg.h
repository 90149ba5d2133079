#pragma once
// 166 "使用手工输入坐标设置基准站": the base position as geodetic or plane coordinates (or the current
// single-point fix), the transmit parameters, the antenna height and the repeat-at-power-on option.
// Its OK stores the antenna settings in the job and writes the job file.
#include "platform/ui/Dialog.h"
#include "receiver/ManualBaseSetup.h"
#include "resources/BaseManualDlg.h"

class IReceiverHost;

class CBaseManualDlg : public CDialog {
public:
    enum { IDD = basemanual::IDD };
    explicit CBaseManualDlg(IReceiverHost& frame);
    ManualBaseValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void TakeSinglePoint();
    void OnSinglePoint();
    void OnGeodetic();
    void OnPlane();
    void OnRepeat();
    void SetLabels(const wchar_t* b, const wchar_t* l, const wchar_t* h);

    IReceiverHost& frame_;
    int shownCoordType_ = 0;  // the type the three texts hold
};
