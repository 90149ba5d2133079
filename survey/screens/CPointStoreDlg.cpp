#include "survey/screens/CPointStoreDlg.h"

#include "survey/SurveyHost.h"
#include "survey/screens/StoreInput.h"

namespace {
using namespace pointstore;
constexpr StoreFixIds kFixIds{kStatus, kX, kY, kH, kRmsH, kRmsV, kProgress, kStop, kSmoothTimer};
}  // namespace

CPointStoreDlg::CPointStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CSmoothingStoreDlg(IDD, host, smoothing, kFixIds, parent) {}

BOOL CPointStoreDlg::OnInitDialog() {
    CSmoothingStoreDlg::OnInitDialog();
    const GeneralSettingsBlock& settings = host_.Settings();
    if (settings.nCodeSaveType == 1) values.code = values.name;
    values.antennaHeight = settings.szdSourceAntHgt;
    values.antennaType = settings.nAntHgtType;
    UpdateData(FALSE);
    return TRUE;
}

void CPointStoreDlg::DoDataExchange(CDataExchange* pDX) {
    CSmoothingStoreDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kName, values.name);
    DDX_Text(pDX, kCode, values.code);
    DDX_Text(pDX, kAntHeight, values.antennaHeight);
    DDX_Radio(pDX, kVertical, values.antennaType);
    DDX_Radio(pDX, kTerrain, values.kind);
}

void CPointStoreDlg::OnOK() {
    if (!UpdateData(TRUE) || !SmoothingEnded()) return;
    if (!CheckStoreTexts(*this, kName, values.name, {{kCode, &values.code}})) return;
    if (!CheckAntennaHeight(*this, kAntHeight, values.antennaType, values.antennaHeight, host_.Antenna()))
        return;
    if (!PrecisionAccepted()) return;
    vertical_ =
        VerticalAntennaHeight(values.antennaHeight, values.antennaType, host_.Antenna()).value_or(0.0);
    EndSmoothing();
    EndDialog(IDOK);
}
