#include "platform/serial/SerialPortMap.h"

#include <cstdlib>
#include <map>
#include <mutex>

namespace {

std::mutex g_mutex;
std::map<int, std::string>& Overrides() {
    static std::map<int, std::string> overrides;
    return overrides;
}

int LeadingPortNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (text.size() >= i + 3 && (text[i] == 'C' || text[i] == 'c') &&
        (text[i + 1] == 'O' || text[i + 1] == 'o') && (text[i + 2] == 'M' || text[i + 2] == 'm'))
        i += 3;
    int number = 0;
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && number < 100000) {
        number = number * 10 + (text[i] - '0');
        any = true;
        ++i;
    }
    return any ? number : 0;
}

// The entry for `portNumber` in QZ_SERIAL_PORTS, empty when absent.
std::string FromEnvironment(int portNumber) {
    const char* env = std::getenv("QZ_SERIAL_PORTS");
    if (!env) return {};
    std::string all(env);
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find_first_of(",;", start);
        if (end == std::string::npos) end = all.size();
        std::string pair = all.substr(start, end - start);
        size_t eq = pair.find('=');
        if (eq != std::string::npos && LeadingPortNumber(pair.substr(0, eq)) == portNumber)
            return pair.substr(eq + 1);
        start = end + 1;
    }
    return {};
}

}  // namespace

std::string SerialDevicePath(int portNumber) {
    if (portNumber < 1) return {};
    {
        std::lock_guard lock(g_mutex);
        auto it = Overrides().find(portNumber);
        if (it != Overrides().end()) return it->second;
    }
    std::string fromEnv = FromEnvironment(portNumber);
    if (!fromEnv.empty()) return fromEnv;
    switch (portNumber) {
        case 5:
            return "/dev/ttyUSB0";
        case 3:
            return "/dev/rfcomm0";
        case 2:
            return kBluezLink;
        default:
            return "/dev/ttyS" + std::to_string(portNumber - 1);
    }
}

int SerialPortNumberFromName(const std::wstring& name) {
    std::string narrow;
    for (wchar_t ch : name) narrow += (ch > 0 && ch < 128) ? static_cast<char>(ch) : '?';
    if (narrow.size() < 4) return 0;
    std::string prefix = narrow.substr(0, 3);
    for (char& c : prefix) c = static_cast<char>(c & ~0x20);
    if (prefix != "COM") return 0;
    return LeadingPortNumber(narrow);
}

void SetSerialDevicePath(int portNumber, const std::string& path) {
    std::lock_guard lock(g_mutex);
    if (path.empty())
        Overrides().erase(portNumber);
    else
        Overrides()[portNumber] = path;
}
