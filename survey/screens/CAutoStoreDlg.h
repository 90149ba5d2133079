#pragma once
// 249 "自动存储": the start name, code and antenna height of automatic storing, started or stopped
// with its buttons (Enter stops it while it shows running and starts it otherwise); the buttons and
// the count show the choice at once; OK keeps it and the antenna height in the job.
#include "platform/ui/Dialog.h"
#include "resources/AutoStoreDlg.h"

class ISurveyHost;

struct AutoStoreValues {
    CString name;
    CString code = L"00000000";
    double antennaHeight = 0.0;  // as measured
    int antennaType = 0;
};

class CAutoStoreDlg : public CDialog {
public:
    static constexpr UINT IDD = autostore::IDD;
    explicit CAutoStoreDlg(ISurveyHost& host, CWnd* parent = nullptr);

    void SetStartName(const CString& name) { values.name = name; }
    AutoStoreValues values;
    // After OK: 1 when storing was started, and the vertical antenna height.
    int Started() const { return started_; }
    double VerticalHeight() const { return vertical_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;

private:
    void OnStart();
    void OnStopStore();
    bool ReadFields();
    // Enables the button that undoes the choice shown and moves the focus off the one disabled.
    void ShowRunning(bool running);

    ISurveyHost& host_;
    int started_ = 0;
    bool shownRunning_ = false;
    double vertical_ = 0.0;
};
