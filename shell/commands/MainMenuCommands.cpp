#include "shell/commands/MainMenuCommands.h"

#include "calibration/screens/CalibrationCommands.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "geodesy/screens/CParamViewDlg.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StringTable.h"
#include "receiver/ReceiverModels.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/screens/CDataVerifyDlg.h"
#include "receiver/screens/CRadioSetDlg.h"
#include "receiver/screens/DataLinkCommands.h"
#include "receiver/screens/InstrumentCommands.h"
#include "receiver/screens/ReceiverSettingsCommands.h"
#include "resources/MainMenu.h"
#include "resources/StringIds.h"
#include "shell/commands/CogoCommands.h"
#include "shell/commands/CoordViewCommands.h"
#include "shell/commands/ExportCommands.h"
#include "shell/commands/JobCommands.h"
#include "shell/commands/PostProcCommands.h"
#include "shell/dialogs/CSysInfoDlg.h"
#include "shell/frame/CMainFrame.h"
#include "shell/hosts/CalibrationHostImpl.h"
#include "shell/hosts/GeodesyHostImpl.h"
#include "shell/hosts/PowerlineHostImpl.h"
#include "shell/hosts/StakeoutHostImpl.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/SurveyCommands.h"

namespace {

using Handler = void (*)(CMainFrame&);

template <class Dialog>
void RunModal(CMainFrame& frame) {
    Dialog dialog(&frame);
    dialog.DoModal();
}

void RunParamView(CMainFrame& frame) {
    GeodesyHostImpl host(frame);
    CParamViewDlg dialog(host, &frame);
    dialog.DoModal();
}

// A receiver command of the form Run...Command(frame services, parent).
template <void (*Run)(IFrameServices&, CWnd*)>
void RunReceiverCommand(CMainFrame& frame) {
    Run(frame, &frame);
}

// A survey command with the frame as its host.
template <void (*Run)(ISurveyHost&, CWnd*)>
void RunSurveyCommand(CMainFrame& frame) {
    SurveyHostImpl host(frame);
    Run(host, &frame);
}

void RunModuleModeSwitch(CMainFrame& frame) {
    CGprsCdmaSwitchDlg dialog(frame, &frame);
    dialog.DoModal();
}

bool ConnectedReceiverHasDataLink(CMainFrame& frame) {
    return ReceiverHasDataLink(frame.LatestFix().ident.text[0]);
}

// A receiver without a radio or modem of its own: the one of kind 9 is still set up as a base on
// entered coordinates, any other is refused.
void RunInstrumentSettingsCommand(CMainFrame& frame) {
    if (ConnectedReceiverHasDataLink(frame)) {
        RunInstrumentSettings(frame);
    } else if (frame.VersionInfo().receiverKind == 9) {
        SetupManualBase(frame);
    } else {
        frame.MessageBox(LoadStringResource(strings::kBoardMismatch),
                         LoadStringResource(strings::kInfoCaption), MB_OK | MB_ICONINFORMATION);
    }
}

void RunRadioSettingsMenuCommand(CMainFrame& frame) {
    if (!ConnectedReceiverHasDataLink(frame)) {
        frame.MessageBox(LoadStringResource(strings::kBoardMismatch), L"错误", MB_OK | MB_ICONINFORMATION);
        return;
    }
    RunRadioSettingsCommand(frame, &frame);
}

// A calibration command of the form Run...Command(host, parent).
template <void (*Run)(ICalibrationHost&, CWnd*)>
void RunCalibrationCommand(CMainFrame& frame) {
    CalibrationHostImpl host(frame);
    Run(host, &frame);
}

struct Command {
    UINT id;
    Handler run;  // null: the screen is not in the program yet
};

// In menu order.
const Command kCommands[] = {
    {mainmenu::kNewJob, NewJob},
    {mainmenu::kOpenJob, OpenJob},
    {mainmenu::kNewFile, NewPointFile},
    {mainmenu::kOpenFile, OpenPointFile},
    {mainmenu::kResultExport, RunResultExport},
    {mainmenu::kBlhExport, RunBlhExport},
    {mainmenu::kCloseReceiver, [](CMainFrame& f) { f.CloseReceiver(); }},
    {mainmenu::kExit, [](CMainFrame& f) { f.ConfirmExit(); }},
    {mainmenu::kParamView, RunParamView},
    {mainmenu::kSolveParams, RunCalibrationCommand<RunControlPointCommand>},
    {mainmenu::kStoreSettings, RunSurveyCommand<EditStoreSettings>},
    {mainmenu::kSatelliteMask, RunReceiverCommand<RunElevationMaskCommand>},
    {mainmenu::kTimeZone, RunReceiverCommand<RunTimeZoneCommand>},
    {mainmenu::kRoverAntenna, RunSurveyCommand<EditRoverAntenna>},
    {mainmenu::kModuleModeSwitch, RunModuleModeSwitch},
    {mainmenu::kRoverSettings, RunReceiverCommand<RunRoverSettingsCommand>},
    {mainmenu::kInstrumentSettings, RunInstrumentSettingsCommand},
    {mainmenu::kRadioSettings, RunRadioSettingsMenuCommand},
    {mainmenu::kConnectInstrument, [](CMainFrame& f) { f.OnConnectInstrument(); }},
    {mainmenu::kTargetPointSurvey, TargetPointSurvey},
    {mainmenu::kPointStakeout, RunPointStakeout},
    {mainmenu::kLineStakeout, RunLineStakeout},
    {mainmenu::kPowerLineSurvey, RunPowerLineSurvey},
    {mainmenu::kTowerSection, RunTowerSectionStake},
    {mainmenu::kCalcFourParams, RunCalibrationCommand<RunFourParamCommand>},
    {mainmenu::kCalcSevenParams, RunCalibrationCommand<RunSevenParamCommand>},
    {mainmenu::kCoordConvert, RunCoordConvertTool},
    {mainmenu::kForwardCalc, RunForwardCalcTool},
    {mainmenu::kInverseCalc, RunInverseCalcTool},
    {mainmenu::kOffsetAngleDist, RunOffsetAngleDistTool},
    {mainmenu::kOffsetPoint, RunOffsetPointTool},
    {mainmenu::kDistResection, RunDistResectionTool},
    {mainmenu::kIntersection, RunIntersectionTool},
    {mainmenu::kIntersectAngle, RunIntersectAngleTool},
    {mainmenu::kLineMidpoint, RunLineMidpointTool},
    {mainmenu::kAngleCalc, RunAngleCalcTool},
    {mainmenu::kSpaceDistance, RunSpaceDistanceTool},
    {mainmenu::kAreaCalc, RunAreaCalcTool},
    {mainmenu::kMapConvert, RunMapConvertTool},
    {mainmenu::kAntennaHeight, RunSurveyCommand<RunAntennaHeightTool>},
    {mainmenu::kCoordView, OpenCoordView},
    {mainmenu::kDataVerify, RunReceiverCommand<RunDataVerifyCommand>},
    {mainmenu::kCoordLibrary, RunModal<CCoordLibDlg>},
    {mainmenu::kGeoLibrary, RunCalibrationCommand<RunGeoLibraryCommand>},
    {mainmenu::kCalibrationWizard, RunCalibrationCommand<RunCalibrationWizardCommand>},
    {mainmenu::kPostProcess, OpenPostProcessing},
    {mainmenu::kSystemInfo, RunModal<CSysInfoDlg>},
    {mainmenu::kAbout, [](CMainFrame& f) { f.OnAppAbout(); }},
};

}  // namespace

bool RunMenuCommand(CMainFrame& frame, UINT id) {
    for (const Command& command : kCommands)
        if (command.id == id && command.run) {
            command.run(frame);
            return true;
        }
    return false;
}

void GreyUnavailableCommands(CMenu& menu) {
    for (UINT id : UnavailableCommands()) menu.EnableMenuItem(id, MF_BYCOMMAND | MF_GRAYED);
}

void ShowLinkTypeInMenu(CMenu& menu, int moduleType) {
    if (moduleType == kLinkRadio) menu.SetMenuString(mainmenu::kRadioSettings, L"&6电台设置", MF_BYCOMMAND);
    if (moduleType == kLinkNetwork) menu.SetMenuString(mainmenu::kRadioSettings, L"&6网络连接", MF_BYCOMMAND);
}

std::vector<UINT> UnavailableCommands() {
    std::vector<UINT> ids;
    for (const Command& command : kCommands)
        if (!command.run) ids.push_back(command.id);
    return ids;
}
