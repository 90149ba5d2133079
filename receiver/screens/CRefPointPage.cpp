#include "receiver/screens/CRefPointPage.h"

#include "foundation/screens/CCoordLibDlg.h"
#include "platform/text/Numbers.h"
#include "receiver/ReceiverHost.h"
#include "receiver/screens/ReceiverSettingsCommands.h"

using namespace refpointpage;

BOOL CRefPointPage::OnInitDialog() {
    CDialog::OnInitDialog();
    BindCommand(kShowRef, &CRefPointPage::OnShowRef);
    showRef_ = frame_.Settings().nBaseShowRef;
    texts_.knownX = texts_.knownY = texts_.knownH = L"0.0000";
    UpdateData(FALSE);
    return TRUE;
}

void CRefPointPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, kShowRef, showRef_);
    DDX_Text(pDX, kLatitude, texts_.latitude);
    DDX_Text(pDX, kLongitude, texts_.longitude);
    DDX_Text(pDX, kHeight, texts_.height);
    DDX_Text(pDX, kX, texts_.x);
    DDX_Text(pDX, kY, texts_.y);
    DDX_Text(pDX, kH, texts_.h);
    DDX_Text(pDX, kSpatialDistance, texts_.spatialDistance);
    DDX_Text(pDX, kPlaneDistance, texts_.planeDistance);
    DDX_Text(pDX, kAzimuth, texts_.azimuth);
    DDX_Text(pDX, kKnownX, texts_.knownX);
    DDX_Text(pDX, kKnownY, texts_.knownY);
    DDX_Text(pDX, kKnownH, texts_.knownH);
    DDX_Text(pDX, kFormat, texts_.format);
    DDX_Text(pDX, kRefDistance, texts_.refDistance);
    DDX_Text(pDX, kRefAzimuth, texts_.refAzimuth);
}

void CRefPointPage::Refresh() {
    const GeneralSettingsBlock& settings = frame_.Settings();
    if (RefreshRefPointTexts(frame_, m_gps, {showRef_, settings.dBaseShowRefx, settings.dBaseShowRefy},
                             texts_)) {
        UpdateData(FALSE);
        return;
    }
    // No base position yet: the base texts stay, the reference distance is fresh all the same.
    SetDlgItemText(kRefDistance, texts_.refDistance);
    SetDlgItemText(kRefAzimuth, texts_.refAzimuth);
}

void CRefPointPage::OnShowRef() {
    UpdateData(TRUE);
    GeneralSettingsBlock settings = frame_.Settings();
    if (showRef_) {
        CRefPointDlg dlg(frame_.CoordLibrary(), this);
        if (dlg.DoModal() == IDOK) {
            settings.dBaseShowRefx = dlg.values.n;
            settings.dBaseShowRefy = dlg.values.e;
            settings.dBaseShowRefh = dlg.values.h;
        }
    }
    settings.nBaseShowRef = showRef_ ? 1 : 0;
    SaveJobSettings(frame_, settings, this);
}

CRefPointDlg::CRefPointDlg(ICoordLibraryHost& library, CWnd* parent)
    : CDialog(IDD, parent), library_(library) {
    BindCommand(refpointdlg::kPick, &CRefPointDlg::OnPick);
}

BOOL CRefPointDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    m_btnPick.SubclassDlgItem(refpointdlg::kPick, this);
    m_btnPick.SetFont(GetFont());
    m_btnPick.ApplyIconStyle(refpointdlg::kPickIcon);
    UpdateData(FALSE);
    return TRUE;
}

void CRefPointDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, refpointdlg::kName, values.name);
    DDX_Text(pDX, refpointdlg::kHeight, values.h);
    DDX_Text(pDX, refpointdlg::kNorth, values.n);
    DDX_Text(pDX, refpointdlg::kEast, values.e);
}

void CRefPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (PickFromCoordLibrary(library_, this, chosen)) {
        values.name = chosen.name;
        values.n = ToDouble(chosen.north);
        values.e = ToDouble(chosen.east);
        values.h = ToDouble(chosen.height);
    }
    UpdateData(FALSE);
}
