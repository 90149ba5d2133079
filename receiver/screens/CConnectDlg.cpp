#include "receiver/screens/CConnectDlg.h"

#include <array>

#include "platform/messages/MessageBox.h"
#include "platform/serial/SerialPortMap.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/ProgressCtrl.h"
#include "receiver/AtBluetoothModule.h"
#include "receiver/BluezBluetoothModule.h"
#include "receiver/ReceiverHost.h"
#include "receiver/ReceiverMessages.h"

namespace {
using namespace connectdlg;
constexpr std::array<int, 6> kBaudRates = {4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kMethodCable = 0;
constexpr int kMethodBuiltIn = 2;
constexpr int kScanProgressEnd = 80;
constexpr int kConnectProgressEnd = 15;

bool IsReservedPort(int port) {
    return port == 1 || port == 4 || port == 6;
}
}  // namespace

CConnectDlg::CConnectDlg(IReceiverHost& frame, std::unique_ptr<IBluetoothModule> module)
    : CDialog(IDD), frame_(frame), module_(std::move(module)) {
    if (!module_ && SerialDevicePath(2) == kBluezLink) module_ = std::make_unique<CBluezBluetoothModule>();
    if (!module_) module_ = std::make_unique<CAtBluetoothModule>(frame.Port());
    BindCommand(kByMethod, &CConnectDlg::ApplyEnabling);
    BindCommand(kByPort, &CConnectDlg::ApplyEnabling);
    BindControl(kMethod, CBN_SELCHANGE, &CConnectDlg::ApplyEnabling);
    BindCommand(kScan, &CConnectDlg::OnScan);
    BindCommand(kStop, &CConnectDlg::OnStop);
    BindMessage(WM_SERIAL_DATA, &CConnectDlg::OnModuleNotify);
}

BOOL CConnectDlg::OnInitDialog() {
    for (const wchar_t* method : {L"电缆", L"CF蓝牙", L"内置蓝牙"})
        SendDlgItemMessage(kMethod, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(method));
    for (const wchar_t* baud : {L"4800", L"9600", L"19200", L"38400", L"57600", L"115200"})
        SendDlgItemMessage(kBaud, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(baud));
    for (size_t i = 0; i < kBaudRates.size(); ++i)
        if (kBaudRates[i] == nBaudRate) baudIndex_ = static_cast<int>(i);
    CDialog::OnInitDialog();
    CenterWindow();
    module_->Attach(m_hWnd, *this);
    firstSave_ = true;
    ApplyEnabling();
    LoadDeviceList();
    SetTimer(kTimerId, kTimerMs);
    return TRUE;
}

void CConnectDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, kByMethod, nChoice);
    DDX_CBIndex(pDX, kMethod, nMethod);
    DDX_Text(pDX, kPort, nInputPort);
    DDX_CBIndex(pDX, kBaud, baudIndex_);
}

void CConnectDlg::TellPortRefusal() {
    const CString refusal = module_->PortRefusal();
    if (!refusal.IsEmpty()) AfxMessageBox(refusal);
}

void CConnectDlg::ApplyEnabling() {
    const bool byMethod = IsDlgButtonChecked(kByPort) == 0;
    const int method = static_cast<int>(SendDlgItemMessage(kMethod, CB_GETCURSEL));
    GetDlgItem(kMethod)->EnableWindow(byMethod);
    GetDlgItem(kPort)->EnableWindow(!byMethod);
    GetDlgItem(kBaud)->EnableWindow(byMethod && method == kMethodCable);
    GetDlgItem(kScan)->EnableWindow(method == kMethodBuiltIn);
    GetDlgItem(kStop)->EnableWindow(FALSE);
}

void CConnectDlg::SetScanning(bool scanning) {
    GetDlgItem(kScan)->EnableWindow(!scanning);
    GetDlgItem(kMethod)->EnableWindow(!scanning);
    GetDlgItem(kStop)->EnableWindow(scanning);
}

void CConnectDlg::LoadDeviceList() {
    found_ = LoadBluetoothList(kBluetoothListPath);
    SendDlgItemMessage(kDevices, LB_RESETCONTENT);
    for (const BtDeviceEntry& device : found_)
        SendDlgItemMessage(kDevices, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(device.name.c_str()));
}

void CConnectDlg::ShowStatus(const CString& text) {
    if (!text.IsEmpty()) SetDlgItemText(kStatus, text);
}

void CConnectDlg::SetProgress(int pos) {
    static_cast<CProgressCtrl*>(GetDlgItem(kProgress))->SetPos(pos);
}

void CConnectDlg::StepProgress(int by) {
    auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
    progress->SetPos(progress->GetPos() + by);
}

void CConnectDlg::InquiryStarted() {
    found_.clear();
    SendDlgItemMessage(kDevices, LB_RESETCONTENT);
}

void CConnectDlg::DeviceFound(const BtDeviceEntry& device) {
    SendDlgItemMessage(kDevices, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(device.name.c_str()));
    found_.push_back(device);
    SaveBluetoothEntry(kBluetoothListPath, device, firstSave_);
    firstSave_ = false;
}

void CConnectDlg::InquiryEnded() {
    SetScanning(false);
}

void CConnectDlg::ScanIdle() {
    if (nMethod == kMethodBuiltIn) SetScanning(false);
}

void CConnectDlg::AddressSet() {
    Leave(IDOK);
}

void CConnectDlg::OnScan() {
    UpdateData(TRUE);
    firstSave_ = true;
    auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
    progress->SetRange(0, kScanProgressEnd);
    progress->SetPos(0);
    SendDlgItemMessage(kDevices, LB_RESETCONTENT);
    SetScanning(true);
    if (!module_->StartScan()) {
        TellPortRefusal();
        ApplyEnabling();
        MessageBox(L"串口打开失败，请检查是否被占用!");
    }
}

void CConnectDlg::OnStop() {
    module_->Cancel();
    SetScanning(false);
}

LRESULT CConnectDlg::OnModuleNotify(WPARAM wParam, LPARAM lParam) {
    module_->OnNotify(wParam, lParam);
    return 0;
}

void CConnectDlg::OnTimer(UINT_PTR id) {
    if (id != kTimerId) return;
    if (module_->Inquiring() && !module_->SettingAddress()) {
        auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
        if (progress->GetPos() + 2 > kScanProgressEnd) {
            progress->SetPos(kScanProgressEnd);
            ShowStatus(L"搜索蓝牙超时!");
            module_->AbandonInquiry();
            SetScanning(false);
        } else {
            StepProgress(2);
        }
    }
    module_->OnTick();
}

void CConnectDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (IsReservedPort(nInputPort)) {
        MessageBox(L"1,4,6为系统保留端口，请选择其他端口!");
        return;
    }
    const int selected = static_cast<int>(SendDlgItemMessage(kDevices, LB_GETCURSEL));
    if (nChoice == 0 && nMethod == kMethodBuiltIn) {
        if (found_.empty()) {
            MessageBox(L"没有搜索到主机，请选择其他方式进行连接！");
            return;
        }
        if (selected < 0) {
            MessageBox(L"请选择需要连接的主机！");
            return;
        }
        if (selected < static_cast<int>(found_.size())) {
            if (!module_->SetAddress(found_[static_cast<size_t>(selected)].address)) {
                TellPortRefusal();
                MessageBox(L"打开串口失败，请检查!");
                return;
            }
            if (HasEnded()) return;
            auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
            progress->SetRange(0, kConnectProgressEnd);
            progress->SetPos(0);
            return;
        }
    }
    module_->HandOver();
    if (nChoice == 0 && nMethod == kMethodCable) nBaudRate = kBaudRates[static_cast<size_t>(baudIndex_)];
    Leave(IDOK);
}

void CConnectDlg::OnCancel() {
    module_->Quit();
    Leave(IDCANCEL);
}

void CConnectDlg::Leave(int result) {
    module_->Detach();
    EndDialog(result);
}

void CConnectDlg::OnDestroy() {
    module_->Detach();
    CDialog::OnDestroy();
}
