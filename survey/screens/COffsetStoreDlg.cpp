#include "survey/screens/COffsetStoreDlg.h"

#include "foundation/screens/CCoordLibDlg.h"
#include "platform/text/Numbers.h"
#include "platform/ui/StringTable.h"
#include "resources/FoundationIcons.h"
#include "resources/SurveyStrings.h"
#include "survey/SurveyHost.h"

namespace {
using namespace offsetstore;
}  // namespace

COffsetStoreDlg::COffsetStoreDlg(const ISurveyHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindCommand(kNorth, &COffsetStoreDlg::OnNorthRef);
    BindCommand(kByPoint, &COffsetStoreDlg::OnPointRef);
    BindCommand(kPick, &COffsetStoreDlg::OnPickRefPoint);
}

BOOL COffsetStoreDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    pick_.SubclassDlgItem(kPick, this);
    pick_.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
    EnableReference(values.reference == 1);
    UpdateData(FALSE);
    return TRUE;
}

void COffsetStoreDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kStatus, values.status);
    DDX_Text(pDX, kX, values.x);
    DDX_Text(pDX, kY, values.y);
    DDX_Text(pDX, kH, values.h);
    DDX_Text(pDX, kRmsH, values.rmsH);
    DDX_Text(pDX, kRmsV, values.rmsV);
    DDX_Radio(pDX, kNorth, values.reference);
    DDX_Text(pDX, kRefName, values.refName);
    DDX_Text(pDX, kAngle, values.angle);
    DDX_Text(pDX, kDistance, values.distance);
    DDX_Text(pDX, kHeightDiff, values.heightDiff);
}

void COffsetStoreDlg::EnableReference(bool byPoint) {
    GetDlgItem(kRefName)->EnableWindow(byPoint);
    pick_.EnableWindow(byPoint);
}

void COffsetStoreDlg::OnNorthRef() {
    UpdateData(TRUE);
    EnableReference(false);
}

void COffsetStoreDlg::OnPointRef() {
    UpdateData(TRUE);
    EnableReference(true);
}

void COffsetStoreDlg::OnPickRefPoint() {
    CCoordLibDlg picker(host_.CoordLibrary(), this);
    if (picker.DoModal() != IDOK || !picker.m_nChosen) return;
    UpdateData(TRUE);
    values.refName = picker.m_strName;
    values.angle = PackedAzimuth(ToDouble(values.x), ToDouble(values.y), ToDouble(picker.m_strNorth),
                                 ToDouble(picker.m_strEast));
    UpdateData(FALSE);
}

void COffsetStoreDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    const GeneralSettingsBlock& settings = host_.Settings();
    if ((ToDouble(values.rmsH) > settings.connection.dRmshLimit ||
         ToDouble(values.rmsV) > settings.connection.dRmsvLimit) &&
        MessageBox(LoadStringResource(surveystr::kPrecisionExceeded),
                   LoadStringResource(surveystr::kInfoCaption), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    result_ = OffsetFrom(ToDouble(values.x), ToDouble(values.y), ToDouble(values.h), values.distance,
                         values.angle, values.heightDiff);
    EndDialog(IDOK);
}
