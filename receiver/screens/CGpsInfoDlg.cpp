#include "receiver/screens/CGpsInfoDlg.h"

#include "platform/ui/StringTable.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverPort.h"
#include "receiver/ReceiverProtocol.h"

namespace {}  // namespace

void CPositionPage::Refresh(const CGpsState& state) {
    m_gps = state;
    texts_ = FormatPositionTexts(m_gps);
    UpdateData(FALSE);
}

void CPositionPage::DoDataExchange(CDataExchange* pDX) {
    using namespace positionpage;
    DDX_Text(pDX, kLatitude, texts_.latitude);
    DDX_Text(pDX, kLongitude, texts_.longitude);
    DDX_Text(pDX, kHeight, texts_.height);
    DDX_Text(pDX, kX, texts_.x);
    DDX_Text(pDX, kY, texts_.y);
    DDX_Text(pDX, kH, texts_.h);
    DDX_Text(pDX, kPdop, texts_.pdop);
    DDX_Text(pDX, kSolution, texts_.solution);
    DDX_Text(pDX, kSatellites, texts_.satellites);
    DDX_Text(pDX, kRmsV, texts_.rmsV);
    DDX_Text(pDX, kRmsH, texts_.rmsH);
    DDX_Text(pDX, kTime, texts_.time);
}

BOOL CGpsTextPage::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int k = 0; k < gpstextpage::kLines; ++k)
        SetDlgItemText(gpstextpage::kFirstLine + k, lines_[static_cast<size_t>(k)]);
    return TRUE;
}

CGpsInfoDlg::CGpsInfoDlg(IReceiverHost& frame, CWnd* parent)
    : CDialog(IDD, parent), m_pageSky(frame), m_pageBase(frame), frame_(frame) {
    BindMessage(WM_GPS_POSITION, &CGpsInfoDlg::OnGpsUpdate);
    BindNotify(gpsinfo::kTab, TCN_SELCHANGE, &CGpsInfoDlg::OnTabChanged);
}

BOOL CGpsInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    m_pageText.SetText(m_strInfo);
    m_tab.SubclassDlgItem(gpsinfo::kTab, this);
    CDialog* pages[] = {&m_pagePos, &m_pageSky, &m_pageSats, &m_pageBase, &m_pageText};
    const UINT templates[] = {positionpage::IDD, skyplotpage::IDD, satlistpage::IDD, refpointpage::IDD,
                              gpstextpage::IDD};
    for (size_t i = 0; i < titles_.size(); ++i) {
        titles_[i] = LoadStringResource(gpsinfo::kTitleIds[i]);
        m_tab.AddPage(titles_[i], pages[i], templates[i]);
    }
    m_tab.Show();
    frame_.ListenForPositions(GetSafeHwnd());
    frame_.Port().SendLine(L"log,gpgsv,ontime,1\r\n");
    SetFocus();
    m_gps.gpsInView = m_gps.gpsUsedCount = m_gps.gloInView = m_gps.gloUsedCount = 0;
    return TRUE;
}

LRESULT CGpsInfoDlg::OnGpsUpdate(WPARAM wParam, LPARAM lParam) {
    m_gps = *reinterpret_cast<const CGpsState*>(wParam);
    if (lParam != kFixPositionLog && lParam != kFixGga) return 0;
    switch (m_tab.GetCurrentPage()) {
        case kPosition:
            m_pagePos.Refresh(m_gps);
            break;
        case kSky:
            m_pageSky.Refresh(m_gps);
            break;
        case kSatellites:
            m_pageSats.Refresh(m_gps);
            break;
        case kBase:
            m_pageBase.m_gps = m_gps;
            m_pageBase.Refresh();
            break;
        default:
            break;
    }
    return 0;
}

void CGpsInfoDlg::OnTabChanged(NMHDR*, LRESULT* result) {
    SetFocus();
    *result = 0;
}

void CGpsInfoDlg::OnDestroy() {
    frame_.StopListening(GetSafeHwnd());
    CDialog::OnDestroy();
}

void ShowReceiverInfo(IReceiverHost& frame, CWnd* parent, const CString& info) {
    CGpsInfoDlg dlg(frame, parent);
    dlg.m_strInfo = info;
    dlg.DoModal();
}
