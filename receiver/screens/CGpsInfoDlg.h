#pragma once
// "信息显示": what the receiver reports, live, on five tab pages (position, sky plot, satellite table,
// base station, the opener's text). While it runs it is the frame's position window; closing gives
// the positions back to the window that had them.
#include "foundation/CGpsState.h"
#include "foundation/screens/CTabSheet.h"
#include "platform/ui/Dialog.h"
#include "receiver/ReceiverInfoTexts.h"
#include "receiver/screens/CRefPointPage.h"
#include "receiver/screens/CSatListPage.h"
#include "receiver/screens/CSkyPlotPage.h"
#include "resources/GpsInfoDlg.h"

class IReceiverHost;

class CPositionPage : public CDialog {
public:
    CPositionPage() = default;
    void Refresh(const CGpsState& state);
    CGpsState m_gps;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    PositionTexts texts_;
};

class CGpsTextPage : public CDialog {
public:
    void SetText(const CString& text) { lines_ = TextPageLines(text); }

protected:
    BOOL OnInitDialog() override;

private:
    std::array<CString, gpstextpage::kLines> lines_;
};

class CGpsInfoDlg : public CDialog {
public:
    enum { IDD = gpsinfo::IDD };
    enum Page { kPosition, kSky, kSatellites, kBase, kText };
    explicit CGpsInfoDlg(IReceiverHost& frame, CWnd* parent = nullptr);

    CString m_strInfo;
    CGpsState m_gps;
    CPositionPage m_pagePos;
    CSkyPlotPage m_pageSky;
    CSatListPage m_pageSats;
    CRefPointPage m_pageBase;
    CGpsTextPage m_pageText;
    CTabSheet m_tab;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;

private:
    LRESULT OnGpsUpdate(WPARAM wParam, LPARAM lParam);
    void OnTabChanged(NMHDR* header, LRESULT* result);

    IReceiverHost& frame_;
    std::array<CString, 5> titles_;
};

// Runs the dialog with the opener's text.
void ShowReceiverInfo(IReceiverHost& frame, CWnd* parent, const CString& info);
