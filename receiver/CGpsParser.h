#pragma once
// Turns one received line (NMEA sentence, board log or version reply) into changes of the live
// receiver state. Each line is judged alone; only the options, the version values, the extended
// solution status and the staging table of board type 5 persist between lines.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "foundation/CGpsState.h"
#include "platform/text/CString.h"
#include "receiver/ReceiverVersionInfo.h"

class IFrameServices;

// Line type codes of Parse.
enum GpsLineType : int {
    kLineNone = 0,
    kLineGga = 1,
    kLineGll = 2,
    kLineGsa = 3,
    kLineGst = 4,
    kLineGsv = 5,
    kLineRmc = 6,
    kLineVtg = 7,
    kLineZda = 8,
    kLineBestPos = 9,
    kLineRefStation = 10,
    kLineGnGsa = 11,
    kLineGlGsv = 12,
    kLineVersionLog = 13,
    kLineJrtk = 14,
    kLineBpq = 15,
};

class CGpsParser {
public:
    static constexpr int kStagingEntries = 30;

    explicit CGpsParser(IFrameServices& frame);
    virtual ~CGpsParser() = default;

    void SetFixLevel(int level) { fixLevel_ = level; }
    void SetTimeZone(int hours) { timeZone_ = hours; }

    // Classifies the line (its bytes as received, without the line end), parses it into `state`;
    // nonzero when the line was taken. A refused line (too long, a control character or a byte beyond
    // ASCII, a failed check, a number or time out of range) changes nothing.
    int Parse(std::string_view line, CGpsState& state, int& type);
    // The same for a line already in wide text.
    int Parse(const CString& line, CGpsState& state, int& type);
    // A line containing "GPXXX": the receiver's version reply, its texts put into `state` and what it
    // told returned; none (nothing changes) when it fails the same screening and check as a sentence.
    std::optional<VersionReport> ParseVersion(CString line, CGpsState& state);
    // The board firmware version of the last "VERSIONA" log; 0 before one arrived.
    double FirmwareVersion() const { return firmwareVersion_; }
    // The display text of a solution word.
    CString SolutionStateText(const CString& solutionText) const;

    // Reflected CRC-32 (0xEDB88320, initial 0, no final inversion) of the low bytes of the characters.
    static uint32_t Crc32(int length, const wchar_t* text);
    static uint32_t Crc32(std::string_view bytes);

private:
    struct StagedSatellite {
        int32_t number = 0;
        int32_t elevation = 0;
        int32_t azimuth = 0;
        int32_t signal = 0;
    };

    int BoardType() const;
    int ParseGga(std::string_view line, CGpsState& state);
    int ParseGsa(std::string_view line, CGpsState& state);
    int ParseGnGsa(std::string_view line, CGpsState& state);
    int ParseGsv(std::string_view line, CGpsState& state, bool glonass);
    int ParseGsvStaged(std::string_view line, CGpsState& state);
    int ParseGst(std::string_view line, CGpsState& state);
    int ParseZda(std::string_view line, CGpsState& state);
    int ParseBestPos(std::string_view line, CGpsState& state);
    int ParseRefStation(std::string_view line, CGpsState& state);
    int ParseVersionLog(std::string_view line);
    int ParseJrtk(std::string_view line, CGpsState& state);
    int ParseBpq(std::string_view line, CGpsState& state);
    void SetBestPosTime(int64_t secondsOfWeek, CGpsState& state) const;
    void SetPositionType(std::string_view type, CGpsState& state) const;

    IFrameServices& frame_;
    std::array<StagedSatellite, kStagingEntries> staging_{};
    int32_t fixLevel_ = 0;
    int32_t timeZone_ = 8;
    double firmwareVersion_ = 0.0;
    double instrumentHeight_ = 0.092;
    int32_t workMode_ = 0;
    int32_t receiverKind_ = 0;
    double antennaHeightFactor_ = 0.0131;
    int32_t l1Option_ = 0;
    int32_t linkKind_ = 0;
    int32_t serialForm_ = 0;
    double instrumentRadius_ = 0.0;
    int32_t language_ = 0;
    int32_t extStatusVerified_ = 0;
    int32_t extStatusPresent_ = 0;
};
