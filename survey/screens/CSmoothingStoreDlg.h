#pragma once
// What every store dialog shares: the solution text and the fix's grid position and precision, and
// in smoothing mode the averaging of one fix a second within the precision limits. While it
// smooths the dialog listens for fixes (message 1749) and cannot be closed; the timer and the
// listening end with the dialog however it closes.
#include "platform/ui/Dialog.h"
#include "survey/SmoothingRun.h"

class ISurveyHost;

struct StoreFixTexts {
    CString status;  // the solution-status text
    CString x, y, h, rmsH, rmsV;
};

// The controls of the shared part in one dialog's template.
struct StoreFixIds {
    UINT status, x, y, h, rmsH, rmsV, progress, stop;
    UINT_PTR smoothTimer;
};

class CSmoothingStoreDlg : public CDialog {
public:
    StoreFixTexts fix;
    // Shows the fix's grid position and precision ("%.3f").
    void ShowFix(const CGpsState& state);
    const SmoothingRun& Smoothing() const { return run_; }

protected:
    CSmoothingStoreDlg(UINT idd, ISurveyHost& host, bool smoothing, const StoreFixIds& ids, CWnd* parent);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;

    // OK's checks of the shared part, each refusal told: smoothing has ended with accepted epochs;
    // the user says yes to a fix beyond the precision limits.
    bool SmoothingEnded();
    bool PrecisionAccepted();
    // Stops the timer and gives the fixes back; harmless when already done.
    void EndSmoothing();

    ISurveyHost& host_;
    const bool smoothing_;

private:
    LRESULT OnStorePosition(WPARAM wParam, LPARAM lParam);
    void OnStop();
    void ShowEnded();

    const StoreFixIds ids_;
    bool listening_ = false;
    SmoothingRun run_;
};
