#include "export/screens/CBlhExportDlg.h"

#include <string>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

ExportText CBlhExportDlg::Build(const CString& pointFileText, int style) const {
    std::string raw;
    if (FileExists(host_.RawFilePath())) ReadWholeFile(host_.RawFilePath(), raw);
    return BuildBlhExport(pointFileText, FromGbk(raw), static_cast<LatLonStyle>(style),
                          {host_.FixConverter(), host_.CoordParams()});
}
