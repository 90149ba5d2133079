#include "calibration/screens/CalibWizardDlgs.h"

#include <algorithm>

#include "calibration/screens/EntryRefusals.h"
#include "foundation/CIniFile.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/FoundationIcons.h"

namespace {
using namespace wizpage;

struct PageShape {
    UINT templateId;
    UINT calibrate;
    UINT firstRadio;
    int slot;
};
PageShape ShapeOf(WizardPage page) {
    switch (page) {
        case WizardPage::kKnown1:
            return {IDD_KNOWN1, kCalibrateKnown1, kVertical, 0};
        case WizardPage::kKnown2:
            return {IDD_KNOWN2, kCalibrateKnown2, kVertical, 1};
        case WizardPage::kUnknown1:
            return {IDD_UNKNOWN1, kCalibrateUnknown1, kVerticalUnknown1, 1};
        case WizardPage::kUnknown2:
            return {IDD_UNKNOWN2, kCalibrateUnknown2, kVertical, 2};
    }
    return {};
}

constexpr const wchar_t* kAntennaFile = L"AntType.at";
}  // namespace

// ---- mode

CCalibModeDlg::CCalibModeDlg(bool baseReceived, CWnd* parent)
    : CDialog(IDD, parent), baseReceived_(baseReceived) {}

BOOL CCalibModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!baseReceived_) {
        GetDlgItem(calibmode::kKnown)->EnableWindow(FALSE);
        mode = 1;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CCalibModeDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, calibmode::kKnown, mode);
}

// ---- point pages

CWizardPointDlg::CWizardPointDlg(WizardPage page, ICalibrationHost& host, WizardRun& run, CWnd* parent)
    : CDialog(ShapeOf(page).templateId, parent), page_(page), host_(host), run_(run) {
    BindCommand(ShapeOf(page).calibrate, &CWizardPointDlg::OnCalibrate);
    BindCommand(kPick, &CWizardPointDlg::OnPick);
    if (page == WizardPage::kKnown1) {
        BindCommand(kByNumber, &CWizardPointDlg::OnSelectBy);
        BindCommand(kByType, &CWizardPointDlg::OnSelectBy);
        BindControl(kReceiverNumber, CBN_SELCHANGE, &CWizardPointDlg::OnReceiverNumber);
    }
}

int CWizardPointDlg::Slot() const {
    return ShapeOf(page_).slot;
}

BOOL CWizardPointDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    pick_.SubclassDlgItem(kPick, this);
    pick_.SetFont(GetFont());
    pick_.ApplyIconStyle(IDI_PICK_FROM_LIBRARY);
    list_.SetPath(host_.JobFolder() + L"knowdata.xyh");
    list_.Load();
    if (page_ == WizardPage::kUnknown1 && list_.GetCount() == 0) {
        list_.AddRow(values.point);
        list_.Save();
    }
    KnownBaseRow row;
    if (list_.GetRow(Slot(), row)) values.point = row;
    values.heightType = host_.Settings().nAdjustAntType;
    if (page_ == WizardPage::kKnown1) {
        for (const wchar_t* name : kReceiverTypeNames)
            SendDlgItemMessage(kReceiverType, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        SendDlgItemMessage(kReceiverType, CB_SETCURSEL, 0);
        GetDlgItem(kReceiverType)->EnableWindow(FALSE);
        FillReceiverNumbers();
    }
    UpdateData(FALSE);
    return TRUE;
}

// The antenna table's receivers whose identifier in the job's format ends as the base's does.
void CWizardPointDlg::FillReceiverNumbers() {
    CIniFile table;
    if (!table.Load(host_.SetupFolder() + kAntennaFile)) {
        MessageBox(kAntennaTableUnread, L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const int format = host_.Settings().connection.nRadioFormat;
    const CString baseId = host_.LatestFix().baseId.Right(3);
    for (const CIniSection& section : table.Sections())
        if (BaseIdFromSerial(section.name, format).Right(3) == baseId && !baseId.IsEmpty())
            serials_.push_back(section.name);
    if (serials_.empty()) {
        MessageBox(L"天线类型配置文件没有该基准站天线类型,请用手簿连通一次基准站!", L"提示",
                   MB_OK | MB_ICONINFORMATION);
        return;
    }
    for (const CString& serial : serials_)
        SendDlgItemMessage(kReceiverNumber, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(serial.c_str()));
    SendDlgItemMessage(kReceiverNumber, CB_SETCURSEL, 0);
    // Until another number is chosen, the antenna is the one of the receiver that reported the fix
    // (the rover's antenna serves when the table does not know that receiver).
    const CString& serial = host_.LatestFix().ident.text[0];
    const auto& sections = table.Sections();
    if (std::any_of(sections.begin(), sections.end(),
                    [&](const CIniSection& section) { return section.name == serial; }))
        ReadSection(serial);
}

void CWizardPointDlg::ReadSection(const CString& serial) {
    CIniFile table;
    sectionFound_ = table.ReadAntennaSection(host_.SetupFolder(), kAntennaFile, serial, section_);
    if (!sectionFound_) MessageBox(kAntennaTableUnread, L"提示", MB_OK | MB_ICONINFORMATION);
}

void CWizardPointDlg::OnReceiverNumber() {
    const auto index = static_cast<int>(SendDlgItemMessage(kReceiverNumber, CB_GETCURSEL));
    if (index < 0 || index >= static_cast<int>(serials_.size())) return;
    ReadSection(serials_[static_cast<size_t>(index)]);
}

void CWizardPointDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kX, values.point.x);
    DDX_Text(pDX, kY, values.point.y);
    DDX_Text(pDX, kH, values.point.h);
    DDX_Text(pDX, kAntenna, values.point.antenna);
    DDX_Radio(pDX, ShapeOf(page_).firstRadio, values.heightType);
    if (page_ == WizardPage::kKnown1) {
        DDX_Radio(pDX, kByNumber, values.selectBy);
        DDX_Check(pDX, kComputeThree, values.three);
    }
    if (page_ == WizardPage::kUnknown1) DDX_Check(pDX, kUseThree, values.three);
}

void CWizardPointDlg::OnSelectBy() {
    UpdateData(TRUE);
    GetDlgItem(kReceiverNumber)->EnableWindow(values.selectBy == 0);
    GetDlgItem(kReceiverType)->EnableWindow(values.selectBy == 1);
}

void CWizardPointDlg::OnPick() {
    UpdateData(TRUE);
    PointTexts chosen;
    if (!PickFromCoordLibrary(host_.CoordLibrary(), this, chosen)) return;
    values.point.x = chosen.north;
    values.point.y = chosen.east;
    values.point.h = chosen.height;
    UpdateData(FALSE);
}

// The base's antenna by the chosen receiver (for this calibration only); the rover's otherwise,
// with the fixed radius of the two-point pages.
AntennaConstants CWizardPointDlg::PageAntenna() {
    switch (page_) {
        case WizardPage::kKnown1:
            if (values.selectBy == 1)
                return ReceiverTypeAntenna(static_cast<int>(SendDlgItemMessage(kReceiverType, CB_GETCURSEL)));
            if (sectionFound_)
                return {section_.AntHgtFactor, section_.GPSInstrumentHgt, section_.GpsInstrumentRadius};
            return run_.rover;
        case WizardPage::kUnknown1:
            return run_.rover;
        default:
            return {run_.rover.phaseOffset, run_.rover.poleOffset, kSecondStepRadius};
    }
}

bool CWizardPointDlg::StorePage() {
    if (!UpdateData(TRUE)) return false;
    if (!AcceptEntryFields(*this, {},
                           {{kX, values.point.x},
                            {kY, values.point.y},
                            {kH, values.point.h},
                            {kAntenna, values.point.antenna}}))
        return false;
    if (page_ == WizardPage::kUnknown1 && values.three &&
        MessageBox(L"确定使用三参数形式?", LoadStringResource(wizardtext::kInfoCaption),
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    const std::optional<double> vertical =
        VerticalAntennaHeight(ToDouble(values.point.antenna), values.heightType, PageAntenna());
    if (!vertical) {
        MessageBox(kSlantRefusal, L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kAntenna));
        return false;
    }
    const int slot = Slot();
    while (list_.GetCount() < slot)
        list_.AddRow({Format(L"%d", list_.GetCount()), L"0.0", L"0.0", L"0.0", L"0.0"});
    values.point.label = Format(L"%d", slot);
    list_.PutRow(slot, values.point);
    if (!list_.Save()) {
        MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    CoordSysParams params = host_.CoordParams();
    BaseCalibSlot& target = params.calib.slot[static_cast<size_t>(slot)];
    target.szdKx = ToDouble(values.point.x);
    target.szdKy = ToDouble(values.point.y);
    target.szdKh = ToDouble(values.point.h);
    target.szdKAnh = *vertical;
    params.adjust.UseNum = slot;
    if (page_ == WizardPage::kKnown1 && !WriteBaseKnownFile(host_.ResultFolder(), target.szdKx, target.szdKy,
                                                            target.szdKh + target.szdKAnh)) {
        MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (!host_.SaveCoordParams(params)) {
        MessageBox(L"文件保存失败!", L"提示", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    GeneralSettingsBlock settings = host_.Settings();
    settings.nAdjustAntType = values.heightType;
    if (!host_.SaveSettings(settings))
        MessageBox(LoadStringResource(wizardtext::kWriteJobFailed), L"提示", MB_OK | MB_ICONINFORMATION);
    if (page_ == WizardPage::kKnown1) run_.knownThreeParameter = values.three != 0;
    if (page_ == WizardPage::kUnknown1) run_.unknownThreeParameter = values.three != 0;
    run_.count = slot + 1;
    return true;
}

void CWizardPointDlg::OnCalibrate() {
    if (!StorePage()) return;
    run_.secondStep = false;
    EndDialog(IDOK);
}

void CWizardPointDlg::OnOK() {
    // The two-point form of an unknown base pairs the next fix with this point's surveyed position.
    if (page_ == WizardPage::kUnknown1) {
        const BaseCalibSlot& slot = host_.CoordParams().calib.slot[1];
        if (slot.szdSx == 0.0 && slot.szdSy == 0.0) {
            MessageBox(L"该点尚未校正,请先用单点校正!", L"提示", MB_OK | MB_ICONINFORMATION);
            return;
        }
    }
    if (!StorePage()) return;
    run_.secondStep = true;
    EndDialog(IDOK);
}

// ---- prompt

CCalibPromptDlg::CCalibPromptDlg(const CString& message, CWnd* parent)
    : CDialog(IDD, parent), message_(message) {}

BOOL CCalibPromptDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SetDlgItemText(calibprompt::kMessage, message_);
    return TRUE;
}
