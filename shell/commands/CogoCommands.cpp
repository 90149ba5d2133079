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
void RunTool(CWnd* parent) {
    Dialog dialog(parent);
    dialog.DoModal();
}

template <class Dialog>
void RunWithHost(const ICogoHost& host, CWnd* parent) {
    Dialog dialog(host, parent);
    dialog.DoModal();
}
}  // namespace

void RunCoordConvertTool(const ICogoHost& host, CWnd* parent) {
    RunWithHost<CCoordConvertDlg>(host, parent);
}
void RunForwardCalcTool(CWnd* parent) {
    RunTool<CForwardCalcDlg>(parent);
}
void RunInverseCalcTool(CWnd* parent) {
    RunTool<CInverseCalcDlg>(parent);
}
void RunOffsetAngleDistTool(CWnd* parent) {
    RunTool<COffsetAngleDistDlg>(parent);
}
void RunOffsetPointTool(CWnd* parent) {
    RunTool<COffsetPointDlg>(parent);
}
void RunDistResectionTool(CWnd* parent) {
    RunTool<CDistResectionDlg>(parent);
}
void RunIntersectionTool(CWnd* parent) {
    RunTool<CIntersectionDlg>(parent);
}
void RunIntersectAngleTool(CWnd* parent) {
    RunTool<CIntersectAngleDlg>(parent);
}
void RunLineMidpointTool(CWnd* parent) {
    RunTool<CLineMidpointDlg>(parent);
}
void RunAngleCalcTool(CWnd* parent) {
    RunTool<CAngleCalcDlg>(parent);
}
void RunSpaceDistanceTool(CWnd* parent) {
    RunTool<CSpaceDistanceDlg>(parent);
}
void RunAreaCalcTool(CWnd* parent) {
    RunTool<CAreaCalcDlg>(parent);
}
void RunMapConvertTool(const ICogoHost& host, CWnd* parent) {
    RunWithHost<CMapConvertDlg>(host, parent);
}
