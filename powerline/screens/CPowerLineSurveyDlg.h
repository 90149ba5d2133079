#pragma once
// 144 "电力线勘测": the power-line survey screen. Points are stored in the record format picked
// here (道亨, 思维, 海智, XLCAD, 通用, 斯贝达, 百合); when a stored point's format differs from
// the job's "qzrecauto", that file takes the new one, so the next job open scans the last names
// the way the points were written.
#include <optional>

#include "powerline/screens/CPowerlineScreen.h"

class CPowerLineSurveyDlg : public CPowerlineScreen {
public:
    CPowerLineSurveyDlg(IPowerlineHost& host, ISurveyHost& survey, CWnd* parent);

    int Format() const { return format_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    std::optional<StoreTarget> PrepareStore(CPointStoreCtrl& ctrl) override;
    void OnPointStored(const StorePointSubBlock& context) override;

private:
    int format_ = 0;
    std::optional<int> recorded_;  // the format in "qzrecauto"; none without the file
};
