#pragma once
// The 工程 menu's results exports, each run modally over the frame.
class CMainFrame;

void RunResultExport(CMainFrame& frame);
void RunBlhExport(CMainFrame& frame);
