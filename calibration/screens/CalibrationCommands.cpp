#include "calibration/screens/CalibrationCommands.h"

#include "calibration/CalibrationParams.h"
#include "calibration/screens/CCalcTransParamDlg.h"
#include "calibration/screens/CGeoCoordLibDlg.h"
#include "calibration/screens/CalibrationWizard.h"
#include "calibration/screens/ParamComputeDlgs.h"
#include "platform/messages/MessageBox.h"

void RunControlPointCommand(ICalibrationHost& host, CWnd* parent) {
    CCalcTransParamDlg dlg(host, parent);
    if (dlg.DoModal() != IDOK) return;
    CoordSysParams params = host.CoordParams();
    ApplyControlPointSolution(params, dlg.FilePath(), dlg.Result());
    if (!host.SaveCoordParams(params))
        MessageBox(parent ? parent->m_hWnd : HWND(), L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
}

void RunFourParamCommand(ICalibrationHost& host, CWnd* parent) {
    CCalcFourParamDlg dlg(host, parent);
    dlg.DoModal();
}

void RunSevenParamCommand(ICalibrationHost& host, CWnd* parent) {
    CCalcSevenParamDlg dlg(host, parent);
    dlg.DoModal();
}

void RunGeoLibraryCommand(ICalibrationHost& host, CWnd* parent) {
    PickFromGeoLibrary(host, parent);
}

void RunCalibrationWizardCommand(ICalibrationHost& host, CWnd* parent) {
    RunCalibrationWizard(host, parent);
}
