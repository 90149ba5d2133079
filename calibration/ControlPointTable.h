#pragma once
// The control-point list as the dialog shows it: each row's cells are text as typed or read, and
// numbers are parsed from them only when the points are solved or saved. Solve fills the residual
// columns from the usable pairs and keeps the last solution for the caller.
#include <vector>

#include "calibration/CalibrationMemory.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/ControlPointSolve.h"
#include "platform/text/CString.h"

struct ControlPointRow {
    CString name;
    CString knownN;
    CString knownE;
    CString knownH;
    CString rawN;
    CString rawE;
    CString rawH;
    CString horizontal;  // residuals, "%.3f"
    CString vertical;
    CString usePlane = L"Y";  // "Y" when the pair takes part, anything else when not
    CString useHeight = L"Y";
};

class ControlPointTable {
public:
    std::vector<ControlPointRow>& Rows() { return rows_; }
    const std::vector<ControlPointRow>& Rows() const { return rows_; }
    // Solves the rows (see SolveControlPoints) and writes their residual texts; a part without
    // usable rows keeps the remembered kind and the job's values (see KeepRememberedModes).
    const ControlPointSolution& Solve(int planeIndex, int surfaceIndex, const CalibrationMemory& remembered,
                                      const CoordSysParams& job);
    // The user accepted an empty list: nothing is kept of either kind.
    void ForgetModes();
    const ControlPointSolution& Solution() const { return solution_; }
    // One line per over-limit row: first the plane rows ("第3点水平精度超限"), then the height rows,
    // each ending CR LF.
    CString OverLimitText() const;

private:
    std::vector<ControlPointRow> rows_;
    ControlPointSolution solution_;
};
