#pragma once
// The 工具 menu's coordinate tools, each run modally over `parent`; the two converters through the
// job's coordinate tools host.
class CWnd;
class ICogoHost;

void RunCoordConvertTool(const ICogoHost& host, CWnd* parent);
void RunMapConvertTool(const ICogoHost& host, CWnd* parent);
void RunForwardCalcTool(CWnd* parent);
void RunInverseCalcTool(CWnd* parent);
void RunOffsetAngleDistTool(CWnd* parent);
void RunOffsetPointTool(CWnd* parent);
void RunDistResectionTool(CWnd* parent);
void RunIntersectionTool(CWnd* parent);
void RunIntersectAngleTool(CWnd* parent);
void RunLineMidpointTool(CWnd* parent);
void RunAngleCalcTool(CWnd* parent);
void RunSpaceDistanceTool(CWnd* parent);
void RunAreaCalcTool(CWnd* parent);
