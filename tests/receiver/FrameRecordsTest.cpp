#include <gtest/gtest.h>

#include <vector>

#include "platform/messages/Messages.h"
#include "receiver/GgaRecord.h"
#include "receiver/ModuleReadAll.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverStartup.h"
#include "tests/receiver/ReceiverHostDouble.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

const CString kSentence = Nmea("GPGGA,080000.00,3014.5000,S,12010.3000,W,4,09,1.2,10.0,M,5.0,M,,");
const CString kGga = L"xx" + kSentence;

}  // namespace

TEST(NetworkGga, ParsesTheSentenceWithItsHemispheres) {
    GgaRecord out;
    GgaRecord frameRecord;
    frameRecord.valid = 1;
    ParseGga(kGga, out, frameRecord);
    EXPECT_EQ(out.valid, 1);
    EXPECT_NEAR(out.latitude, -30.241666666666667, 1e-12);
    EXPECT_NEAR(out.longitude, -120.17166666666667, 1e-12);
    EXPECT_EQ(out.quality, 4);
    EXPECT_EQ(out.satellites, 9);
    EXPECT_DOUBLE_EQ(out.hdop, 1.2);
    EXPECT_EQ(out.sentence, kSentence);
    EXPECT_EQ(frameRecord.valid, 1);

    GgaRecord untouched;
    untouched.satellites = 42;
    ParseGga(L"$GPGGA,080000.00,,N,12010.3,E,4,09,1.2", untouched, frameRecord);
    EXPECT_EQ(untouched.satellites, 42);
    EXPECT_EQ(frameRecord.valid, 0);
    frameRecord.valid = 1;
    ParseGga(L"$GNGGA,1,2", untouched, frameRecord);
    EXPECT_EQ(frameRecord.valid, 0);
    // A damaged check, a NUL, a number beyond range: never uploaded.
    CString damaged = kSentence;
    damaged.Replace(L"3014.5", L"3014.6");
    std::wstring withNul = kSentence.str();
    withNul.insert(20, 1, L'\0');
    for (const CString& line :
         {damaged, CString(withNul), Nmea("GPGGA,080000.00,3014.5,S,12010.3,W,4,09,1e999,10.0")}) {
        frameRecord.valid = 1;
        ParseGga(line, untouched, frameRecord);
        EXPECT_EQ(untouched.satellites, 42);
        EXPECT_EQ(frameRecord.valid, 0);
    }
}

TEST(NetworkGga, RecordIsReplacedOnlyByTheRefreshRule) {
    GgaRecord record;
    GgaRecord candidate;
    candidate.valid = 1;
    candidate.quality = 4;
    candidate.satellites = 9;
    candidate.hdop = 1.0;
    RefreshGgaRecord(candidate, record, 1000.0);
    EXPECT_EQ(record.valid, 1);

    // k = 33 degrees: only more satellites with a smaller HDOP replace a record of the same quality.
    candidate.latitude = 20.0;
    candidate.satellites = 9;
    RefreshGgaRecord(candidate, record, 1000.0);
    EXPECT_EQ(record.latitude, 0.0);
    candidate.satellites = 10;
    candidate.hdop = 1.1;
    RefreshGgaRecord(candidate, record, 1000.0);
    EXPECT_EQ(record.latitude, 0.0);
    candidate.hdop = 0.9;
    RefreshGgaRecord(candidate, record, 1000.0);
    EXPECT_EQ(record.latitude, 20.0);
    // Moving by more than k, or another quality, replaces it; an invalid candidate never does.
    candidate.latitude = 20.5;
    candidate.satellites = 1;
    RefreshGgaRecord(candidate, record, 0.0);
    EXPECT_EQ(record.latitude, 20.5);
    candidate.quality = 5;
    candidate.latitude = 20.6;
    RefreshGgaRecord(candidate, record, 1000.0);
    EXPECT_EQ(record.quality, 5);
    candidate.valid = 0;
    candidate.quality = 1;
    RefreshGgaRecord(candidate, record, 1000.0);
    EXPECT_EQ(record.quality, 5);
}

TEST(ModuleReadAll, ReadsTheModemsSettings) {
    NetModuleSettings settings;
    settings.user = L"kept";
    EXPECT_FALSE(ParseModuleReadAll(L"TOVAK,ALL,a,12,b,555,MODEGPRS,MODEVRS,host,80,dom", settings));
    EXPECT_EQ(settings.baseId, L"12");
    EXPECT_EQ(settings.basePhone, L"555");
    EXPECT_EQ(settings.connectionType, 1);
    EXPECT_EQ(settings.workMode, 1);
    EXPECT_EQ(settings.server, L"host");
    EXPECT_EQ(settings.port, L"80");
    EXPECT_EQ(settings.domain, L"dom");
    EXPECT_EQ(settings.user, L"kept");
    EXPECT_TRUE(ParseModuleReadAll(L"TOVAK,ALL,a,12,b,555,MODEX,MODENTRIP,h,1,d,me:pw,t8,t9\r\n", settings));
    EXPECT_EQ(settings.connectionType, 1);
    EXPECT_EQ(settings.workMode, 2);
    EXPECT_EQ(settings.user, L"me");
    EXPECT_EQ(settings.password, L"pw");
    EXPECT_EQ(settings.text8, L"t8");
    EXPECT_EQ(settings.text9, L"t9");
    EXPECT_FALSE(ParseModuleReadAll(L"TOVAK,READALL,OK", settings));
}

TEST(ReceiverState, ResetsAndTheNotice) {
    class CPositionWindow final : public IMessageTarget {
    public:
        CPositionWindow() : hwnd(RegisterMessageTarget(this)) {}
        ~CPositionWindow() override { UnregisterMessageTarget(hwnd); }
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_GPS_POSITION)
                seen.push_back({reinterpret_cast<CGpsState*>(wParam)->solutionText, lParam});
            return 0;
        }
        HWND hwnd;
        std::vector<std::pair<CString, LPARAM>> seen;
    } window;
    CGpsState s;
    s.latitude = 30;
    s.baseX = 5;
    s.baseId = L"12";
    s.year = 2026;
    s.gpsSatellites[0].number = 7;
    s.ident.text[0] = L"SN";
    ResetAndNotify(s, window.hwnd, L"无数据");
    EXPECT_EQ(s.latitude, 0.0);
    EXPECT_EQ(s.baseX, 5.0);
    EXPECT_EQ(s.year, 2026);
    EXPECT_EQ(s.gpsSatellites[0].number, 7);
    EXPECT_EQ(s.solutionText, L"无数据");
    EXPECT_EQ(window.seen, (std::vector<std::pair<CString, LPARAM>>{{L"无数据", 0}}));
    ResetReceiverState(s, true);
    EXPECT_EQ(s.baseId, L"0000");
    EXPECT_EQ(s.baseType, L"RTCA");
    EXPECT_EQ(s.baseX, 0.0);
    EXPECT_TRUE(s.ident.text[0].IsEmpty());
    EXPECT_TRUE(s.solutionText.IsEmpty());
}
