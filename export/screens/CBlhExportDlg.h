#pragma once
// 15285 "BLH成果文件输出": the last raw record of each point as latitude, longitude and heights.
#include "export/BlhExport.h"
#include "export/screens/CExportDlg.h"
#include "resources/ExportDlgs.h"

class CBlhExportDlg : public CExportDlg {
public:
    static constexpr UINT IDD = blhexport::IDD;
    explicit CBlhExportDlg(const IExportHost& host, CWnd* parent = nullptr) : CExportDlg(IDD, host, parent) {}

protected:
    CString SourcePath() const override { return host_.RawFilePath(); }
    CString DefaultName() const override { return host_.PointFileTitle() + L"_BLH.txt"; }
    ExportText Build(const CString& sourceText, int style) const override {
        return BuildBlhExport(sourceText, static_cast<LatLonStyle>(style));
    }
};
