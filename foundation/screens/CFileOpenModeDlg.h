#pragma once
// Asked before a point library loads a file: append its points, overwrite the library, or cancel.
#include "platform/ui/Dialog.h"
#include "resources/FileOpenModeDlg.h"

class CFileOpenModeDlg : public CDialog {
public:
    static constexpr UINT IDD = openmode::IDD;
    enum Mode { kOverwrite = 0, kAppend = 1, kCancel = 2 };
    explicit CFileOpenModeDlg(CWnd* parent = nullptr);

    int m_nResult = kCancel;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;

private:
    void OnAppend();
    void OnOverwrite();
};
