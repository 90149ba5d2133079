#include "cogo/screens/CCogoDlg.h"

#include "cogo/screens/PointRows.h"
#include "resources/CogoDlgs.h"

CCogoDlg::CCogoDlg(UINT templateId, ICoordLibraryHost& library, CWnd* parent)
    : CDialog(templateId, parent), library_(library) {
    BindCommandRange(cogo::kPickA, cogo::kPickD, &CCogoDlg::OnPick);
    BindCommand(cogo::kCompute, &CCogoDlg::OnCompute);
}

void CCogoDlg::DoDataExchange(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate) ReadInputs(pDX);
}

void CCogoDlg::OnCompute() {
    if (UpdateData(TRUE)) Compute();
}

void CCogoDlg::OnPick(UINT id) {
    const UINT row = cogo::RowOfPick(id);
    if (FillRowFromLibrary(library_, *this, row)) OnRowPicked(row);
}

void CCogoDlg::ShowResult(const CString& text) {
    SetDlgItemText(cogo::kResult, text);
}

void CCogoDlg::Refuse(const wchar_t* message) {
    ShowResult(L"");
    MessageBox(message, L"提示", MB_OK | MB_ICONINFORMATION);
}

const wchar_t* CCogoDlg::StatusMessage(CogoStatus status) {
    switch (status) {
        case CogoStatus::kOk:
            break;
        case CogoStatus::kCoincidentPoints:
            return L"两点重合,无法计算!";
        case CogoStatus::kParallel:
            return L"两线平行,没有交点!";
        case CogoStatus::kNoIntersection:
            return L"两线不能相交,无法计算!";
        case CogoStatus::kTooFewPoints:
            return L"至少需要三个点!";
        case CogoStatus::kSelfCrossing:
            return L"多边形的边相交或重叠,无法计算面积!";
        case CogoStatus::kNotTransverseMercator:
            return L"当前投影不是高斯投影,无法换带!";
    }
    return L"";
}
