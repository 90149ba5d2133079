#pragma once
// 15254 "点存储": the point about to be stored (name, code, antenna height, grid position and
// precision, point kind). In smoothing mode it listens for fixes and averages one a second within
// the precision limits; the timer and the listening end with the dialog however it closes.
#include "platform/ui/Dialog.h"
#include "resources/PointStoreDlg.h"
#include "survey/SmoothingRun.h"

class ISurveyHost;

struct PointStoreValues {
    CString status;  // the solution-status text
    CString name;
    CString code = L"00000000";
    double antennaHeight = 0.0;  // as measured
    int antennaType = 0;
    CString x, y, h, rmsH, rmsV;
    int kind = 0;  // 0 terrain, 1 reference
};

class CPointStoreDlg : public CDialog {
public:
    static constexpr UINT IDD = pointstore::IDD;
    CPointStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent = nullptr);

    PointStoreValues values;
    // After OK: the vertical antenna height the measured one gives.
    double VerticalHeight() const { return vertical_; }
    const SmoothingRun& Smoothing() const { return run_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;

private:
    LRESULT OnStorePosition(WPARAM wParam, LPARAM lParam);
    void OnStop();
    // Stops the timer and gives the fixes back; harmless when already done.
    void EndSmoothing();
    void ShowEnded();

    ISurveyHost& host_;
    const bool smoothing_;
    bool listening_ = false;
    SmoothingRun run_;
    double vertical_ = 0.0;
};
