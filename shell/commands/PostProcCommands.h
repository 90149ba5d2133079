#pragma once
// Data post-processing from the frame: menu command 32794.
class CMainFrame;

void OpenPostProcessing(CMainFrame& frame);
