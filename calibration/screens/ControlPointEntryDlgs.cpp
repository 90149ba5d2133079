#include "calibration/screens/ControlPointEntryDlgs.h"

#include "calibration/screens/EntryRefusals.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/ControlPointDlgs.h"
#include "resources/FoundationIcons.h"

namespace {
void StylePickButton(CDialog& dialog, CIconButton& button, UINT id) {
    button.SubclassDlgItem(id, &dialog);
    button.SetFont(dialog.GetFont());
    button.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
}

bool AskZero(CDialog& dialog, UINT textId) {
    return dialog.MessageBox(LoadStringResource(textId), L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES;
}
}  // namespace

// ---- step 1: the known coordinates

CAddKnownPointDlg::CAddKnownPointDlg(ICoordLibraryHost& library, CWnd* parent)
    : CDialog(IDD, parent), library_(library) {
    BindCommand(knownpoint::kPick, &CAddKnownPointDlg::OnPick);
}

BOOL CAddKnownPointDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    StylePickButton(*this, pick_, knownpoint::kPick);
    UpdateData(FALSE);
    return TRUE;
}

void CAddKnownPointDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, knownpoint::kName, values.name);
    DDX_Text(pDX, knownpoint::kX, values.x);
    DDX_Text(pDX, knownpoint::kY, values.y);
    DDX_Text(pDX, knownpoint::kH, values.h);
}

void CAddKnownPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(library_, this, chosen)) return;
    values.name = chosen.name;
    values.x = chosen.north;
    values.y = chosen.east;
    values.h = chosen.height;
    UpdateData(FALSE);
}

void CAddKnownPointDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace knownpoint;
    if (!AcceptEntryFields(*this, {{kName, values.name}}, {{kX, values.x}, {kY, values.y}, {kH, values.h}}))
        return;
    EndDialog(IDOK);
}

// ---- step 2: where the raw coordinates come from

CAddRawPointDlg::CAddRawPointDlg(const ICalibrationHost& host, CWnd* parent)
    : CDialog(IDD, parent), host_(host) {
    BindCommand(rawsource::kGeoLibrary, &CAddRawPointDlg::OnGeoLibrary);
    BindCommand(rawsource::kCurrent, &CAddRawPointDlg::OnCurrent);
    BindCommand(rawsource::kBase, &CAddRawPointDlg::OnBase);
    BindCommand(rawsource::kTypedBlh, &CAddRawPointDlg::OnTypedBlh);
    BindCommand(rawsource::kTypedXyz, &CAddRawPointDlg::OnTypedXyz);
}

void CAddRawPointDlg::Finish(int sourceKind, const RawPoint& point) {
    kind = sourceKind;
    raw = point;
    EndDialog(IDOK);
}

void CAddRawPointDlg::OnGeoLibrary() {
    const GeoPointChoice choice = host_.PickGeoPoint(this);
    if (!choice.chosen) return;
    Finish(kSourceGeoLibrary,
           ProjectGeodetic(host_.CalibrationConverter(), host_.CoordParams().projection.nTouYin,
                           ToDouble(choice.latitude), ToDouble(choice.longitude), ToDouble(choice.height)));
}

void CAddRawPointDlg::OnCurrent() {
    const CGpsState& fix = host_.LatestFix();
    if (!FixCanCalibrate(fix)) {
        MessageBox(kNoPositionRefusal, L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    Finish(kSourceCurrent, RawPoint{fix.projX, fix.projY, fix.projH});
}

void CAddRawPointDlg::OnBase() {
    const BaseStationRec& base = host_.CoordParams().base;
    Finish(kSourceBase, RawPoint{base.szdBaseX, base.szdBaseY, base.szdBaseH});
}

void CAddRawPointDlg::OnTypedBlh() {
    CInputBLHDlg dlg(host_, this);
    if (dlg.DoModal() != IDOK) return;
    Finish(kSourceTypedBlh,
           ProjectGeodetic(host_.CalibrationConverter(), host_.CoordParams().projection.nTouYin,
                           ToDouble(dlg.values.b), ToDouble(dlg.values.l), ToDouble(dlg.values.h)));
}

void CAddRawPointDlg::OnTypedXyz() {
    CInputXYZDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    Finish(kSourceTypedXyz,
           ProjectEarthCentred(host_.CalibrationConverter(), host_.CoordParams(), ToDouble(dlg.values.x),
                               ToDouble(dlg.values.y), ToDouble(dlg.values.z)));
}

// ---- step 3: the raw point and its antenna

CRawPointAntDlg::CRawPointAntDlg(int kind, const RawPoint& raw, const AntennaConstants& antenna, CWnd* parent)
    : CDialog(IDD, parent), kind_(kind), antenna_(antenna) {
    values.x = Format(L"%.3f", raw.x);
    values.y = Format(L"%.3f", raw.y);
    values.h = Format(L"%.3f", raw.h);
}

BOOL CRawPointAntDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Only a receiver's position stands an antenna above its mark.
    const bool receiver = kind_ == kSourceCurrent || kind_ == kSourceBase;
    for (UINT id : {rawpoint::kAntenna, rawpoint::kVertical, rawpoint::kSlant, rawpoint::kPole})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(receiver);
    UpdateData(FALSE);
    return TRUE;
}

void CRawPointAntDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, rawpoint::kX, values.x);
    DDX_Text(pDX, rawpoint::kY, values.y);
    DDX_Text(pDX, rawpoint::kH, values.h);
    DDX_Text(pDX, rawpoint::kAntenna, values.antenna);
    DDX_Radio(pDX, rawpoint::kVertical, values.heightType);
}

void CRawPointAntDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace rawpoint;
    if (!AcceptEntryFields(*this, {},
                           {{kX, values.x}, {kY, values.y}, {kH, values.h}, {kAntenna, values.antenna}}))
        return;
    const std::optional<double> vertical =
        VerticalAntennaHeight(ToDouble(values.antenna), values.heightType, antenna_);
    if (!vertical) {
        MessageBox(kSlantRefusal, L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kAntenna));
        return;
    }
    vertical_ = Millimetres(*vertical);
    EndDialog(IDOK);
}

// ---- typed geodetic and earth-centred coordinates

CInputBLHDlg::CInputBLHDlg(const ICalibrationHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindCommand(inputblh::kPick, &CInputBLHDlg::OnPick);
}

BOOL CInputBLHDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    StylePickButton(*this, pick_, inputblh::kPick);
    UpdateData(FALSE);
    return TRUE;
}

void CInputBLHDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, inputblh::kB, values.b);
    DDX_Text(pDX, inputblh::kL, values.l);
    DDX_Text(pDX, inputblh::kH, values.h);
}

void CInputBLHDlg::OnPick() {
    UpdateData(TRUE);
    const GeoPointChoice choice = host_.PickGeoPoint(this);
    if (!choice.chosen) return;
    values.b = Format(L"%.10f", ToDouble(choice.latitude));
    values.l = Format(L"%.10f", ToDouble(choice.longitude));
    values.h = Format(L"%.3f", ToDouble(choice.height));
    UpdateData(FALSE);
}

void CInputBLHDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace inputblh;
    if (!AcceptEntryFields(*this, {}, {{kB, values.b}, {kL, values.l}, {kH, values.h}})) return;
    if ((ToDouble(values.b) == 0.0 || ToDouble(values.l) == 0.0) &&
        !AskZero(*this, ctrlpointtext::kZeroLatLon))
        return;
    EndDialog(IDOK);
}

CInputXYZDlg::CInputXYZDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CInputXYZDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, inputxyz::kX, values.x);
    DDX_Text(pDX, inputxyz::kY, values.y);
    DDX_Text(pDX, inputxyz::kZ, values.z);
}

void CInputXYZDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace inputxyz;
    if (!AcceptEntryFields(*this, {}, {{kX, values.x}, {kY, values.y}, {kZ, values.z}})) return;
    const bool zero = ToDouble(values.x) == 0.0 || ToDouble(values.y) == 0.0 || ToDouble(values.z) == 0.0;
    if (zero && !AskZero(*this, ctrlpointtext::kZeroXyz)) return;
    EndDialog(IDOK);
}

// ---- editing a pair

CEditCtrlPointDlg::CEditCtrlPointDlg(const ICalibrationHost& host, CWnd* parent)
    : CDialog(IDD, parent), host_(host) {
    BindCommand(editctrl::kPick, &CEditCtrlPointDlg::OnPick);
    BindCommand(editctrl::kPickGeodetic, &CEditCtrlPointDlg::OnPickGeodetic);
}

BOOL CEditCtrlPointDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    StylePickButton(*this, pick_, editctrl::kPick);
    UpdateData(FALSE);
    return TRUE;
}

namespace {
constexpr UINT kEditIds[7] = {editctrl::kName, editctrl::kKnownX, editctrl::kKnownY, editctrl::kKnownH,
                              editctrl::kRawX, editctrl::kRawY,   editctrl::kRawH};
}  // namespace

void CEditCtrlPointDlg::DoDataExchange(CDataExchange* pDX) {
    for (size_t i = 0; i < texts.size(); ++i) DDX_Text(pDX, static_cast<int>(kEditIds[i]), texts[i]);
}

void CEditCtrlPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(host_.CoordLibrary(), this, chosen)) return;
    texts[0] = chosen.name;
    texts[1] = chosen.north;
    texts[2] = chosen.east;
    texts[3] = chosen.height;
    UpdateData(FALSE);
}

void CEditCtrlPointDlg::OnPickGeodetic() {
    UpdateData(TRUE);
    const GeoPointChoice choice = host_.PickGeoPoint(this);
    if (!choice.chosen) return;
    const RawPoint raw =
        ProjectGeodetic(host_.CalibrationConverter(), host_.CoordParams().projection.nTouYin,
                        ToDouble(choice.latitude), ToDouble(choice.longitude), ToDouble(choice.height));
    texts[4] = Format(L"%.3f", raw.x);
    texts[5] = Format(L"%.3f", raw.y);
    texts[6] = Format(L"%.3f", raw.h);
    UpdateData(FALSE);
}

void CEditCtrlPointDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (!AcceptEntryFields(*this, {{kEditIds[0], texts[0]}},
                           {{kEditIds[1], texts[1]},
                            {kEditIds[2], texts[2]},
                            {kEditIds[3], texts[3]},
                            {kEditIds[4], texts[4]},
                            {kEditIds[5], texts[5]},
                            {kEditIds[6], texts[6]}}))
        return;
    EndDialog(IDOK);
}
