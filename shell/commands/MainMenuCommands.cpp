#include "shell/commands/MainMenuCommands.h"

#include "calibration/screens/CalibrationCommands.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "geodesy/screens/CParamViewDlg.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StringTable.h"
#include "powerline/screens/CPowerLineSurveyDlg.h"
#include "powerline/screens/CTowerSectionStakeDlg.h"
#include "receiver/ReceiverHost.h"
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
#include "shell/commands/ExportCommands.h"
#include "shell/commands/JobCommands.h"
#include "shell/dialogs/CSysInfoDlg.h"
#include "shell/frame/FrameOperations.h"
#include "shell/hosts/FrameHosts.h"
#include "stakeout/screens/CLineStakeDlg.h"
#include "stakeout/screens/CStakeoutDlg.h"
#include "survey/screens/CCoordViewDlg.h"
#include "survey/screens/PostProcCommand.h"
#include "survey/screens/SurveyCommands.h"

namespace {

using Handler = void (*)(MenuContext&);

CWnd* Parent(MenuContext& c) {
    return CWnd::FromHandle(c.window.DialogParent());
}

template <class Dialog>
void RunModal(MenuContext& c) {
    Dialog dialog(Parent(c));
    dialog.DoModal();
}

void RunCoordLibrary(MenuContext& c) {
    CCoordLibDlg dialog(c.services.CoordLibrary(), Parent(c));
    dialog.DoModal();
}

void RunParamView(MenuContext& c) {
    GeodesyHostImpl host = c.hosts.Geodesy();
    CParamViewDlg dialog(host, Parent(c));
    dialog.DoModal();
}

// A receiver command of the form Run...Command(receiver host, parent).
template <void (*Run)(IReceiverHost&, CWnd*)>
void RunReceiverCommand(MenuContext& c) {
    Run(c.services, Parent(c));
}

// A survey command of the form Run(survey host, parent).
template <void (*Run)(ISurveyHost&, CWnd*)>
void RunSurveyCommand(MenuContext& c) {
    SurveyHostImpl host = c.hosts.Survey();
    Run(host, Parent(c));
}

void RunPostProcessing(MenuContext& c) {
    const SurveyHostImpl host = c.hosts.Survey();
    RunPostProcessCommand(host, Parent(c));
}

void OpenCoordView(MenuContext& c) {
    SurveyHostImpl host = c.hosts.Survey();
    ShowCoordView(host);
}

template <void (*Run)(ICoordLibraryHost&, CWnd*)>
void RunTool(MenuContext& c) {
    Run(c.services.CoordLibrary(), Parent(c));
}

template <void (*Run)(const ICogoHost&, ICoordLibraryHost&, CWnd*)>
void RunCogoTool(MenuContext& c) {
    const CogoHostImpl host = c.hosts.Cogo();
    Run(host, c.services.CoordLibrary(), Parent(c));
}

template <void (*Run)(const IExportHost&, CWnd*)>
void RunExport(MenuContext& c) {
    const ExportHostImpl host = c.hosts.Export();
    Run(host, Parent(c));
}

template <class Dialog, class Host, Host (FrameHosts::*Make)() const>
void RunHostDialog(MenuContext& c) {
    Host host = (c.hosts.*Make)();
    Dialog dialog(host, Parent(c));
    dialog.DoModal();
}

// The power-line screens take the survey host too, for their store dialogs.
template <class Screen>
void RunPowerlineScreen(MenuContext& c) {
    PowerlineHostImpl host = c.hosts.Powerline();
    SurveyHostImpl survey = c.hosts.Survey();
    Screen screen(host, survey, Parent(c));
    screen.DoModal();
}

void RunModuleModeSwitch(MenuContext& c) {
    CGprsCdmaSwitchDlg dialog(c.services, Parent(c));
    dialog.DoModal();
}

bool ConnectedReceiverHasDataLink(MenuContext& c) {
    return ReceiverHasDataLink(c.services.LatestFix().ident.text[0]);
}

// A receiver without a radio or modem of its own: the one of kind 9 is still set up as a base on
// entered coordinates, any other is refused.
void RunInstrumentSettingsCommand(MenuContext& c) {
    if (ConnectedReceiverHasDataLink(c)) {
        RunInstrumentSettings(c.services);
    } else if (c.services.VersionInfo().receiverKind == 9) {
        SetupManualBase(c.services);
    } else {
        Parent(c)->MessageBox(LoadStringResource(strings::kBoardMismatch),
                              LoadStringResource(strings::kInfoCaption), MB_OK | MB_ICONINFORMATION);
    }
}

void RunRadioSettingsMenuCommand(MenuContext& c) {
    if (!ConnectedReceiverHasDataLink(c)) {
        Parent(c)->MessageBox(LoadStringResource(strings::kBoardMismatch), L"错误",
                              MB_OK | MB_ICONINFORMATION);
        return;
    }
    RunRadioSettingsCommand(c.services, Parent(c));
}

// A calibration command of the form Run...Command(host, parent).
template <void (*Run)(ICalibrationHost&, CWnd*)>
void RunCalibrationCommand(MenuContext& c) {
    CalibrationHostImpl host = c.hosts.Calibration();
    Run(host, Parent(c));
}

struct Command {
    UINT id;
    Handler run;  // null: the screen is not in the program yet
};

// In menu order.
const Command kCommands[] = {
    {mainmenu::kNewJob, [](MenuContext& c) { c.jobs.NewJob(); }},
    {mainmenu::kOpenJob, [](MenuContext& c) { c.jobs.OpenJob(); }},
    {mainmenu::kNewFile, [](MenuContext& c) { c.jobs.NewPointFile(); }},
    {mainmenu::kOpenFile, [](MenuContext& c) { c.jobs.OpenPointFile(); }},
    {mainmenu::kResultExport, RunExport<RunResultExport>},
    {mainmenu::kBlhExport, RunExport<RunBlhExport>},
    {mainmenu::kCloseReceiver, [](MenuContext& c) { c.window.CloseReceiver(); }},
    {mainmenu::kExit, [](MenuContext& c) { c.window.ConfirmExit(); }},
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
    {mainmenu::kConnectInstrument, [](MenuContext& c) { c.window.ConnectInstrument(); }},
    {mainmenu::kTargetPointSurvey, [](MenuContext& c) { c.jobs.TargetPointSurvey(); }},
    {mainmenu::kPointStakeout, RunHostDialog<CStakeoutDlg, StakeoutHostImpl, &FrameHosts::Stakeout>},
    {mainmenu::kLineStakeout, RunHostDialog<CLineStakeDlg, StakeoutHostImpl, &FrameHosts::Stakeout>},
    {mainmenu::kPowerLineSurvey, RunPowerlineScreen<CPowerLineSurveyDlg>},
    {mainmenu::kTowerSection, RunPowerlineScreen<CTowerSectionStakeDlg>},
    {mainmenu::kCalcFourParams, RunCalibrationCommand<RunFourParamCommand>},
    {mainmenu::kCalcSevenParams, RunCalibrationCommand<RunSevenParamCommand>},
    {mainmenu::kCoordConvert, RunCogoTool<RunCoordConvertTool>},
    {mainmenu::kForwardCalc, RunTool<RunForwardCalcTool>},
    {mainmenu::kInverseCalc, RunTool<RunInverseCalcTool>},
    {mainmenu::kOffsetAngleDist, RunTool<RunOffsetAngleDistTool>},
    {mainmenu::kOffsetPoint, RunTool<RunOffsetPointTool>},
    {mainmenu::kDistResection, RunTool<RunDistResectionTool>},
    {mainmenu::kIntersection, RunTool<RunIntersectionTool>},
    {mainmenu::kIntersectAngle, RunTool<RunIntersectAngleTool>},
    {mainmenu::kLineMidpoint, RunTool<RunLineMidpointTool>},
    {mainmenu::kAngleCalc, RunTool<RunAngleCalcTool>},
    {mainmenu::kSpaceDistance, RunTool<RunSpaceDistanceTool>},
    {mainmenu::kAreaCalc, RunTool<RunAreaCalcTool>},
    {mainmenu::kMapConvert, RunCogoTool<RunMapConvertTool>},
    {mainmenu::kAntennaHeight, RunSurveyCommand<RunAntennaHeightTool>},
    {mainmenu::kCoordView, OpenCoordView},
    {mainmenu::kDataVerify, RunReceiverCommand<RunDataVerifyCommand>},
    {mainmenu::kCoordLibrary, RunCoordLibrary},
    {mainmenu::kGeoLibrary, RunCalibrationCommand<RunGeoLibraryCommand>},
    {mainmenu::kCalibrationWizard, RunCalibrationCommand<RunCalibrationWizardCommand>},
    {mainmenu::kPostProcess, RunPostProcessing},
    {mainmenu::kSystemInfo, RunModal<CSysInfoDlg>},
    {mainmenu::kAbout, [](MenuContext& c) { c.window.ShowAbout(); }},
};

}  // namespace

bool RunMenuCommand(MenuContext& context, UINT id) {
    for (const Command& command : kCommands)
        if (command.id == id && command.run) {
            command.run(context);
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
