#include "stakeout/screens/CLinePromptDlg.h"

#include "platform/text/Format.h"
#include "resources/LinePromptDlg.h"

using namespace lineprompt;

namespace {
// Up to 15 significant digits.
CString Number(double value) {
    return Format(L"%.15g", value);
}
}  // namespace

CLinePromptDlg::CLinePromptDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CLinePromptDlg::SetLine(const CString& message, const LineSegRec& line) {
    message_ = message;
    line_ = line;
}

BOOL CLinePromptDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kMessage, message_);
    SetDlgItemText(kStartName, line_.start.name);
    SetDlgItemText(kStartX, Number(line_.start.x));
    SetDlgItemText(kStartY, Number(line_.start.y));
    SetDlgItemText(kStartH, Number(line_.start.h));
    SetDlgItemText(kStartCode, line_.start.code);
    SetDlgItemText(kEndName, line_.end.name);
    SetDlgItemText(kEndX, Number(line_.end.x));
    SetDlgItemText(kEndY, Number(line_.end.y));
    SetDlgItemText(kEndH, Number(line_.end.h));
    SetDlgItemText(kEndCode, line_.end.code);
    SetDlgItemText(kStartMileage, Number(line_.startMileage));
    return TRUE;
}
