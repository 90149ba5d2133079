#pragma once
// The survey commands of the main menu: storage settings (also the map's button), the rover's
// antenna height and the antenna-height calculator. The settings commands keep what the dialog
// returns in the job's settings and write the job file.
class CWnd;
class ISurveyHost;

void EditStoreSettings(ISurveyHost& host, CWnd* parent);
void EditRoverAntenna(ISurveyHost& host, CWnd* parent);
void RunAntennaHeightTool(ISurveyHost& host, CWnd* parent);
