#include "geodesy/screens/CParamWizardDlg.h"

namespace {
constexpr int kPageLeft = 5, kPageTop = 5, kPageWidth = 220, kPageHeight = 235;
}

CParamWizardDlg::CParamWizardDlg(const CoordSysParams& start, CWnd* parent)
    : CDialog(IDD, parent), start_(start) {
    BindCommand(paramwizard::kPrev, &CParamWizardDlg::OnPrev);
    BindCommand(paramwizard::kNext, &CParamWizardDlg::OnNext);
}

BOOL CParamWizardDlg::AddPage(CWizPage* page, UINT templateId) {
    if (pageCount_ >= kMaxPages) return FALSE;
    page->StartFrom(start_);
    pages_[static_cast<size_t>(pageCount_)] = page;
    templateIds_[static_cast<size_t>(pageCount_)] = templateId;
    ++pageCount_;
    return TRUE;
}

void CParamWizardDlg::CreatePages() {
    for (int i = 0; i < pageCount_; ++i) {
        CWizPage* page = pages_[static_cast<size_t>(i)];
        page->Create(templateIds_[static_cast<size_t>(i)], this);
        page->SetWindowPos(nullptr, kPageLeft, kPageTop, kPageWidth, kPageHeight,
                           SWP_NOZORDER | SWP_HIDEWINDOW);
    }
}

void CParamWizardDlg::ShowPage(int index) {
    if (index < 0 || index >= pageCount_ || index == shown_) return;
    if (shown_ >= 0) pages_[static_cast<size_t>(shown_)]->ShowWindow(SW_HIDE);
    CWizPage* page = pages_[static_cast<size_t>(index)];
    page->ShowWindow(SW_SHOW);
    page->SetFocus();
    shown_ = index;
}

BOOL CParamWizardDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    AddPage(&ellipsoidPage_, paramwizard::kEllipsoidPage);
    AddPage(&projectionPage_, paramwizard::kProjectionPage);
    AddPage(&fourPage_, paramwizard::kFourPage);
    AddPage(&sevenPage_, paramwizard::kSevenPage);
    AddPage(&fitPage_, paramwizard::kFitPage);
    CreatePages();
    GoToStep(0);
    return TRUE;
}

void CParamWizardDlg::GoToStep(int step) {
    step_ = step;
    ShowPage(step_);
    if (CWnd* prev = GetDlgItem(paramwizard::kPrev)) prev->EnableWindow(step_ > 0);
    if (CWnd* next = GetDlgItem(paramwizard::kNext)) next->EnableWindow(step_ < pageCount_ - 1);
}

void CParamWizardDlg::OnPrev() {
    if (step_ > 0) GoToStep(step_ - 1);
}

void CParamWizardDlg::OnNext() {
    if (step_ < pageCount_ - 1) GoToStep(step_ + 1);
}

void CParamWizardDlg::OnOK() {
    for (int i = 0; i < pageCount_; ++i) {
        CWizPage* page = pages_[static_cast<size_t>(i)];
        std::optional<PageRefusal> refused;
        const bool taken = page->Collect(refused);
        if (taken && !refused) continue;
        GoToStep(i);
        if (refused) ShowRefusal(*page, refused->refusal, refused->fieldId);
        return;
    }
    m_values = {ellipsoidPage_.Values(), projectionPage_.Values(), fourPage_.Values(), sevenPage_.Values(),
                fitPage_.Values()};
    EndDialog(IDOK);
}
