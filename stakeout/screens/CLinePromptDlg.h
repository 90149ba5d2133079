#pragma once
// 15193 "线放样提示": asks before the line screen moves to the previous or next line, showing it.
#include "foundation/PointRecord.h"
#include "platform/ui/Dialog.h"

class CLinePromptDlg : public CDialog {
public:
    explicit CLinePromptDlg(CWnd* parent);
    void SetLine(const CString& message, const LineSegRec& line);

protected:
    BOOL OnInitDialog() override;

private:
    CString message_;
    LineSegRec line_;
};
