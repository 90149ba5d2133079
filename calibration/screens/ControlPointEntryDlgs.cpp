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

CAddKnownPointDlg::CAddKnownPointDlg(IFoundationFrame& library, CWnd* parent)
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
    DDX_Text(pDX, knownpoint::kName, m_strName);
    DDX_Text(pDX, knownpoint::kX, m_strX);
    DDX_Text(pDX, knownpoint::kY, m_strY);
    DDX_Text(pDX, knownpoint::kH, m_strH);
}

void CAddKnownPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(library_, this, chosen)) return;
    m_strName = chosen.name;
    m_strX = chosen.north;
    m_strY = chosen.east;
    m_strH = chosen.height;
    UpdateData(FALSE);
}

void CAddKnownPointDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace knownpoint;
    if (!AcceptEntryFields(*this, {{kName, m_strName}}, {{kX, m_strX}, {kY, m_strY}, {kH, m_strH}})) return;
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

void CAddRawPointDlg::Finish(int kind, const RawPoint& raw) {
    m_nKind = kind;
    m_raw = raw;
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
                           ToDouble(dlg.m_strB), ToDouble(dlg.m_strL), ToDouble(dlg.m_strH)));
}

void CAddRawPointDlg::OnTypedXyz() {
    CInputXYZDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    Finish(kSourceTypedXyz,
           ProjectEarthCentred(host_.CalibrationConverter(), host_.CoordParams(), ToDouble(dlg.m_strX),
                               ToDouble(dlg.m_strY), ToDouble(dlg.m_strZ)));
}

// ---- step 3: the raw point and its antenna

CRawPointAntDlg::CRawPointAntDlg(int kind, const RawPoint& raw, const AntennaConstants& antenna, CWnd* parent)
    : CDialog(IDD, parent), kind_(kind), antenna_(antenna) {
    m_strX = Format(L"%.3f", raw.x);
    m_strY = Format(L"%.3f", raw.y);
    m_strH = Format(L"%.3f", raw.h);
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
    DDX_Text(pDX, rawpoint::kX, m_strX);
    DDX_Text(pDX, rawpoint::kY, m_strY);
    DDX_Text(pDX, rawpoint::kH, m_strH);
    DDX_Text(pDX, rawpoint::kAntenna, m_strAntenna);
    DDX_Radio(pDX, rawpoint::kVertical, m_nHeightType);
}

void CRawPointAntDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace rawpoint;
    if (!AcceptEntryFields(*this, {}, {{kX, m_strX}, {kY, m_strY}, {kH, m_strH}, {kAntenna, m_strAntenna}}))
        return;
    const std::optional<double> vertical =
        VerticalAntennaHeight(ToDouble(m_strAntenna), m_nHeightType, antenna_);
    if (!vertical) {
        MessageBox(kSlantRefusal, L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kAntenna));
        return;
    }
    m_dVertical = Millimetres(*vertical);
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
    DDX_Text(pDX, inputblh::kB, m_strB);
    DDX_Text(pDX, inputblh::kL, m_strL);
    DDX_Text(pDX, inputblh::kH, m_strH);
}

void CInputBLHDlg::OnPick() {
    UpdateData(TRUE);
    const GeoPointChoice choice = host_.PickGeoPoint(this);
    if (!choice.chosen) return;
    m_strB = Format(L"%.10f", ToDouble(choice.latitude));
    m_strL = Format(L"%.10f", ToDouble(choice.longitude));
    m_strH = Format(L"%.3f", ToDouble(choice.height));
    UpdateData(FALSE);
}

void CInputBLHDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace inputblh;
    if (!AcceptEntryFields(*this, {}, {{kB, m_strB}, {kL, m_strL}, {kH, m_strH}})) return;
    if ((ToDouble(m_strB) == 0.0 || ToDouble(m_strL) == 0.0) && !AskZero(*this, ctrlpointtext::kZeroLatLon))
        return;
    EndDialog(IDOK);
}

CInputXYZDlg::CInputXYZDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CInputXYZDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, inputxyz::kX, m_strX);
    DDX_Text(pDX, inputxyz::kY, m_strY);
    DDX_Text(pDX, inputxyz::kZ, m_strZ);
}

void CInputXYZDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    using namespace inputxyz;
    if (!AcceptEntryFields(*this, {}, {{kX, m_strX}, {kY, m_strY}, {kZ, m_strZ}})) return;
    const bool zero = ToDouble(m_strX) == 0.0 || ToDouble(m_strY) == 0.0 || ToDouble(m_strZ) == 0.0;
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
    for (int i = 0; i < 7; ++i) DDX_Text(pDX, static_cast<int>(kEditIds[i]), m_texts[i]);
}

void CEditCtrlPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(host_.CoordLibrary(), this, chosen)) return;
    m_texts[0] = chosen.name;
    m_texts[1] = chosen.north;
    m_texts[2] = chosen.east;
    m_texts[3] = chosen.height;
    UpdateData(FALSE);
}

void CEditCtrlPointDlg::OnPickGeodetic() {
    UpdateData(TRUE);
    const GeoPointChoice choice = host_.PickGeoPoint(this);
    if (!choice.chosen) return;
    const RawPoint raw =
        ProjectGeodetic(host_.CalibrationConverter(), host_.CoordParams().projection.nTouYin,
                        ToDouble(choice.latitude), ToDouble(choice.longitude), ToDouble(choice.height));
    m_texts[4] = Format(L"%.3f", raw.x);
    m_texts[5] = Format(L"%.3f", raw.y);
    m_texts[6] = Format(L"%.3f", raw.h);
    UpdateData(FALSE);
}

void CEditCtrlPointDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (!AcceptEntryFields(*this, {{kEditIds[0], m_texts[0]}},
                           {{kEditIds[1], m_texts[1]},
                            {kEditIds[2], m_texts[2]},
                            {kEditIds[3], m_texts[3]},
                            {kEditIds[4], m_texts[4]},
                            {kEditIds[5], m_texts[5]},
                            {kEditIds[6], m_texts[6]}}))
        return;
    EndDialog(IDOK);
}
