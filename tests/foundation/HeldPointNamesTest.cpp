#include "foundation/HeldPointNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text/CodePage.h"

namespace {
HeldPointNames Holding(const std::vector<CString>& names) {
    HeldPointNames held;
    for (const CString& name : names) held.Add(ToGbk(name));
    return held;
}
}  // namespace

// The first free name is the proposal or its first successor that is not held, whatever order the
// names were added in and however they are kept (runs, single keys, keys not yet sorted in).
TEST(HeldPointNames, TheFirstFreeNamePassesOverHeldSuccessors) {
    const struct {
        std::vector<CString> held;
        const wchar_t* proposed;
        const wchar_t* free;
    } cases[] = {
        {{}, L"5", L"5"},
        {{L"1", L"2", L"3", L"5"}, L"4", L"4"},
        {{L"1", L"2", L"3", L"5"}, L"5", L"6"},
        {{L"5", L"1", L"3", L"2", L"4"}, L"2", L"6"},
        {{L"A7"}, L"A007", L"A007"},
        {{L"A007", L"A8"}, L"A007", L"A9"},
        {{L"B", L"B1", L"B2"}, L"B", L"B3"},
        {{L"点5", L"点6"}, L"点5", L"点7"},
        {{L"A1", L"A2"}, L"B1", L"B1"},
        {{L"K1-", L"K1-1"}, L"K1-", L"K1-2"},
        {{L"0", L"1"}, L"0", L"2"},
        {{L"Pt9", L"Pt10", L"Pt11"}, L"Pt9", L"Pt12"},
        // Beyond the numbers kept beside a stem the names are keyed whole.
        {{L"P1099511627775", L"P1099511627776"}, L"P1099511627775", L"P1099511627777"},
        {{L"P99999999999999999999"}, L"P99999999999999999999", L"P100000000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.proposed));
        const HeldPointNames held = Holding(c.held);
        EXPECT_EQ(held.FirstFree(c.proposed), c.free);
        for (const CString& name : c.held) EXPECT_TRUE(held.Holds(name)) << ToUtf8(name);
        EXPECT_FALSE(held.Holds(c.free));
    }
}

// A season's file: a million names in a row cost one run, the numbers after the last point "1" are
// passed over at once, and names added out of order later are found before and after they are
// sorted in.
TEST(HeldPointNames, AMillionNamesInARowAndStoresAfterThem) {
    HeldPointNames held;
    for (int n = 2; n <= 1000000; ++n) held.Add(std::to_string(n));
    held.Add("1");
    EXPECT_EQ(held.FirstFree(L"2"), L"1000001");
    EXPECT_LT(held.Bytes(), 1024u);
    for (int n = 3000000; n > 1000001; n -= 2) held.Add(std::to_string(n));
    EXPECT_LE(held.Bytes(), 8u * 2000000u);
    EXPECT_EQ(held.FirstFree(L"1"), L"1000001");
    held.Add("1000001");
    EXPECT_EQ(held.FirstFree(L"1"), L"1000003");
    EXPECT_EQ(held.FirstFree(L"2999999"), L"2999999");
    EXPECT_EQ(held.FirstFree(L"3000000"), L"3000001");
}
