#include "powerline/screens/CPowerlineStoreDlg.h"

#include "platform/ui/CommonControls.h"
#include "platform/ui/DataExchange.h"
#include "powerline/CPointStoreCtrl.h"
#include "powerline/screens/CDaohengStoreDlg.h"
#include "powerline/screens/PowerlineFormatDlgs.h"
#include "resources/PowerlineStoreDlgs.h"
#include "survey/SurveyHost.h"
#include "survey/screens/StoreInput.h"

namespace {
using namespace plstore;
constexpr StoreFixIds kFixIds{kStatus, kX, kY, kH, kRmsH, kRmsV, kProgress, kStop, kSmoothTimer};
}  // namespace

CPowerlineStoreDlg::CPowerlineStoreDlg(UINT idd, ISurveyHost& host, bool smoothing, bool kinds, CWnd* parent)
    : CSmoothingStoreDlg(idd, host, smoothing, kFixIds, parent), kinds_(kinds) {}

BOOL CPowerlineStoreDlg::OnInitDialog() {
    CSmoothingStoreDlg::OnInitDialog();
    measuredAntenna = host_.Settings().szdSourceAntHgt;
    antennaType = host_.Settings().nAntHgtType;
    FillLists();
    UpdateData(FALSE);
    return TRUE;
}

void CPowerlineStoreDlg::DoDataExchange(CDataExchange* pDX) {
    CSmoothingStoreDlg::DoDataExchange(pDX);
    DDX_Text(pDX, kName, answers.name);
    ExchangeOwn(pDX);
    DDX_Text(pDX, kMileage, answers.mileage);
    DDX_Text(pDX, kAntHeight, measuredAntenna);
    DDX_Radio(pDX, kVertical, antennaType);
    if (kinds_) DDX_Radio(pDX, kValid, answers.kind);
}

void CPowerlineStoreDlg::OnOK() {
    if (!UpdateData(TRUE) || !SmoothingEnded()) return;
    if (!CheckStoreTexts(*this, kName, answers.name, {})) return;
    for (const auto& [id, text] : OwnTexts())
        if (!CheckStoreTexts(*this, kName, answers.name, {{id, text}})) return;
    if (!CheckAntennaHeight(*this, kAntHeight, antennaType, measuredAntenna, host_.Antenna())) return;
    if (!PrecisionAccepted()) return;
    answers.antennaHeight =
        VerticalAntennaHeight(measuredAntenna, antennaType, host_.Antenna()).value_or(0.0);
    if (smoothing_) {
        answers.smoothTarget = Smoothing().Target();
        answers.smoothAchieved = Smoothing().Achieved();
    }
    EndSmoothing();
    EndDialog(IDOK);
}

void FillCombo(CWnd& dialog, UINT id, const std::vector<CString>& items) {
    for (const CString& item : items)
        dialog.SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

std::unique_ptr<CPowerlineStoreDlg> MakeStoreDialog(int storeKind, int surveyFormat, ISurveyHost& host,
                                                    bool smoothing, CWnd* parent) {
    if (storeKind == kTowerSectionPoint) return std::make_unique<CSectionStoreDlg>(host, smoothing, parent);
    switch (surveyFormat) {
        case kDaoheng:
            return std::make_unique<CDaohengStoreDlg>(host, smoothing, parent);
        case kSiwei:
            return std::make_unique<CSiweiStoreDlg>(host, smoothing, parent);
        case kHaizhi:
            return std::make_unique<CHaizhiStoreDlg>(host, smoothing, parent);
        case kXlcad:
            return std::make_unique<CXlcadStoreDlg>(host, smoothing, parent);
        case kGeneral:
            return std::make_unique<CGeneralStoreDlg>(host, smoothing, parent);
        case kSibeida:
            return std::make_unique<CSibeidaStoreDlg>(host, smoothing, parent);
        case kBaihe:
            return std::make_unique<CBaiheStoreDlg>(host, smoothing, parent);
        default:
            return nullptr;
    }
}
