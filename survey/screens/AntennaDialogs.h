#pragma once
// 139 "移动站天线高设置": the rover's measured antenna height, how it was measured and whether the
// map shows ground heights. 242 "天线高计算工具": a slant or pole height turned into the vertical
// height for the connected receiver.
#include "platform/ui/Dialog.h"
#include "resources/AntennaDlgs.h"

class ISurveyHost;

struct RoverAntennaValues {
    double height = 0.0;
    int type = 0;
    int showGround = 0;
};

class CRoverAntennaDlg : public CDialog {
public:
    static constexpr UINT IDD = roverantenna::IDD;
    explicit CRoverAntennaDlg(const ISurveyHost& host, CWnd* parent = nullptr);

    RoverAntennaValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    const ISurveyHost& host_;
};

class CAntennaHeightDlg : public CDialog {
public:
    static constexpr UINT IDD = antennatool::IDD;
    explicit CAntennaHeightDlg(const ISurveyHost& host, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCalculate();

    const ISurveyHost& host_;
    int type_ = 0;  // 0 slant, 1 pole
    double input_ = 0.0;
    double vertical_ = 0.0;
    CString antennaType_;
    CString receiverType_;
};
