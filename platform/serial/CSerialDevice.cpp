#include "platform/serial/CSerialDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>

namespace {

bool SpeedOf(DWORD baudRate, speed_t* speed) {
    switch (baudRate) {
        case 1200:
            *speed = B1200;
            return true;
        case 2400:
            *speed = B2400;
            return true;
        case 4800:
            *speed = B4800;
            return true;
        case 9600:
            *speed = B9600;
            return true;
        case 19200:
            *speed = B19200;
            return true;
        case 38400:
            *speed = B38400;
            return true;
        case 57600:
            *speed = B57600;
            return true;
        case 115200:
            *speed = B115200;
            return true;
        case 230400:
            *speed = B230400;
            return true;
        case 460800:
            *speed = B460800;
            return true;
        case 921600:
            *speed = B921600;
            return true;
        default:
            return false;
    }
}

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Waits for input on the device or for a stop; revents of the device, or -1 when stopped.
int WaitReadable(int fd, int stopFd, int timeoutMs) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {stopFd, POLLIN, 0}};
    const nfds_t count = stopFd >= 0 ? 2 : 1;
    for (;;) {
        int n = poll(fds, count, timeoutMs);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return POLLERR;
        if (count == 2 && (fds[1].revents & POLLIN)) return -1;
        return fds[0].revents;
    }
}

}  // namespace

CSerialDevice::~CSerialDevice() {
    Close();
}

bool CSerialDevice::Open(const std::string& path) {
    Close();
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !isatty(fd)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool CSerialDevice::AdoptLink(int fd) {
    Close();
    if (fd < 0) return false;
    fd_ = fd;
    link_ = true;
    return true;
}

void CSerialDevice::Close() {
    link_ = false;
    if (fd_ < 0) return;
    flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

bool CSerialDevice::Configure(DWORD baudRate, BYTE byteSize, BYTE stopBits, BYTE parity) {
    if (fd_ < 0) return false;
    if (link_) return true;
    speed_t speed;
    if (!SpeedOf(baudRate, &speed) || byteSize < 5 || byteSize > 8 || parity > EVENPARITY) return false;
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) return false;
    cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS);
    static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= kSizes[byteSize - 5] | CLOCAL | CREAD;
    if (stopBits == TWOSTOPBITS) tio.c_cflag |= CSTOPB;
    if (parity != NOPARITY) tio.c_cflag |= PARENB | (parity == ODDPARITY ? PARODD : 0);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (cfsetispeed(&tio, speed) != 0 || cfsetospeed(&tio, speed) != 0) return false;
    return tcsetattr(fd_, TCSANOW, &tio) == 0;
}

bool CSerialDevice::Purge() {
    return fd_ >= 0 && (link_ || tcflush(fd_, TCIOFLUSH) == 0);
}

bool CSerialDevice::EscapeFunction(DWORD function) {
    if (fd_ < 0) return false;
    int bits = 0;
    unsigned long request = 0;
    switch (function) {
        case SETDTR:
            bits = TIOCM_DTR;
            request = TIOCMBIS;
            break;
        case CLRDTR:
            bits = TIOCM_DTR;
            request = TIOCMBIC;
            break;
        case SETRTS:
            bits = TIOCM_RTS;
            request = TIOCMBIS;
            break;
        case CLRRTS:
            bits = TIOCM_RTS;
            request = TIOCMBIC;
            break;
        case SETBREAK:
            return ioctl(fd_, TIOCSBRK) == 0 || errno == ENOTTY || errno == EINVAL;
        case CLRBREAK:
            return ioctl(fd_, TIOCCBRK) == 0 || errno == ENOTTY || errno == EINVAL;
        case SETXOFF:
            return tcflow(fd_, TCOOFF) == 0;
        case SETXON:
            return tcflow(fd_, TCOON) == 0;
        default:
            return false;
    }
    // A pseudo-terminal or a Bluetooth link has no modem lines: the request is ignored there.
    return ioctl(fd_, request, &bits) == 0 || errno == ENOTTY || errno == EINVAL;
}

SerialReadStatus CSerialDevice::Read(uint8_t* buffer, size_t size, size_t* received, int stopFd) {
    *received = 0;
    if (fd_ < 0 || size == 0) return SerialReadStatus::kError;
    int64_t deadline = -1;
    for (;;) {
        int timeout = -1;
        if (*received > 0) {
            const int64_t left = deadline - NowMs();
            if (left <= 0) return SerialReadStatus::kData;
            timeout = static_cast<int>(left < timeouts_.intervalMs || timeouts_.intervalMs == 0
                                           ? left
                                           : static_cast<int64_t>(timeouts_.intervalMs));
        }
        const int revents = WaitReadable(fd_, stopFd, timeout);
        if (revents < 0) return SerialReadStatus::kStopped;
        if (revents == 0) return SerialReadStatus::kData;  // idle after data: the chunk is complete
        ssize_t n = ::read(fd_, buffer + *received, size - *received);
        if (n > 0) {
            if (*received == 0)
                deadline = NowMs() +
                           static_cast<int64_t>(timeouts_.totalMultiplierMs) * static_cast<int64_t>(size) +
                           timeouts_.totalConstantMs;
            *received += static_cast<size_t>(n);
            if (*received == size) return SerialReadStatus::kData;
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (revents & (POLLHUP | POLLERR))
                return *received ? SerialReadStatus::kData : SerialReadStatus::kHangup;
            continue;
        }
        if (*received > 0) return SerialReadStatus::kData;
        // End of file, or EIO once the other end of a pseudo-terminal or a USB adapter is gone.
        return (n == 0 || errno == EIO || errno == ENXIO || errno == ENODEV) ? SerialReadStatus::kHangup
                                                                             : SerialReadStatus::kError;
    }
}

size_t CSerialDevice::Write(const uint8_t* bytes, size_t count) {
    if (fd_ < 0) return 0;
    size_t written = 0;
    while (written < count) {
        ssize_t n = ::write(fd_, bytes + written, count - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{fd_, POLLOUT, 0};
            if (poll(&p, 1, 2000) > 0 && !(p.revents & (POLLERR | POLLHUP))) continue;
        }
        break;
    }
    return written;
}
