#pragma once
// Where post-processing takes its parameters from: a control-point file (0) or the job (1).
#include "platform/ui/Dialog.h"
#include "resources/PostProcParamDlg.h"

class CPostProcParamDlg : public CDialog {
public:
    static constexpr UINT IDD = postproc::IDD;
    explicit CPostProcParamDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int mode = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Radio(pDX, postproc::kControlPoints, mode); }
};
