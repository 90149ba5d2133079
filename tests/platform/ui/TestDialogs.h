#pragma once
// A settings-like screen used by the window-layer tests.
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"

constexpr UINT kTestDialogId = 900;
constexpr int kNameEdit = 1001;
constexpr int kAngleEdit = 1002;
constexpr int kHeightEdit = 1003;
constexpr int kFirstRadio = 1010;
constexpr int kSecondRadio = 1011;
constexpr int kThirdRadio = 1012;
constexpr int kCheck = 1020;
constexpr int kStartButton = 1030;
constexpr int kDisabledEdit = 1040;

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(CWnd* parent = nullptr);

    CString m_strName = L"P1";
    int m_nAngle = 5;
    double m_dHeight = 2.5;
    int m_nRadio = 0;
    int m_nCheck = 1;
    int starts = 0;
    int timerTicks = 0;
    UINT_PTR timerPeriod = 0;  // started by OnInitDialog when set
    int closeAfterTicks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;

private:
    void OnStart();
};
