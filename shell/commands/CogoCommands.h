#pragma once
// The 工具 menu's coordinate tools, each run modally over `parent` and picking points from `library`;
// the two converters through the job's coordinate tools host.
class CWnd;
class ICogoHost;
class ICoordLibraryHost;

void RunCoordConvertTool(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent);
void RunMapConvertTool(const ICogoHost& host, ICoordLibraryHost& library, CWnd* parent);
void RunForwardCalcTool(ICoordLibraryHost& library, CWnd* parent);
void RunInverseCalcTool(ICoordLibraryHost& library, CWnd* parent);
void RunOffsetAngleDistTool(ICoordLibraryHost& library, CWnd* parent);
void RunOffsetPointTool(ICoordLibraryHost& library, CWnd* parent);
void RunDistResectionTool(ICoordLibraryHost& library, CWnd* parent);
void RunIntersectionTool(ICoordLibraryHost& library, CWnd* parent);
void RunIntersectAngleTool(ICoordLibraryHost& library, CWnd* parent);
void RunLineMidpointTool(ICoordLibraryHost& library, CWnd* parent);
void RunAngleCalcTool(ICoordLibraryHost& library, CWnd* parent);
void RunSpaceDistanceTool(ICoordLibraryHost& library, CWnd* parent);
void RunAreaCalcTool(ICoordLibraryHost& library, CWnd* parent);
