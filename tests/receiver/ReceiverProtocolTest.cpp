// The data link a version reply names, by its words in their order.
#include <gtest/gtest.h>

#include "receiver/ReceiverProtocol.h"

TEST(ReceiverProtocol, VersionReplyWordsNameTheDataLink) {
    const struct {
        const wchar_t* line;
        std::optional<DataLinkKind> kind;
    } cases[] = {
        {L"$GPXXX,QZ1,RADIO,460", kLinkRadio},
        {L"$GPXXX,QZ1,GPRS", kLinkNetwork},
        {L"$GPXXX,QZ1,CDMA", kLinkNetwork},
        {L"$GPXXX,QZ1,VRS", kLinkNetwork},
        {L"$GPXXX,QZ1,GSM", kLinkNetwork},
        {L"$GPXXX,QZ1,NET", kLinkNetwork},
        {L"$GPXXX,QZ1,EXT", kLinkExternal},
        {L"$GPXXX,QZ1,EXT,RADIO", kLinkRadio},  // radio is tested first
        {L"$GPXXX,QZ1,NETEXT", kLinkNetwork},
        {L"$GPXXX,QZ1,radio", std::nullopt},  // the words are upper case
        {L"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DataLinkNamedIn(c.line), c.kind) << testing::PrintToString(c.line);
}
