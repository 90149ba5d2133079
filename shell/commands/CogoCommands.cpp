#include "shell/commands/CogoCommands.h"

#include "cogo/screens/CAngleCalcDlg.h"
#include "cogo/screens/CAreaCalcDlg.h"
#include "cogo/screens/CCoordConvertDlg.h"
#include "cogo/screens/CDistResectionDlg.h"
#include "cogo/screens/CForwardCalcDlg.h"
#include "cogo/screens/CIntersectAngleDlg.h"
#include "cogo/screens/CIntersectionDlg.h"
#include "cogo/screens/CInverseCalcDlg.h"
#include "cogo/screens/CLineMidpointDlg.h"
#include "cogo/screens/CMapConvertDlg.h"
#include "cogo/screens/COffsetAngleDistDlg.h"
#include "cogo/screens/COffsetPointDlg.h"
#include "cogo/screens/CSpaceDistanceDlg.h"
#include "shell/frame/CMainFrame.h"
#include "shell/hosts/CogoHostImpl.h"

namespace {
template <class Dialog>
void RunTool(CMainFrame& frame) {
    Dialog dialog(&frame);
    dialog.DoModal();
}

template <class Dialog>
void RunWithHost(CMainFrame& frame) {
    const CogoHostImpl host(frame.Job().coord, frame.Position().Second());
    Dialog dialog(host, &frame);
    dialog.DoModal();
}
}  // namespace

void RunCoordConvertTool(CMainFrame& frame) {
    RunWithHost<CCoordConvertDlg>(frame);
}
void RunForwardCalcTool(CMainFrame& frame) {
    RunTool<CForwardCalcDlg>(frame);
}
void RunInverseCalcTool(CMainFrame& frame) {
    RunTool<CInverseCalcDlg>(frame);
}
void RunOffsetAngleDistTool(CMainFrame& frame) {
    RunTool<COffsetAngleDistDlg>(frame);
}
void RunOffsetPointTool(CMainFrame& frame) {
    RunTool<COffsetPointDlg>(frame);
}
void RunDistResectionTool(CMainFrame& frame) {
    RunTool<CDistResectionDlg>(frame);
}
void RunIntersectionTool(CMainFrame& frame) {
    RunTool<CIntersectionDlg>(frame);
}
void RunIntersectAngleTool(CMainFrame& frame) {
    RunTool<CIntersectAngleDlg>(frame);
}
void RunLineMidpointTool(CMainFrame& frame) {
    RunTool<CLineMidpointDlg>(frame);
}
void RunAngleCalcTool(CMainFrame& frame) {
    RunTool<CAngleCalcDlg>(frame);
}
void RunSpaceDistanceTool(CMainFrame& frame) {
    RunTool<CSpaceDistanceDlg>(frame);
}
void RunAreaCalcTool(CMainFrame& frame) {
    RunTool<CAreaCalcDlg>(frame);
}
void RunMapConvertTool(CMainFrame& frame) {
    RunWithHost<CMapConvertDlg>(frame);
}
