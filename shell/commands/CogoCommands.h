#pragma once
// The 工具 menu's coordinate tools, each run modally over `parent` and picking points from `library`;
// the two converters through the job's coordinate tools host.
class CWnd;
class ICogoHost;
class IFoundationFrame;

void RunCoordConvertTool(const ICogoHost& host, IFoundationFrame& library, CWnd* parent);
void RunMapConvertTool(const ICogoHost& host, IFoundationFrame& library, CWnd* parent);
void RunForwardCalcTool(IFoundationFrame& library, CWnd* parent);
void RunInverseCalcTool(IFoundationFrame& library, CWnd* parent);
void RunOffsetAngleDistTool(IFoundationFrame& library, CWnd* parent);
void RunOffsetPointTool(IFoundationFrame& library, CWnd* parent);
void RunDistResectionTool(IFoundationFrame& library, CWnd* parent);
void RunIntersectionTool(IFoundationFrame& library, CWnd* parent);
void RunIntersectAngleTool(IFoundationFrame& library, CWnd* parent);
void RunLineMidpointTool(IFoundationFrame& library, CWnd* parent);
void RunAngleCalcTool(IFoundationFrame& library, CWnd* parent);
void RunSpaceDistanceTool(IFoundationFrame& library, CWnd* parent);
void RunAreaCalcTool(IFoundationFrame& library, CWnd* parent);
