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

namespace {
template <class Dialog>
void RunTool(IFoundationFrame& library, CWnd* parent) {
    Dialog dialog(library, parent);
    dialog.DoModal();
}

template <class Dialog>
void RunWithHost(const ICogoHost& host, IFoundationFrame& library, CWnd* parent) {
    Dialog dialog(host, library, parent);
    dialog.DoModal();
}
}  // namespace

void RunCoordConvertTool(const ICogoHost& host, IFoundationFrame& library, CWnd* parent) {
    RunWithHost<CCoordConvertDlg>(host, library, parent);
}
void RunForwardCalcTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CForwardCalcDlg>(library, parent);
}
void RunInverseCalcTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CInverseCalcDlg>(library, parent);
}
void RunOffsetAngleDistTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<COffsetAngleDistDlg>(library, parent);
}
void RunOffsetPointTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<COffsetPointDlg>(library, parent);
}
void RunDistResectionTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CDistResectionDlg>(library, parent);
}
void RunIntersectionTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CIntersectionDlg>(library, parent);
}
void RunIntersectAngleTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CIntersectAngleDlg>(library, parent);
}
void RunLineMidpointTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CLineMidpointDlg>(library, parent);
}
void RunAngleCalcTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CAngleCalcDlg>(library, parent);
}
void RunSpaceDistanceTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CSpaceDistanceDlg>(library, parent);
}
void RunAreaCalcTool(IFoundationFrame& library, CWnd* parent) {
    RunTool<CAreaCalcDlg>(library, parent);
}
void RunMapConvertTool(const ICogoHost& host, IFoundationFrame& library, CWnd* parent) {
    RunWithHost<CMapConvertDlg>(host, library, parent);
}
