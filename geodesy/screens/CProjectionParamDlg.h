#pragma once
// The job's ellipsoid and map projection. Opens on the job record it is given; after IDOK the caller
// reads the chosen ellipsoid and the projection values (angles packed) and stores them.
#include "geodesy/screens/ParamFields.h"
#include "resources/ProjectionParamDlg.h"

class CProjectionParamDlg : public CDialog {
public:
    enum { IDD = projparam::IDD };
    // Opens on `job`, the job's record.
    explicit CProjectionParamDlg(const CoordSysParams& job, CWnd* parent = nullptr);

    EllipsoidParams m_ellipsoid;
    ProjectionValues m_projection;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Refuses a typed ellipsoid, angle or scale that cannot be right, with the dialog left open.
    void OnOK() override;

private:
    const CoordSysParams& job_;
    void OnSelchangeEllipsoid();
    void OnSelchangeProjection();

    EllipsoidFields ellipsoid_;
    ProjectionFields projection_;
};
