#include "foundation/screens/CPointDlg.h"

#include "foundation/CoordLibraryHost.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "resources/FoundationIcons.h"

namespace {
// The texts' fields in the order of PointTexts.
constexpr UINT kFieldIds[5] = {point::kName, point::kNorth, point::kEast, point::kHeight, point::kCode};
}  // namespace

CPointTextsDlg::CPointTextsDlg(UINT templateId, ICoordLibraryHost* frame, CWnd* parent)
    : CDialog(templateId, parent), frame_(frame) {
    BindCommand(point::kPickFromLibrary, &CPointTextsDlg::OnPickFromLibrary);
}

void CPointTextsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, point::kName, texts.name);
    DDX_Text(pDX, point::kNorth, texts.north);
    DDX_Text(pDX, point::kEast, texts.east);
    DDX_Text(pDX, point::kHeight, texts.height);
    DDX_Text(pDX, point::kCode, texts.code);
}

BOOL CPointTextsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pickButton.SubclassDlgItem(point::kPickFromLibrary, this);
    m_pickButton.SetFont(GetFont());
    m_pickButton.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
    // Opened from the coordinate library itself: picking from it again makes no sense.
    if (!frame_) m_pickButton.ShowWindow(SW_HIDE);
    UpdateData(FALSE);
    return TRUE;
}

void CPointTextsDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    int bad = 0;
    const CString refusal = CheckPointTexts(texts, &bad);
    if (!refusal.IsEmpty()) {
        MessageBox(refusal, L"提示", MB_OK | MB_ICONINFORMATION);
        if (CWnd* field = GetDlgItem(kFieldIds[bad])) GotoDlgCtrl(field);
        return;
    }
    EndDialog(IDOK);
}

void CPointTextsDlg::OnPickFromLibrary() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!frame_ || !PickFromCoordLibrary(*frame_, this, chosen)) return;
    texts = chosen;
    UpdateData(FALSE);
}

CAddPointDlg::CAddPointDlg(ICoordLibraryHost* frame, CWnd* parent) : CPointTextsDlg(IDD, frame, parent) {
    BindCommand(point::kPickGeodetic, &CAddPointDlg::OnPickGeodetic);
}

BOOL CAddPointDlg::OnInitDialog() {
    CPointTextsDlg::OnInitDialog();
    if (!frame_)
        if (CWnd* geodetic = GetDlgItem(point::kPickGeodetic)) geodetic->ShowWindow(SW_HIDE);
    return TRUE;
}

void CAddPointDlg::OnPickGeodetic() {
    UpdateData(TRUE);
    if (!frame_) return;
    const GeoPointChoice choice = frame_->PickGeoPoint(this);
    if (!choice.chosen) return;
    const CCoordTransform dms;
    const double b = dms.ConvertDmsAngle(ToDouble(choice.latitude), 1) * kRadToDeg;
    const double l = dms.ConvertDmsAngle(ToDouble(choice.longitude), 1) * kRadToDeg;
    double n = 0, e = 0, h = 0;
    frame_->Wgs84ToLocalPlane(b, l, ToDouble(choice.height), n, e, h);
    texts.name = choice.name;
    texts.code = choice.code;
    texts.north = Format(L"%.3f", n);
    texts.east = Format(L"%.3f", e);
    texts.height = Format(L"%.3f", h);
    UpdateData(FALSE);
}

CEditPointDlg::CEditPointDlg(ICoordLibraryHost* frame, CWnd* parent) : CPointTextsDlg(IDD, frame, parent) {}
