#include <gtest/gtest.h>

#include "receiver/CGpsParser.h"
#include "receiver/ReceiverModels.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

struct Values {
    int l1 = -1, mode = -1, kind = -1, link = -1, form = -1, language = -1;
    double factor = -1, height = -1, radius = -1;
};

class VersionReply : public ::testing::Test {
protected:
    // A reply with the given serial, board, work mode and antenna dimension fields 12 to 14.
    void Reply(const std::string& serial, const std::string& board, const std::string& mode,
               const std::string& dims = ",,") {
        const std::optional<VersionReport> told =
            parser.ParseVersion(Nmea("GPXXX," + serial + ",V2.1,B3,QZANT-B," + board + ",GPRS,RADIO,0," +
                                     mode + ",EN,3," + dims + ",END"),
                                state);
        ASSERT_TRUE(told);
        last = *told;
    }
    Values Take() const {
        const ReceiverVersionInfo& i = last.info;
        return {i.l1Option,        i.workMode, i.receiverKind,        i.linkKind,
                i.serialForm,      i.language, i.antennaHeightFactor, i.instrumentHeight,
                i.instrumentRadius};
    }

    VersionReport last;

    CGpsParser parser;
    CGpsState state;
};

}  // namespace

TEST_F(VersionReply, BoardTypeByTheBoardField) {
    const struct {
        const char* board;
        int type;
    } cases[] = {{"OEM-V", 1}, {"OEM-E", 2},  {"ECLIPSE", 2}, {"OEM-E2", 1},
                 {"OEM-D", 4}, {"XOEM-T", 5}, {"??", 1}};
    for (const auto& c : cases) {
        Reply("QZ8120382345678", c.board, "ROVER");
        EXPECT_EQ(last.board, c.type) << c.board;
    }
}

TEST_F(VersionReply, IdentificationAndAntennaDimensions) {
    Reply("QZ8120382345678", "OEM-V", "BASE", "0,120,884");
    EXPECT_EQ(state.ident.text[0], L"QZ8120382345678");
    EXPECT_EQ(state.ident.text[1], L"V2.1");
    EXPECT_EQ(state.ident.text[3], L"B3");
    EXPECT_EQ(state.antennaType, L"QZANT-B");
    EXPECT_EQ(state.modelText, L"QZ-R8");
    EXPECT_EQ(last.baseFlag, 1);
    Values v = Take();
    EXPECT_DOUBLE_EQ(v.radius, 0.12);
    EXPECT_DOUBLE_EQ(v.height, 0.0884);
    EXPECT_NEAR(v.factor, 0.0764, 1e-12);
    EXPECT_EQ(v.mode, 1);
    EXPECT_EQ(v.l1, 0);
    EXPECT_EQ(v.form, 1);
    EXPECT_EQ(v.link, 1);
    EXPECT_EQ(v.language, 2);

    Reply("QZ8120382345678", "OEM-V", "ROVER", "0,120,88");
    v = Take();
    EXPECT_DOUBLE_EQ(v.height, 0.0884);
    EXPECT_NEAR(v.factor, 0.0764, 1e-12);
    EXPECT_EQ(last.baseFlag, 0);
}

TEST_F(VersionReply, WithoutDimensionsTheTablesGiveTheConstants) {
    Reply("QZ6125362345", "OEM-V", "VRSROVER");
    Values v = Take();
    EXPECT_DOUBLE_EQ(v.factor, 0.0764);
    EXPECT_DOUBLE_EQ(v.height, 0.0787);
    EXPECT_EQ(v.kind, 3);
    EXPECT_EQ(v.l1, 1);
    EXPECT_EQ(v.mode, 0);
    // Another work mode word: the serial's sixth character decides.
    Reply("QZ8125382345678", "OEM-V", "?");
    EXPECT_EQ(Take().mode, 1);
    EXPECT_FALSE(last.baseFlag);
}

TEST(ReceiverModels, DataLinkByTheModelCodeInTheVersionText) {
    const struct {
        const wchar_t* text;
        bool hasLink;
    } cases[] = {
        {L"", false},
        {L"QZ8120382345678", true},
        {L"QZ9120382345678", true},
        {L"QZ6120382345678", false},
        {L"QZV120382345678", false},
        {L"SN-QZ9-0042", true},
        {L"qz8120382345678", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ReceiverHasDataLink(c.text), c.hasLink) << c.text;
}
