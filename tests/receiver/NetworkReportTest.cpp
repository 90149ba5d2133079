// The GGA sentence built from a fix for the network RTK service.
#include <gtest/gtest.h>

#include "receiver/NetworkReport.h"

namespace {
CGpsState Fix(double lat, double lon, int hour, int satellites, const wchar_t* solution) {
    CGpsState s;
    s.fixFlag = 1;
    s.latitude = lat;
    s.longitude = lon;
    s.height = 12.5;
    s.hour = hour;
    s.minute = 4;
    s.second = 5;
    s.gpsUsedCount = satellites;
    s.pdop = 1.64;
    s.solutionText = solution;
    return s;
}
}  // namespace

TEST(NetworkReport, SentencesFromFixes) {
    struct Case {
        const char* name;
        CGpsState fix;
        const wchar_t* sentence;  // null: none is built; checks computed independently (XOR of the body)
    } cases[] = {
        {"local 03:04 in zone 8 is 19:04 UTC", Fix(30.2416666667, 120.1716666667, 3, 8, L"固定解"),
         L"$GPGGA,190405.00,3014.5000,N,12010.3000,E,4,08,1.6,12.50,M,0.00,M,,*6B"},
        {"south and west, float", Fix(-33.5, -70.25, 12, 4, L"浮点解"),
         L"$GPGGA,040405.00,3330.0000,S,07015.0000,W,5,04,1.6,12.50,M,0.00,M,,*67"},
        {"minutes that print as 60 carry into the degrees", Fix(30.999999999, 120.0, 8, 9, L"单点解"),
         L"$GPGGA,000405.00,3100.0000,N,12000.0000,E,1,09,1.6,12.50,M,0.00,M,,*64"},
        {"three satellites", Fix(30.0, 120.0, 8, 3, L"固定解"), nullptr},
    };
    for (const Case& c : cases) {
        GgaRecord record;
        BuildGgaSentence(c.fix, 8, record);
        if (!c.sentence) {
            EXPECT_EQ(record.valid, 0) << c.name;
            continue;
        }
        EXPECT_EQ(record.valid, 1) << c.name;
        EXPECT_EQ(record.sentence, c.sentence) << c.name;
    }
}
