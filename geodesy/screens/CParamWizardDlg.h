#pragma once
// The new-job set-up wizard: ellipsoid, projection, four parameters, seven parameters and height
// fitting on five pages, one step at a time. "确定" on any step takes all five pages, checked in
// order; after IDOK the caller stores m_values (StoreNewJobCoordParams).
#include <array>

#include "geodesy/screens/ParamWizardPages.h"
#include "resources/ParamWizardDlg.h"

class CParamWizardDlg : public CDialog {
public:
    enum { IDD = paramwizard::IDD };
    static constexpr int kMaxPages = 16;
    // The pages open on `start`.
    explicit CParamWizardDlg(const CoordSysParams& start, CWnd* parent = nullptr);

    // FALSE when 16 pages are there already.
    BOOL AddPage(CWizPage* page, UINT templateId);
    // Creates every page as a child at (5, 5), 220 x 235 pixels, hidden.
    void CreatePages();
    // Hides the page on show and shows page `index` with the focus; ignored for an index that is no
    // page or is on show.
    void ShowPage(int index);
    int Step() const { return step_; }

    CoordSysValues m_values;

protected:
    BOOL OnInitDialog() override;
    // Takes the five pages' values in step order; the first page refused is shown and the dialog stays.
    void OnOK() override;

private:
    void OnPrev();
    void OnNext();
    void GoToStep(int step);

    const CoordSysParams& start_;
    CWizEllipsoidPage ellipsoidPage_;
    CWizProjectionPage projectionPage_;
    CWizFourParamPage fourPage_;
    CWizSevenParamPage sevenPage_;
    CWizHeightFitPage fitPage_;
    std::array<CWizPage*, kMaxPages> pages_{};
    std::array<UINT, kMaxPages> templateIds_{};
    int pageCount_ = 0;
    int shown_ = -1;
    int step_ = 0;
};
