#pragma once
// The program's one route to the receiver and its data-link modules: a serial port whose reader thread
// hands every received chunk to an owner window (and optionally a second one) as WM_SERIAL_DATA and
// posts WM_SERIAL_HANGUP to the owner when the device goes away, and the writers of raw bytes, text
// command lines and framed binary commands.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/base/WinTypes.h"
#include "platform/serial/CSerialDevice.h"  // the escape functions (SETDTR, ...) and line constants
#include "platform/text/CString.h"
#include "receiver/ReceiverPort.h"
#include "receiver/ReceiverProtocol.h"

// Why an open failed. The caller decides whether to tell the user (PortOpenFailureText): the frame
// retrying a lost device with back-off tells the user once per outage itself.
enum class PortOpenFailure { kNone, kBusy, kBluetoothRefused, kBadSettings, kNoReader };

// The text that tells the user of a failure; empty for none and for a reader that could not start.
CString PortOpenFailureText(PortOpenFailure failure);

class CSerialPort : public IReceiverPort {
public:
    static constexpr DWORD kChunkSize = 256;
    // Limits of a binary command: one token, the converted token text, the payload.
    static constexpr int kMaxTokenChars = 11;
    static constexpr size_t kMaxTokenTextBytes = 255;
    static constexpr size_t kMaxPayloadBytes = 250;

    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // "COM<n>:" at the given speed, 8 data bits, one stop bit, no parity.
    BOOL OpenPort(int portNumber, DWORD baudRate, PortOpenFailure* failure = nullptr) override;
    // Opens, configures and starts the reader; 0 when any step fails, with the reason in `failure`
    // when given. A port whose device hung up is closed first, so this is also how it is reopened.
    int Open(const wchar_t* portName, DWORD baudRate, BYTE byteSize, BYTE stopBits, BYTE parity,
             PortOpenFailure* failure = nullptr);
    // Stops and joins the reader, then closes the device. Safe from any handler of the UI thread.
    int Close() override;
    int StartReadThread();
    int StopReadThread();

    DWORD Write(const void* bytes, DWORD count) override;
    BOOL SendLine(CString text) override;
    // Builds the frame '$', id, ~id, length (LE16), payload, XOR; a token text over the limits sends
    // nothing and answers 0.
    DWORD SendBinaryCommand(BinaryCommand command, CString tokens) override;

    void SetOwner(HWND owner, UINT messageId);
    void SetSecondOwner(HWND owner, UINT messageId) override;
    void ClearSecondOwner() override;
    int GetPortNumber() const override { return portNumber_; }
    // False once the device has hung up (see WM_SERIAL_HANGUP) or the reader was stopped.
    BOOL IsOpen() const override;
    BOOL EscapeCommFunction(DWORD function) override;
    // Hears every modem-line change asked of the port: a pseudo-terminal has no lines to show them.
    void SetEscapeObserver(std::function<void(DWORD)> observer) { escapeObserver_ = std::move(observer); }

    struct Link;
    struct Reader;

private:
    int portNumber_ = 1;
    std::shared_ptr<Link> link_;
    std::shared_ptr<Reader> reader_;
    std::function<void(DWORD)> escapeObserver_;
};

// The payload of a binary command frame from its token text; false when a limit is passed.
bool BuildBinaryPayload(const CString& tokens, std::string* payload);
// The whole frame for a command id and payload.
std::string BuildBinaryFrame(BYTE commandId, const std::string& payload);
// Two lower-case hex digits: the byte sum of the hex pairs of `hexText` (blanks ignored).
CString HexByteSumChecksum(const CString& hexText);
