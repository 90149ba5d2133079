#pragma once
// The About dialog: the software version and the receiver's serial number and date as its version
// reply left them (empty until a reply came).
#include "platform/ui/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg(CWnd* parent, const CString& version, const CString& serial, const CString& date);

protected:
    BOOL OnInitDialog() override;

private:
    CString version_;
    CString serial_;
    CString date_;
};
