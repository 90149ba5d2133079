#pragma once
// What both results exports share: the source file shown, a style chosen by radio, a file name in
// the job's result folder, and the one way an export is written: refused names and an empty
// source told, an existing file replaced only after the user agrees, the file replaced whole.
#include "export/ExportHost.h"
#include "export/PointExport.h"
#include "platform/ui/Dialog.h"

class CExportDlg : public CDialog {
protected:
    CExportDlg(UINT templateId, const IExportHost& host, CWnd* parent);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    virtual CString SourcePath() const = 0;
    virtual CString DefaultName() const = 0;
    // The export of the source file's text in the chosen style.
    virtual ExportText Build(const CString& sourceText, int style) const = 0;
    // What the user is told of the points the export left out (`names` listed).
    virtual CString LeftOutNotice(const CString& names) const { return L"未输出:" + names; }

    const IExportHost& host_;

private:
    // False (after telling the user) when the name cannot be used.
    bool CheckName();

    int style_ = 0;
    CString fileName_;
};
