#include "receiver/AtBluetoothModule.h"

#include <string_view>

#include "platform/text/CodePage.h"
#include "platform/time/Clock.h"
#include "receiver/CSerialPort.h"
#include "receiver/ReceiverMessages.h"

namespace {
constexpr int kModulePort = 2;
constexpr DWORD kModuleBaud = 9600;
constexpr int kConnectProgressEnd = 15;
constexpr int kMaxPendingChars = 300;
}  // namespace

void CAtBluetoothModule::Attach(HWND window, IBluetoothEvents& events) {
    window_ = window;
    events_ = &events;
}

bool CAtBluetoothModule::HasCommand() const {
    return !current_.commandText.IsEmpty() || !queue_.empty();
}

void CAtBluetoothModule::SendNext() {
    current_.Reset();
    current_.timeout = -1;
    if (queue_.empty()) return;
    current_ = queue_.front();
    queue_.pop_front();
    events_->ShowStatus(current_.name);
    WriteCurrent();
}

void CAtBluetoothModule::WriteCurrent() {
    events_->StepProgress(2);
    const std::string bytes = ToGbk(current_.commandText);
    if (port_.Write(bytes.data(), static_cast<DWORD>(bytes.size())) == 0)
        events_->ShowStatus(L"写入端口失败!");
}

bool CAtBluetoothModule::StartScan() {
    connecting_ = false;
    port_.SetSecondOwner(window_, WM_SERIAL_DATA);
    port_.Close();
    if (!port_.OpenPort(kModulePort, kModuleBaud, &refusal_)) return false;
    port_.EscapeCommFunction(CLRRTS);
    inquiring_ = false;
    current_.Reset();
    queue_ = {BtCheckCommand(), BtMasterRoleCommand(), BtInquiryCommand()};
    SendNext();
    return true;
}

void CAtBluetoothModule::Cancel() {
    queue_.clear();
    current_.Reset();
    inquiring_ = false;
    events_->ShowStatus(L"停止搜索");
    port_.EscapeCommFunction(CLRDTR);
    queue_.push_back(BtCancelCommand());
    SendNext();
}

bool CAtBluetoothModule::SetAddress(const CString& address) {
    connecting_ = true;
    if (!port_.IsOpen() || port_.GetPortNumber() != kModulePort) {
        port_.Close();
        if (!port_.OpenPort(kModulePort, kModuleBaud, &refusal_)) {
            connecting_ = false;
            return false;
        }
    }
    port_.SetSecondOwner(window_, WM_SERIAL_DATA);
    port_.EscapeCommFunction(CLRDTR);
    queue_.clear();
    queue_.push_back(BtConnectCommand(address));
    SendNext();
    return true;
}

void CAtBluetoothModule::AbandonInquiry() {
    inquiring_ = false;
    port_.Close();
}

void CAtBluetoothModule::OnNotify(WPARAM wParam, LPARAM lParam) {
    received_ +=
        FromGbk(std::string_view(reinterpret_cast<const char*>(wParam), static_cast<size_t>(lParam)));
    int lf;
    while ((lf = received_.Find(L'\n')) >= 0) {
        const CString raw = received_.Left(lf);
        received_ = received_.Mid(lf + 1);
        const int cr = raw.Find(L'\r');
        const CString line = cr < 0 ? raw : raw.Left(cr);
        if (!line.IsEmpty()) HandleLine(line);
        if (addressTaken_) return;
    }
    if (received_.GetLength() > kMaxPendingChars) received_.Empty();
}

void CAtBluetoothModule::HandleLine(const CString& line) {
    if (!current_.commandText.IsEmpty() && line.Find(current_.replyText) >= 0) {
        if (connecting_) {
            events_->SetProgress(kConnectProgressEnd);
            events_->ShowStatus(current_.successText);
            SendNext();
            connecting_ = false;
            addressTaken_ = true;
            events_->AddressSet();
            return;
        }
        const CString& command = current_.commandText;
        if (command.Find(L"AT+ROLE=1") >= 0) {
            events_->SetProgress(20);
        } else if (command.Find(L"AT+INQ") >= 0) {
            inquiring_ = true;
            events_->InquiryStarted();
        } else if (command.Find(L"AT+CANCEL") >= 0) {
        } else if (command.Find(L"AT") >= 0) {
            events_->SetProgress(10);
        }
        events_->ShowStatus(current_.successText);
        SendNext();
    }
    if (!inquiring_) return;
    BtDeviceEntry device;
    if (ParseInquiryResult(line, &device)) {
        events_->DeviceFound(device);
    } else if (line.Find(L"+INQCOMP") >= 0) {
        inquiring_ = false;
        events_->InquiryEnded();
        events_->ShowStatus(L"搜索蓝牙成功!");
    }
}

void CAtBluetoothModule::OnTick() {
    if (!HasCommand()) return;
    if (connecting_) {
        if (current_.timeout >= 0) {
            current_.timeout -= 2;
            WriteCurrent();
            return;
        }
        // The module never took the address: say so and stay, rather than connect as if linked.
        events_->ShowStatus(current_.timeoutText);
        SendNext();
        port_.Close();
        connecting_ = false;
        port_.ClearSecondOwner();
        return;
    }
    if (current_.timeout >= 0) {
        current_.timeout -= 1;
        WriteCurrent();
        return;
    }
    events_->ShowStatus(current_.timeoutText);
    if (queue_.empty()) events_->ScanIdle();
    SendNext();
}

void CAtBluetoothModule::HandOver() {
    if (!port_.IsOpen()) return;
    port_.EscapeCommFunction(SETDTR);
    port_.Close();
    Sleep(100);
}

void CAtBluetoothModule::Quit() {
    if (!port_.IsOpen()) return;
    port_.EscapeCommFunction(SETRTS);
    Sleep(100);
}

void CAtBluetoothModule::Detach() {
    port_.ClearSecondOwner();
}
