#pragma once
// 15284 "成果文件输出": the job's point file in one of three layouts.
#include "export/screens/CExportDlg.h"
#include "resources/ExportDlgs.h"

class CResultExportDlg : public CExportDlg {
public:
    static constexpr UINT IDD = resultexport::IDD;
    explicit CResultExportDlg(const IExportHost& host, CWnd* parent = nullptr)
        : CExportDlg(IDD, host, parent) {}

protected:
    CString SourcePath() const override { return host_.PointFilePath(); }
    CString DefaultName() const override { return host_.PointFileTitle() + L".dat"; }
    ExportText Build(const CString& sourceText, int style) const override {
        return BuildPointExport(sourceText, static_cast<PointExportLayout>(style));
    }
};
