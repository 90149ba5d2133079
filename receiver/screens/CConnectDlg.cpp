#include "receiver/screens/CConnectDlg.h"

#include <array>

#include "platform/text/CodePage.h"
#include "platform/time/Clock.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/ProgressCtrl.h"
#include "receiver/CSerialPort.h"
#include "receiver/IFrameServices.h"
#include "receiver/ReceiverMessages.h"

namespace {
using namespace connectdlg;
constexpr std::array<int, 6> kBaudRates = {4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kModulePort = 2;
constexpr DWORD kModuleBaud = 9600;
constexpr int kMethodCable = 0;
constexpr int kMethodBuiltIn = 2;
constexpr int kScanProgressEnd = 80;
constexpr int kConnectProgressEnd = 15;
constexpr int kMaxPendingChars = 300;

bool IsReservedPort(int port) {
    return port == 1 || port == 4 || port == 6;
}
}  // namespace

CConnectDlg::CConnectDlg(IFrameServices& frame) : CDialog(IDD), frame_(frame) {
    BindCommand(kByMethod, &CConnectDlg::ApplyEnabling);
    BindCommand(kByPort, &CConnectDlg::ApplyEnabling);
    BindControl(kMethod, CBN_SELCHANGE, &CConnectDlg::ApplyEnabling);
    BindCommand(kScan, &CConnectDlg::OnScan);
    BindCommand(kStop, &CConnectDlg::OnStop);
    BindMessage(WM_SERIAL_DATA, &CConnectDlg::OnSerialData);
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
    firstSave_ = true;
    connecting_ = false;
    inquiring_ = false;
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

void CConnectDlg::StepProgress(int by) {
    auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
    progress->SetPos(progress->GetPos() + by);
}

bool CConnectDlg::HasCommand() const {
    return !current_.commandText.IsEmpty() || !queue_.empty();
}

void CConnectDlg::SendNext() {
    current_.Reset();
    current_.timeout = -1;
    if (queue_.empty()) return;
    current_ = queue_.front();
    queue_.pop_front();
    ShowStatus(current_.name);
    WriteCurrent();
}

void CConnectDlg::WriteCurrent() {
    StepProgress(2);
    const std::string bytes = ToGbk(current_.commandText);
    if (frame_.SerialPort().Write(bytes.data(), static_cast<DWORD>(bytes.size())) == 0)
        ShowStatus(L"写入端口失败!");
}

void CConnectDlg::OnScan() {
    UpdateData(TRUE);
    connecting_ = false;
    firstSave_ = true;
    CSerialPort& port = frame_.SerialPort();
    port.SetSecondOwner(m_hWnd, WM_SERIAL_DATA);
    auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
    progress->SetRange(0, kScanProgressEnd);
    progress->SetPos(0);
    SendDlgItemMessage(kDevices, LB_RESETCONTENT);
    port.Close();
    if (!port.OpenPort(kModulePort, kModuleBaud)) {
        MessageBox(L"串口打开失败，请检查是否被占用!");
        return;
    }
    port.EscapeCommFunction(CLRRTS);
    inquiring_ = false;
    current_.Reset();
    queue_ = {BtCheckCommand(), BtMasterRoleCommand(), BtInquiryCommand()};
    SendNext();
    SetScanning(true);
}

void CConnectDlg::OnStop() {
    queue_.clear();
    current_.Reset();
    inquiring_ = false;
    ShowStatus(L"停止搜索");
    frame_.SerialPort().EscapeCommFunction(CLRDTR);
    queue_.push_back(BtCancelCommand());
    SendNext();
    SetScanning(false);
}

LRESULT CConnectDlg::OnSerialData(WPARAM wParam, LPARAM lParam) {
    received_ +=
        FromGbk(std::string_view(reinterpret_cast<const char*>(wParam), static_cast<size_t>(lParam)));
    int lf;
    while ((lf = received_.Find(L'\n')) >= 0) {
        const CString raw = received_.Left(lf);
        received_ = received_.Mid(lf + 1);
        const int cr = raw.Find(L'\r');
        const CString line = cr < 0 ? raw : raw.Left(cr);
        if (!line.IsEmpty()) HandleLine(line);
        if (HasEnded()) return 0;
    }
    if (received_.GetLength() > kMaxPendingChars) received_.Empty();
    return 0;
}

void CConnectDlg::HandleLine(const CString& line) {
    if (!current_.commandText.IsEmpty() && line.Find(current_.replyText) >= 0) {
        if (connecting_) {
            static_cast<CProgressCtrl*>(GetDlgItem(kProgress))->SetPos(kConnectProgressEnd);
            ShowStatus(current_.successText);
            SendNext();
            connecting_ = false;
            Leave(IDOK);
            return;
        }
        const CString& command = current_.commandText;
        auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
        if (command.Find(L"AT+ROLE=1") >= 0) {
            progress->SetPos(20);
        } else if (command.Find(L"AT+INQ") >= 0) {
            inquiring_ = true;
            found_.clear();
            SendDlgItemMessage(kDevices, LB_RESETCONTENT);
        } else if (command.Find(L"AT+CANCEL") >= 0) {
        } else if (command.Find(L"AT") >= 0) {
            progress->SetPos(10);
        }
        ShowStatus(current_.successText);
        SendNext();
    }
    if (!inquiring_) return;
    BtDeviceEntry device;
    if (ParseInquiryResult(line, &device)) {
        SendDlgItemMessage(kDevices, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(device.name.c_str()));
        found_.push_back(device);
        SaveBluetoothEntry(kBluetoothListPath, device, firstSave_);
        firstSave_ = false;
    } else if (line.Find(L"+INQCOMP") >= 0) {
        inquiring_ = false;
        SetScanning(false);
        ShowStatus(L"搜索蓝牙成功!");
    }
}

void CConnectDlg::OnTimer(UINT_PTR id) {
    if (id != kTimerId) return;
    CSerialPort& port = frame_.SerialPort();
    if (connecting_) {
        if (!HasCommand()) return;
        if (current_.timeout >= 0) {
            current_.timeout -= 2;
            WriteCurrent();
            return;
        }
        // The module never took the address: say so and stay, rather than connect as if linked.
        ShowStatus(current_.timeoutText);
        SendNext();
        port.Close();
        connecting_ = false;
        port.ClearSecondOwner();
        return;
    }
    if (inquiring_) {
        auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
        if (progress->GetPos() + 2 > kScanProgressEnd) {
            progress->SetPos(kScanProgressEnd);
            ShowStatus(L"搜索蓝牙超时!");
            inquiring_ = false;
            SetScanning(false);
            port.Close();
        } else {
            StepProgress(2);
        }
    }
    if (!HasCommand()) return;
    if (current_.timeout >= 0) {
        current_.timeout -= 1;
        WriteCurrent();
        return;
    }
    ShowStatus(current_.timeoutText);
    if (queue_.empty() && nMethod == kMethodBuiltIn) SetScanning(false);
    SendNext();
}

void CConnectDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (IsReservedPort(nInputPort)) {
        MessageBox(L"1,4,6为系统保留端口，请选择其他端口!");
        return;
    }
    CSerialPort& port = frame_.SerialPort();
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
            connecting_ = true;
            if (!port.IsOpen() || port.GetPortNumber() != kModulePort) {
                port.Close();
                if (!port.OpenPort(kModulePort, kModuleBaud)) {
                    MessageBox(L"打开串口失败，请检查!");
                    connecting_ = false;
                    return;
                }
            }
            port.SetSecondOwner(m_hWnd, WM_SERIAL_DATA);
            port.EscapeCommFunction(CLRDTR);
            queue_.clear();
            queue_.push_back(BtConnectCommand(found_[static_cast<size_t>(selected)].address));
            SendNext();
            auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(kProgress));
            progress->SetRange(0, kConnectProgressEnd);
            progress->SetPos(0);
            return;
        }
    }
    if (port.IsOpen()) {
        port.EscapeCommFunction(SETDTR);
        port.Close();
        Sleep(100);
    }
    if (nChoice == 0 && nMethod == kMethodCable) nBaudRate = kBaudRates[static_cast<size_t>(baudIndex_)];
    Leave(IDOK);
}

void CConnectDlg::OnCancel() {
    CSerialPort& port = frame_.SerialPort();
    if (port.IsOpen()) {
        port.EscapeCommFunction(SETRTS);
        Sleep(100);
    }
    Leave(IDCANCEL);
}

void CConnectDlg::Leave(int result) {
    frame_.SerialPort().ClearSecondOwner();
    EndDialog(result);
}

void CConnectDlg::OnDestroy() {
    frame_.SerialPort().ClearSecondOwner();
    CDialog::OnDestroy();
}
