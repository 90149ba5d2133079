#include "receiver/screens/CRefPointPage.h"

#include "foundation/screens/CCoordLibDlg.h"
#include "platform/text/Numbers.h"
#include "receiver/IFrameServices.h"
#include "receiver/screens/ReceiverSettingsCommands.h"

using namespace refpointpage;

BOOL CRefPointPage::OnInitDialog() {
    CDialog::OnInitDialog();
    BindCommand(kShowRef, &CRefPointPage::OnShowRef);
    m_bShowRef = frame_.Settings().nBaseShowRef;
    texts_.knownX = texts_.knownY = texts_.knownH = L"0.0000";
    UpdateData(FALSE);
    return TRUE;
}

void CRefPointPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, kShowRef, m_bShowRef);
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
    if (RefreshRefPointTexts(frame_, m_gps, {m_bShowRef, settings.dBaseShowRefx, settings.dBaseShowRefy},
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
    if (m_bShowRef) {
        CRefPointDlg dlg(frame_.CoordLibrary(), this);
        if (dlg.DoModal() == IDOK) {
            settings.dBaseShowRefx = dlg.m_dN;
            settings.dBaseShowRefy = dlg.m_dE;
            settings.dBaseShowRefh = dlg.m_dH;
        }
    }
    settings.nBaseShowRef = m_bShowRef ? 1 : 0;
    SaveJobSettings(frame_, settings, this);
}

CRefPointDlg::CRefPointDlg(IFoundationFrame& library, CWnd* parent)
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
    DDX_Text(pDX, refpointdlg::kName, m_strName);
    DDX_Text(pDX, refpointdlg::kHeight, m_dH);
    DDX_Text(pDX, refpointdlg::kNorth, m_dN);
    DDX_Text(pDX, refpointdlg::kEast, m_dE);
}

void CRefPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (PickFromCoordLibrary(library_, this, chosen)) {
        m_strName = chosen.name;
        m_dN = ToDouble(chosen.north);
        m_dE = ToDouble(chosen.east);
        m_dH = ToDouble(chosen.height);
    }
    UpdateData(FALSE);
}
