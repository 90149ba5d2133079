#include "calibration/ControlPointTable.h"

#include "calibration/CalibrationParams.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

const ControlPointSolution& ControlPointTable::Solve(int planeIndex, int surfaceIndex,
                                                     const CalibrationMemory& remembered,
                                                     const CoordSysParams& job) {
    std::vector<ControlPointPair> pairs;
    for (const ControlPointRow& row : rows_) {
        pairs.push_back(ControlPointPair{ToDouble(row.rawN), ToDouble(row.rawE), ToDouble(row.rawH),
                                         ToDouble(row.knownN), ToDouble(row.knownE), ToDouble(row.knownH),
                                         row.usePlane == L"Y", row.useHeight == L"Y"});
    }
    solution_ = SolveControlPoints(pairs, planeIndex, surfaceIndex);
    KeepRememberedModes(solution_, remembered, job);
    for (size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].horizontal = Format(L"%.3f", solution_.horizontal[i]);
        rows_[i].vertical = Format(L"%.3f", solution_.vertical[i]);
    }
    return solution_;
}

void ControlPointTable::ForgetModes() {
    solution_.planeMode = kPlaneNone;
    solution_.heightMode = kHeightNone;
}

CString ControlPointTable::OverLimitText() const {
    CString text;
    for (int row : solution_.planeOver) text += Format(L"第%d点水平精度超限\r\n", row);
    for (int row : solution_.heightOver) text += Format(L"第%d点高程精度超限\r\n", row);
    return text;
}
