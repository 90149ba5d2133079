#pragma once
// The 工具 menu's coordinate tools, each run modally over the frame.
class CMainFrame;

void RunCoordConvertTool(CMainFrame& frame);
void RunForwardCalcTool(CMainFrame& frame);
void RunInverseCalcTool(CMainFrame& frame);
void RunOffsetAngleDistTool(CMainFrame& frame);
void RunOffsetPointTool(CMainFrame& frame);
void RunDistResectionTool(CMainFrame& frame);
void RunIntersectionTool(CMainFrame& frame);
void RunIntersectAngleTool(CMainFrame& frame);
void RunLineMidpointTool(CMainFrame& frame);
void RunAngleCalcTool(CMainFrame& frame);
void RunSpaceDistanceTool(CMainFrame& frame);
void RunAreaCalcTool(CMainFrame& frame);
void RunMapConvertTool(CMainFrame& frame);
