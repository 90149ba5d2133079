#include "tools/receiver-sim/sim/CReceiverSimulator.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

#include "tools/receiver-sim/sim/SimHexPacket.h"

namespace sim {

namespace {

constexpr int kLeapSeconds = 18;
constexpr int64_t kDay = 86400;

// Days from 1970-01-01 of a civil date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int* y, int* m, int* d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (*m <= 2));
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// The simulated sky: nine GPS and six GLONASS satellites.
const Satellite kGps[] = {{2, 67, 45, 48},   {5, 41, 130, 45}, {6, 22, 210, 40},
                          {12, 55, 300, 47}, {15, 12, 80, 36}, {17, 33, 170, 42},
                          {19, 70, 260, 49}, {24, 18, 20, 38}, {25, 48, 340, 46}};
const Satellite kGlonass[] = {{65, 52, 100, 44}, {66, 28, 160, 40}, {72, 61, 240, 46},
                              {73, 15, 300, 35}, {80, 39, 20, 42},  {81, 24, 60, 39}};

}  // namespace

void PlayModemReceiver(SimOptions& options) {
    options.serial = "QZ9120382345678";
    options.dataLink = "GPRS";
}

CReceiverSimulator::CReceiverSimulator(SimOptions options)
    : options_(std::move(options)), random_(options_.seed) {
    channel_ = options_.radioChannel;
}

CReceiverSimulator::~CReceiverSimulator() {
    HangUp();
    if (slaveKeeper_ >= 0) close(slaveKeeper_);
}

bool CReceiverSimulator::Open() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return false;
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) return false;
    devicePath_ = name;
    // Kept open so that the terminal survives the program closing and reopening its port, and set raw
    // so that nothing is echoed or translated before the program configures its side.
    slaveKeeper_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper_ < 0) return false;
    termios tio{};
    tcgetattr(slaveKeeper_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slaveKeeper_, TCSANOW, &tio);
    return true;
}

CBluetoothModuleSim& CReceiverSimulator::PlayBluetoothModule() {
    if (!bluetooth_) bluetooth_ = std::make_unique<CBluetoothModuleSim>();
    return *bluetooth_;
}

void CReceiverSimulator::HangUp() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

Epoch CReceiverSimulator::CurrentEpoch() const {
    Epoch e;
    const int64_t startUtc = DaysFromCivil(2026, 12, 6) * kDay + 8 * 3600;
    const int64_t utcMs = startUtc * 1000 + nowMs_;
    const int64_t utc = utcMs / 1000;
    CivilFromDays(utc / kDay, &e.year, &e.month, &e.day);
    e.hour = static_cast<int>(utc % kDay / 3600);
    e.minute = static_cast<int>(utc % 3600 / 60);
    e.second = static_cast<double>(utc % 60) + static_cast<double>(utcMs % 1000) / 1000.0;
    const int64_t gpsMs = utcMs - DaysFromCivil(1980, 1, 6) * kDay * 1000 + kLeapSeconds * 1000;
    e.gpsWeek = static_cast<int>(gpsMs / (7 * kDay * 1000));
    e.gpsSecondsOfWeek = static_cast<double>(gpsMs % (7 * kDay * 1000)) / 1000.0;
    e.point = options_.script.At(static_cast<double>(nowMs_) / 1000.0);
    e.stationId = options_.script.stationId;
    e.gps.assign(std::begin(kGps), std::end(kGps));
    e.glonass.assign(std::begin(kGlonass), std::end(kGlonass));
    if (e.point.fix == FixKind::kFixed && nowMs_ < floatUntilMs_) e.point.fix = FixKind::kFloat;
    const FixKind fix = e.point.fix;
    e.gpsUsed = fix == FixKind::kNone ? 3 : fix == FixKind::kSingle ? 7 : 9;
    e.diffAge = (fix == FixKind::kNone || fix == FixKind::kSingle) ? 0 : static_cast<int>(utc % 3) + 1;
    return e;
}

std::string CReceiverSimulator::MaybeCorrupt(std::string sentence) {
    ++sentences_;
    if (faults_.badChecksumEvery <= 0 || sentences_ % static_cast<size_t>(faults_.badChecksumEvery) != 0)
        return sentence;
    const size_t star = sentence.rfind('*');
    if (star != std::string::npos && star + 1 < sentence.size())
        sentence[star + 1] = sentence[star + 1] == '0' ? '1' : '0';
    return sentence;
}

size_t CReceiverSimulator::EmitEpoch() {
    const Epoch e = CurrentEpoch();
    std::string out;
    if (options_.nmea) {
        out += MaybeCorrupt(GgaSentence(e));
        out += MaybeCorrupt(GsaSentence(e));
        for (const std::string& s : GsvSentences(e, false)) out += MaybeCorrupt(s);
        for (const std::string& s : GsvSentences(e, true)) out += MaybeCorrupt(s);
        out += MaybeCorrupt(GstSentence(e));
        out += MaybeCorrupt(ZdaSentence(e));
    }
    if (options_.boardLogs) {
        out += MaybeCorrupt(BestPosLog(e));
        if (nowMs_ >= nextRefStationMs_) {
            double x, y, z;
            const WalkPoint station = options_.script.Station();
            GeodeticToCartesian(station.latitude, station.longitude, station.height, &x, &y, &z);
            out += MaybeCorrupt(RefStationLog(e, x, y, z));
            nextRefStationMs_ = nowMs_ + options_.refStationSeconds * 1000;
        }
    }
    ++epochs_;
    return Send(out);
}

size_t CReceiverSimulator::Advance(int ms) {
    const int64_t end = nowMs_ + ms;
    const int64_t period = 1000 / std::max(1, std::min(20, options_.script.rateHz));
    size_t written = 0;
    while (nextEpochMs_ <= end) {
        nowMs_ = nextEpochMs_;
        if (nowMs_ >= silentUntilMs_ && !BehindUnlinkedModule()) written += EmitEpoch();
        nextEpochMs_ += period;
    }
    nowMs_ = end;
    return written;
}

size_t CReceiverSimulator::WriteRaw(const std::string& bytes) {
    return Send(bytes);
}

size_t CReceiverSimulator::Send(std::string bytes) {
    if (master_ < 0) return 0;
    size_t written = 0;
    while (written < bytes.size()) {
        size_t piece = bytes.size() - written;
        if (faults_.maxPiece > 0)
            piece = std::min(
                piece, static_cast<size_t>(std::uniform_int_distribution<int>(1, faults_.maxPiece)(random_)));
        const ssize_t n = write(master_, bytes.data() + written, piece);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the terminal's queue is full: what does not fit is lost, as on a real line
        sent_.append(bytes, written, static_cast<size_t>(n));
        written += static_cast<size_t>(n);
        if (faults_.pieceGapUs > 0) usleep(static_cast<useconds_t>(faults_.pieceGapUs));
    }
    return written;
}

int CReceiverSimulator::ServiceInput() {
    if (master_ < 0) return 0;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        received_.append(buffer, static_cast<size_t>(n));
        pending_.append(buffer, static_cast<size_t>(n));
    }
    const size_t answeredBefore = frames_.size() + lines_.size();
    while (!pending_.empty()) {
        const auto byte = [&](size_t i) { return static_cast<uint8_t>(pending_[i]); };
        if (byte(0) == '$' && pending_.size() >= 3 && byte(2) == static_cast<uint8_t>(~byte(1))) {
            if (pending_.size() < 5) break;
            const size_t total = 6 + (byte(3) | (byte(4) << 8));
            if (pending_.size() < total) break;
            HandleFrame(pending_.substr(0, total));
            pending_.erase(0, total);
        } else if (byte(0) == 0x55 && pending_.size() >= 2 && byte(1) == 0xAA) {
            if (pending_.size() < 3) break;
            const size_t total = 4 + byte(2);
            if (pending_.size() < total) break;
            HandleRadioFrame(pending_.substr(0, total));
            pending_.erase(0, total);
        } else if (byte(0) == '$' && pending_.size() < 3) {
            break;
        } else if (const size_t packet = HexPacketLength(pending_); packet != 0) {
            if (packet == std::string::npos) break;
            packets_.push_back(pending_.substr(0, packet));
            pending_.erase(0, packet);
        } else {
            const size_t lf = pending_.find('\n');
            if (lf == std::string::npos) {
                if (pending_.size() > 4096) pending_.clear();
                break;
            }
            std::string line = pending_.substr(0, lf);
            pending_.erase(0, lf + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) HandleLine(line);
        }
    }
    return static_cast<int>(frames_.size() + lines_.size() - answeredBefore);
}

bool CReceiverSimulator::Quiet(const std::string& request) const {
    for (const std::string& prefix : quiet_)
        if (request.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

bool CReceiverSimulator::BehindUnlinkedModule() const {
    return bluetooth_ && !bluetooth_->Linked();
}

void CReceiverSimulator::HandleFrame(const std::string& frame) {
    frames_.push_back(frame);
    if (BehindUnlinkedModule() || Quiet(frame)) return;
    const uint8_t id = static_cast<uint8_t>(frame[1]);
    const int payload = frame.size() > 6 ? static_cast<uint8_t>(frame[5]) : -1;
    if (id == 52) {
        Send(VersionReply(options_.serial, options_.board, options_.workMode, channel_, options_.dataLink));
    } else if (id == 53 && (payload == 1 || payload == 2)) {
        moduleOpen_ = true;
        Send(Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0x00, 0x01, 0xDB}));
    } else if (id == 53 && payload == 0 && moduleOpen_) {
        moduleOpen_ = false;
        Send(Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0x00, 0x00, 0xDA}));
    } else if (id == 54 && moduleOpen_) {
        Send("GPOK\r\n");
    }
}

void CReceiverSimulator::HandleRadioFrame(const std::string& frame) {
    frames_.push_back(frame);
    if (BehindUnlinkedModule() || !moduleOpen_ || Quiet(frame)) return;
    const uint8_t command = static_cast<uint8_t>(frame[3]);
    if (command == 0x24) {
        const int sum = 0x03 + 0x24 + channel_;
        Send(Bytes({0x55, 0xAB, 0x03, 0x24, channel_, 0x00, sum & 0xFF}));
    } else if (command == 0x07 && frame.size() >= 5) {
        channel_ = static_cast<uint8_t>(frame[4]);
        Send(Bytes({0x55, 0xAB, 0x02, 0x20, 0x00, 0x22}));
    }
}

void CReceiverSimulator::HandleLine(const std::string& line) {
    lines_.push_back(line);
    if (BehindUnlinkedModule()) {
        Send(bluetooth_->Answer(line));
        return;
    }
    if (Quiet(line)) return;
    if (moduleOpen_) {
        const std::string answer = modem_.Answer(line);
        if (!answer.empty()) {
            Send(answer);
            return;
        }
    }
    if (line.find("rtkcommand reset") != std::string::npos)
        floatUntilMs_ = nowMs_ + options_.floatSecondsAfterReset * 1000;
    else if (line.find("log,versiona,once") != std::string::npos)
        Send(VersionLog(CurrentEpoch(), options_.firmware));
}

}  // namespace sim
