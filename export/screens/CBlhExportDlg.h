#pragma once
// 15285 "BLH成果文件输出": the points of the point file with the latitude and longitude of the
// stored points, from their raw records.
#include "export/BlhExport.h"
#include "export/screens/CExportDlg.h"
#include "resources/ExportDlgs.h"

class CBlhExportDlg : public CExportDlg {
public:
    static constexpr UINT IDD = blhexport::IDD;
    explicit CBlhExportDlg(const IExportHost& host, CWnd* parent = nullptr) : CExportDlg(IDD, host, parent) {}

protected:
    CString SourcePath() const override { return host_.PointFilePath(); }
    CString DefaultName() const override { return host_.PointFileTitle() + L"_BLH.txt"; }
    // A missing raw file leaves every point without its record, which the user is told.
    ExportText Build(const CString& pointFileText, int style) const override;
    CString LeftOutNotice(const CString& names) const override { return names + L"没有原始记录,未输出"; }
};
