#include "cogo/screens/CAreaCalcDlg.h"

#include "cogo/PolygonArea.h"
#include "cogo/screens/PointRows.h"
#include "platform/text/Format.h"

CAreaCalcDlg::CAreaCalcDlg(ICoordLibraryHost& library, CWnd* parent) : CCogoDlg(IDD, library, parent) {
    BindCommand(areacalc::kAdd, &CAreaCalcDlg::OnAdd);
    BindCommand(areacalc::kRemove, &CAreaCalcDlg::OnRemove);
    BindCommand(areacalc::kClear, &CAreaCalcDlg::OnClear);
}

BOOL CAreaCalcDlg::OnInitDialog() {
    CCogoDlg::OnInitDialog();
    list_.SubclassDlgItem(areacalc::kCorners, this);
    return TRUE;
}

// Only adding reads the typed corner; calculating works on the list.
void CAreaCalcDlg::ReadInputs(CDataExchange* pDX) {
    if (adding_) DDX_PlanePoint(pDX, cogo::kRowA, typed_.point);
}

void CAreaCalcDlg::OnAdd() {
    adding_ = true;
    const bool read = UpdateData(TRUE);
    adding_ = false;
    if (!read) return;
    GetDlgItemText(cogo::kRowA + cogo::kName, typed_.name);
    typed_.name.Trim();
    corners_.push_back(typed_);
    ListCorners();
}

void CAreaCalcDlg::OnRemove() {
    const int selected = list_.GetCurSel();
    if (selected < 0) return;
    corners_.erase(corners_.begin() + selected);
    ListCorners();
}

void CAreaCalcDlg::OnClear() {
    if (corners_.empty()) return;
    if (MessageBox(L"确实要清除所有数据吗?", L"提示", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    corners_.clear();
    ListCorners();
}

void CAreaCalcDlg::ListCorners() {
    list_.ResetContent();
    for (size_t i = 0; i < corners_.size(); ++i) {
        const Corner& c = corners_[i];
        list_.AddString(Format(L"%d %s: %.3f, %.3f", static_cast<int>(i + 1), c.name, c.point.x, c.point.y));
    }
    list_.SetCurSel(list_.GetCount() - 1);
    ShowResult(L"");
}

void CAreaCalcDlg::Compute() {
    std::vector<PlanePoint> points;
    for (const Corner& c : corners_) points.push_back(c.point);
    PolygonMeasure m;
    if (const CogoStatus status = MeasurePolygon(points, m); status != CogoStatus::kOk) return Refuse(status);
    ShowResult(Format(L"面积: %.3f平方米\n面积: %.3f亩\n周长: %.3f", m.area, m.area / kSquareMetresPerMu,
                      m.perimeter));
}
