#include "stakeout/screens/CStakePromptDlg.h"

#include "platform/ui/DataExchange.h"
#include "resources/StakePromptDlg.h"

CStakePromptDlg::CStakePromptDlg(CWnd* parent) : CDialog(stakeprompt::IDD, parent) {}

void CStakePromptDlg::SetPoint(const CString& message, const PointRecord& point) {
    message_ = message;
    name_ = point.name;
    x_.Format(L"%.3f", point.x);
    y_.Format(L"%.3f", point.y);
    h_.Format(L"%.3f", point.h);
    code_ = point.code;
}

void CStakePromptDlg::DoDataExchange(CDataExchange* pDX) {
    using namespace stakeprompt;
    DDX_Text(pDX, kCode, code_);
    DDX_Text(pDX, kH, h_);
    DDX_Text(pDX, kX, x_);
    DDX_Text(pDX, kY, y_);
    DDX_Text(pDX, kName, name_);
    DDX_Text(pDX, kMessage, message_);
}
