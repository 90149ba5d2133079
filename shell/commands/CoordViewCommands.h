#pragma once
// The coordinate view from the frame: menu command 32819 and the main view's key B pressed twice.
class CMainFrame;

void OpenCoordView(CMainFrame& frame);
