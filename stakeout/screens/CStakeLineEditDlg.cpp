#include "stakeout/screens/CStakeLineEditDlg.h"

#include "foundation/screens/CCoordLibDlg.h"
#include "platform/ui/DataExchange.h"
#include "resources/FoundationIcons.h"
#include "resources/StakeLineLibDlg.h"

using namespace lineedit;

namespace {
// The controls of LineTexts' fields, in their order.
constexpr UINT kFieldControls[] = {kStartName, kStartX, kStartY, kStartH,  kStartCode,   kEndName,
                                   kEndX,      kEndY,   kEndH,   kEndCode, kStartMileage};
}  // namespace

CStakeLineEditDlg::CStakeLineEditDlg(ICoordLibraryHost& library, bool adding, CWnd* parent)
    : CDialog(adding ? IDD_ADD : IDD_EDIT, parent), library_(library) {
    if (adding) {
        texts.start.code = texts.end.code = L"00000000";
        texts.mileage = MileageText(0.0);
    }
    BindCommand(kPickStart, &CStakeLineEditDlg::OnPickStart);
    BindCommand(kPickEnd, &CStakeLineEditDlg::OnPickEnd);
}

BOOL CStakeLineEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    pickStart_.SubclassDlgItem(kPickStart, this);
    pickStart_.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
    pickEnd_.SubclassDlgItem(kPickEnd, this);
    pickEnd_.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
    return TRUE;
}

void CStakeLineEditDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kStartCode, texts.start.code);
    DDX_Text(pDX, kEndCode, texts.end.code);
    DDX_Text(pDX, kEndName, texts.end.name);
    DDX_Text(pDX, kEndH, texts.end.height);
    DDX_Text(pDX, kEndX, texts.end.north);
    DDX_Text(pDX, kEndY, texts.end.east);
    DDX_Text(pDX, kStartName, texts.start.name);
    DDX_Text(pDX, kStartH, texts.start.height);
    DDX_Text(pDX, kStartX, texts.start.north);
    DDX_Text(pDX, kStartY, texts.start.east);
    DDX_Text(pDX, kStartMileage, texts.mileage);
}

void CStakeLineEditDlg::OnPickStart() {
    Pick(texts.start);
}

void CStakeLineEditDlg::OnPickEnd() {
    Pick(texts.end);
}

void CStakeLineEditDlg::Pick(PointTexts& end) {
    UpdateData(TRUE);
    CCoordLibDlg picker(library_, this);
    if (picker.DoModal() != IDOK || picker.m_nChosen != 1) return;
    end = {picker.m_strName, picker.m_strNorth, picker.m_strEast, picker.m_strHeight, picker.m_strCode};
    UpdateData(FALSE);
}

void CStakeLineEditDlg::OnOK() {
    UpdateData(TRUE);
    int field = 0;
    const CString refusal = CheckLineTexts(texts, field);
    if (!refusal.IsEmpty()) {
        MessageBox(refusal, L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(static_cast<int>(kFieldControls[field])));
        return;
    }
    EndDialog(IDOK);
}
