#pragma once
// One open serial device over termios: line settings, read time-outs, purge, modem lines, and reads that
// a stop request interrupts at once. The device is locked for the opener, so a second open of the same
// port fails as it does on the handheld.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/WinTypes.h"

constexpr BYTE NOPARITY = 0;
constexpr BYTE ODDPARITY = 1;
constexpr BYTE EVENPARITY = 2;
constexpr BYTE ONESTOPBIT = 0;
constexpr BYTE TWOSTOPBITS = 2;

// Escape functions of EscapeCommFunction.
constexpr DWORD SETXOFF = 1;
constexpr DWORD SETXON = 2;
constexpr DWORD SETRTS = 3;
constexpr DWORD CLRRTS = 4;
constexpr DWORD SETDTR = 5;
constexpr DWORD CLRDTR = 6;
constexpr DWORD SETBREAK = 8;
constexpr DWORD CLRBREAK = 9;

// Read time-outs in milliseconds, as the handheld's port takes them: a read ends when the line is idle
// for `intervalMs` after a byte, or after `totalMultiplierMs` per byte asked plus `totalConstantMs`.
struct SerialReadTimeouts {
    DWORD intervalMs = 0;
    DWORD totalMultiplierMs = 0;
    DWORD totalConstantMs = 0;
};

enum class SerialReadStatus {
    kData,     // at least one byte
    kStopped,  // the stop descriptor became readable
    kHangup,   // the device went away (unplugged, link dropped, the other end closed)
    kError,
};

class CSerialDevice {
public:
    CSerialDevice() = default;
    ~CSerialDevice();
    CSerialDevice(const CSerialDevice&) = delete;
    CSerialDevice& operator=(const CSerialDevice&) = delete;

    // Opens the device for reading and writing and locks it; false when missing or held by another.
    bool Open(const std::string& path);
    // Takes an open link (a socket) in place of a device: no line settings, no purge, no modem lines.
    bool AdoptLink(int fd);
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

    // 8-N-1 style settings: raw bytes, no flow control, no parity checking of the input.
    bool Configure(DWORD baudRate, BYTE byteSize, BYTE stopBits, BYTE parity);
    void SetReadTimeouts(const SerialReadTimeouts& timeouts) { timeouts_ = timeouts; }
    // Discards what is queued both ways.
    bool Purge();
    // DTR, RTS, XON/XOFF and break; a device without modem lines (a pseudo-terminal) ignores them.
    bool EscapeFunction(DWORD function);

    // Waits for data without a time limit; then gathers up to `size` bytes under the read time-outs.
    // Returns at once with kStopped when `stopFd` becomes readable.
    SerialReadStatus Read(uint8_t* buffer, size_t size, size_t* received, int stopFd);
    // Writes everything (waiting while the device queue is full); the count actually written.
    size_t Write(const uint8_t* bytes, size_t count);

private:
    int fd_ = -1;
    bool link_ = false;
    SerialReadTimeouts timeouts_;
};
