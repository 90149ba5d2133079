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
void RunTool(ICoordLibraryHost& library, CWnd* parent) {
    Dialog dialog(library, parent);
    dialog.DoModal();
}

template <class Dialog>
void RunWithHost(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent) {
    Dialog dialog(host, library, parent);
    dialog.DoModal();
}
}  // namespace

void RunCoordConvertTool(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent) {
    RunWithHost<CCoordConvertDlg>(host, library, parent);
}
void RunForwardCalcTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CForwardCalcDlg>(library, parent);
}
void RunInverseCalcTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CInverseCalcDlg>(library, parent);
}
void RunOffsetAngleDistTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<COffsetAngleDistDlg>(library, parent);
}
void RunOffsetPointTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<COffsetPointDlg>(library, parent);
}
void RunDistResectionTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CDistResectionDlg>(library, parent);
}
void RunIntersectionTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CIntersectionDlg>(library, parent);
}
void RunIntersectAngleTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CIntersectAngleDlg>(library, parent);
}
void RunLineMidpointTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CLineMidpointDlg>(library, parent);
}
void RunAngleCalcTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CAngleCalcDlg>(library, parent);
}
void RunSpaceDistanceTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CSpaceDistanceDlg>(library, parent);
}
void RunAreaCalcTool(ICoordLibraryHost& library, CWnd* parent) {
    RunTool<CAreaCalcDlg>(library, parent);
}
void RunMapConvertTool(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent) {
    RunWithHost<CMapConvertDlg>(host, library, parent);
}
