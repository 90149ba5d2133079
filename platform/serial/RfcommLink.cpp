#include "platform/serial/RfcommLink.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace {
constexpr int kRfcommProtocol = 3;

// The kernel's RFCOMM socket address: the device address least significant byte first, and the channel.
struct RfcommAddress {
    sa_family_t family;
    std::array<uint8_t, 6> device;
    uint8_t channel;
};

bool ParseAddress(const std::string& text, std::array<uint8_t, 6>* out) {
    std::string digits;
    for (char c : text)
        if (c != ':') digits += c;
    if (digits.size() != 12) return false;
    for (size_t i = 0; i < 6; ++i) {
        unsigned value = 0;
        for (char c : digits.substr(i * 2, 2)) {
            const int digit = (c >= '0' && c <= '9')   ? c - '0'
                              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                       : -1;
            if (digit < 0) return false;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        (*out)[5 - i] = static_cast<uint8_t>(value);
    }
    return true;
}
}  // namespace

int OpenRfcommLink(const std::string& address, uint8_t channel, int timeoutMs) {
    RfcommAddress target{};
    if (!ParseAddress(address, &target.device)) return -1;
    target.family = AF_BLUETOOTH;
    target.channel = channel;
    const int fd = ::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, kRfcommProtocol);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) return fd;
    if (errno == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        if (::poll(&p, 1, timeoutMs) == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
            error == 0)
            return fd;
    }
    ::close(fd);
    return -1;
}
