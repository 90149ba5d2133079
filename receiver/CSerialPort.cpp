#include "receiver/CSerialPort.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/messages/Messages.h"
#include "platform/serial/CSerialDevice.h"
#include "platform/serial/RfcommLink.h"
#include "platform/serial/SerialPortMap.h"
#include "platform/text/CodePage.h"
#include "platform/threads/StopSignal.h"
#include "receiver/BluetoothList.h"
#include "receiver/ReceiverMessages.h"

namespace {
// Receivers offer their serial-port profile on the first channel; a link not up by then is refused.
constexpr uint8_t kRfcommChannel = 1;
constexpr int kRfcommWaitMs = 8000;
}  // namespace

// What the reader thread touches. Shared, so that a reader left waiting on a busy window after Close
// never uses freed memory; the device itself is closed only under `deviceMutex`, which a reader holds
// while it reads.
struct CSerialPort::Link {
    CSerialDevice device;
    std::mutex deviceMutex;
    std::atomic<uint32_t> owner{0};
    std::atomic<uint32_t> secondOwner{0};
    std::atomic<bool> secondOwnerOn{false};
    std::atomic<UINT> messageId{0};
    std::atomic<int> portNumber{0};
    std::atomic<bool> hungUp{false};
};

struct CSerialPort::Reader {
    std::shared_ptr<Link> link;
    CStopSignal stop;
    std::thread thread;
    std::mutex doneMutex;
    std::condition_variable doneCv;
    bool done = false;
};

namespace {

constexpr int kJoinWaitMs = 500;
constexpr int kHangupFirstBackoffMs = 50;
constexpr int kHangupMaxBackoffMs = 1000;

void ReadLoop(const std::shared_ptr<CSerialPort::Reader>& reader) {
    CSerialPort::Link& link = *reader->link;
    std::vector<uint8_t> buffer(CSerialPort::kChunkSize);
    int backoffMs = kHangupFirstBackoffMs;
    while (!reader->stop.Requested()) {
        size_t received = 0;
        SerialReadStatus status;
        {
            std::lock_guard lock(link.deviceMutex);
            if (reader->stop.Requested() || !link.device.IsOpen()) break;
            status = link.device.Read(buffer.data(), buffer.size(), &received, reader->stop.PollFd());
        }
        if (status == SerialReadStatus::kStopped) break;
        if (status == SerialReadStatus::kHangup) {
            // The device is gone for good (a new one is a new open): tell the owner and stop reading.
            link.hungUp = true;
            PostMessage(HWND(link.owner.load()), WM_SERIAL_HANGUP,
                        static_cast<WPARAM>(link.portNumber.load()), 0);
            break;
        }
        if (status != SerialReadStatus::kData) {
            // Wait out a read error instead of spinning on it.
            if (reader->stop.WaitFor(backoffMs)) break;
            backoffMs = std::min(backoffMs * 2, kHangupMaxBackoffMs);
            continue;
        }
        backoffMs = kHangupFirstBackoffMs;
        const UINT message = link.messageId.load();
        const auto wParam = reinterpret_cast<WPARAM>(buffer.data());
        const auto lParam = static_cast<LPARAM>(received);
        if (SendMessageFromWorker(HWND(link.owner.load()), message, wParam, lParam, reader->stop) ==
            CrossThreadSendResult::kAbandoned)
            break;
        // A port closed from the owner's handler delivers nothing more.
        if (reader->stop.Requested()) break;
        if (link.secondOwnerOn.load() &&
            SendMessageFromWorker(HWND(link.secondOwner.load()), message, wParam, lParam, reader->stop) ==
                CrossThreadSendResult::kAbandoned)
            break;
    }
    std::lock_guard lock(reader->doneMutex);
    reader->done = true;
    reader->doneCv.notify_all();
}

// Stops a reader and joins it. A reader still waiting on the UI thread after the wait (Close called
// from inside the very handler it waits on) is let go: it never reads again and ends on its own.
void StopReader(const std::shared_ptr<CSerialPort::Reader>& reader) {
    reader->stop.Request();
    bool done;
    {
        std::unique_lock lock(reader->doneMutex);
        done = reader->doneCv.wait_for(lock, std::chrono::milliseconds(kJoinWaitMs),
                                       [&] { return reader->done; });
    }
    if (done)
        reader->thread.join();
    else
        reader->thread.detach();
}

}  // namespace

CSerialPort::CSerialPort() : link_(std::make_shared<Link>()) {}

CSerialPort::~CSerialPort() {
    Close();
}

CString PortOpenFailureText(PortOpenFailure failure) {
    switch (failure) {
        case PortOpenFailure::kBusy:
            return L"无法打开端口！请检查是否已被占用。";
        case PortOpenFailure::kBluetoothRefused:
            return L"蓝牙连接失败,请确认主机已开机并已配对!";
        case PortOpenFailure::kBadSettings:
            return L"无法按当前参数配置端口，请检查参数！";
        case PortOpenFailure::kNone:
        case PortOpenFailure::kNoReader:
            break;
    }
    return CString();
}

BOOL CSerialPort::OpenPort(int portNumber, DWORD baudRate, PortOpenFailure* failure) {
    CString name;
    name.Format(L"COM%d:", portNumber);
    if (!Open(name, baudRate, 8, ONESTOPBIT, NOPARITY, failure)) return FALSE;
    portNumber_ = portNumber;
    return TRUE;
}

int CSerialPort::Open(const wchar_t* portName, DWORD baudRate, BYTE byteSize, BYTE stopBits, BYTE parity,
                      PortOpenFailure* failure) {
    const auto fail = [failure](PortOpenFailure why) {
        if (failure) *failure = why;
        return 0;
    };
    if (failure) *failure = PortOpenFailure::kNone;
    if (link_->hungUp) Close();
    CSerialDevice& device = link_->device;
    const int number = SerialPortNumberFromName(portName ? portName : L"");
    if (device.IsOpen() || number < 1) {
        return fail(PortOpenFailure::kBusy);
    }
    const std::string path = SerialDevicePath(number);
    if (path == kBluezLink) {
        if (!device.AdoptLink(
                OpenRfcommLink(ToUtf8(LoadBluetoothAddress()), kRfcommChannel, kRfcommWaitMs))) {
            return fail(PortOpenFailure::kBluetoothRefused);
        }
    } else if (!device.Open(path)) {
        return fail(PortOpenFailure::kBusy);
    }
    link_->portNumber = number;
    if (!device.Configure(baudRate, byteSize, stopBits, parity)) {
        device.Purge();
        Close();
        return fail(PortOpenFailure::kBadSettings);
    }
    device.SetReadTimeouts({100, 1, 100});
    device.Purge();
    device.EscapeFunction(SETDTR);
    device.EscapeFunction(SETRTS);
    if (!StartReadThread()) {
        Close();
        return fail(PortOpenFailure::kNoReader);
    }
    return 1;
}

int CSerialPort::Close() {
    StopReadThread();
    std::lock_guard lock(link_->deviceMutex);
    if (link_->device.IsOpen()) {
        link_->device.Purge();
        link_->device.Close();
    }
    link_->hungUp = false;
    return 1;
}

int CSerialPort::StartReadThread() {
    if (!link_->device.IsOpen()) return 0;
    if (reader_) return 1;
    link_->device.Purge();
    auto reader = std::make_shared<Reader>();
    reader->link = link_;
    try {
        reader->thread = std::thread([reader] { ReadLoop(reader); });
    } catch (const std::system_error&) {
        return 0;
    }
    reader_ = std::move(reader);
    return 1;
}

int CSerialPort::StopReadThread() {
    if (!reader_) return 0;
    StopReader(std::exchange(reader_, nullptr));
    return 1;
}

DWORD CSerialPort::Write(const void* bytes, DWORD count) {
    if (!link_->device.IsOpen() || !bytes) return 0;
    return static_cast<DWORD>(link_->device.Write(static_cast<const uint8_t*>(bytes), count));
}

BOOL CSerialPort::SendLine(CString text) {
    text += L"\r\n";
    const std::string bytes = ToGbk(text);
    return Write(bytes.data(), static_cast<DWORD>(bytes.size())) != 0;
}

DWORD CSerialPort::SendBinaryCommand(BinaryCommand command, CString tokens) {
    if (!link_->device.IsOpen()) return 0;
    std::string payload;
    if (!BuildBinaryPayload(tokens, &payload)) return 0;
    const std::string frame = BuildBinaryFrame(static_cast<BYTE>(command), payload);
    return Write(frame.data(), static_cast<DWORD>(frame.size()));
}

void CSerialPort::SetOwner(HWND owner, UINT messageId) {
    link_->owner = owner.id();
    link_->messageId = messageId;
}

void CSerialPort::SetSecondOwner(HWND owner, UINT messageId) {
    link_->secondOwner = owner.id();
    link_->messageId = messageId;
    link_->secondOwnerOn = true;
}

void CSerialPort::ClearSecondOwner() {
    link_->secondOwnerOn = false;
    link_->secondOwner = 0;
}

BOOL CSerialPort::IsOpen() const {
    return reader_ != nullptr && !link_->hungUp;
}

BOOL CSerialPort::EscapeCommFunction(DWORD function) {
    if (escapeObserver_) escapeObserver_(function);
    if (!reader_) return 0;
    return link_->device.EscapeFunction(function) ? TRUE : FALSE;
}
