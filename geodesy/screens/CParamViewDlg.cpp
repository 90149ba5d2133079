#include "geodesy/screens/CParamViewDlg.h"

#include "platform/ui/StringTable.h"

CParamViewDlg::CParamViewDlg(IGeodesyHost& host, CWnd* parent)
    : CDialog(IDD, parent), projectionPage_(host), fourPage_(host), fitPage_(host), sevenPage_(host) {}

BOOL CParamViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    sheet_.SubclassDlgItem(paramview::kTab, this);
    const UINT titleIds[] = {paramview::kTitleProjection, paramview::kTitleFour, paramview::kTitleFit,
                             paramview::kTitleSeven};
    for (size_t i = 0; i < titles_.size(); ++i) titles_[i] = LoadStringResource(titleIds[i]);
    sheet_.AddPage(titles_[0], &projectionPage_, CEllipsoidProjPage::IDD);
    sheet_.AddPage(titles_[1], &fourPage_, CCalibFourParamPage::IDD);
    sheet_.AddPage(titles_[2], &fitPage_, CHeightFitPage::IDD);
    sheet_.AddPage(titles_[3], &sevenPage_, CSevenParamPage::IDD);
    sheet_.Show();
    return TRUE;
}

CParamViewPage& CParamViewDlg::Page(int index) {
    CParamViewPage* pages[] = {&projectionPage_, &fourPage_, &fitPage_, &sevenPage_};
    return *pages[index];
}
