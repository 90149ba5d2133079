#pragma once
// "数据验证": checks that a fixed RTK solution repeats. The surveyor takes the fixed coordinates,
// has the receiver drop and re-solve its solution, waits for a fixed solution and takes them again;
// the differences show how far the two solutions lie apart. Positions arrive as message 1750 while
// the frame's verification flag is set.
#include <array>

#include "foundation/CGpsState.h"
#include "platform/ui/Dialog.h"
#include "receiver/DataVerify.h"
#include "resources/DataVerifyDlg.h"

class IReceiverHost;

class CDataVerifyDlg : public CDialog {
public:
    enum { IDD = dataverify::IDD };
    explicit CDataVerifyDlg(IReceiverHost& frame, CWnd* parent = nullptr);
    CGpsState m_gps;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT OnPositionUpdate(WPARAM wParam, LPARAM lParam);
    void ShowRealtime(const CGpsState& state);
    void OnTakeFirst();
    void OnTakeSecond();
    void OnVerify();
    bool Fixed(const wchar_t* refusal);

    IReceiverHost& frame_;
    VerifyLiveTexts live_;
    std::array<CString, 3> first_, second_, differences_;
};

// The frame's verification command: sets the verification flag, runs the dialog, clears the flag.
void RunDataVerifyCommand(IReceiverHost& frame, CWnd* parent);
