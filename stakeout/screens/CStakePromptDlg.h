#pragma once
// 15266 "点放样提示": asks before the point screen moves to the previous or next point, showing it.
#include "foundation/PointRecord.h"
#include "platform/ui/Dialog.h"

class CStakePromptDlg : public CDialog {
public:
    explicit CStakePromptDlg(CWnd* parent);
    // The message and the point's name, x, y, h ("%.3f") and code.
    void SetPoint(const CString& message, const PointRecord& point);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString code_;
    CString h_;
    CString x_;
    CString y_;
    CString name_;
    CString message_;
};
