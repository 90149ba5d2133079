#include "calibration/screens/ParamComputeDlgs.h"

#include "calibration/ParameterComputation.h"
#include "calibration/screens/EntryRefusals.h"
#include "calibration/screens/GeometryPrompt.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "geodesy/CoordParamGroups.h"
#include "geodesy/screens/CFourParamDlg.h"
#include "geodesy/screens/CSevenParamDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/FoundationIcons.h"
#include "resources/StringIds.h"

namespace {
using namespace pairlist;
const PairListShape kFourShape{IDD_FOUR,
                               kOpenFour,
                               L"CalFour.fou",
                               L"*.fou",
                               {strings::kPairPointName, strings::kPairNorthBefore, strings::kPairEastBefore,
                                strings::kPairNorthAfter, strings::kPairEastAfter},
                               {50, 60, 100, 100, 100, 100}};
const PairListShape kSevenShape{
    IDD_SEVEN,
    kOpenSeven,
    L"CalSeven.sev",
    L"*.sev",
    {strings::kPairPointName, strings::kPairLatitude, strings::kPairLongitude, strings::kPairEllipsoidHeight,
     strings::kPairPlaneX, strings::kPairPlaneY, strings::kPairHeight},
    {50, 60, 100, 100, 60, 100, 100, 60}};

void StylePickButton(CDialog& dialog, CIconButton& button, UINT id) {
    button.SubclassDlgItem(id, &dialog);
    button.SetFont(dialog.GetFont());
    button.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
}

void ExchangeFields(CDataExchange* pDX, const UINT* ids, PairFields& fields) {
    for (size_t i = 0; i < fields.size(); ++i) DDX_Text(pDX, static_cast<int>(ids[i]), fields[i]);
}

constexpr UINT kFourIds[] = {fourpair::kName, fourpair::kSourceN, fourpair::kSourceE, fourpair::kTargetN,
                             fourpair::kTargetE};
constexpr UINT kSevenIds[] = {sevenpair::kName, sevenpair::kB, sevenpair::kL,     sevenpair::kH,
                              sevenpair::kX,    sevenpair::kY, sevenpair::kLocalH};

bool AcceptPair(CDialog& dialog, const UINT* ids, const PairFields& fields) {
    if (!AcceptEntryFields(dialog, {{ids[0], fields[0]}}, {})) return false;
    for (size_t i = 1; i < fields.size(); ++i)
        if (!AcceptEntryFields(dialog, {}, {{ids[i], fields[i]}})) return false;
    return true;
}
}  // namespace

// ---- four parameters

CCalcFourParamDlg::CCalcFourParamDlg(ICalibrationHost& host, CWnd* parent)
    : CPairListDlg(kFourShape, host, parent) {}

bool CCalcFourParamDlg::EnterPair(PairFields& fields) {
    CFourPairDlg dlg(host_.CoordLibrary(), fields, this);
    if (dlg.DoModal() != IDOK) return false;
    fields = dlg.values;
    return true;
}

void CCalcFourParamDlg::OnOK() {
    if (!SaveIfModified()) return;
    CoordSysParams params = host_.CoordParams();
    const SolveStatus status = ComputeFourParams(Pairs(), params.four);
    if (status == kSolveNothing) {
        MessageBox(LoadStringResource(paramcomputetext::kTooFewFour), L"提示", MB_OK | MB_ICONINFORMATION);
        EndDialog(IDCANCEL);
        return;
    }
    if (status == kSolveDegenerate) {
        Tell(L"公共点重合,无法计算四参数!");
        return;
    }
    if (!AcceptGeometry(this, FourParamPairsGeometry(Pairs()))) return;
    CFourParamDlg editor(params, this);
    // Cancel in the editor keeps the job's parameters as they were.
    if (editor.DoModal() == IDOK) {
        editor.StoreInto(params);
        if (!host_.SaveCoordParams(params)) Tell(L"文件保存失败!");
    }
    EndDialog(IDOK);
}

// ---- seven parameters

CCalcSevenParamDlg::CCalcSevenParamDlg(ICalibrationHost& host, CWnd* parent)
    : CPairListDlg(kSevenShape, host, parent) {}

bool CCalcSevenParamDlg::EnterPair(PairFields& fields) {
    CSevenPairDlg dlg(host_, fields, this);
    if (dlg.DoModal() != IDOK) return false;
    fields = dlg.values;
    return true;
}

void CCalcSevenParamDlg::OnOK() {
    if (!SaveIfModified()) return;
    CoordSysParams params = host_.CoordParams();
    const SolveStatus status =
        ComputeSevenParams(Pairs(), params, host_.CalibrationConverter(), params.seven);
    if (status == kSolveNothing) {
        MessageBox(LoadStringResource(paramcomputetext::kTooFewSeven), L"提示", MB_OK | MB_ICONINFORMATION);
        EndDialog(IDCANCEL);
        return;
    }
    if (status == kSolveDegenerate) {
        Tell(L"公共点共线或重合,无法计算七参数!");
        return;
    }
    if (!AcceptGeometry(this, SevenParamPairsGeometry(Pairs(), params, host_.CalibrationConverter()))) return;
    CSevenParamDlg editor(params, this);
    if (editor.DoModal() == IDOK) {
        StoreSevenParamValues(editor.m_seven, params.seven);
        if (!host_.SaveCoordParams(params)) Tell(L"文件保存失败!");
    }
    EndDialog(IDOK);
}

// ---- pair entries

CFourPairDlg::CFourPairDlg(ICoordLibraryHost& library, const PairFields& fields, CWnd* parent)
    : CDialog(IDD, parent), values(fields), library_(library) {
    values.resize(std::size(kFourIds));
    BindCommand(fourpair::kPickSource, &CFourPairDlg::OnPickSource);
    BindCommand(fourpair::kPickTarget, &CFourPairDlg::OnPickTarget);
}

BOOL CFourPairDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    StylePickButton(*this, pickSource_, fourpair::kPickSource);
    StylePickButton(*this, pickTarget_, fourpair::kPickTarget);
    UpdateData(FALSE);
    return TRUE;
}

void CFourPairDlg::DoDataExchange(CDataExchange* pDX) {
    ExchangeFields(pDX, kFourIds, values);
}

void CFourPairDlg::OnPickSource() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(library_, this, chosen)) return;
    values[0] = chosen.name;
    values[1] = chosen.north;
    values[2] = chosen.east;
    UpdateData(FALSE);
}

void CFourPairDlg::OnPickTarget() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(library_, this, chosen)) return;
    values[3] = chosen.north;
    values[4] = chosen.east;
    UpdateData(FALSE);
}

void CFourPairDlg::OnOK() {
    if (!UpdateData(TRUE) || !AcceptPair(*this, kFourIds, values)) return;
    EndDialog(IDOK);
}

CSevenPairDlg::CSevenPairDlg(const ICalibrationHost& host, const PairFields& fields, CWnd* parent)
    : CDialog(IDD, parent), values(fields), host_(host) {
    values.resize(std::size(kSevenIds));
    BindCommand(sevenpair::kPickGeodetic, &CSevenPairDlg::OnPickGeodetic);
    BindCommand(sevenpair::kPickPlane, &CSevenPairDlg::OnPickPlane);
}

BOOL CSevenPairDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    StylePickButton(*this, pickGeodetic_, sevenpair::kPickGeodetic);
    StylePickButton(*this, pickPlane_, sevenpair::kPickPlane);
    UpdateData(FALSE);
    return TRUE;
}

void CSevenPairDlg::DoDataExchange(CDataExchange* pDX) {
    ExchangeFields(pDX, kSevenIds, values);
}

void CSevenPairDlg::OnPickGeodetic() {
    UpdateData(TRUE);
    const GeoPointChoice choice = host_.PickGeoPoint(this);
    if (!choice.chosen) return;
    values[0] = choice.name;
    values[1] = choice.latitude;
    values[2] = choice.longitude;
    values[3] = choice.height;
    UpdateData(FALSE);
}

void CSevenPairDlg::OnPickPlane() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(host_.CoordLibrary(), this, chosen)) return;
    values[4] = chosen.north;
    values[5] = chosen.east;
    values[6] = chosen.height;
    UpdateData(FALSE);
}

void CSevenPairDlg::OnOK() {
    if (!UpdateData(TRUE) || !AcceptPair(*this, kSevenIds, values)) return;
    EndDialog(IDOK);
}
