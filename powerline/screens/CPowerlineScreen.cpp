#include "powerline/screens/CPowerlineScreen.h"

#include "platform/ui/Edit.h"
#include "receiver/ReceiverMessages.h"
#include "resources/PowerlineScreens.h"
#include "survey/screens/SurveyCommands.h"

namespace {
using namespace powerscreen;
constexpr int kAutomaticMode = 3;
}  // namespace

CPowerlineScreen::CPowerlineScreen(UINT idd, IPowerlineHost& host, ISurveyHost& survey, CWnd* parent)
    : CDialog(idd, parent),
      host_(host),
      survey_(survey),
      ctrl_(host, survey),
      store_(survey, ctrl_, this),
      keys_({.store = [this] { OnStore(); },
             .coordView = [this] { OnCoordView(); },
             .next = {},
             .previous = {},
             .redraw = {},
             .reacquire = {},
             .verify = [this] { OnVerify(); }}) {
    BindMessage(WM_GPS_POSITION, &CPowerlineScreen::OnPositionUpdate);
    BindCommand(kStore, &CPowerlineScreen::OnStore);
    BindCommand(kSettings, &CPowerlineScreen::OnSettings);
    BindCommand(kVerify, &CPowerlineScreen::OnVerify);
    BindCommand(kCoordView, &CPowerlineScreen::OnCoordView);
}

BOOL CPowerlineScreen::OnInitDialog() {
    CDialog::OnInitDialog();
    host_.ListenForPositions(m_hWnd);
    ShowStatus();
    return TRUE;
}

void CPowerlineScreen::OnDestroy() {
    host_.StopListening(m_hWnd);
    CDialog::OnDestroy();
}

LRESULT CPowerlineScreen::OnPositionUpdate(WPARAM state, LPARAM) {
    fix_ = *reinterpret_cast<const CGpsState*>(state);
    status_ = FormatPowerlineStatus(fix_, survey_.Settings());
    ShowStatus();
    if (host_.AutoStoreDue(trigger_, fix_)) Stored(store_.StoreQuickPoint(fix_, request_));
    return 0;
}

void CPowerlineScreen::ShowStatus() {
    SetDlgItemText(kSolution, status_.solution);
    SetDlgItemText(kSatellites, status_.satellites);
    SetDlgItemText(kX, status_.x);
    SetDlgItemText(kY, status_.y);
    SetDlgItemText(kH, status_.h);
    SetDlgItemText(kRmsH, status_.rmsH);
    SetDlgItemText(kRmsV, status_.rmsV);
    SetDlgItemText(kLastName, ctrl_.HasStoredPosition() ? ctrl_.StoredPosition().name : CString());
}

void CPowerlineScreen::OnStore() {
    // A fixed solution at latitude or longitude 0 is the receiver's placeholder, not a position.
    if (fix_.solutionText.Find(L"FIXED") >= 0 && (fix_.latitude == 0.0 || fix_.longitude == 0.0)) return;
    const std::optional<StoreTarget> target = PrepareStore(ctrl_);
    if (!target) return;
    ctrl_.SetColumn34Value(Column34Value(stakeLine_));
    // The automatic-store condition and interval go into the raw records of automatic points.
    const GeneralSettingsBlock& settings = survey_.Settings();
    const double interval = settings.nAsMode == 0 ? settings.nAutoSaveTime : settings.szdAutoSaveDis;
    request_ = {.mode = settings.nSaveType,
                .kind = target->kind,
                .format = target->format,
                .autoCondition = settings.nAsMode,
                .autoInterval = interval};
    if (settings.nSaveType == kAutomaticMode) {
        store_.StartAutoStore(fix_);
        return;
    }
    Stored(store_.StorePoint(fix_, request_));
}

void CPowerlineScreen::Stored(const StoredPointResult& result) {
    if (result.number == 0) return;
    ctrl_.SetStoredPosition(result.point);
    host_.AddStoredPoint(result.point);
    SetDlgItemText(kLastName, result.point.name);
    OnPointStored(ctrl_.Context());
}

void CPowerlineScreen::OnSettings() {
    EditStoreSettings(survey_, this);
}

void CPowerlineScreen::OnVerify() {
    host_.RunDataVerify(this);
}

void CPowerlineScreen::OnCoordView() {
    host_.ShowCoordinateView();
}

BOOL CPowerlineScreen::PreTranslateMessage(MSG* msg) {
    // Keys typed into a field are the field's: a section label may hold an A or a B.
    if (dynamic_cast<CEdit*>(CWnd::FromHandle(msg->hwnd))) return CDialog::PreTranslateMessage(msg);
    if (keys_.Handle(host_.LogicalKey(msg->message, static_cast<UINT>(msg->wParam)))) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}
