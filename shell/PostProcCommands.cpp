#include "shell/PostProcCommands.h"

#include "shell/CMainFrame.h"
#include "survey/screens/PostProcCommand.h"

namespace {
class FramePostProcHost : public IPostProcHost {
public:
    explicit FramePostProcHost(CMainFrame& frame) : frame_(frame) {}
    CoordSysParams CoordParams() const override { return frame_.Job().coord; }
    int PlaneFitIndex() const override { return frame_.GeneralSettings().connection.nPlaneNihe; }
    int SurfaceFitIndex() const override { return frame_.GeneralSettings().connection.nCurveNihe; }
    CString JobFolder() const override { return frame_.JobFolder(); }
    CString DataFolder() const override { return frame_.DataFolder(); }
    CString PointFilePath() const override { return frame_.DataFolder() + frame_.Job().paths.dataFileName; }

private:
    CMainFrame& frame_;
};
}  // namespace

void OpenPostProcessing(CMainFrame& frame) {
    FramePostProcHost host(frame);
    RunPostProcessCommand(host, &frame);
}
