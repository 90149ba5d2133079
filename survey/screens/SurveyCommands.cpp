#include "survey/screens/SurveyCommands.h"

#include "survey/SurveyHost.h"
#include "survey/screens/AntennaDialogs.h"
#include "survey/screens/CPointStoreTypeDlg.h"

namespace {
// The job file's writer tells the user when the file cannot be written.
void Save(ISurveyHost& host, const GeneralSettingsBlock& settings) {
    host.SaveSettings(settings);
}
}  // namespace

void EditStoreSettings(ISurveyHost& host, CWnd* parent) {
    CPointStoreTypeDlg dialog(parent);
    dialog.values = StoreTypeValuesOf(host.Settings());
    if (dialog.DoModal() != IDOK) return;
    GeneralSettingsBlock settings = host.Settings();
    ApplyStoreTypeValues(dialog.values, settings);
    Save(host, settings);
}

void EditRoverAntenna(ISurveyHost& host, CWnd* parent) {
    const GeneralSettingsBlock& current = host.Settings();
    CRoverAntennaDlg dialog(host, parent);
    dialog.values = {current.szdSourceAntHgt, current.nAntHgtType, current.nUseAntHgt};
    if (dialog.DoModal() != IDOK) return;
    GeneralSettingsBlock settings = current;
    settings.szdSourceAntHgt = dialog.values.height;
    settings.nAntHgtType = dialog.values.type;
    settings.nUseAntHgt = dialog.values.showGround;
    settings.szdRoverAntH =
        VerticalAntennaHeight(dialog.values.height, dialog.values.type, host.Antenna()).value_or(0.0);
    Save(host, settings);
}

void RunAntennaHeightTool(ISurveyHost& host, CWnd* parent) {
    CAntennaHeightDlg dialog(host, parent);
    dialog.DoModal();
}
