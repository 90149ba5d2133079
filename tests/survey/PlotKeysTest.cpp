// Every key of the plot screens on a screen that has every action and on one that has none: which
// action runs, and whether the key is used up or left to the dialog.
#include "survey/PlotKeys.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/time/Clock.h"

namespace {

struct Recorder {
    std::string ran;
    PlotKeyActions All() {
        const auto note = [this](const char* name) { return [this, name] { ran += name; }; };
        return {note("store"),  note("view"),      note("next"),  note("previous"),
                note("redraw"), note("reacquire"), note("verify")};
    }
};

TEST(PlotKeys, EachKeyOnAScreenWithEveryActionAndOnOneWithNone) {
    struct Case {
        int key;
        const char* action;  // run on the screen with every action
        bool usedUp;         // there; a screen without the action never uses the key up
    };
    const Case cases[] = {
        {kKeyStore, "store", true},
        {kKeyNext, "next", true},
        {kKeyPrevious, "previous", true},
        {kKeyRedraw, "redraw", true},
        {kKeyReacquire, "reacquire", false},
        {kKeyVerify, "verify", false},
        {kKeyCoordView, "", true},
        {'1', "", false},
        {'C', "", false},
    };
    CVirtualClock clock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Recorder every;
        PlotKeys keys(every.All());
        EXPECT_EQ(keys.Handle(c.key), c.usedUp);
        EXPECT_EQ(every.ran, c.action);
        PlotKeys none(PlotKeyActions{});
        EXPECT_FALSE(none.Handle(c.key));
    }
}

// B opens the coordinate view on the second press within 3 s: 2 s apart it does, 3 s apart not.
TEST(PlotKeys, KeyBTwiceWithinThreeSeconds) {
    struct Case {
        DWORD gapMs;
        const char* ran;
    };
    for (const Case& c : {Case{0, "view"}, Case{2000, "view"}, Case{2999, "view"}, Case{3000, ""}}) {
        SCOPED_TRACE(c.gapMs);
        CVirtualClock clock;
        SYSTEMTIME utc{};
        utc.wYear = 2024;
        utc.wMonth = 5;
        utc.wDay = 1;
        utc.wHour = 12;
        utc.wMinute = 10;
        utc.wSecond = 20;
        clock.SetUtc(utc);
        Recorder every;
        PlotKeys keys(every.All());
        EXPECT_TRUE(keys.Handle(kKeyCoordView));
        clock.Advance(c.gapMs);
        EXPECT_TRUE(keys.Handle(kKeyCoordView));
        EXPECT_EQ(every.ran, c.ran);
    }
}

}  // namespace
