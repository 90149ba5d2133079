#pragma once
// The base-station set-up wizard's dialogs: the mode, the four point pages (the base's known point,
// a rover's known point, the second rover point of either form) and the prompt before calibrating.
// A page's 校正 stores its point and ends the wizard's pages; its 下一步 stores it and asks for the
// two-point form's next page.
#include <vector>

#include "calibration/CalibrationHost.h"
#include "calibration/KnownBaseList.h"
#include "calibration/WizardValues.h"
#include "foundation/AntennaRecord.h"
#include "foundation/screens/CIconButton.h"
#include "platform/ui/Dialog.h"
#include "resources/CalibWizardDlgs.h"

class CCalibModeDlg : public CDialog {
public:
    static constexpr UINT IDD = calibmode::IDD;
    // Without a base received this session the known-point mode is not offered.
    CCalibModeDlg(bool baseReceived, CWnd* parent);
    int mode = 0;  // 0 base on a known point, 1 on an unknown point

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    bool baseReceived_;
};

enum class WizardPage { kKnown1, kKnown2, kUnknown1, kUnknown2 };

// What a point page shows and takes back: its known point and antenna height as the known-base list
// keeps them, the height type, how the base's antenna is chosen and the three-parameter switch.
struct WizardPointValues {
    KnownBaseRow point{L"0", L"0.0", L"0.0", L"0.0", L"0.0"};
    int heightType = 0;
    int selectBy = 0;  // the base's antenna by receiver number 0, by receiver type 1
    int three = 0;     // 计算三参数 or 使用三参数
};

class CWizardPointDlg : public CDialog {
public:
    CWizardPointDlg(WizardPage page, ICalibrationHost& host, WizardRun& run, CWnd* parent);

    WizardPointValues values;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // 下一步
    void OnOK() override;

private:
    void OnCalibrate();
    void OnPick();
    void OnSelectBy();
    void OnReceiverNumber();
    // Stores the page's point; false (told, dialog open) when something refused it.
    bool StorePage();
    void FillReceiverNumbers();
    // The receiver's section of the antenna table into section_; a table that cannot be read is
    // told, and the rover's antenna serves.
    void ReadSection(const CString& serial);
    AntennaConstants PageAntenna();
    int Slot() const;

    WizardPage page_;
    ICalibrationHost& host_;
    WizardRun& run_;
    CKnownBaseList list_;
    std::vector<CString> serials_;
    AntennaRecord section_;
    bool sectionFound_ = false;
    CIconButton pick_;
};

class CCalibPromptDlg : public CDialog {
public:
    static constexpr UINT IDD = calibprompt::IDD;
    CCalibPromptDlg(const CString& message, CWnd* parent);

protected:
    BOOL OnInitDialog() override;

private:
    CString message_;
};
