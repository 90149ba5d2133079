#pragma once
// The receiver's latest output, filled field by field by the parser and the main frame. A plain value:
// every window that gets a position keeps its own full copy.
#include <array>
#include <cstdint>
#include <optional>
#include "platform/text/CString.h"

// One satellite in view. GLONASS numbers are held as reported minus 27.
struct GpsSatellite {
    int32_t number = 0;
    int32_t elevation = 0;  // whole degrees
    int32_t azimuth = 0;    // whole degrees
    int32_t signal = 0;     // dB-Hz, capped at 51
    int32_t used = 0;       // 1 when in the constellation's used list when the entry was filled

    // Leaves `used`: every parser that fills an entry sets it.
    void Reset() { number = elevation = azimuth = signal = 0; }
};

// The receiver's identification texts: serial number, field 2 of the version reply, field 3 twice.
struct GpsTextBlock {
    std::array<CString, 4> text;
    int32_t number = 0;

    void Reset() { *this = GpsTextBlock{}; }
};

// Solution codes of `solutionCode`.
enum GpsSolutionCode : int32_t {
    kSolNfix = 0,
    kSolNone = 1,
    kSolFixedPos = 2,
    kSolFixedHeight = 3,
    kSolFixedVel = 4,
    kSolSingle = 5,
    kSolPsrDiff = 6,
    kSolWaas = 7,
    kSolFloat = 8,
    kSolWideInt = 9,
    kSolFixed = 10,
    kSolL1Float = 11,
    kSolL1Int = 12,
};

struct CGpsState {
    static constexpr int kMaxSatellites = 20;

    int32_t fixFlag = 0;  // 1 once the main frame has taken a position
    // Program clock when the position was last current (FixAge.h): when its content first arrived, or
    // earlier when the receiver's own times had moved on; none for a state the frame never stamped.
    std::optional<int64_t> fixTimeMs;
    uint32_t fixIntervalMs = 0;  // the receiver's output interval as last seen; 0 not yet known
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
    std::array<int32_t, kMaxSatellites> gpsUsedList{};  // satellite numbers of the GSA fields
    std::array<int32_t, kMaxSatellites> gloUsedList{};  // as reported (above 32)
    int32_t gpsInView = 0;
    int32_t gpsUsedCount = 0;
    std::array<GpsSatellite, kMaxSatellites> gpsSatellites{};
    int32_t gloInView = 0;
    int32_t gloUsedCount = 0;
    std::array<GpsSatellite, kMaxSatellites> gloSatellites{};
    double rmsH = 0.0;  // metres
    double rmsV = 0.0;
    CString solutionText;
    int32_t diffAge = 0;       // whole seconds
    int32_t solutionCode = 0;  // GpsSolutionCode
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    double latitude = 0.0;  // decimal degrees, WGS-84
    double longitude = 0.0;
    double height = 0.0;  // ellipsoidal, metres
    double gridX = 0.0;   // north after all corrections
    double gridY = 0.0;
    double gridH = 0.0;
    double projX = 0.0;  // after the projection, before four-parameter and height-fit corrections
    double projY = 0.0;
    double projH = 0.0;
    CString baseType;
    CString baseId;
    double baseLat = 0.0;  // decimal degrees
    double baseLon = 0.0;
    double baseHeight = 0.0;
    double baseX = 0.0;  // Earth-centred Cartesian, WGS-84, metres
    double baseY = 0.0;
    double baseZ = 0.0;
    double geoidSeparation = 0.0;
    GpsTextBlock ident;
    CString antennaType;
    CString modelText;

    // Every field back to 0 or empty; satellite entries keep their `used` flag.
    void Reset();
};
