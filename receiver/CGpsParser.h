#pragma once
// Turns one received line (NMEA sentence, board log or version reply) into changes of the live
// receiver state. Each line is judged alone; only the options, the version values, the extended
// solution status and the staging table of board type 5 persist between lines. What it needs of the
// program comes as a value (ParserSettings) from its owner.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "foundation/CGpsState.h"
#include "platform/text/CString.h"
#include "receiver/ParserSettings.h"
#include "receiver/ReceiverVersionInfo.h"

class FieldViews;

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
    // The lines read, one row each: name, framing, field counts and decoder (CGpsParser.cpp).
    struct Sentence;

    explicit CGpsParser(const ParserSettings& settings = {}) : settings_(settings) {}
    virtual ~CGpsParser() = default;

    // The owner hands the settings over whenever they may have changed.
    void UseSettings(const ParserSettings& settings) { settings_ = settings; }
    const ParserSettings& Settings() const { return settings_; }

    // Classifies the line (its bytes as received, without the line end), parses it into `state`;
    // nonzero when the line was taken. A refused line (too long, a control character or a byte beyond
    // ASCII, a failed check, a number or time out of range) changes nothing: after a refused GSA the
    // last good satellites and DOPs stand until the next GSA is taken.
    int Parse(std::string_view line, CGpsState& state, int& type);
    // The same for a line already in wide text.
    int Parse(const CString& line, CGpsState& state, int& type);
    // A line containing "GPXXX": the receiver's version reply, its texts put into `state` and what it
    // told returned; none (nothing changes) when it fails the same screening and check as a sentence.
    std::optional<VersionReport> ParseVersion(CString line, CGpsState& state);
    // The receiver's own time that the last line taken gave, as a UTC time of day in ms (a position log's
    // GPS time less the leap seconds); none when it gave none.
    std::optional<uint32_t> LineUtcMs() const { return lineUtcMs_; }
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

    // The boards whose position comes from their own log, and a base of the "$J" family, take a GGA
    // unread.
    bool TakesGgaUnread() const;
    // The decoders of the rows: each gets the fields of a line whose framing and field count its row
    // accepted; nonzero when the line was taken.
    int ParseGga(const FieldViews& f, CGpsState& state);
    int ParseGsa(const FieldViews& f, CGpsState& state);
    int ParseGnGsa(const FieldViews& f, CGpsState& state);
    int ParseGpGsv(const FieldViews& f, CGpsState& state);
    int ParseGlGsv(const FieldViews& f, CGpsState& state);
    int ParseGsv(const FieldViews& f, CGpsState& state, bool glonass);
    int ParseGsvStaged(const FieldViews& f, CGpsState& state);
    int ParseGst(const FieldViews& f, CGpsState& state);
    int ParseZda(const FieldViews& f, CGpsState& state);
    int ParseBestPos(const FieldViews& f, CGpsState& state);
    int ParseRefStation(const FieldViews& f, CGpsState& state);
    int ParseVersionLog(const FieldViews& f, CGpsState& state);
    int ParseJrtk(const FieldViews& f, CGpsState& state);
    int ParseBpq(const FieldViews& f, CGpsState& state);
    // A base position reply: its earth-centred position, and the fix itself in base work mode.
    void TakeBasePosition(double latitude, double longitude, double height, CGpsState& state) const;
    // The log's GPS time (week and seconds) as the local time of day and the line's UTC time.
    void SetBestPosTime(int week, double secondsOfWeek, CGpsState& state);
    void SetPositionType(std::string_view type, CGpsState& state) const;

    ParserSettings settings_;
    std::optional<uint32_t> lineUtcMs_;
    std::array<StagedSatellite, kStagingEntries> staging_{};
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
