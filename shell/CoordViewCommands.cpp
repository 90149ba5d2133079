#include "shell/CoordViewCommands.h"

#include "foundation/PointLines.h"
#include "platform/messages/MessageBox.h"
#include "shell/CMainFrame.h"
#include "survey/screens/CCoordViewDlg.h"

namespace {
class FrameCoordViewHost : public ICoordViewHost {
public:
    explicit FrameCoordViewHost(CMainFrame& frame) : frame_(frame) {}
    CString PointFilePath() const override { return frame_.DataFolder() + frame_.Job().paths.dataFileName; }
    void ReloadDisplayPoints() override {
        if (!LoadPointFile(PointFilePath(), frame_.Records().display)) AfxMessageBox(kNoPointData);
    }

private:
    CMainFrame& frame_;
};
}  // namespace

void OpenCoordView(CMainFrame& frame) {
    FrameCoordViewHost host(frame);
    ShowCoordView(host);
}
