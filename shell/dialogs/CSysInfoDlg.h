#pragma once
// 206 "系统信息": shows program memory and storage; changes nothing.
#include "platform/ui/Dialog.h"
#include "resources/SysInfoDlg.h"

class CSysInfoDlg : public CDialog {
public:
    static constexpr UINT IDD = sysinfo::IDD;
    explicit CSysInfoDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString programTotal_, programFree_, programUsed_;
    CString storageTotal_, storageFree_, storageUsed_;
};
