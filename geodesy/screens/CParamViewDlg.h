#pragma once
// The job's coordinate-system parameters on four tab pages: ellipsoid and projection, four
// parameters with the calibration shifts, height fitting, seven parameters. Every change is saved
// by its page at once, so OK and Cancel only close the view.
#include <array>

#include "foundation/screens/CTabSheet.h"
#include "geodesy/screens/ParamViewPages.h"

class CParamViewDlg : public CDialog {
public:
    enum { IDD = paramview::IDD };
    explicit CParamViewDlg(IGeodesyHost& host, CWnd* parent = nullptr);

    CTabSheet& Sheet() { return sheet_; }
    // The pages in tab order.
    CParamViewPage& Page(int index);

protected:
    BOOL OnInitDialog() override;

private:
    CTabSheet sheet_;
    CEllipsoidProjPage projectionPage_;
    CCalibFourParamPage fourPage_;
    CHeightFitPage fitPage_;
    CSevenParamPage sevenPage_;
    std::array<CString, 4> titles_;
};
